#include "host/brlib/Kamer.h"

#include "host/brlib/Stempel.h"
#include "store/RecordTekst.h"

namespace brlib {

stKamer stKamer::UitRecord(int32_t nr, const WIN_rsv_kamer& rcd)
{
    stKamer kamer;
    kamer.recNr = nr;
    kamer.stempel = rcd.stempel;
    kamer.kamerNr = rcd.kamerNr;
    kamer.omschr = LeesTekst(rcd.omschr);
    kamer.kamerType.recNr = rcd.kamerType;
    kamer.maxPersonen = rcd.maxPersonen;
    kamer.beschikbaarVanaf = rcd.BeschikbaarVanaf();
    return kamer;
}

WIN_rsv_kamer stKamer::GetRcd() const
{
    WIN_rsv_kamer rcd{};
    rcd.recNr = recNr;
    rcd.inGebruik = 1;
    rcd.kamerNr = kamerNr;
    rcd.kamerType = kamerType.recNr;
    ZetTekst(rcd.omschr, omschr);
    rcd.stempel = NieuweStempel(stempel);
    rcd.maxPersonen = static_cast<uint16_t>(maxPersonen);
    rcd.ZetBeschikbaarVanaf(beschikbaarVanaf);
    return rcd;
}

}  // namespace brlib
