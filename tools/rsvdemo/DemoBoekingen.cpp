#include "tools/rsvdemo/DemoBoekingen.h"

#include <cstdio>
#include <vector>

#include "host/brlib/Inlezen.h"
#include "tools/rsvdemo/DemoArtikelen.h"
#include "tools/rsvdemo/DemoInCheck.h"
#include "tools/rsvdemo/DemoRegels.h"
#include "tools/rsvdemo/DemoRelaties.h"

namespace {

// One booking: rooms, the period in days from today, who, kind, one group or one reservation.
struct Boeking {
    std::vector<int32_t> kamers;
    int van;
    int tot;
    const char* gast;
    int soort = 0;
    bool groep = false;
};

enum class Verblijf { Gepland, Ingecheckt, Uitgecheckt };

struct DemoBoeking {
    Boeking boeking;
    Verblijf verblijf = Verblijf::Gepland;
    const char* voorGeregistreerd = nullptr;  // the guest rows, split by '|', of the first room before arrival
    int32_t relatieKaart = 0;                 // booked on this relation card (DemoRelaties.cpp)
    std::vector<std::pair<int32_t, double>> producten;  // booked with it: article number, quantity
};

const DemoBoeking kBoekingen[] = {
    {{{106}, -10, -6, "Fam. Bakker"}, Verblijf::Uitgecheckt},
    {{{101}, -5, -2, "J. de Vries"}, Verblijf::Uitgecheckt},
    {{{102}, -2, 3, "M. Jansen"}, Verblijf::Ingecheckt, nullptr, 1},
    {{{201}, -1, 2, "P. Visser"}, Verblijf::Ingecheckt},
    {{{103}, 0, 4, "A. Smit"}},
    {{{202}, 1, 8, "K. Meijer"}, Verblijf::Gepland, nullptr, 2},  // a week: the week rate
    {{{203}, 3, 5, "Reisbureau Zon", 1}, Verblijf::Gepland, nullptr, 3},  // an option
    {{{204}, 2, 6, "Fam. de Boer", 1}},
    {{{305}, 0, 14, "Onderhoud", 2}},         // a blockade
    {{{104}, 1, 2, "L. Mulder"}},             // one-night stays with a changeover between them
    {{{104}, 2, 3, "S. de Groot"}},
    {{{105}, 5, 6, "R. Bos"}},
    {{{205}, 0, 3, "H. Vos"}},                // changeover on day 3
    {{{205}, 3, 7, "T. Peters"}},
    {{{301, 302, 303}, 7, 10, "Voetbalclub Oranje", 0, true}, Verblijf::Gepland, nullptr, 4},  // a group
    {{{206, 207}, 10, 13, "Fam. Hendriks"}, Verblijf::Gepland, "Hendriks|Tim|Kerkstraat 12|3512 CS|Utrecht", 5,
     {{10, 4}, {12, 2}, {21, 1}, {30, 3}}},  // two rooms, one reservation
    {{{107}, 14, 21, "D. van Dijk"}, Verblijf::Gepland, nullptr, 6},
    {{{208}, 20, 24, "E. van den Berg"}},
    {{{306}, 18, 20, "Congres Noord", 1}, Verblijf::Gepland, nullptr, 7},
};

bool Fout(const char* gast)
{
    std::fprintf(stderr, "rsvdemo: De boeking van %s kon niet worden opgeslagen.\n", gast);
    return false;
}

const brlib::stKamer* Kamer(const std::vector<brlib::stKamer>& kamers, int32_t kamerNr)
{
    for (const brlib::stKamer& kamer : kamers)
        if (kamer.kamerNr == kamerNr)
            return &kamer;
    return nullptr;
}

bord::RegistratieResultaat Boek(const std::vector<brlib::stKamer>& kamers, const DemoBoeking& d, TDateTime vandaag)
{
    const Boeking& b = d.boeking;
    std::vector<brlib::stRes> regels;
    for (int32_t kamerNr : b.kamers)
        if (const brlib::stKamer* kamer = Kamer(kamers, kamerNr))
            regels.push_back(DemoRegel(*kamer, vandaag + b.van, vandaag + b.tot));
    ResGegevens gast = d.relatieKaart > 0 ? DemoRelatieGast(d.relatieKaart, b.soort)
                                          : DemoGast(QString::fromUtf8(b.gast), b.soort);
    // Every stay with breakfast, groups with dinner too, so that the meal list has something to count.
    gast.extra[0] = 1;
    gast.extra[2] = b.kamers.size() > 1 ? 1 : 0;
    gast.producten = DemoProducten(d.producten, vandaag);
    return bord::Registreer(regels, gast, b.groep, QStringLiteral("Demo-boekingen"));
}

bool ZetVerblijf(const DemoBoeking& d, const JaarNr& reservering, TDateTime vandaag)
{
    switch (d.verblijf) {
    case Verblijf::Gepland:
        return true;
    case Verblijf::Ingecheckt:
        return DemoInChecken(reservering, vandaag + d.boeking.van);
    case Verblijf::Uitgecheckt:
        return DemoInChecken(reservering, vandaag + d.boeking.van, vandaag + d.boeking.tot);
    }
    return false;
}

}  // namespace

bool MaakDemoBoekingen(TDateTime vandaag)
{
    std::vector<brlib::stKamer> kamers;
    brlib::InlezenKamers(kamers);
    for (const DemoBoeking& d : kBoekingen) {
        const bord::RegistratieResultaat r = Boek(kamers, d, vandaag);
        if (!r.opgeslagen || !ZetVerblijf(d, r.reserveringen.front(), vandaag))
            return Fout(d.boeking.gast);
        if (d.voorGeregistreerd &&
            !DemoVoorRegistratie(r.reserveringen.front(), d.boeking.kamers.front(),
                                 QString::fromUtf8(d.voorGeregistreerd).split(u'|')))
            return Fout(d.boeking.gast);
    }
    return true;
}
