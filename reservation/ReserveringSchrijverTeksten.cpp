// ReserveringSchrijver: texts, pre-registrations, product lines and group members.

#include "host/records/TekstLijst.h"
#include "host/tillra/BonRegelOpslag.h"
#include "host/tillra/KassaBestanden.h"
#include "reservation/KettingLeden.h"
#include "reservation/ReserveringSchrijver.h"

namespace {

// Empties the list; the header's number of it becomes the returned 0.
int32_t Leeg(brlib::RecordCacheImpl& bestand, int32_t jaar, int32_t lijst)
{
    if (lijst > 0)
        brlib::LeegTekstLijstFile(bestand, JaarNr(jaar, lijst));
    return 0;
}

}  // namespace

void ReserveringSchrijver::SchrijfTeksten(WIN_rsv_res_hfd& kop, const ResGegevens& gegevens, const JaarNr& res)
{
    const int32_t j = res.jaar;
    const int32_t r = res.nr;
    if (gegevens.relatieLabels.isEmpty()) {
        kop.resGegTekst = brlib::SchrijfTekstLijstFile(gegTekst_, JaarNr(j, kop.resGegTekst), gegevens.gastRegels, r);
    } else {
        kop.relLabelsTekst =
            brlib::SchrijfTekstLijstFile(relTekst_, JaarNr(j, kop.relLabelsTekst), gegevens.relatieLabels, r);
        kop.relWaardenTekst =
            brlib::SchrijfTekstLijstFile(relTekst_, JaarNr(j, kop.relWaardenTekst), gegevens.relatieWaarden, r);
    }
    kop.resExtTekst = brlib::SchrijfTekstLijstFile(extTekst_, JaarNr(j, kop.resExtTekst), gegevens.extraRegels, r);
}

void ReserveringSchrijver::LeegTeksten(WIN_rsv_res_hfd& kop, const JaarNr& res)
{
    kop.resGegTekst = Leeg(gegTekst_, res.jaar, kop.resGegTekst);
    kop.resExtTekst = Leeg(extTekst_, res.jaar, kop.resExtTekst);
    kop.relLabelsTekst = Leeg(relTekst_, res.jaar, kop.relLabelsTekst);
    kop.relWaardenTekst = Leeg(relTekst_, res.jaar, kop.relWaardenTekst);
}

void ReserveringSchrijver::LeegVoorRegs(WIN_rsv_res_hfd& kop, const JaarNr& res)
{
    for (int32_t nr : KettingLeden(voorReg_, res.jaar, kop.eersteVoorReg, 0, "ReserveringSchrijver::SchrijfVoorRegs"))
        Leeg(voorRegTekst_, res.jaar, voorReg_.Record(res.jaar, nr).tekstNr);
    // The chain head is a packed field: the chain operations work on a copy.
    int32_t eerste = kop.eersteVoorReg;
    int32_t geenStaart = -1;
    voorReg_.VerwijderKetting(res.jaar, 0, eerste, geenStaart);
    kop.eersteVoorReg = eerste;
}

void ReserveringSchrijver::SchrijfVoorRegs(WIN_rsv_res_hfd& kop, const JaarNr& res,
                                           const std::vector<brlib::stVoorReg>& voorRegs)
{
    LeegVoorRegs(kop, res);
    int32_t eerste = kop.eersteVoorReg;
    int32_t geenStaart = -1;
    for (const brlib::stVoorReg& voorReg : voorRegs) {
        WIN_rsv_voorreg rcd = voorReg.GetRcd();
        rcd.resNr = res.nr;
        rcd.tekstNr = brlib::SchrijfTekstLijstFile(voorRegTekst_, JaarNr(res.jaar, 0), voorReg.regels, res.nr);
        const int32_t nr = voorReg_.GetFreeRecord(res.jaar);
        voorReg_.Store(res.jaar, nr, rcd);
        voorReg_.VoegAchterKetting(res.jaar, nr, 0, eerste, geenStaart);
    }
    kop.eersteVoorReg = eerste;
}

void ReserveringSchrijver::VoegToeAanGroep(int32_t groepNr, const JaarNr& res)
{
    WIN_rsv_groep_sub lid{};
    lid.groepNr = groepNr;
    lid.jaar = static_cast<uint16_t>(res.jaar);
    lid.resNr = res.nr;
    const int32_t nr = grpSub_.GetFreeRecord();
    grpSub_.Store(nr, lid);
    grpSub_.VoegAchterKetting(nr, 0, grpHfd_, groepNr, 0);
}

bool ReserveringSchrijver::NeemUitGroep(int32_t groepNr, const JaarNr& res)
{
    if (groepNr < 1 || groepNr > grpHfd_.RecordCount())
        return false;
    const int32_t eerste = grpHfd_.Record(groepNr).eerste;
    for (int32_t nr : KettingLeden(grpSub_, 0, eerste, 0, "ReserveringSchrijver::NeemUitGroep")) {
        const WIN_rsv_groep_sub lid = grpSub_.Record(nr);
        if (lid.resNr == res.nr && lid.jaar == res.jaar) {
            grpSub_.NeemUitKetting(nr, 0, grpHfd_, groepNr, 0);
            grpSub_.FreeRecord(nr);
            return true;
        }
    }
    return false;
}

Tillra::BonRegelBestanden& ReserveringSchrijver::ProductBestanden()
{
    if (!producten_)
        producten_ =
            std::make_unique<Tillra::BonRegelBestanden>(QString::fromLatin1(KassaBestanden::ReserveringRegels), false);
    return *producten_;
}

void ReserveringSchrijver::SchrijfProducten(WIN_rsv_res_hfd& kop, const JaarNr& res,
                                            const std::vector<Tillra::t_BonRegel>& regels)
{
    VerwijderProducten(kop, res);
    int32_t eerste = 0;
    int32_t laatste = 0;
    if (!regels.empty())
        Tillra::OpslaanBonRegels(regels, res.jaar, res.nr, eerste, laatste, ProductBestanden());
    kop.eersteProduct = eerste;
    kop.laatsteProduct = laatste;
}

void ReserveringSchrijver::VerwijderProducten(WIN_rsv_res_hfd& kop, const JaarNr& res)
{
    int32_t eerste = kop.eersteProduct;
    int32_t laatste = kop.laatsteProduct;
    if (eerste > 0)
        Tillra::VerwijderBonRegels(res.jaar, eerste, laatste, ProductBestanden());
    kop.eersteProduct = eerste;
    kop.laatsteProduct = laatste;
}
