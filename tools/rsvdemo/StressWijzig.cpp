#include "tools/rsvdemo/StressWijzig.h"

#include <optional>

#include "board/GroepToekenning.h"
#include "board/PeriodeWijziging.h"
#include "board/Verplaatsing.h"
#include "host/base/EBrRuntime.h"
#include "host/base/HuidigeDatum.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/brlib/ResStatus.h"

namespace {

const QString kTitel = QStringLiteral("Stresstest");

int Kies(std::mt19937& gen, int van, int tot) { return std::uniform_int_distribution<int>(van, tot)(gen); }

// A stored, not cancelled reservation with lines; read without the lock, so
// one that is being rewritten elsewhere is skipped.
std::optional<brlib::RsvReservering> WillekeurigeReservering(std::mt19937& gen)
{
    // Bookings reach three months ahead, so also into next year's files.
    const int jaar = HuidigeDatum::Object().Jaar() + Kies(gen, 0, 1);
    const int32_t aantal = brlib::GetReserveringCount(jaar);
    if (aantal < 1)
        return std::nullopt;
    try {
        brlib::RsvReserveringCursorRandom cursor;
        const brlib::RsvReservering& res = cursor.At(jaar, Kies(gen, 1, aantal), brlib::roRegels);
        if (res.status == brlib::rsGeannuleerd || res.kamerRegels.empty())
            return std::nullopt;
        return res;
    } catch (const EBrRuntime&) {
        return std::nullopt;
    }
}

bord::Afloop Verplaats(const brlib::RsvReservering& res, const std::vector<brlib::stKamer>& kamers,
                       std::mt19937& gen, bool gedeeltelijk)
{
    const brlib::stRes& regel = res.kamerRegels[Kies(gen, 0, int(res.kamerRegels.size()) - 1)];
    const int32_t naar = kamers[Kies(gen, 0, int(kamers.size()) - 1)].kamerNr;
    const int nachten = int(regel.eind - regel.begin);
    if (naar == regel.kamerNr || (gedeeltelijk && nachten < 2))
        return bord::Afloop::Gedaan;
    bord::Verplaatsing v{res.sleutel, regel.regelNr, regel.begin, regel.eind, regel.kamerNr, naar};
    v.vanaf = gedeeltelijk ? regel.begin + Kies(gen, 1, nachten - 1) : 0;
    v.tellerBekend = true;
    v.wijzigTeller = res.wijzigTeller;
    if (!bord::JaargrensBezwaar(v).isEmpty())
        return bord::Afloop::Gedaan;
    return bord::RegistreerVerplaatsing(v, kTitel);
}

bord::Afloop Verschuif(const brlib::RsvReservering& res, std::mt19937& gen)
{
    const int dagen = Kies(gen, -7, 7);
    if (res.KamersGesplitst() || dagen == 0 || Jaar(res.begin + dagen) != res.sleutel.jaar)
        return bord::Afloop::Gedaan;
    return bord::RegistreerPeriodeWijziging({res.sleutel, res.begin + dagen, res.eind + dagen, true, res.wijzigTeller},
                                            kTitel);
}

bord::Afloop Groepeer(const brlib::RsvReservering& a, std::mt19937& gen)
{
    const std::optional<brlib::RsvReservering> b = WillekeurigeReservering(gen);
    if (!b || b->sleutel == a.sleutel || (a.groepNr > 0 && a.groepNr == b->groepNr))
        return bord::Afloop::Gedaan;
    return bord::RegistreerGroep({a.sleutel, b->sleutel, a.groepNr, b->groepNr}, kTitel);
}

}  // namespace

bord::Afloop WijzigWillekeurig(const std::vector<brlib::stKamer>& kamers, std::mt19937& gen)
{
    const std::optional<brlib::RsvReservering> res = WillekeurigeReservering(gen);
    if (!res)
        return bord::Afloop::Gedaan;
    switch (Kies(gen, 0, 3)) {
    case 0: return Verplaats(*res, kamers, gen, false);
    case 1: return Verplaats(*res, kamers, gen, true);
    case 2: return Verschuif(*res, gen);
    default: return Groepeer(*res, gen);
    }
}
