#pragma once
// The guest data of a reservation as its details form shows them: one row per
// label, one value per row. A reservation booked with relation card fields
// shows those fields and keeps its values beside them; any other shows the
// twelve standard rows and keeps the guest data lines.

#include <QStringList>

#include "reservation/ResGegevens.h"

const QStringList& StandaardGastLabels();

// The row labels of the main guest.
QStringList GastRijLabels(const ResGegevens& gegevens);
// The values of the main guest, in row order.
const QStringList& HoofdgastRegels(const ResGegevens& gegevens);
// Replaces the values of the main guest by the grid's values.
void ZetHoofdgastRegels(ResGegevens& gegevens, const QStringList& waarden);

// The lines of a typed text; a final line break starts no empty line, and an
// empty text has no lines.
QStringList TekstRegels(const QString& tekst);
