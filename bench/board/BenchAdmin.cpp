#include "bench/board/BenchAdmin.h"

#include <algorithm>
#include <map>
#include <random>

#include "host/records/Locks.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvDagPnt.h"
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

void VoegToe(JaarRecords& j, const BenchVerblijf& v)
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
    j.hfd.push_back(kop);
    j.rgl.push_back(regel);
    Koppel(j, dag, hfdNr);
}

template <class T>
void SlaOp(const char* bestand, int32_t jaar, const std::vector<T>& records)
{
    RecordCache<T> cache(bestand, kJaar, false, false);
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

void SchrijfJaar(int32_t jaar, const JaarRecords& j)
{
    brlib::RsvActie actie;
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
    std::map<int32_t, JaarRecords> jaren;
    for (const BenchVerblijf& v : verblijven)
        VoegToe(jaren[Jaar(v.begin)], v);
    for (const auto& [jaar, records] : jaren)
        SchrijfJaar(jaar, records);
}
