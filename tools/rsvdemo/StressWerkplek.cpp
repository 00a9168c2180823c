#include "tools/rsvdemo/StressWerkplek.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include "host/base/HuidigeDatum.h"
#include "host/brlib/Inlezen.h"
#include "host/ui/Messages.h"
#include "tools/rsvdemo/DemoRegels.h"
#include "tools/rsvdemo/StressWijzig.h"

namespace {

std::vector<brlib::stRes> WillekeurigeRegels(const std::vector<brlib::stKamer>& kamers, std::mt19937& gen)
{
    std::uniform_int_distribution<int> dag(0, 90);
    std::uniform_int_distribution<int> nachten(1, 14);
    std::uniform_int_distribution<int> groep(2, 4);
    const int aantal = std::bernoulli_distribution(0.5)(gen) ? 1 : groep(gen);
    std::vector<brlib::stKamer> gekozen;
    std::sample(kamers.begin(), kamers.end(), std::back_inserter(gekozen), aantal, gen);
    const TDateTime begin = HuidigeDatum::Object().Huidige() + dag(gen);
    const TDateTime eind = begin + nachten(gen);
    std::vector<brlib::stRes> regels;
    for (const brlib::stKamer& kamer : gekozen)
        regels.push_back(DemoRegel(kamer, begin, eind, false));
    return regels;
}

// Another workstation took the room or changed the reservation first.
bool IsWeigeringDoorAnderen(const QString& tekst)
{
    return tekst.contains(QStringLiteral("niet meer vrij")) ||
           tekst.contains(QStringLiteral("niet meer beschikbaar")) || tekst.contains(QStringLiteral("tussentijds"));
}

}  // namespace

StressTelling BoekWillekeurig(int aantal, uint32_t zaad, const std::function<void(int)>& naBoeking)
{
    StressTelling telling;
    int berichten = 0;
    MsgResponderScope responder([&](const MsgRequest& bericht) {
        ++berichten;
        if (IsWeigeringDoorAnderen(bericht.tekst))
            ++telling.bezet;
        else {
            ++telling.fouten;
            std::fprintf(stderr, "rsvdemo: %s\n", bericht.tekst.toLocal8Bit().constData());
        }
        return msg::idOK;
    });
    std::vector<brlib::stKamer> kamers;
    brlib::InlezenKamers(kamers);
    if (kamers.empty())
        return telling;
    std::mt19937 gen(zaad);
    for (int i = 0; i < aantal; ++i) {
        const int voor = berichten;
        if (std::bernoulli_distribution(0.5)(gen)) {
            const bord::Afloop afloop = WijzigWillekeurig(kamers, gen);
            telling.opgeslagen += afloop == bord::Afloop::Opgeslagen;
            telling.geenLock += afloop == bord::Afloop::Mislukt && berichten == voor;
        } else {
            const std::vector<brlib::stRes> regels = WillekeurigeRegels(kamers, gen);
            const bord::RegistratieResultaat r =
                bord::Registreer(regels, DemoGast(QStringLiteral("Stress %1").arg(i)), regels.size() > 1,
                                 QStringLiteral("Stresstest"));
            telling.opgeslagen += r.opgeslagen;
            telling.geenLock += !r.opgeslagen && !r.gedaan && berichten == voor;
        }
        naBoeking(i + 1);
    }
    return telling;
}
