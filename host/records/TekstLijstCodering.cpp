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

std::optional<QStringList> DecodeerRegels(const QByteArray& bytes)
{
    QStringList regels;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        uint16_t lengte;
        if (pos + qsizetype(sizeof lengte) > bytes.size())
            return std::nullopt;
        std::memcpy(&lengte, bytes.constData() + pos, sizeof lengte);
        pos += sizeof lengte;
        if (pos + lengte > bytes.size())
            return std::nullopt;
        regels << DecodeRecordText(bytes.constData() + pos, lengte);
        pos += lengte;
    }
    return regels;
}

}  // namespace brlib
