#include "host/tillra/BonRegelJson.h"

#include <cmath>
#include <QJsonObject>

#include "host/tillra/KassaProtocol.h"

namespace Tillra {

namespace {

constexpr double kMaxWaarde = 1e9;

QJsonObject NaarJson(const t_BonRegel& regel)
{
    QJsonArray bw;
    for (const Bereidingswijze& wijze : regel.bereidingswijzen)
        bw.append(QJsonObject{{"code", wijze.code}, {"oms", wijze.omschrijving}});
    return QJsonObject{{"aantal", regel.aantal},      {"oms", regel.omschrijving},
                       {"artnr", regel.artikelNr},    {"ref", regel.artikelRef},
                       {"artid", regel.artikelId},    {"soort", regel.regelSoort},
                       {"prijs", regel.getPrijsExcl()}, {"btw", regel.getBtwCode()},
                       {"korting", regel.getKorting()}, {"moment", regel.getMoment()},
                       {"bw", bw}};
}

bool IsGetal(const QJsonValue& v) { return v.isDouble() && std::isfinite(v.toDouble()) && std::abs(v.toDouble()) < kMaxWaarde; }

bool IsRegel(const QJsonObject& o)
{
    for (const char* veld : {"aantal", "artnr", "artid", "soort", "prijs", "btw", "korting", "moment"})
        if (!IsGetal(o.value(QLatin1String(veld))))
            return false;
    return o.value(QLatin1String("oms")).isString() && o.value(QLatin1String("ref")).isString() &&
           o.value(QLatin1String("bw")).isArray();
}

std::optional<t_BonRegel> UitJson(const QJsonObject& o)
{
    if (!IsRegel(o))
        return std::nullopt;
    t_BonRegel regel;
    regel.aantal = o.value(QLatin1String("aantal")).toDouble();
    regel.omschrijving = o.value(QLatin1String("oms")).toString();
    regel.artikelNr = o.value(QLatin1String("artnr")).toInt();
    regel.artikelRef = o.value(QLatin1String("ref")).toString();
    regel.artikelId = o.value(QLatin1String("artid")).toInt();
    regel.regelSoort = static_cast<int16_t>(o.value(QLatin1String("soort")).toInt());
    regel.setBtwCode(o.value(QLatin1String("btw")).toInt());
    regel.setMoment(o.value(QLatin1String("moment")).toDouble());
    regel.setPrijs(o.value(QLatin1String("prijs")).toDouble(), t_BonRegel::PRIJS_EXCL);
    regel.setKorting(o.value(QLatin1String("korting")).toDouble(), t_BonRegel::KORTING_PERCENTAGE);
    for (const QJsonValue& bw : o.value(QLatin1String("bw")).toArray()) {
        const QJsonObject wijze = bw.toObject();
        if (!IsGetal(wijze.value(QLatin1String("code"))) || !wijze.value(QLatin1String("oms")).isString())
            return std::nullopt;
        regel.bereidingswijzen.push_back({wijze.value(QLatin1String("code")).toInt(), wijze.value(QLatin1String("oms")).toString()});
    }
    return regel;
}

}  // namespace

QJsonArray RegelsNaarJson(const std::vector<t_BonRegel>& regels)
{
    QJsonArray lijst;
    for (const t_BonRegel& regel : regels)
        lijst.append(NaarJson(regel));
    return lijst;
}

std::optional<std::vector<t_BonRegel>> RegelsUitJson(const QJsonValue& waarde)
{
    if (!waarde.isArray() || waarde.toArray().size() > KassaProtocol::kMaxRegels)
        return std::nullopt;
    std::vector<t_BonRegel> regels;
    for (const QJsonValue& v : waarde.toArray()) {
        auto regel = UitJson(v.toObject());
        if (!regel)
            return std::nullopt;
        regels.push_back(std::move(*regel));
    }
    return regels;
}

}  // namespace Tillra
