#include "bench/gedeeld/BenchAdmin.h"

#include <algorithm>
#include <map>
#include <random>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "host/base/AdminDir.h"
#include "host/records/Locks.h"
#include "host/tillra/BonRegelOpslag.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvGroepHfd.h"
#include "store/WinRsvGroepSub.h"
#include "store/WinRsvInCheck.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvResRgl.h"

namespace {

constexpr int kJaar = brlib::tfPerJaar;

struct JaarRecords {
    std::vector<WIN_rsv_res_hfd> hfd;
    std::vector<WIN_rsv_res_rgl> rgl{WIN_rsv_res_rgl{}};  // record 1: the free-list header
    std::vector<WIN_rsv_incheck> inCheck;
    std::map<int, std::pair<int32_t, int32_t>> dagen;      // day number -> first, last header (= line - 1)
    std::vector<int32_t> metProducten;                     // headers with product lines
};

// One file for every year: record 1 of the members holds the free list.
struct Groepen {
    std::vector<WIN_rsv_groep_hfd> hfd;
    std::vector<WIN_rsv_groep_sub> sub{WIN_rsv_groep_sub{}};
    int32_t dag = 0;    // begin of the reservations of the last group
    int jaar = 0;
    int leden = 0;      // members the last group has
};

void Koppel(JaarRecords& j, int dag, int32_t hfdNr)
{
    auto [plek, nieuw] = j.dagen.try_emplace(dag, hfdNr, hfdNr);
    if (nieuw)
        return;
    const int32_t vorige = plek->second.second;
    j.hfd[vorige - 1].volgendeHfd = hfdNr;
    j.hfd[hfdNr - 1].vorigeHfd = vorige;
    j.rgl[vorige].volgendeDag = hfdNr + 1;
    j.rgl[hfdNr].vorigeDag = vorige + 1;
    plek->second.second = hfdNr;
}

// The first kGroepGrootte reservations arriving on every kGroepDag-th day form a group.
void VoegInGroep(Groepen& g, WIN_rsv_res_hfd& kop, int32_t hfdNr, const BenchVerblijf& v)
{
    if (DagNr(v.begin) % kGroepDag != 0)
        return;
    if (g.dag != v.begin) {
        g.dag = v.begin;
        g.leden = 0;
        g.hfd.push_back(WIN_rsv_groep_hfd{});
    } else if (g.leden == kGroepGrootte) {
        return;
    }
    const int32_t groepNr = static_cast<int32_t>(g.hfd.size());
    const int32_t lidNr = static_cast<int32_t>(g.sub.size()) + 1;
    WIN_rsv_groep_sub lid{};
    lid.groepNr = groepNr;
    lid.jaar = static_cast<uint16_t>(Jaar(v.begin));
    lid.resNr = hfdNr;
    WIN_rsv_groep_hfd& groep = g.hfd.back();
    const int32_t laatste = groep.laatste;
    if (laatste == 0) {
        groep.eerste = lidNr;
    } else {
        lid.vorige = laatste;
        g.sub[laatste - 1].volgende = lidNr;
    }
    groep.laatste = lidNr;
    g.sub.push_back(lid);
    kop.groepNr = groepNr;
    ++g.leden;
}

void VoegToe(JaarRecords& j, Groepen& groepen, const BenchVerblijf& v)
{
    const int32_t hfdNr = static_cast<int32_t>(j.hfd.size()) + 1;
    const int dag = DagNr(v.begin);
    WIN_rsv_res_hfd kop{};
    kop.ZetBeginDatum(v.begin);
    kop.ZetEindDatum(v.eind);
    kop.dagNr = static_cast<uint16_t>(dag);
    kop.aantalRegels = 1;
    kop.eersteRegel = kop.laatsteRegel = hfdNr + 1;
    kop.wijzigTeller = 1;
    kop.soort = static_cast<uint16_t>(v.soort);
    kop.status = v.ingecheckt ? 1 : 0;  // its one room checked in
    WIN_rsv_res_rgl regel{};
    regel.hfdNr = hfdNr;
    regel.ZetBeginDatum(v.begin);
    regel.ZetEindDatum(v.eind);
    regel.dagNr = kop.dagNr;
    regel.kamerNr = v.kamer;
    regel.soort = kop.soort;
    regel.personen = 2;
    regel.wijzigTeller = 1;
    if (v.ingecheckt) {
        WIN_rsv_incheck in{};
        in.hfdNr = hfdNr;
        in.rglNr = hfdNr + 1;
        in.ZetInCheckDatum(v.begin + 0.6);
        in.wijzigTeller = 1;
        j.inCheck.push_back(in);
        regel.inCheckNr = static_cast<int32_t>(j.inCheck.size());
    }
    VoegInGroep(groepen, kop, hfdNr, v);
    if (v.soort == 0 && hfdNr % kProductElke == 0)
        j.metProducten.push_back(hfdNr);
    j.hfd.push_back(kop);
    j.rgl.push_back(regel);
    Koppel(j, dag, hfdNr);
}

template <class T>
void SlaOp(const char* bestand, int32_t jaar, const std::vector<T>& records, int formaat = kJaar)
{
    RecordCache<T> cache(bestand, formaat, false, false);
    for (size_t i = 0; i < records.size(); ++i)
        cache.Store(jaar, static_cast<int32_t>(i) + 1, records[i]);
}

template <class P>
std::vector<P> DagPointers(const JaarRecords& j, int32_t jaar, int32_t regelVerschil)
{
    std::vector<P> pnt(DagNr(EncodeDate(jaar, 12, 31)));
    for (const auto& [dag, keten] : j.dagen) {
        pnt[dag - 1].eerste = keten.first + regelVerschil;
        pnt[dag - 1].laatste = keten.second + regelVerschil;
    }
    return pnt;
}

std::vector<Tillra::t_BonRegel> Producten(TDateTime begin)
{
    std::vector<Tillra::t_BonRegel> regels(2);
    const char* namen[] = {"Ontbijt", "Diner"};
    const double prijzen[] = {14.50, 32.00};
    for (int i = 0; i < 2; ++i) {
        regels[i].aantal = 2;
        regels[i].omschrijving = QString::fromLatin1(namen[i]);
        regels[i].artikelNr = 9001 + i;
        regels[i].setMoment(begin);
        regels[i].setPrijs(prijzen[i], Tillra::t_BonRegel::PRIJS_INCL);
    }
    return regels;
}

// The product chains first, so that their heads go into the headers stored after.
void SchrijfProducten(int32_t jaar, JaarRecords& j)
{
    auto bestanden = Tillra::BonRegelBestanden::Reservering(false);
    for (int32_t hfdNr : j.metProducten) {
        WIN_rsv_res_hfd& kop = j.hfd[hfdNr - 1];
        int32_t eerste = 0;
        int32_t laatste = 0;
        Tillra::OpslaanBonRegels(Producten(kop.BeginDatum()), jaar, hfdNr, eerste, laatste, bestanden);
        kop.eersteProduct = eerste;
        kop.laatsteProduct = laatste;
        kop.productStatus = 1;
    }
}

void SchrijfJaar(int32_t jaar, JaarRecords& j)
{
    brlib::RsvActie actie;
    SchrijfProducten(jaar, j);
    SlaOp(Bestanden::ResHfd, jaar, j.hfd);
    SlaOp(Bestanden::ResRgl, jaar, j.rgl);
    SlaOp(Bestanden::InCheck, jaar, j.inCheck);
    SlaOp(Bestanden::DagHfd, jaar, DagPointers<WIN_rsv_dagnr_hfd_pnt>(j, jaar, 0));
    SlaOp(Bestanden::DagRgl, jaar, DagPointers<WIN_rsv_dagnr_rgl_pnt>(j, jaar, 1));
    actie.Commit();
}

}  // namespace

