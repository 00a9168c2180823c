#pragma once
// Values of grid cells and their text. A cell holds a QVariant: QString,
// qlonglong, double or QDateTime (a date; an invalid QDateTime is "no date").
// The text follows the column's layout format; numbers use the Dutch decimal
// comma and thousands dot.

#include <optional>
#include <QString>
#include <QVariant>

#include "host/base/TDateTime.h"

QVariant DatumCel(TDateTime d);
TDateTime CelDatum(const QVariant& cel);

bool IsGetalCel(const QVariant& cel);

// "0.00" gives two decimals, "0.##" up to two, "#,##0" thousands separators, "" or "0" none.
QString FormatGetal(double waarde, const QString& formaat);
QString CelTekst(const QVariant& cel, const QString& formaat);

// Reads text typed by the user into a cell of the same kind as `oud`; nullopt
// when the text is no valid value of that kind.
std::optional<QVariant> CelUitTekst(const QString& tekst, const QVariant& oud);

std::optional<double> LeesGetal(const QString& tekst);
