#include "reservation/RegelTarief.h"

#include "host/brlib/Inlezen.h"
#include "host/brlib/TariefMatrix.h"

bool BepaalTarieven(brlib::stRes& regel, const brlib::stKamer& kamer)
{
    const int jaar = Jaar(regel.begin);
    brlib::stKamerType type = kamer.kamerType;
    regel.kamerType = type.code;
    brlib::InlezenKamerTypeTarieven(jaar, type);
    brlib::MaakTariefMatrix(jaar, regel.matrix);
    brlib::VulTariefMatrix(regel.matrix, type.tarieven);
    if (regel.matrix.Leeg())
        return false;
    // A night without a rate counts 0; the rest of the stay is still priced.
    brlib::RsvBepaalHuidigTarief(regel);
    return true;
}
