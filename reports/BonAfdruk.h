#pragma once
// The receipt print of the daily lists: 40 characters wide, a title block and
// one line per entry, as plain lines for the till's receipt printer.

#include <vector>
#include <QString>
#include <QStringList>

#include "reports/RapportLijsten.h"

namespace rapport {

inline constexpr int kBonBreedte = 40;

// The whole receipt: a rule, the list's title, the date line, a rule, the
// list's lines and a closing rule.
QStringList Bon(const QString& titel, const QString& datumRegel, const QStringList& lijst);

// `kolommen` are the captions of the grid's columns 1 .. 3 (guest list: 1).
QStringList SchoonmaakBon(const std::vector<KamerRegel>& lijst, const QStringList& kolommen);
QStringList MaaltijdBon(const std::vector<KamerRegel>& lijst, const QStringList& kolommen);
QStringList GastenBon(const std::vector<GastRegel>& lijst, const QStringList& kolommen);

}  // namespace rapport
