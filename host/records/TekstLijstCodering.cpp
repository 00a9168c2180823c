#include "host/records/TekstLijstCodering.h"

#include <cstdint>
#include <cstring>

#include "host/base/RecordCodepage.h"

namespace brlib {

QByteArray CodeerRegels(const QStringList& regels)
{
    QByteArray bytes;
    for (const QString& regel : regels) {
        // A line longer than a length word can say is cut.
        const QByteArray tekst = EncodeRecordText(regel).left(UINT16_MAX);
        const uint16_t lengte = uint16_t(tekst.size());
        bytes.append(reinterpret_cast<const char*>(&lengte), sizeof lengte);
        bytes.append(tekst);
    }
    return bytes;
}

std::optional<QByteArrayView> LeesRegelBytes(QByteArrayView bytes, qsizetype& pos)
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
        const auto regel = LeesRegelBytes(bytes, pos);
        if (!regel)
            return std::nullopt;
        regels << DecodeRecordText(regel->data(), regel->size());
    }
    return regels;
}

}  // namespace brlib
