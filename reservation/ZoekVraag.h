#pragma once
// What the reservation overview asks for: how reservations are selected, which
// statuses are shown and how the hits are sorted; and the texts derived from it.

#include <array>
#include <set>
#include <QString>

#include "host/base/TDateTime.h"

namespace zoek {

enum class ZoekModus { PerJaar = 0, OpDatum = 1, OpNaam = 2 };
enum class SorteerKolom { ReserveringsNr = 0, BeginDatum = 1 };
enum class SorteerOrde { Oplopend = 0, Aflopend = 1 };

// The range of the year field's up-down.
inline constexpr int kMinJaar = 1980;
inline constexpr int kMaxJaar = 2080;

// The statuses behind the items of the status list, in item order:
// "Niet ingechecked", "Ingechecked", "Uitgechecked", "Geannuleerd".
inline constexpr std::array<int, 4> kWeergaveStatus{0, 1, 2, 99};

struct ZoekVraag {
    ZoekModus modus = ZoekModus::PerJaar;
    int jaar = 0;
    TDateTime datum = 0;
    QString naam;
    bool alle = true;          // every status; `statussen` is then not looked at
    std::set<int> statussen;
    SorteerKolom kolom = SorteerKolom::ReserveringsNr;
    SorteerOrde orde = SorteerOrde::Oplopend;
};

int KlemJaar(int jaar);
bool ToonStatus(const ZoekVraag& vraag, int status);
// The print heading under the form title, e.g. "Overzicht per jaar: 2026  Weergave: Selectie".
QString KopRegel(const ZoekVraag& vraag, const QString& weergave);

}  // namespace zoek
