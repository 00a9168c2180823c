#pragma once
// Texts in the record files (fixed text fields and text lists) are in Windows
// code page 1252, as the Windows programs sharing an administration write them.
// Every record text is converted here and nowhere else.

#include <QByteArray>
#include <QString>

// A character outside the code page becomes '?'.
QByteArray EncodeRecordText(const QString& tekst);
QString DecodeRecordText(const char* bytes, qsizetype lengte);
