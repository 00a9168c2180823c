#include "tests/host/brlib/ResBouwer.h"

#include "host/records/Locks.h"
#include "host/records/TekstLijst.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/RecordTekst.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvGroepHfd.h"
#include "store/WinRsvGroepSub.h"
#include "store/WinRsvInCheck.h"
#include "store/WinRsvPersoon.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvResRgl.h"
#include "store/WinRsvVoorReg.h"

using namespace brlib;

namespace {

template <class P>
void ZorgVoorDag(RecordCache<P>& pnt, int32_t jaar, int32_t dag)
{
    for (int32_t nr = pnt.RecordCount(jaar) + 1; nr <= dag; ++nr)
        pnt.Store(jaar, nr, P{});
}

int32_t Tekst(const char* bestand, int32_t jaar, const QStringList& regels, int32_t eigenaar)
{
    return regels.isEmpty() ? 0 : SchrijfTekstLijstFile(bestand, JaarNr(jaar, 0), regels, eigenaar);
}

WIN_rsv_res_hfd Kop(const BouwRes& res, int32_t jaar, int32_t nr)
{
    WIN_rsv_res_hfd kop{};
    kop.status = static_cast<uint16_t>(res.status);
    kop.ZetRegDatum(res.regDatum);
    kop.ZetBeginDatum(res.begin);
    kop.ZetEindDatum(res.eind);
    kop.dagNr = static_cast<uint16_t>(DagNr(res.begin));
    kop.aantalRegels = static_cast<uint16_t>(res.regels.size());
    kop.totaalBedrag = res.totaal;
    kop.wijzigTeller = res.wijzigTeller;
    kop.soort = static_cast<uint16_t>(res.soort);
    kop.nationaliteit = static_cast<uint16_t>(res.nationaliteit);
    kop.zakelijk = static_cast<uint16_t>(res.zakelijk);
    std::copy(res.extra.begin(), res.extra.end(), kop.extra);
    kop.relatieNr = res.relatieNr;
    kop.relatieNr2 = res.relatieNr2;
    kop.groepNr = res.groepNr;
    kop.productStatus = static_cast<uint16_t>(res.productStatus);
    kop.resGegTekst = Tekst(Bestanden::ResGegTekst, jaar, res.gast, nr);
    kop.resExtTekst = Tekst(Bestanden::ResExtTekst, jaar, res.extraTekst, nr);
    kop.relLabelsTekst = Tekst(Bestanden::ResRelTekst, jaar, res.relLabels, nr);
    kop.relWaardenTekst = Tekst(Bestanden::ResRelTekst, jaar, res.relWaarden, nr);
    return kop;
}

WIN_rsv_res_rgl Regel(const BouwRes& res, const BouwRegel& r, int32_t resNr)
{
    WIN_rsv_res_rgl regel{};
    regel.hfdNr = resNr;
    regel.ZetBeginDatum(r.begin != 0 ? r.begin : res.begin);
    regel.ZetEindDatum(r.eind != 0 ? r.eind : res.eind);
    regel.dagNr = static_cast<uint16_t>(DagNr(regel.BeginDatum()));
    regel.kamerNr = r.kamer;
    regel.prijs = r.prijs;
    regel.bedrag = r.bedrag;
    ZetTekst(regel.tariefCode, r.tariefCode);
    regel.soort = static_cast<uint16_t>(res.soort);
    regel.personen = static_cast<uint16_t>(r.personen);
    regel.verplaatstNaar = r.verplaatstNaar;
    regel.wijzigTeller = 1;
    return regel;
}

void ZetInGroep(JaarNr res, int32_t groepNr)
{
    RecordCache<WIN_rsv_groep_hfd> hfd(Bestanden::GroepHfd, tfEenBestand, false, false);
    RecordCache<WIN_rsv_groep_sub> sub(Bestanden::GroepSub, tfEenBestand, false, false);
    for (int32_t nr = hfd.RecordCount() + 1; nr <= groepNr; ++nr)
        hfd.Store(nr, WIN_rsv_groep_hfd{});
    WIN_rsv_groep_sub lid{};
    lid.groepNr = groepNr;
    lid.jaar = static_cast<uint16_t>(res.jaar);
    lid.resNr = res.nr;
    const int32_t nr = sub.GetFreeRecord();
    sub.Store(nr, lid);
    sub.VoegAchterKetting(nr, 0, hfd, groepNr, 0);
}

}  // namespace

JaarNr Boek(const BouwRes& res)
{
    RsvActie actie;
    const int32_t jaar = Jaar(res.begin);
    RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, tfPerJaar, false, false);
    RecordCache<WIN_rsv_res_rgl> rgl(Bestanden::ResRgl, tfPerJaar, false, false);
    RecordCache<WIN_rsv_dagnr_hfd_pnt> dagHfd(Bestanden::DagHfd, tfPerJaar, false, false);
    RecordCache<WIN_rsv_dagnr_rgl_pnt> dagRgl(Bestanden::DagRgl, tfPerJaar, false, false);
    const int32_t resNr = hfd.RecordCount(jaar) + 1;
    hfd.Store(jaar, resNr, Kop(res, jaar, resNr));
    if (res.status != 99) {
        ZorgVoorDag(dagHfd, jaar, DagNr(res.begin));
        hfd.VoegAchterKetting(jaar, resNr, 0, dagHfd, DagNr(res.begin), 0);
    }
    for (const BouwRegel& r : res.regels) {
        const WIN_rsv_res_rgl regel = Regel(res, r, resNr);
        const int32_t nr = rgl.GetFreeRecord(jaar);
        rgl.Store(jaar, nr, regel);
        rgl.VoegAchterKetting(jaar, nr, 0, hfd, resNr, 0);
        ZorgVoorDag(dagRgl, jaar, regel.dagNr);
        rgl.VoegAchterKetting(jaar, nr, 1, dagRgl, regel.dagNr, 0);
    }
    if (res.groepNr > 0)
        ZetInGroep(JaarNr(jaar, resNr), res.groepNr);
    actie.Commit();
    return JaarNr(jaar, resNr);
}

