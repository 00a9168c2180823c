#include "host/base/RecordCodepage.h"

#include <algorithm>
#include <array>
#include <QList>

namespace {

// Bytes 0x80-0x9F; 0 marks the five bytes the code page leaves undefined.
// Those read as the control character of the same number, as on Windows, so
// that they survive a round trip.
constexpr std::array<char16_t, 32> kHoog = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char NaarByte(char32_t teken)
{
    const bool hoog = teken >= 0x80 && teken <= 0x9F;
    if (teken <= 0xFF && (!hoog || kHoog[teken - 0x80] == 0))
        return char(teken);
    const auto plek = std::find(kHoog.begin(), kHoog.end(), teken);
    return plek != kHoog.end() ? char(0x80 + (plek - kHoog.begin())) : '?';
}

}  // namespace

QByteArray EncodeRecordText(const QString& tekst)
{
    QByteArray bytes;
    bytes.reserve(tekst.size());
    for (const char32_t teken : tekst.toUcs4())
        bytes.append(NaarByte(teken));
    return bytes;
}

QString DecodeRecordText(const char* bytes, qsizetype lengte)
{
    if (lengte == 0)
        return {};  // most text fields are empty; no allocation for them
    QString tekst(lengte, Qt::Uninitialized);
    for (qsizetype i = 0; i < lengte; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const bool hoog = b >= 0x80 && b <= 0x9F && kHoog[b - 0x80] != 0;
        tekst[i] = QChar(hoog ? kHoog[b - 0x80] : char16_t(b));
    }
    return tekst;
}
