#include "host/brlib/ReserveringAccess.h"

#include "host/brlib/RegelLezer.h"

namespace brlib::ReserveringAccess {

bool LeesResOpIncheck(JaarNr inCheck, stRes& regel)
{
    RegelLezer lezer;
    stInCheck gelezen;
    int32_t regelNr = 0;
    stRes gevonden;
    if (!lezer.InCheck(inCheck, true, gelezen, &regelNr) || !lezer.Regel(inCheck.jaar, regelNr, gevonden) ||
        gevonden.inCheck.sleutel != inCheck)
        return false;
    gevonden.inCheck = gelezen;
    regel = gevonden;
    return true;
}

}  // namespace brlib::ReserveringAccess
