#include "host/tillra/BonRegelOpslag.h"

#include "host/base/EBrRuntime.h"
#include "host/records/TekstLijst.h"
#include "host/tillra/ArtikelSource.h"
#include "host/tillra/BtwTarief.h"
#include "store/RecordTekst.h"

namespace Tillra {

namespace {

sa_kas_art_rgls2 AlsRecord(const t_BonRegel& regel, int32_t eigenaarNr)
{
    sa_kas_art_rgls2 rcd{};
    rcd.eigenaar = eigenaarNr;
    rcd.aantal = regel.aantal;
    rcd.artikelNr = regel.artikelNr;
    rcd.artikelId = regel.artikelId;
    rcd.prijsExcl = regel.getPrijsExcl();
    rcd.btwCode = static_cast<uint16_t>(regel.getBtwCode());
    rcd.korting = regel.getKorting();
    rcd.regelSoort = regel.regelSoort;
    rcd.moment = DateToDatumTijd(regel.getMoment());
    return rcd;
}

sa_kas_rgls_omzet Omzet(const t_BonRegel& regel, int32_t regelNr)
{
    sa_kas_rgls_omzet rcd{};
    rcd.regelNr = regelNr;
    rcd.btwTarief = BtwTarief(regel.getBtwCode(), regel.getMoment());
    rcd.bedragIncl = regel.getBedragIncl(regel.getMoment());
    rcd.bedragExcl = rcd.bedragIncl / (1 + rcd.btwTarief);
    rcd.btwBedrag = rcd.bedragIncl - rcd.bedragExcl;
    return rcd;
}

void OpslaanBereidingswijzen(const t_BonRegel& regel, int32_t jaar, int32_t regelNr, sa_kas_art_rgls2& rcd,
                             BonRegelBestanden& bestanden)
{
    int32_t eerste = 0;
    int32_t laatste = 0;
    for (const Bereidingswijze& wijze : regel.bereidingswijzen) {
        const int32_t nr = bestanden.bw.GetFreeRecord(jaar);
        bereidingswijze bw{};
        bw.regelNr = regelNr;
        bw.code = wijze.code;
        ZetTekst(bw.omschrijving, wijze.omschrijving);
        bestanden.bw.Store(jaar, nr, bw);
        bestanden.bw.VoegAchterKetting(jaar, nr, 0, eerste, laatste);
    }
    rcd.eersteBw = eerste;
    rcd.laatsteBw = laatste;
}

// Walks a chain of `cache` from `eerste`, at most as many steps as the file has records.
template <class T, class F>
void Loop(RecordCache<T>& cache, int32_t jaar, int32_t eerste, const char* operatie, F stap)
{
    int32_t over = cache.RecordCount(jaar);
    for (int32_t nr = eerste; nr != 0;) {
        if (over-- <= 0)
            throw EBrRuntime(QStringLiteral("De productregels zijn beschadigd (een kringketting)."),
                             QString::fromLatin1(operatie));
        const T rcd = cache.Record(jaar, nr);
        stap(nr, rcd);
        nr = rcd.volgende;
    }
}

t_BonRegel AlsRegel(const sa_kas_art_rgls2& rcd, int32_t jaar, BonRegelBestanden& bestanden)
{
    t_BonRegel regel;
    regel.aantal = rcd.aantal;
    regel.artikelNr = rcd.artikelNr;
    regel.artikelId = rcd.artikelId;
    regel.regelSoort = rcd.regelSoort;
    regel.setBtwCode(rcd.btwCode);
    regel.setMoment(DatumTijdToDate(rcd.moment));
    regel.setPrijs(rcd.prijsExcl, t_BonRegel::PRIJS_EXCL);
    regel.setKorting(rcd.korting, t_BonRegel::KORTING_PERCENTAGE);
    const QStringList teksten = brlib::LeesTekstLijstFile(bestanden.tekst, JaarNr(jaar, rcd.tekstNr));
    regel.omschrijving = teksten.value(0);
    regel.artikelRef = teksten.value(1);
    Loop(bestanden.bw, jaar, rcd.eersteBw, "InlezenBonRegels", [&](int32_t, const bereidingswijze& bw) {
        regel.bereidingswijzen.push_back({bw.code, LeesTekst(bw.omschrijving)});
    });
    return regel;
}

}  // namespace

void OpslaanBonRegels(const std::vector<t_BonRegel>& regels, int32_t jaar, int32_t eigenaarNr, int32_t& eerste,
                      int32_t& laatste, BonRegelBestanden& bestanden)
{
    eerste = laatste = 0;
    for (const t_BonRegel& regel : regels) {
        const int32_t nr = bestanden.regels.GetFreeRecord(jaar);
        sa_kas_art_rgls2 rcd = AlsRecord(regel, eigenaarNr);
        rcd.tekstNr = brlib::SchrijfTekstLijstFile(bestanden.tekst, JaarNr(jaar, 0),
                                                   {regel.omschrijving, regel.artikelRef}, eigenaarNr);
        OpslaanBereidingswijzen(regel, jaar, nr, rcd, bestanden);
        bestanden.regels.Store(jaar, nr, rcd);
        bestanden.omzet.Store(jaar, nr, Omzet(regel, nr));
        bestanden.regels.VoegAchterKetting(jaar, nr, 0, eerste, laatste);
    }
}

void InlezenBonRegels(std::vector<t_BonRegel>& regels, int32_t jaar, int32_t eerste, BonRegelBestanden& bestanden)
{
    regels.clear();
    Loop(bestanden.regels, jaar, eerste, "InlezenBonRegels", [&](int32_t, const sa_kas_art_rgls2& rcd) {
        regels.push_back(AlsRegel(rcd, jaar, bestanden));
    });
}

void InlezenBonRegels(std::vector<t_BonRegel>& regels, int32_t jaar, int32_t eerste, BonRegelBestanden& bestanden,
                      ArtikelSource& artikelen, bool omschrijvingVanKaart)
{
    InlezenBonRegels(regels, jaar, eerste, bestanden);
    if (!omschrijvingVanKaart)
        return;
    for (t_BonRegel& regel : regels)
        if (!regel.IsTekstRegel() && artikelen.ReadKaartNr(regel.artikelNr))
            regel.omschrijving = artikelen.Kaart().omschrijving;
}

void VerwijderBonRegels(int32_t jaar, int32_t& eerste, int32_t& laatste, BonRegelBestanden& bestanden)
{
    Loop(bestanden.regels, jaar, eerste, "VerwijderBonRegels", [&](int32_t nr, const sa_kas_art_rgls2& rcd) {
        brlib::LeegTekstLijstFile(bestanden.tekst, JaarNr(jaar, rcd.tekstNr));
        int32_t eersteBw = rcd.eersteBw;
        int32_t laatsteBw = rcd.laatsteBw;
        bestanden.bw.VerwijderKetting(jaar, 0, eersteBw, laatsteBw);
        bestanden.omzet.Store(jaar, nr, sa_kas_rgls_omzet{});
    });
    bestanden.regels.VerwijderKetting(jaar, 0, eerste, laatste);
}

}  // namespace Tillra
