#pragma once
// The relation file of an administration ("relaties.txt" in its directory):
// the host's relation cards (debtors), read by the module, written by the
// host's own relation maintenance (and the demo data).
//
// Layout: UTF-8 text, one card per line, fields separated by tabs. The first
// line names the fields: "kaartnr", "relatienr", then field 1, 2, ... of a card
// ("Naam", "Adres", ...). Tabs and line breaks never occur inside a value.

#include <cstdint>
#include <vector>
#include <QStringList>

namespace relaties {

struct RelatieKaart {
    int32_t kaartNr = 0;    // the key the relation picker works with
    int32_t relatieNr = 0;  // the debtor number users see
    QStringList velden;     // field 1 first
};

struct RelatieBestand {
    QStringList veldNamen;  // field 1 first
    std::vector<RelatieKaart> kaarten;
};

// The standard field names of a new relation file.
QStringList StandaardVeldNamen();

// The current administration's file; empty (no names, no cards) when there is none.
RelatieBestand LeesRelatieBestand();
// Replaces the file as a whole (written beside it, then renamed over it).
bool SchrijfRelatieBestand(const RelatieBestand& bestand);

}  // namespace relaties
