#include "bench/registratie/BenchAdmin.h"

#include <algorithm>
#include <random>

#include "board/Registratie.h"
#include "host/records/Locks.h"

namespace {

brlib::stRes Regel(int32_t kamer, TDateTime begin, TDateTime eind)
{
    brlib::stRes regel;
    regel.kamerNr = kamer;
    regel.begin = begin;
    regel.eind = eind;
    regel.bedrag = 89.0 * (eind - begin);
    regel.personen = 2;
    regel.nieuw = true;
    return regel;
}

ResGegevens Gast()
{
    ResGegevens gegevens;
    gegevens.gastRegels = {QStringLiteral("Gast"), QStringLiteral("Dorpsstraat 1")};
    return gegevens;
}

}  // namespace

std::vector<Verblijf> DrukkeVerblijven(int eersteJaar, int jaren)
{
    std::mt19937 gen(2024);
    std::uniform_int_distribution<int> nachten(1, 7);
    const TDateTime begin = EncodeDate(eersteJaar, 1, 1);
    const TDateTime einde = EncodeDate(eersteJaar + jaren, 1, 1);
    std::vector<Verblijf> verblijven;
    for (int32_t kamer = 1; kamer <= kDrukkeKamers; ++kamer)
        for (TDateTime dag = begin; dag < einde;) {
            const TDateTime eind = std::min(dag + nachten(gen), einde);
            verblijven.push_back({kamer, dag, eind});
            dag = eind;
        }
    std::sort(verblijven.begin(), verblijven.end(),
              [](const Verblijf& a, const Verblijf& b) { return a.begin < b.begin; });
    return verblijven;
}

bool BoekVerblijven(const std::vector<Verblijf>& verblijven)
{
    // Nested under one outer lock the bookings of a month commit together.
    size_t i = 0;
    while (i < verblijven.size()) {
        if (!brlib::RsvLock())
            return false;
        const int maand = ToQDate(verblijven[i].begin).month();
        for (; i < verblijven.size() && ToQDate(verblijven[i].begin).month() == maand; ++i) {
            const Verblijf& v = verblijven[i];
            if (!bord::Registreer({Regel(v.kamer, v.begin, v.eind)}, Gast(), false, QStringLiteral("Bench")).opgeslagen)
                return false;
        }
        brlib::RsvUnlock();
    }
    return true;
}

std::vector<JaarNr> BoekVrij(int eersteKamer, int kamers, TDateTime begin, int nachten)
{
    std::vector<brlib::stRes> regels;
    for (int k = 0; k < kamers; ++k)
        regels.push_back(Regel(kEersteVrijeKamer + eersteKamer + k, begin, begin + nachten));
    return bord::Registreer(regels, Gast(), kamers > 1, QStringLiteral("Bench")).reserveringen;
}
