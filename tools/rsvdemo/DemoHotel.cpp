#include "tools/rsvdemo/DemoHotel.h"

#include <cstdio>
#include <vector>

#include "host/brlib/TariefMatrix.h"
#include "masterdata/KamerOpslag.h"
#include "masterdata/KamerTypeOpslag.h"
#include "masterdata/PeriodeOpslag.h"
#include "masterdata/TariefSoortOpslag.h"

namespace {

struct TypeOpzet {
    const char* code;
    const char* omschr;
    double dagprijs;
    int eersteKamer;
    int aantalKamers;
    int personen;
};

const TypeOpzet kTypes[] = {
    {"ENK", "Eenpersoonskamer", 65.0, 101, 8, 1},
    {"DBL", "Tweepersoonskamer", 89.0, 201, 10, 2},
    {"FAM", "Familiekamer", 129.0, 301, 7, 4},
};

bool Fout(const char* wat)
{
    std::fprintf(stderr, "rsvdemo: %s kon niet worden opgeslagen.\n", wat);
    return false;
}

bool MaakTariefSoorten()
{
    std::vector<brlib::stTariefSoort> soorten;
    LeesTariefSoorten(soorten);
    if (soorten.empty())
        return Fout("De standaard tariefsoort");
    brlib::stTariefSoort weekend;
    weekend.code = QStringLiteral("Weekend");
    weekend.omschr = QStringLiteral("Vrijdag en zaterdag");
    weekend.weekDagen[5] = weekend.weekDagen[6] = true;
    brlib::stTariefSoort week;
    week.code = QStringLiteral("Week");
    week.omschr = QStringLiteral("Zeven nachten");
    week.aantalDagen = 7;
    return (SchrijfTariefSoort(weekend) && SchrijfTariefSoort(week)) || Fout("Een tariefsoort");
}

bool MaakPeriodes(int jaar)
{
    std::vector<brlib::stPeriode> periodes;
    LeesPeriodes(jaar, periodes);
    periodes.push_back({0, QStringLiteral("Hoogseizoen"), EncodeDate(jaar, 6, 1), 0});
    periodes.push_back({0, QStringLiteral("Najaar"), EncodeDate(jaar, 9, 1), 0});
    return SlaPeriodesOp(jaar, periodes) || Fout("De periodes");
}

// Rate type order: per day, weekend, week; periods: standard, high, autumn.
std::vector<brlib::stTarief> Tarieven(int jaar, double dagprijs)
{
    static const double kSeizoen[] = {1.0, 1.3, 1.1};
    static const double kSoort[] = {1.0, 1.2, 6.0};
    brlib::stMatrix matrix;
    std::vector<brlib::stTarief> tarieven;
    if (!brlib::MaakTariefMatrix(jaar, matrix))
        return tarieven;
    for (size_t s = 0; s < matrix.soorten.size() && s < 3; ++s)
        for (size_t p = 0; p < matrix.soorten[s].bedragen.size() && p < 3; ++p)
            matrix.soorten[s].bedragen[p] = qRound(dagprijs * kSeizoen[p] * kSoort[s]);
    brlib::MaakTariefLijst(matrix, tarieven);
    return tarieven;
}

bool MaakType(const TypeOpzet& opzet, int jaar)
{
    brlib::stKamerType type;
    type.code = QString::fromLatin1(opzet.code);
    type.omschr = QString::fromLatin1(opzet.omschr);
    type.tarieven = Tarieven(jaar, opzet.dagprijs);
    if (!SchrijfKamerType(type, jaar))
        return Fout("Een kamertype");
    type.tarieven = Tarieven(jaar + 1, opzet.dagprijs * 1.05);
    if (!SchrijfKamerTypeTarieven(type, jaar + 1))
        return Fout("De tarieven van volgend jaar");
    for (int i = 0; i < opzet.aantalKamers; ++i) {
        brlib::stKamer kamer;
        kamer.kamerNr = opzet.eersteKamer + i;
        kamer.omschr = type.omschr + QStringLiteral(" ") + QString::number(kamer.kamerNr);
        kamer.kamerType = type;
        kamer.maxPersonen = opzet.personen;
        if (!SchrijfKamer(kamer))
            return Fout("Een kamer");
    }
    return true;
}

}  // namespace

bool MaakDemoHotel(int jaar)
{
    if (!MaakTariefSoorten() || !MaakPeriodes(jaar) || !MaakPeriodes(jaar + 1))
        return false;
    for (const TypeOpzet& opzet : kTypes)
        if (!MaakType(opzet, jaar))
            return false;
    return true;
}
