#include "board/ReserveringSchrijver.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <QTime>

#include "host/base/HuidigeDatum.h"
#include "host/brlib/KamerBezetting.h"
#include "host/records/TekstLijst.h"
#include "store/Bestanden.h"

namespace bord {

namespace {

constexpr int kPerJaar = brlib::tfPerJaar;
constexpr int kEenBestand = brlib::tfEenBestand;

TDateTime Nu()
{
    return HuidigeDatum::Object().Huidige() + QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
}

double OpCenten(double bedrag) { return std::round(bedrag * 100.0) / 100.0; }

// "%-.20s": at most 20 characters, always ending in a zero.
void ZetTekst(char (&veld)[21], const QString& tekst)
{
    std::snprintf(veld, sizeof veld, "%-.20s", tekst.toLatin1().constData());
}

}  // namespace

ReserveringSchrijver::ReserveringSchrijver()
    : hfd_(Bestanden::ResHfd, kPerJaar, false, false),
      rgl_(Bestanden::ResRgl, kPerJaar, false, false),
      dagHfd_(Bestanden::DagHfd, kPerJaar, false, false),
      dagRgl_(Bestanden::DagRgl, kPerJaar, false, false),
      grpHfd_(Bestanden::GroepHfd, kEenBestand, false, false),
      grpSub_(Bestanden::GroepSub, kEenBestand, false, false),
      gegTekst_(sizeof(brlib::DOS_tkst_dsk_strukt), Bestanden::ResGegTekst, kPerJaar, false, false),
      extTekst_(sizeof(brlib::DOS_tkst_dsk_strukt), Bestanden::ResExtTekst, kPerJaar, false, false),
      relTekst_(sizeof(brlib::DOS_tkst_dsk_strukt), Bestanden::ResRelTekst, kPerJaar, false, false)
{
}

bool ReserveringSchrijver::KamersVrij(const std::vector<brlib::stRes>& regels)
{
    return brlib::KamersVrij(rgl_, dagRgl_, regels);
}

JaarNr ReserveringSchrijver::SchrijfReservering(const std::vector<const brlib::stRes*>& regels,
                                                const ResGegevens& gegevens, int aantalRegels, int32_t groepNr)
{
    const TDateTime begin = regels.front()->begin;
    const JaarNr sleutel(Jaar(begin), hfd_.RecordCount(Jaar(begin)) + 1);
    WIN_rsv_res_hfd kop = NieuweKop(regels, gegevens, aantalRegels, groepNr);
    SchrijfTeksten(kop, gegevens, sleutel);
    hfd_.Store(sleutel, kop);
    hfd_.VoegAchterKetting(sleutel.jaar, sleutel.nr, 0, dagHfd_, DagNr(begin), 0);
    for (const brlib::stRes* regel : regels)
        SchrijfRegel(*regel, gegevens.vlaggen[0], sleutel);
    return sleutel;
}

void ReserveringSchrijver::SchrijfTeksten(WIN_rsv_res_hfd& kop, const ResGegevens& gegevens,
                                          const JaarNr& reservering)
{
    const JaarNr nieuweLijst(reservering.jaar, 0);
    const int32_t r = reservering.nr;
    if (gegevens.relatieLabels.isEmpty()) {
        kop.resGegTekst = brlib::SchrijfTekstLijstFile(gegTekst_, nieuweLijst, gegevens.gastRegels, r);
    } else {
        kop.relLabelsTekst = brlib::SchrijfTekstLijstFile(relTekst_, nieuweLijst, gegevens.relatieLabels, r);
        kop.relWaardenTekst = brlib::SchrijfTekstLijstFile(relTekst_, nieuweLijst, gegevens.relatieWaarden, r);
    }
    kop.resExtTekst = brlib::SchrijfTekstLijstFile(extTekst_, nieuweLijst, gegevens.extraRegels, r);
}

WIN_rsv_res_hfd ReserveringSchrijver::NieuweKop(const std::vector<const brlib::stRes*>& regels,
                                                const ResGegevens& gegevens, int aantalRegels, int32_t groepNr)
{
    const TDateTime begin = regels.front()->begin;
    WIN_rsv_res_hfd kop{};
    kop.ZetRegDatum(Nu());
    kop.relatieNr = gegevens.relatieNr;
    kop.relatieNr2 = gegevens.relatieNr2;
    kop.ZetBeginDatum(begin);
    kop.ZetEindDatum(regels.front()->eind);
    kop.dagNr = static_cast<uint16_t>(DagNr(begin));
    kop.aantalRegels = static_cast<uint16_t>(aantalRegels);
    double totaal = 0;
    for (const brlib::stRes* regel : regels)
        totaal += regel->bedrag;
    kop.totaalBedrag = OpCenten(totaal);
    kop.wijzigTeller = 1;
    kop.soort = gegevens.vlaggen[0];
    kop.nationaliteit = gegevens.vlaggen[1];
    kop.zakelijk = gegevens.vlaggen[2];
    std::memcpy(kop.extra, gegevens.extra.data(), sizeof kop.extra);
    kop.groepNr = groepNr;
    return kop;
}

void ReserveringSchrijver::SchrijfRegel(const brlib::stRes& regel, int soort, const JaarNr& reservering)
{
    const int32_t jaar = reservering.jaar;
    WIN_rsv_res_rgl rcd{};
    rcd.hfdNr = reservering.nr;
    rcd.ZetBeginDatum(regel.begin);
    rcd.ZetEindDatum(regel.eind);
    rcd.dagNr = static_cast<uint16_t>(DagNr(regel.begin));
    rcd.kamerNr = regel.kamerNr;
    rcd.prijs = regel.prijs;
    rcd.bedrag = regel.bedrag;
    ZetTekst(rcd.tariefCode, regel.tariefCode);
    ZetTekst(rcd.tariefTekst2, regel.tariefTekst2);
    rcd.soort = static_cast<uint16_t>(soort);
    rcd.personen = static_cast<uint16_t>(regel.personen);
    const int32_t nr = rgl_.GetFreeRecord(jaar);
    rgl_.Store(jaar, nr, rcd);
    rgl_.VoegAchterKetting(jaar, nr, 0, hfd_, reservering.nr, 0);
    rgl_.VoegAchterKetting(jaar, nr, 1, dagRgl_, rcd.dagNr, 0);
}

void ReserveringSchrijver::VoegToeAanGroep(int32_t groepNr, const JaarNr& reservering)
{
    WIN_rsv_groep_sub lid{};
    lid.groepNr = groepNr;
    lid.jaar = static_cast<uint16_t>(reservering.jaar);
    lid.resNr = reservering.nr;
    const int32_t nr = grpSub_.GetFreeRecord();
    grpSub_.Store(nr, lid);
    grpSub_.VoegAchterKetting(nr, 0, grpHfd_, groepNr, 0);
}

}  // namespace bord
