#pragma once
// The till server's protocol, over TCP (default port 2224).
//
// A request is one line: a JSON object in UTF-8 ended by "\n", at most
// kMaxRegelLengte bytes. The server answers every request with one line,
//     {"ok":true, ...}   or   {"ok":false,"fout":"<Dutch reason>"},
// and handles the requests of one connection in order. A line that is too
// long gets an error answer and the connection is closed (the rest of it
// cannot be told from a next request). Every request names its item with
// "soort" (5 = registration; the only kind this server keeps), "jaar", "nr":
//   {"opdracht":"tafelbon", item}                  -> {"ok":true,"regels":[line, ...]}
//   {"opdracht":"bestelling", item, "regels":[line, ...], "order":0, "tekst":""}
//                                                  -> {"ok":true}
//   {"opdracht":"afrekenen", item, "wijze":"betaald"|"rekening"}
//                                                  -> {"ok":true,"bedrag":12.5}
// A line (BonRegelJson.h):
//   {"aantal":2,"oms":"Ontbijt","artnr":10,"ref":"","artid":1,"soort":0,
//    "prijs":11.4678,"btw":1,"korting":0,"moment":46000.5,
//    "bw":[{"code":1,"oms":"Zonder ui"}]}
// with "prijs" excluding tax and "moment" the day number of the price.

#include <QString>

namespace Tillra::KassaProtocol {

inline constexpr int kMaxRegelLengte = 64 * 1024;
inline constexpr int kMaxRegels = 1000;

inline const QString kTafelBon = QStringLiteral("tafelbon");
inline const QString kBestelling = QStringLiteral("bestelling");
inline const QString kAfrekenen = QStringLiteral("afrekenen");
inline const QString kBetaald = QStringLiteral("betaald");
inline const QString kRekening = QStringLiteral("rekening");

}  // namespace Tillra::KassaProtocol
