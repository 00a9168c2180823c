// The steps on reservations: booking, the details' save, cancel and group
// removal, the board's moves, period and group changes, check-in and -out.

#include "tests/schrijfpaden/SchrijfPadenIntern.h"

#include "board/GroepToekenning.h"
#include "board/PeriodeWijziging.h"
#include "board/Registratie.h"
#include "board/Verplaatsing.h"
#include "checkin/InCheckLijst.h"
#include "checkin/InCheckOpslag.h"
#include "checkin/InCheckToestand.h"
#include "host/base/EBrRuntime.h"
#include "host/brlib/Inlezen.h"
#include "host/brlib/ResStatus.h"
#include "reservation/EindDatumWijziging.h"
#include "reservation/OpgeslagenRes.h"
#include "reservation/ResAnnulering.h"
#include "reservation/ResGegBewaren.h"
#include "tools/rsvdemo/DemoRegels.h"

namespace {

const QString kTitel = QStringLiteral("Schrijfpad");
const int kJaar = 2026;

std::vector<brlib::stKamer> Kamers()
{
    std::vector<brlib::stKamer> kamers;
    brlib::InlezenKamers(kamers);
    return kamers;
}

brlib::stKamer Kamer(int32_t nr)
{
    for (const brlib::stKamer& k : Kamers())
        if (k.kamerNr == nr)
            return k;
    throw EBrRuntime(QStringLiteral("Kamer %1 ontbreekt").arg(nr), kTitel);
}

bool Boek(const std::vector<int32_t>& kamerNrs, bool groep)
{
    std::vector<brlib::stRes> regels;
    for (int32_t nr : kamerNrs)
        regels.push_back(DemoRegel(Kamer(nr), EncodeDate(kJaar, 10, 5), EncodeDate(kJaar, 10, 9)));
    return bord::Registreer(regels, DemoGast(QStringLiteral("Crash")), groep, kTitel).opgeslagen;
}

bool BewaarGegevens()
{
    const OpgeslagenRes o = LeesOpgeslagenRes(ResVan("Meijer"));
    brlib::RsvReservering geprijsd = o.res;
    PrijsVoorEindDatum(geprijsd, o.res.eind + 2, Kamers());
    ResGegevens gegevens = GegevensVan(o.res);
    gegevens.extraRegels = {QStringLiteral("Late aankomst"), QStringLiteral("Kinderbed")};
    return BewaarResWijziging(MaakWijziging(o.res, geprijsd, gegevens, o.voorRegs), kTitel) == ActieUitkomst::Gedaan;
}

bool Verplaats(bool deel)
{
    const OpgeslagenRes o = LeesOpgeslagenRes(ResVan("Meijer"));
    const brlib::stRes& r = o.res.kamerRegels.at(0);
    bord::Verplaatsing v{o.res.sleutel, r.regelNr, r.begin, r.eind, r.kamerNr, 108};
    v.vanaf = deel ? r.begin + 3 : 0;
    v.tellerBekend = true;
    v.wijzigTeller = o.res.wijzigTeller;
    return bord::RegistreerVerplaatsing(v, kTitel) == bord::Afloop::Opgeslagen;
}

bool Verschuif()
{
    const OpgeslagenRes o = LeesOpgeslagenRes(ResVan("Meijer"));
    return bord::RegistreerPeriodeWijziging(
               {o.res.sleutel, o.res.begin + 14, o.res.eind + 14, true, o.res.wijzigTeller}, kTitel) ==
           bord::Afloop::Opgeslagen;
}

bool Groepeer()
{
    const OpgeslagenRes a = LeesOpgeslagenRes(ResVan("Meijer"));
    const OpgeslagenRes b = LeesOpgeslagenRes(ResVan("Voetbalclub Oranje"));
    return bord::RegistreerGroep({a.res.sleutel, b.res.sleutel, a.res.groepNr, b.res.groepNr}, kTitel) ==
           bord::Afloop::Opgeslagen;
}

bool CheckIn()
{
    brlib::RsvReservering res = LeesOpgeslagenRes(ResVan("A. Smit")).res;
    brlib::stPersoon gast;
    gast.waarden = {QStringLiteral("Smit"), QStringLiteral("Anna")};
    return incheck::InCheckOpslaan(res, {0, {gast}, false}) == incheck::InCheckUitkomst::Opgeslagen;
}

// Through the check-in list, which asks (answered yes) and shows what failed.
bool ViaInCheckLijst(const char* gast, bool uitchecken)
{
    incheck::InCheckLijst lijst(kTitel, nullptr);
    if (!lijst.LeesReservering(ResVan(gast)))
        return false;
    if (uitchecken)
        lijst.KamerUitchecken(0);
    else
        lijst.AnnuleerIncheck(0);
    lijst.LeesReservering(lijst.Reservering().sleutel);
    const brlib::stRes& kamer = lijst.Reservering().kamerRegels.at(0);
    return uitchecken ? incheck::IsUitgecheckt(kamer) : !incheck::IsIngecheckt(kamer);
}

}  // namespace

JaarNr ResVan(const char* gast)
{
    for (int32_t nr = 1; nr <= brlib::GetReserveringCount(kJaar); ++nr) {
        const OpgeslagenRes o = LeesOpgeslagenRes(JaarNr(kJaar, nr));
        if (!o.res.gastRegels.isEmpty() && o.res.gastRegels[0] == QLatin1String(gast))
            return o.res.sleutel;
    }
    throw EBrRuntime(QStringLiteral("Reservering van %1 ontbreekt").arg(QLatin1String(gast)), kTitel);
}

std::vector<SchrijfPad> ReserveringPaden()
{
    return {
        {"boeken/kamer", [] { return Boek({105}, false); }},
        {"boeken/groep", [] { return Boek({106, 107, 108}, true); }},
        {"gegevens/bewaren", BewaarGegevens},
        {"gegevens/annuleren",
         [] {
             const OpgeslagenRes o = LeesOpgeslagenRes(ResVan("Meijer"));
             return AnnuleerReservering(o.res.sleutel, o.res.wijzigTeller, kTitel) == ActieUitkomst::Gedaan;
         }},
        {"gegevens/uit-groep",
         [] { return VerwijderUitGroep(ResVan("Voetbalclub Oranje"), kTitel) == ActieUitkomst::Gedaan; }},
        {"bord/verplaatsen", [] { return Verplaats(false); }},
        {"bord/verplaatsen-vanaf", [] { return Verplaats(true); }},
        {"bord/periode", Verschuif},
        {"bord/groep", Groepeer},
        {"inchecken/inchecken", CheckIn},
        {"inchecken/uitchecken", [] { return ViaInCheckLijst("Jansen", true); }, true},
        {"inchecken/annuleren", [] { return ViaInCheckLijst("P. Visser", false); }, true},
    };
}
