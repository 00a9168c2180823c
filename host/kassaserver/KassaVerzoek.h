#pragma once
// One request of the till server's protocol (host/tillra/KassaProtocol.h):
// parses the line, does what it asks on the current administration and gives
// the answer line (without the line end). Never throws: anything malformed
// gets an error answer.

#include <cstdint>
#include <QByteArray>

QByteArray BeantwoordVerzoek(const QByteArray& regel, int32_t kassaNr);
QByteArray FoutAntwoord(const QString& fout);