JaarNr CheckIn(JaarNr res, int32_t regelNr, const BouwInCheck& inCheck)
{
    RsvActie actie;
    RecordCache<WIN_rsv_incheck> in(Bestanden::InCheck, tfPerJaar, false, false);
    RecordCache<WIN_rsv_res_rgl> rgl(Bestanden::ResRgl, tfPerJaar, false, false);
    RecordCache<WIN_rsv_persoon> persoon(Bestanden::Persoon, tfEenBestand, false, false);
    int32_t eerste = 0;
    int32_t laatste = 0;
    for (const QStringList& waarden : inCheck.personen) {
        WIN_rsv_persoon p{};
        p.recNr = persoon.RecordCount() + 1;
        p.tekstNr = SchrijfTekstLijstFile(Bestanden::PersoonTekst, JaarNr(), waarden);
        persoon.Store(p.recNr, p);
        persoon.VoegAchterKetting(p.recNr, 0, eerste, laatste);
    }
    WIN_rsv_incheck rcd{};
    rcd.hfdNr = res.nr;
    rcd.rglNr = regelNr;
    rcd.ZetInCheckDatum(inCheck.in);
    rcd.uitgecheckt = inCheck.uitgecheckt;
    rcd.ZetUitCheckDatum(inCheck.uit);
    rcd.eerstePersoon = eerste;
    rcd.wijzigTeller = 1;
    rcd.kassaJaar = static_cast<uint16_t>(inCheck.kassa.jaar);
    rcd.kassaNr = inCheck.kassa.nr;
    rcd.productenGeregistreerd = inCheck.producten;
    const int32_t nr = in.RecordCount(res.jaar) + 1;
    in.Store(res.jaar, nr, rcd);
    WIN_rsv_res_rgl regel = rgl.Record(res.jaar, regelNr);
    regel.inCheckNr = nr;
    rgl.Store(res.jaar, regelNr, regel);
    actie.Commit();
    return JaarNr(res.jaar, nr);
}

void VoorRegistreer(JaarNr res, int32_t kamer, const QStringList& regels, int32_t relatieNr, int32_t relatieKaart)
{
    RsvActie actie;
    RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, tfPerJaar, false, false);
    RecordCache<WIN_rsv_voorreg> voorReg(Bestanden::VoorReg, tfPerJaar, false, false);
    WIN_rsv_voorreg rcd{};
    rcd.resNr = res.nr;
    rcd.kamerNr = kamer;
    rcd.tekstNr = Tekst(Bestanden::VoorRegTekst, res.jaar, regels, res.nr);
    rcd.relatieNr = relatieNr;
    rcd.relatieKaartNr = relatieKaart;
    const int32_t nr = voorReg.GetFreeRecord(res.jaar);
    voorReg.Store(res.jaar, nr, rcd);
    WIN_rsv_res_hfd kop = hfd.Record(res);
    int32_t eerste = kop.eersteVoorReg;
    int32_t laatste = -1;
    voorReg.VoegAchterKetting(res.jaar, nr, 0, eerste, laatste);
    kop.eersteVoorReg = eerste;
    hfd.Store(res, kop);
    actie.Commit();
}

std::vector<int32_t> RegelNummers(JaarNr res)
{
    RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, tfPerJaar, true, true);
    RecordCache<WIN_rsv_res_rgl> rgl(Bestanden::ResRgl, tfPerJaar, true, true);
    std::vector<int32_t> nummers;
    WIN_rsv_res_rgl regel{};
    for (int32_t nr = rgl.EersteRecord(res.jaar, regel, hfd, res.nr, 0); nr != 0; nr = rgl.NextRecord(res.jaar, 0, regel))
        nummers.push_back(nr);
    return nummers;
}

void ZetAchteraan(JaarNr res, int32_t regelNr)
{
    RsvActie actie;
    RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, tfPerJaar, false, false);
    RecordCache<WIN_rsv_res_rgl> rgl(Bestanden::ResRgl, tfPerJaar, false, false);
    rgl.NeemUitKetting(res.jaar, regelNr, 0, hfd, res.nr, 0);
    rgl.VoegAchterKetting(res.jaar, regelNr, 0, hfd, res.nr, 0);
    actie.Commit();
}

void MaakDagKetenRond(JaarNr res)
{
    const int32_t nr = RegelNummers(res)[0];
    RsvActie actie;
    RecordCache<WIN_rsv_res_rgl> rgl(Bestanden::ResRgl, tfPerJaar, false, false);
    WIN_rsv_res_rgl rcd = rgl.Record(res.jaar, nr);
    rcd.volgendeDag = nr;
    rgl.Store(res.jaar, nr, rcd);
    actie.Commit();
}
