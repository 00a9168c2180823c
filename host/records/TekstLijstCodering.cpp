#include "host/records/TekstLijstCodering.h"

#include <cstdint>
#include <cstring>

namespace brlib {

QByteArray CodeerRegels(const QStringList& regels)
{
    QByteArray bytes;
    for (const QString& regel : regels) {
        // A line longer than a length word can say is cut before a character.
        QByteArray utf8 = regel.toUtf8();
        if (utf8.size() > UINT16_MAX) {
            qsizetype einde = UINT16_MAX;
            while (einde > 0 && (uint8_t(utf8[einde]) & 0xC0) == 0x80)
                --einde;
            utf8.truncate(einde);
        }
        const uint16_t lengte = uint16_t(utf8.size());
        bytes.append(reinterpret_cast<const char*>(&lengte), sizeof lengte);
        bytes.append(utf8);
    }
    return bytes;
}

std::optional<QByteArrayView> LeesRegelUtf8(QByteArrayView bytes, qsizetype& pos)
{
    uint16_t lengte;
    if (pos + qsizetype(sizeof lengte) > bytes.size())
        return std::nullopt;
    std::memcpy(&lengte, bytes.data() + pos, sizeof lengte);
    if (pos + qsizetype(sizeof lengte) + lengte > bytes.size())
        return std::nullopt;
    const QByteArrayView regel = bytes.sliced(pos + sizeof lengte, lengte);
    pos += sizeof lengte + lengte;
    return regel;
}

std::optional<QStringList> DecodeerRegels(const QByteArray& bytes)
{
    QStringList regels;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        const auto regel = LeesRegelUtf8(bytes, pos);
        if (!regel)
            return std::nullopt;
        regels << QString::fromUtf8(*regel);
    }
    return regels;
}

}  // namespace brlib
