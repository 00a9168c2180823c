#include "host/brlib/RsvReservering.h"

#include <algorithm>

namespace brlib {

bool RsvReservering::KamersGesplitst() const
{
    return std::any_of(kamerRegels.begin(), kamerRegels.end(), [](const stRes& r) { return r.verplaatstNaar > 0; });
}

TDateTime RsvReservering::GetBeginDatumGesplitst() const
{
    TDateTime laatste = begin;
    for (const stRes& regel : kamerRegels)
        if (regel.verplaatstNaar <= 0)
            laatste = std::max(laatste, regel.begin);
    return laatste;
}

bool RsvReservering::IsVolledigOpenstaand() const
{
    return status == rsOpenstaand &&
           std::none_of(kamerRegels.begin(), kamerRegels.end(), [](const stRes& r) { return !r.inCheck.sleutel.IsLeeg(); });
}

void RsvReservering::VulKamerTypes(const std::vector<stKamer>& kamers)
{
    for (stRes& regel : kamerRegels) {
        const auto kamer = std::find_if(kamers.begin(), kamers.end(),
                                        [&](const stKamer& k) { return k.kamerNr == regel.kamerNr; });
        if (kamer == kamers.end())
            regel.kamerType.clear();
        else
            regel.kamerType = kamer->kamerType.omschr.isEmpty() ? kamer->kamerType.code : kamer->kamerType.omschr;
    }
}

bool RsvReservering::GetIncheckProdReg(stInCheck& inCheck) const
{
    for (const stRes& regel : kamerRegels) {
        const stInCheck& in = regel.inCheck;
        if (!in.sleutel.IsLeeg() && in.productenGeregistreerd && !in.geannuleerd && !in.kassaRegistratie.IsLeeg()) {
            inCheck = in;
            return true;
        }
    }
    return false;
}

JaarNr RsvReservering::GetProductenRegNr() const
{
    stInCheck inCheck;
    return GetIncheckProdReg(inCheck) ? inCheck.kassaRegistratie : JaarNr();
}

}  // namespace brlib
