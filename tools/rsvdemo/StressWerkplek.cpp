#include "tools/rsvdemo/StressWerkplek.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include "host/base/HuidigeDatum.h"
#include "host/brlib/Inlezen.h"
#include "host/ui/Messages.h"
#include "reservation/EindDatumWijziging.h"
#include "reservation/OpgeslagenRes.h"
#include "reservation/ResAnnulering.h"
#include "reservation/ResGegBewaren.h"
#include "tools/rsvdemo/DemoRegels.h"

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

// What a user does in the details of a stored booking now and then: another
// end date (checked first, as the form does), or cancelling it.
void WijzigWillekeurig(const JaarNr& sleutel, const std::vector<brlib::stKamer>& kamers, std::mt19937& gen,
                       StressTelling& telling)
{
    const OpgeslagenRes opgeslagen = LeesOpgeslagenRes(sleutel);
    const brlib::RsvReservering& res = opgeslagen.res;
    // The board opens no cancelled reservation.
    if (res.status == brlib::rsGeannuleerd)
        return;
    if (std::bernoulli_distribution(0.3)(gen)) {
        if (AnnuleerReservering(sleutel, res.wijzigTeller, QStringLiteral("Stresstest")) == ActieUitkomst::Gedaan)
            ++telling.gewijzigd;
        return;
    }
    const TDateTime nieuwEind = res.eind + std::uniform_int_distribution<int>(-3, 4)(gen);
    if (WeigerEindDatum(res, nieuwEind))
        return;
    brlib::RsvReservering geprijsd = res;
    PrijsVoorEindDatum(geprijsd, nieuwEind, kamers);
    const ResWijziging wijziging = MaakWijziging(res, geprijsd, GegevensVan(res), opgeslagen.voorRegs);
    if (BewaarResWijziging(wijziging, QStringLiteral("Stresstest")) == ActieUitkomst::Gedaan)
        ++telling.gewijzigd;
}

}  // namespace

StressTelling BoekWillekeurig(int aantal, uint32_t zaad)
{
    StressTelling telling;
    int berichten = 0;
    MsgResponderScope responder([&](const MsgRequest& bericht) {
        ++berichten;
        if (bericht.tekst.contains(QStringLiteral("niet meer vrij")) ||
            bericht.tekst.contains(QStringLiteral("tussentijds")))
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
    std::vector<JaarNr> geboekt;
    for (int i = 0; i < aantal; ++i) {
        const std::vector<brlib::stRes> regels = WillekeurigeRegels(kamers, gen);
        const int voor = berichten;
        const bord::RegistratieResultaat r =
            bord::Registreer(regels, DemoGast(QStringLiteral("Stress %1").arg(i)), regels.size() > 1,
                             QStringLiteral("Stresstest"));
        if (r.opgeslagen)
            ++telling.opgeslagen;
        else if (!r.gedaan && berichten == voor)
            ++telling.geenLock;
        if (!geboekt.empty() && std::bernoulli_distribution(0.4)(gen)) {
            std::uniform_int_distribution<std::size_t> kies(0, geboekt.size() - 1);
            WijzigWillekeurig(geboekt[kies(gen)], kamers, gen, telling);
        }
        geboekt.insert(geboekt.end(), r.reserveringen.begin(), r.reserveringen.end());
    }
    return telling;
}
