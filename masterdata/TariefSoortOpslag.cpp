#include "masterdata/TariefSoortOpslag.h"

#include <algorithm>

#include "host/brlib/Inlezen.h"
#include "masterdata/StamActie.h"
#include "masterdata/TariefOpslag.h"
#include "store/Bestanden.h"

namespace {

const StamTeksten kTeksten{
    QStringLiteral("Kan tariefsoort niet registreren omdat deze tussentijds (op een andere werkplek) is gewijzigd.\n"
                   "Het overzicht wordt nu opnieuw ingelezen."),
    QStringLiteral("Registreren tariefsoort")};

// A new administration's first rate type record is the standard one. Checked
// under the lock of whichever write comes first (the list form's or the user's
// own new rate type, when the form could not get the lock), so that two
// workstations opening a new administration at once add it only once.
void ZorgVoorStandaard(RecordCache<WIN_rsv_tariefsoort>& cache)
{
    std::vector<brlib::stTariefSoort> bestaand;
    brlib::InlezenTariefSoorten(bestaand);
    if (!bestaand.empty())
        return;
    brlib::stTariefSoort standaard = brlib::stTariefSoort::Standaard();
    standaard.recNr = cache.GetFreeRecord();
    NoteerStamRecord<WIN_rsv_tariefsoort>(QStringLiteral("Stam nieuw"), Bestanden::TariefSoort, standaard.recNr,
                                          logboek::StamSleutel(standaard));
    cache.Store(standaard.recNr, standaard.GetRcd());
}

bool MaakStandaardTariefSoort()
{
    return VoerStamActieUit(kTeksten.titel, [] {
        RecordCache<WIN_rsv_tariefsoort> cache(Bestanden::TariefSoort, brlib::tfEenBestand, false, false);
        ZorgVoorStandaard(cache);
        return QString();
    });
}

}  // namespace

Controle<TariefSoortVeld> ControleerTariefSoort(const QString& code, bool weekDagVorm, int aantalDagen,
                                                const std::array<bool, 7>& weekDagen)
{
    if (code.trimmed().isEmpty())
        return Afkeuring<TariefSoortVeld>{TariefSoortVeld::Code, QStringLiteral("Vul een code in.")};
    if (!weekDagVorm && aantalDagen == 0)
        return Afkeuring<TariefSoortVeld>{TariefSoortVeld::Dagen, QStringLiteral("Ongeldig aantal dagen opgegeven.")};
    if (weekDagVorm && std::none_of(weekDagen.begin(), weekDagen.end(), [](bool dag) { return dag; }))
        return Afkeuring<TariefSoortVeld>{TariefSoortVeld::WeekDagen, QStringLiteral("Selecteer 1 of meerdere dagen.")};
    return std::nullopt;
}

void LeesTariefSoorten(std::vector<brlib::stTariefSoort>& lijst)
{
    brlib::InlezenTariefSoorten(lijst);
    if (lijst.empty() && MaakStandaardTariefSoort())
        brlib::InlezenTariefSoorten(lijst);
}

QString VerwijderVraag(const brlib::stTariefSoort& soort, bool metTarieven)
{
    QString vraag = QStringLiteral("Wilt u tariefsoort \"") + soort.code + QStringLiteral("\" verwijderen?");
    if (metTarieven)
        vraag += QStringLiteral("\n\nLET OP: Tarieven die gekoppeld zijn aan dit tariefsoort worden ook verwijderd!");
    return vraag;
}

bool SchrijfTariefSoort(brlib::stTariefSoort& soort)
{
    return SchrijfStamRecord<WIN_rsv_tariefsoort>(Bestanden::TariefSoort, soort, kTeksten, {}, ZorgVoorStandaard);
}

bool VerwijderTariefSoort(const brlib::stTariefSoort& soort)
{
    return VerwijderStamRecord<WIN_rsv_tariefsoort>(Bestanden::TariefSoort, soort.recNr, soort.stempel, kTeksten,
                                                    [&] { VerwijderTarieven(TarievenVanTariefSoort(soort.recNr)); });
}