std::vector<BenchVerblijf> MaakVerblijven(int kamers, TDateTime van, TDateTime tot, unsigned seed)
{
    std::mt19937 toeval(seed);
    std::uniform_int_distribution<int> nachten(1, 7);
    std::uniform_int_distribution<int> honderd(0, 99);
    std::vector<BenchVerblijf> verblijven;
    for (int k = 0; k < kamers; ++k)
        for (int dag = static_cast<int>(van); dag < tot;) {
            const int eind = dag + nachten(toeval);
            const int kans = honderd(toeval);
            const int soort = kans < 8 ? 1 : kans < 10 ? 2 : 0;
            verblijven.push_back({101 + k, dag, eind, soort, kans >= 95});
            dag = eind;
        }
    std::sort(verblijven.begin(), verblijven.end(), [](const BenchVerblijf& a, const BenchVerblijf& b) {
        return a.begin != b.begin ? a.begin < b.begin : a.kamer < b.kamer;
    });
    return verblijven;
}

void SchrijfVerblijven(const std::vector<BenchVerblijf>& verblijven)
{
    Groepen groepen;
    for (size_t van = 0; van < verblijven.size();) {
        // One year at a time, so that a large hotel never holds all its records at once.
        const int32_t jaar = Jaar(verblijven[van].begin);
        JaarRecords records;
        size_t tot = van;
        for (; tot < verblijven.size() && Jaar(verblijven[tot].begin) == jaar; ++tot)
            VoegToe(records, groepen, verblijven[tot]);
        SchrijfJaar(jaar, records);
        van = tot;
    }
    brlib::RsvActie actie;
    SlaOp(Bestanden::GroepHfd, 0, groepen.hfd, brlib::tfEenBestand);
    SlaOp(Bestanden::GroepSub, 0, groepen.sub, brlib::tfEenBestand);
    actie.Commit();
}

QString BenchHotelsMap()
{
    static const QTemporaryDir tijdelijk;
    const QString gekozen = qEnvironmentVariable("RSV_BENCH_MAP");
    return gekozen.isEmpty() ? tijdelijk.path() : gekozen;
}

void OpenBenchHotel(const QString& naam, const std::vector<BenchVerblijf>& verblijven)
{
    const QString map = BenchHotelsMap() + QLatin1Char('/') + naam;
    const QString klaar = map + QStringLiteral("/klaar");
    if (!QFile::exists(klaar)) {
        QDir(map).removeRecursively();
        QDir().mkpath(map);
        ZetAdminDir(map);
        SchrijfVerblijven(verblijven);
        QFile(klaar).open(QIODevice::WriteOnly);
    }
    ZetAdminDir(map);
}
