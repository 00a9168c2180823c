// The steps on master data: rooms, room types with their rates, rate types,
// a year's periods and a room type's rates, each written and removed.

#include "tests/schrijfpaden/SchrijfPadenIntern.h"

#include "host/base/EBrRuntime.h"
#include "host/brlib/Inlezen.h"
#include "masterdata/KamerOpslag.h"
#include "masterdata/KamerTypeOpslag.h"
#include "masterdata/PeriodeOpslag.h"
#include "masterdata/TariefOpslag.h"
#include "masterdata/TariefSoortOpslag.h"

namespace {

template <class T>
T Zoek(const std::vector<T>& lijst, const std::function<bool(const T&)>& past)
{
    for (const T& t : lijst)
        if (past(t))
            return t;
    throw EBrRuntime(QStringLiteral("Stamgegeven ontbreekt"), QStringLiteral("Schrijfpad"));
}

brlib::stKamer Kamer(int32_t nr)
{
    std::vector<brlib::stKamer> kamers;
    brlib::InlezenKamers(kamers);
    return Zoek<brlib::stKamer>(kamers, [&](const brlib::stKamer& k) { return k.kamerNr == nr; });
}

// The type with its rates of `jaar`, every amount raised by `erbij`.
brlib::stKamerType KamerType(const char* code, int jaar, double erbij = 0)
{
    std::vector<brlib::stKamerType> types;
    brlib::InlezenKamerTypes(types);
    brlib::stKamerType type =
        Zoek<brlib::stKamerType>(types, [&](const brlib::stKamerType& t) { return t.code == QLatin1String(code); });
    brlib::InlezenKamerTypeTarieven(jaar, type);
    for (brlib::stTarief& t : type.tarieven)
        t.bedrag += erbij;
    return type;
}

brlib::stTariefSoort TariefSoort(const char* code)
{
    std::vector<brlib::stTariefSoort> soorten;
    brlib::InlezenTariefSoorten(soorten);
    return Zoek<brlib::stTariefSoort>(soorten,
                                      [&](const brlib::stTariefSoort& s) { return s.code == QLatin1String(code); });
}

bool NieuweKamer()
{
    brlib::stKamer kamer;
    kamer.kamerNr = 109;
    kamer.omschr = QStringLiteral("Eenpersoonskamer 109");
    kamer.kamerType = KamerType("ENK", 2026);
    return SchrijfKamer(kamer);
}

bool WijzigKamer()
{
    brlib::stKamer kamer = Kamer(101);
    kamer.omschr = QStringLiteral("Eenpersoonskamer aan de tuin");
    kamer.maxPersonen = 2;
    return SchrijfKamer(kamer);
}

bool NieuweTariefSoort()
{
    brlib::stTariefSoort soort;
    soort.code = QStringLiteral("Midweek");
    soort.omschr = QStringLiteral("Vier nachten");
    soort.aantalDagen = 4;
    return SchrijfTariefSoort(soort);
}

bool Periodes()
{
    std::vector<brlib::stPeriode> lijst;
    LeesPeriodes(2026, lijst);
    lijst.push_back({0, QStringLiteral("Kerst"), EncodeDate(2026, 12, 20), 0});
    for (size_t rij = 0; rij < lijst.size(); ++rij)
        if (lijst[rij].omschr == QLatin1String("Hoogseizoen"))
            MarkeerVoorVerwijderen(lijst, int(rij));
    return SlaPeriodesOp(2026, lijst);
}

bool Tarieven()
{
    const brlib::stKamerType type = KamerType("ENK", 2026, 5);
    return SchrijfTarieven(2026, type.recNr, type.tarieven);
}

}  // namespace

std::vector<SchrijfPad> StamPaden()
{
    return {
        {"stam/kamer-nieuw", NieuweKamer},
        {"stam/kamer-wijzigen", WijzigKamer},
        {"stam/kamer-verwijderen", [] { return VerwijderKamer(Kamer(108)); }},
        {"stam/kamertype-wijzigen",
         [] {
             brlib::stKamerType type = KamerType("DBL", 2026, 1);
             type.omschr = QStringLiteral("Tweepersoonskamer met balkon");
             return SchrijfKamerType(type, 2026);
         }},
        {"stam/kamertype-tarieven", [] { return SchrijfKamerTypeTarieven(KamerType("FAM", 2027, 3), 2027); }},
        {"stam/kamertype-verwijderen", [] { return VerwijderKamerType(KamerType("FAM", 2026)); }},
        {"stam/tariefsoort-nieuw", NieuweTariefSoort},
        {"stam/tariefsoort-verwijderen", [] { return VerwijderTariefSoort(TariefSoort("Weekend")); }},
        {"stam/periodes", Periodes},
        {"stam/tarieven", Tarieven},
    };
}
