#pragma once
// The relation card's standard fields. A reservation made while its relation
// data follows the relation card carries these as its relation field labels;
// the card gives each value by the field's name or number.

#include <QStringList>

namespace brlib {

struct stBestVeld {
    int nr;              // the card's field number
    const char* naam;    // the label a reservation shows
};

// Name, address, postcode, place, country, telephone and e-mail, in card order.
inline constexpr stBestVeld kStandaardBestVelden[] = {
    {1, "Naam"}, {2, "Adres"}, {3, "Postcode"}, {4, "Woonplaats"}, {5, "Land"}, {7, "Telefoon"}, {9, "E-mail"},
};

// Replaces `labels` with the names of the standard card fields, in card order,
// as the relation file of the administration names them.
void RsvGetDefaultBestVelden(QStringList& labels);

}  // namespace brlib
