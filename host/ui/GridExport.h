#pragma once
// Grid export for a spreadsheet: CSV in UTF-8 with a byte order mark, fields
// separated by ';' and lines by CR LF (what a Dutch spreadsheet opens without
// asking), a first line with the captions, then the rows as shown (visible
// columns in the order on screen, dates and numbers as formatted). A field
// holding ';', '"', a line break or outer blanks is quoted, '"' doubled.

#include <QByteArray>
#include <QString>

class TGridView;

QByteArray GridCsv(const TGridView& grid);
QString CsvVeld(const QString& tekst);
