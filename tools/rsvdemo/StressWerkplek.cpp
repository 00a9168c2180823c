#include "tools/rsvdemo/StressWerkplek.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include "checkin/InCheckLijst.h"
#include "checkin/InCheckOpslag.h"
#include "checkin/InCheckToestand.h"
#include "host/base/EBrRuntime.h"
#include "host/base/HuidigeDatum.h"
#include "host/brlib/Inlezen.h"
#include "host/brlib/ResStatus.h"
#include "host/ui/Messages.h"
#include "logboek/KamerStatus.h"
#include "reservation/EindDatumWijziging.h"
#include "reservation/OpgeslagenRes.h"
#include "reservation/ResAnnulering.h"
#include "reservation/ResGegBewaren.h"
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

// Checks a random room in as the room dialog does, or out as the check-in list
// does (answering its question with yes). Another workstation may have changed
// the reservation meanwhile; that refusal is part of the run.
void CheckInOfUit(std::mt19937& gen, StressTelling& telling)
{
    const int jaar = HuidigeDatum::Object().Jaar();
    const int32_t aantal = brlib::GetReserveringCount(jaar);
    if (aantal < 1)
        return;
    incheck::InCheckLijst lijst(QStringLiteral("Stresstest"), nullptr);
    if (!lijst.LeesReservering(JaarNr(jaar, std::uniform_int_distribution<int32_t>(1, aantal)(gen))))
        return;
    const auto& kamers = lijst.Reservering().kamerRegels;
    if (lijst.Reservering().status == brlib::rsGeannuleerd || kamers.empty())
        return;
    const int kamer = std::uniform_int_distribution<int>(0, int(kamers.size()) - 1)(gen);
    const brlib::stRes k = kamers[kamer];
    if (incheck::IsVerplaatst(k) || incheck::IsUitgecheckt(k))
        return;
    if (incheck::IsIngecheckt(k)) {
        lijst.KamerUitchecken(kamer);
        // The list reads the reservation again, which may have lost rooms meanwhile.
        telling.uitgecheckt += lijst.IsKamer(kamer) && incheck::IsUitgecheckt(lijst.Reservering().kamerRegels[kamer]);
        return;
    }
    brlib::stPersoon gast;
    gast.waarden = {QStringLiteral("Gast"), QStringLiteral("Stress")};
    if (incheck::InCheckOpslaan(lijst.Reservering(), {kamer, {gast}, false}) != incheck::InCheckUitkomst::Opgeslagen)
        return;
    ++telling.ingecheckt;
    lijst.NaInChecken(1);
}

// What a user does in the details of a stored booking now and then: another
// end date (checked first, as the form does), or cancelling it.
void WijzigEindOfAnnuleer(const JaarNr& sleutel, const std::vector<brlib::stKamer>& kamers, std::mt19937& gen,
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

// One action of the run and the check-in or -out after it. What a workstation
// reads without the lock may be half rewritten by another one: such a read
// ends this action with its message, as it does for a user, not the run.
void EenActie(int i, const std::vector<brlib::stKamer>& kamers, std::mt19937& gen, std::vector<JaarNr>& geboekt,
              const int& berichten, StressTelling& telling)
{
    try {
        const int voor = berichten;
        if (std::bernoulli_distribution(0.5)(gen)) {
            const bord::Afloop afloop = WijzigWillekeurig(kamers, gen);
            telling.gewijzigd += afloop == bord::Afloop::Opgeslagen;
            telling.geenLock += afloop == bord::Afloop::Mislukt && berichten == voor;
        } else {
            const std::vector<brlib::stRes> regels = WillekeurigeRegels(kamers, gen);
            const bord::RegistratieResultaat r =
                bord::Registreer(regels, DemoGast(QStringLiteral("Stress %1").arg(i)), regels.size() > 1,
                                 QStringLiteral("Stresstest"));
            telling.opgeslagen += r.opgeslagen;
            telling.geenLock += !r.opgeslagen && !r.gedaan && berichten == voor;
            geboekt.insert(geboekt.end(), r.reserveringen.begin(), r.reserveringen.end());
        }
        if (!geboekt.empty() && std::bernoulli_distribution(0.4)(gen)) {
            std::uniform_int_distribution<std::size_t> kies(0, geboekt.size() - 1);
            WijzigEindOfAnnuleer(geboekt[kies(gen)], kamers, gen, telling);
        }
        CheckInOfUit(gen, telling);
    } catch (const EBrRuntime& e) {
        ++telling.fouten;
        std::fprintf(stderr, "rsvdemo: %s\n", e.Message().toLocal8Bit().constData());
    }
}

}  // namespace

StressTelling BoekWillekeurig(int aantal, uint32_t zaad,
                              const std::function<void(int, const StressTelling&)>& naBoeking)
{
    StressTelling telling;
    int berichten = 0;
    MsgResponderScope responder([&](const MsgRequest& bericht) {
        ++berichten;
        if (bericht.knoppen == msg::mbYesNo)
            return msg::idYes;
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
    // Like staff, the workstations leave the rooms struck out on the board alone.
    const std::map<int32_t, logboek::e_KamerStatus> statussen = logboek::KamerStatussen();
    std::erase_if(kamers, [&](const brlib::stKamer& kamer) {
        return logboek::StatusIn(statussen, kamer.kamerNr) == logboek::ksBuitenGebruik;
    });
    if (kamers.empty())
        return telling;
    std::mt19937 gen(zaad);
    std::vector<JaarNr> geboekt;
    for (int i = 0; i < aantal; ++i) {
        EenActie(i, kamers, gen, geboekt, berichten, telling);
        naBoeking(i + 1, telling);
    }
    return telling;
}
