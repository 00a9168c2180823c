#include "host/brlib/RegelLezer.h"

#include <algorithm>

#include "host/base/EBrRuntime.h"
#include "host/brlib/BekendAantal.h"
#include "host/brlib/ResRecords.h"
#include "host/records/TekstLijst.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvPersoon.h"

namespace brlib {

namespace {

[[noreturn]] void Beschadigd(const QString& wat, JaarNr res)
{
    throw EBrRuntime("De " + wat + " van reservering " + res.String(2, 5) + " zijn beschadigd.",
                     QStringLiteral("RsvReserveringCursorRandom::At(int,long,int)"));
}

}  // namespace

struct RegelLezer::Caches {
    RecordCache<WIN_rsv_res_rgl> rgl{Bestanden::ResRgl, tfPerJaar, true, true};
    BekendAantal<RecordCache<WIN_rsv_res_rgl>> rglAantal{rgl};
    RecordCache<WIN_rsv_incheck> inCheck{Bestanden::InCheck, tfPerJaar, true, true};
    RecordCache<WIN_rsv_persoon> persoon{Bestanden::Persoon, tfEenBestand, true, true};
    RecordCacheImpl persoonTekst{sizeof(DOS_tkst_dsk_strukt), Bestanden::PersoonTekst, tfEenBestand, true, true};
};

RegelLezer::RegelLezer() : c_(std::make_unique<Caches>()) {}
RegelLezer::~RegelLezer() = default;

std::vector<stRes> RegelLezer::Regels(JaarNr res, int32_t eerste, int32_t laatste, bool inChecks, bool personen)
{
    std::vector<stRes> regels;
    int32_t gelezen = 0;  // the last line read
    for (int32_t nr = eerste; nr != 0;) {
        // Record 1 holds the free list; a link there, past the end, or round in a circle is damage.
        const int32_t aantal = c_->rglAantal.Aantal(res.jaar, std::max(nr, int32_t(regels.size()) + 1));
        if (nr < 2 || nr > aantal || int32_t(regels.size()) >= aantal)
            Beschadigd(QStringLiteral("kamerregels"), res);
        const WIN_rsv_res_rgl rcd = c_->rgl.Record(res.jaar, nr);
        if (rcd.hfdNr != res.nr)
            Beschadigd(QStringLiteral("kamerregels"), res);
        regels.push_back(RegelUitRecord(res, nr, rcd));
        if (inChecks)
            LeesInCheck(regels.back(), personen);
        gelezen = nr;
        nr = rcd.volgende;
    }
    if (gelezen != laatste)
        Beschadigd(QStringLiteral("kamerregels"), res);
    return regels;
}

bool RegelLezer::Regel(int jaar, int32_t nr, stRes& regel)
{
    if (nr < 2 || nr > c_->rgl.RecordCount(jaar))
        return false;
    const WIN_rsv_res_rgl rcd = c_->rgl.Record(jaar, nr);
    if (rcd.hfdNr < 1)
        return false;
    regel = RegelUitRecord(JaarNr(jaar, rcd.hfdNr), nr, rcd);
    return true;
}

bool RegelLezer::InCheck(JaarNr sleutel, bool personen, stInCheck& inCheck, int32_t* regelNr)
{
    if (sleutel.nr < 1 || sleutel.nr > c_->inCheck.RecordCount(sleutel.jaar))
        return false;
    const WIN_rsv_incheck rcd = c_->inCheck.Record(sleutel);
    inCheck = InCheckUitRecord(sleutel, rcd);
    if (regelNr)
        *regelNr = rcd.rglNr;
    if (personen)
        inCheck.personen = Personen(rcd.eerstePersoon);
    return true;
}

void RegelLezer::LeesInCheck(stRes& regel, bool personen)
{
    if (regel.inCheck.sleutel.IsLeeg())
        return;
    if (!InCheck(regel.inCheck.sleutel, personen, regel.inCheck))
        Beschadigd(QStringLiteral("incheckgegevens"), regel.resSleutel);
}

std::vector<stPersoon> RegelLezer::Personen(int32_t eerste)
{
    std::vector<stPersoon> personen;
    const int32_t aantal = c_->persoon.RecordCount();
    for (int32_t nr = eerste; nr != 0;) {
        if (nr < 1 || nr > aantal || int32_t(personen.size()) >= aantal)
            throw EBrRuntime(QStringLiteral("De personen van een incheck zijn beschadigd."),
                             QStringLiteral("RsvReserveringCursorRandom::At(int,long,int)"));
        const WIN_rsv_persoon rcd = c_->persoon.Record(nr);
        stPersoon persoon;
        persoon.recNr = nr;
        persoon.relatieNr = rcd.relatieNr;
        persoon.relatieSleutel = rcd.relatieNr2;
        if (rcd.tekstNr > 0)
            persoon.waarden = LeesTekstLijstFile(c_->persoonTekst, JaarNr(0, rcd.tekstNr));
        personen.push_back(persoon);
        nr = rcd.volgende;
    }
    return personen;
}

}  // namespace brlib
