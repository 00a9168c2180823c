#include "reservation/ReserveringSchrijver.h"

#include <cmath>
#include <cstring>

#include "host/base/EBrRuntime.h"
#include "host/base/HuidigeDatum.h"
#include "host/brlib/KamerBezetting.h"
#include "host/records/TekstLijst.h"
#include "reservation/KettingLeden.h"
#include "store/Bestanden.h"

namespace {

constexpr int kPerJaar = brlib::tfPerJaar;
constexpr int kEenBestand = brlib::tfEenBestand;

double OpCenten(double bedrag) { return std::round(bedrag * 100.0) / 100.0; }

WIN_rsv_res_hfd NieuweKop(const std::vector<const brlib::stRes*>& regels, const ResGegevens& gegevens,
                          int aantalRegels, int32_t groepNr)
{
    const TDateTime begin = regels.front()->begin;
    WIN_rsv_res_hfd kop{};
    kop.ZetRegDatum(HuidigeDatum::Object().Nu());
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


}  // namespace

ReserveringSchrijver::ReserveringSchrijver()
    : hfd_(Bestanden::ResHfd, kPerJaar, false, false),
      rgl_(Bestanden::ResRgl, kPerJaar, false, false),
      dagHfd_(Bestanden::DagHfd, kPerJaar, false, false),
      dagRgl_(Bestanden::DagRgl, kPerJaar, false, false),
      voorReg_(Bestanden::VoorReg, kPerJaar, false, false),
      grpHfd_(Bestanden::GroepHfd, kEenBestand, false, false),
      grpSub_(Bestanden::GroepSub, kEenBestand, false, false),
      gegTekst_(sizeof(brlib::DOS_tkst_dsk_strukt), Bestanden::ResGegTekst, kPerJaar, false, false),
      extTekst_(sizeof(brlib::DOS_tkst_dsk_strukt), Bestanden::ResExtTekst, kPerJaar, false, false),
      relTekst_(sizeof(brlib::DOS_tkst_dsk_strukt), Bestanden::ResRelTekst, kPerJaar, false, false),
      voorRegTekst_(sizeof(brlib::DOS_tkst_dsk_strukt), Bestanden::VoorRegTekst, kPerJaar, false, false)
{
}

WIN_rsv_res_hfd ReserveringSchrijver::LeesKop(const JaarNr& res)
{
    if (res.nr < 1 || res.nr > hfd_.RecordCount(res.jaar))
        throw EBrRuntime("Reservering " + res.String(2, 5) + " bestaat niet.",
                         QStringLiteral("ReserveringSchrijver::LeesKop(JaarNr)"));
    return hfd_.Record(res);
}

void ReserveringSchrijver::WijzigKop(const JaarNr& res, const std::function<void(WIN_rsv_res_hfd&)>& wijzig)
{
    WIN_rsv_res_hfd kop = LeesKop(res);
    wijzig(kop);
    ++kop.wijzigTeller;
    hfd_.Store(res, kop);
}

JaarNr ReserveringSchrijver::SchrijfReservering(const std::vector<const brlib::stRes*>& regels,
                                                const ResGegevens& gegevens, int aantalRegels, int32_t groepNr)
{
    const int32_t jaar = Jaar(regels.front()->begin);
    const JaarNr sleutel(jaar, hfd_.RecordCount(jaar) + 1);
    WIN_rsv_res_hfd kop = NieuweKop(regels, gegevens, aantalRegels, groepNr);
    SchrijfTeksten(kop, gegevens, sleutel);
    SchrijfProducten(kop, sleutel, gegevens.producten);
    kop.productStatus = gegevens.producten.empty() ? 0 : 1;
    hfd_.Store(sleutel, kop);
    ZetKopInDag(sleutel);
    for (const brlib::stRes* regel : regels)
        VoegRegelToe(sleutel, *regel, gegevens.vlaggen[0]);
    return sleutel;
}

void ReserveringSchrijver::NeemKopUitDag(const JaarNr& res)
{
    hfd_.NeemUitKetting(res.jaar, res.nr, 0, dagHfd_, LeesKop(res).dagNr, 0);
}

void ReserveringSchrijver::ZetKopInDag(const JaarNr& res)
{
    WIN_rsv_res_hfd kop = LeesKop(res);
    kop.dagNr = static_cast<uint16_t>(DagNr(kop.BeginDatum()));
    hfd_.Store(res, kop);
    hfd_.VoegAchterKetting(res.jaar, res.nr, 0, dagHfd_, kop.dagNr, 0);
}

std::vector<int32_t> ReserveringSchrijver::RegelNummers(const JaarNr& res)
{
    return KettingLeden(rgl_, res.jaar, LeesKop(res).eersteRegel, 0, "ReserveringSchrijver::RegelNummers");
}

WIN_rsv_res_rgl ReserveringSchrijver::LeesRegel(int32_t jaar, int32_t nr) { return rgl_.Record(jaar, nr); }

void ReserveringSchrijver::WijzigRegel(int32_t jaar, int32_t nr, const std::function<void(WIN_rsv_res_rgl&)>& wijzig)
{
    WIN_rsv_res_rgl rcd = LeesRegel(jaar, nr);
    wijzig(rcd);
    ++rcd.wijzigTeller;
    rgl_.Store(jaar, nr, rcd);
}

int32_t ReserveringSchrijver::VoegRegelToe(const JaarNr& res, const brlib::stRes& regel, int soort)
{
    brlib::stRes nieuw = regel;
    nieuw.resSleutel = res;
    nieuw.soort = soort;
    nieuw.wijzigTeller = 0;
    nieuw.inCheck = brlib::stInCheck();
    nieuw.verplaatstNaar = 0;
    const int32_t nr = rgl_.GetFreeRecord(res.jaar);
    rgl_.Store(res.jaar, nr, nieuw.GetRcd());
    rgl_.VoegAchterKetting(res.jaar, nr, 0, hfd_, res.nr, 0);
    ZetRegelInDag(res.jaar, nr);
    return nr;
}

int32_t ReserveringSchrijver::KopieerRegel(int32_t jaar, int32_t nr,
                                           const std::function<void(WIN_rsv_res_rgl&)>& wijzig)
{
    WIN_rsv_res_rgl kopie = LeesRegel(jaar, nr);
    kopie.vorige = kopie.volgende = kopie.vorigeDag = kopie.volgendeDag = 0;
    kopie.wijzigTeller = 0;
    wijzig(kopie);
    const int32_t nieuw = rgl_.GetFreeRecord(jaar);
    rgl_.Store(jaar, nieuw, kopie);
    rgl_.VoegAchterKetting(jaar, nieuw, 0, hfd_, kopie.hfdNr, 0);
    ZetRegelInDag(jaar, nieuw);
    return nieuw;
}

void ReserveringSchrijver::NeemRegelUitDag(int32_t jaar, int32_t nr)
{
    rgl_.NeemUitKetting(jaar, nr, 1, dagRgl_, LeesRegel(jaar, nr).dagNr, 0);
}

void ReserveringSchrijver::ZetRegelInDag(int32_t jaar, int32_t nr)
{
    WIN_rsv_res_rgl rcd = LeesRegel(jaar, nr);
    rcd.dagNr = static_cast<uint16_t>(DagNr(rcd.BeginDatum()));
    rgl_.Store(jaar, nr, rcd);
    rgl_.VoegAchterKetting(jaar, nr, 1, dagRgl_, rcd.dagNr, 0);
}

void ReserveringSchrijver::VerwijderRegels(const JaarNr& res)
{
    for (int32_t nr : RegelNummers(res))
        NeemRegelUitDag(res.jaar, nr);
    rgl_.VerwijderKetting(res.jaar, 0, hfd_, res.nr, 0);
}

bool ReserveringSchrijver::KamersVrij(const std::vector<brlib::stRes>& regels)
{
    return brlib::KamersVrij(rgl_, dagRgl_, regels);
}
