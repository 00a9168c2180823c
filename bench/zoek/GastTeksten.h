#pragma once
// Guest data for the generated hotel: every reservation of the board
// benchmark's stays gets a name, a first name, a street and a town, stored as
// its guest text list and linked from its header.

#include <QString>
#include <QStringList>

// The guest lines of the reservation with this running number (from 0).
QStringList GastRegels(int volgNr);
// Writes the guest lists of every reservation of the years `van` .. `tot`, one action per year.
void SchrijfGastTeksten(int van, int tot);
