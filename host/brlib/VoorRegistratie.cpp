#include "host/brlib/VoorRegistratie.h"

#include "host/base/EBrRuntime.h"
#include "host/records/TekstLijst.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvVoorReg.h"

namespace brlib {

namespace {

[[noreturn]] void KettingBeschadigd(JaarNr reservering)
{
    throw EBrRuntime("De voor-registraties van reservering " + reservering.String(2, 5) + " zijn beschadigd.",
                     QStringLiteral("RsvGetVoorRegistratie(JaarNr,std::vector<stVoorReg>&)"));
}

// The head sits in the reservation header; 0 when there is no such header.
int32_t EersteVoorReg(JaarNr reservering)
{
    RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, tfPerJaar, true, true);
    if (reservering.nr < 1 || reservering.nr > hfd.RecordCount(reservering.jaar))
        return 0;
    return hfd.Record(reservering).eersteVoorReg;
}

}  // namespace

void RsvGetVoorRegistratie(JaarNr reservering, std::vector<stVoorReg>& lijst)
{
    lijst.clear();
    const int32_t eerste = EersteVoorReg(reservering);
    if (eerste == 0)
        return;
    const int jaar = reservering.jaar;
    RecordCache<WIN_rsv_voorreg> voorReg(Bestanden::VoorReg, tfPerJaar, true, true);
    RecordCacheImpl tekst(sizeof(DOS_tkst_dsk_strukt), Bestanden::VoorRegTekst, tfPerJaar, true, true);
    const int32_t aantal = voorReg.RecordCount(jaar);
    for (int32_t nr = eerste; nr != 0;) {
        // Record 1 is the free-list header; a link there, outside the file or
        // round in a circle means the chain is damaged.
        if (nr < 2 || nr > aantal || int32_t(lijst.size()) >= aantal)
            KettingBeschadigd(reservering);
        const WIN_rsv_voorreg rcd = voorReg.Record(jaar, nr);
        if (rcd.resNr != reservering.nr)
            KettingBeschadigd(reservering);
        stVoorReg item;
        item.recNr = nr;
        item.kamerNr = rcd.kamerNr;
        item.relatieNr = rcd.relatieNr;
        item.relatieSleutel = rcd.relatieKaartNr;
        if (rcd.tekstNr > 0)
            item.regels = LeesTekstLijstFile(tekst, JaarNr(jaar, rcd.tekstNr));
        lijst.push_back(item);
        nr = rcd.volgende;
    }
}

}  // namespace brlib
