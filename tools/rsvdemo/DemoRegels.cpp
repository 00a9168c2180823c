#include "tools/rsvdemo/DemoRegels.h"

#include "host/brlib/Inlezen.h"
#include "host/brlib/TariefMatrix.h"

brlib::stRes DemoRegel(const brlib::stKamer& kamer, TDateTime begin, TDateTime eind, bool prijzen)
{
    brlib::stRes regel;
    regel.kamerNr = kamer.kamerNr;
    regel.begin = begin;
    regel.eind = eind;
    regel.personen = kamer.maxPersonen;
    regel.kamerType = kamer.kamerType.code;
    regel.nieuw = true;
    if (prijzen && brlib::MaakTariefMatrix(Jaar(begin), regel.matrix)) {
        brlib::stKamerType type = kamer.kamerType;
        brlib::InlezenKamerTypeTarieven(Jaar(begin), type);
        brlib::VulTariefMatrix(regel.matrix, type.tarieven);
        brlib::RsvBepaalHuidigTarief(regel);
    }
    return regel;
}

ResGegevens DemoGast(const QString& naam, int soort)
{
    ResGegevens gegevens;
    gegevens.gastRegels = {naam};
    gegevens.vlaggen[0] = static_cast<uint8_t>(soort);
    return gegevens;
}
