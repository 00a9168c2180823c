#include "host/kassaserver/KassaVerzoek.h"

#include <cstdio>
#include <optional>
#include <QJsonDocument>
#include <QJsonObject>

#include "host/base/EBrRuntime.h"
#include "host/base/HuidigeDatum.h"
#include "host/tillra/BonRegelJson.h"
#include "host/tillra/KSCommunicatie.h"
#include "host/tillra/KassaBon.h"
#include "host/tillra/KassaProtocol.h"
#include "host/tillra/RegistratieAccess.h"

namespace {

using namespace Tillra;

QByteArray Antwoord(QJsonObject antwoord)
{
    antwoord.insert(QStringLiteral("ok"), true);
    return QJsonDocument(antwoord).toJson(QJsonDocument::Compact);
}

// The registration the request names; none for another kind or a bad number.
std::optional<JaarNr> GenoemdeRegistratie(const QJsonObject& verzoek)
{
    const QJsonValue soort = verzoek.value(QStringLiteral("soort"));
    const QJsonValue jaar = verzoek.value(QStringLiteral("jaar"));
    const QJsonValue nr = verzoek.value(QStringLiteral("nr"));
    if (!soort.isDouble() || !jaar.isDouble() || !nr.isDouble() || soort.toInt() != itRegistratie)
        return std::nullopt;
    const JaarNr nummer(jaar.toInt(), nr.toInt());
    if (nummer.jaar < 1900 || nummer.jaar > 9999 || nummer.nr < 1)
        return std::nullopt;
    return nummer;
}

// Today as the administration sees it, at the clock's time of day.
TDateTime Nu()
{
    return HuidigeDatum::Object().Huidige() + QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
}

QByteArray TafelBon(const JaarNr& nummer)
{
    const auto registratie = RegistratieAccess::Inlezen(nummer, RegistratieAccess::LEES_REGELS);
    if (!registratie)
        return FoutAntwoord(RegistratieAccess::LaatsteFout());
    return Antwoord({{"regels", RegelsNaarJson(registratie->GetBonRegels())}});
}

QByteArray Bestelling(const JaarNr& nummer, const QJsonObject& verzoek)
{
    const auto regels = RegelsUitJson(verzoek.value(QStringLiteral("regels")));
    if (!regels)
        return FoutAntwoord(QStringLiteral("De bestelling bevat onleesbare regels."));
    QString fout;
    if (!Bestellen(nummer, *regels, fout))
        return FoutAntwoord(fout);
    std::printf("kassaserver: bestelling op registratie %s: %zu regels, order %d %s\n",
                qPrintable(nummer.String(2, 6)), regels->size(), verzoek.value(QStringLiteral("order")).toInt(),
                qPrintable(verzoek.value(QStringLiteral("tekst")).toString().left(80)));
    std::fflush(stdout);
    return Antwoord({});
}

QByteArray Afrekening(const JaarNr& nummer, const QJsonObject& verzoek, int32_t kassaNr)
{
    const QString wijze = verzoek.value(QStringLiteral("wijze")).toString();
    if (wijze != KassaProtocol::kBetaald && wijze != KassaProtocol::kRekening)
        return FoutAntwoord(QStringLiteral("Onbekende wijze van afrekenen."));
    QString fout;
    double bedrag = 0;
    const AfrekenWijze afrekenWijze = wijze == KassaProtocol::kBetaald ? AFREKENEN_BETAALD : AFREKENEN_OP_REKENING;
    if (!Afrekenen(nummer, kassaNr, afrekenWijze, Nu(), bedrag, fout))
        return FoutAntwoord(fout);
    return Antwoord({{"bedrag", bedrag}});
}

QByteArray Voer(const QJsonObject& verzoek, int32_t kassaNr)
{
    const QString opdracht = verzoek.value(QStringLiteral("opdracht")).toString();
    const auto nummer = GenoemdeRegistratie(verzoek);
    if (!nummer)
        return FoutAntwoord(QStringLiteral("Het verzoek noemt geen geldige registratie (soort 5, jaar, nummer)."));
    if (opdracht == KassaProtocol::kTafelBon)
        return TafelBon(*nummer);
    if (opdracht == KassaProtocol::kBestelling)
        return Bestelling(*nummer, verzoek);
    if (opdracht == KassaProtocol::kAfrekenen)
        return Afrekening(*nummer, verzoek, kassaNr);
    return FoutAntwoord(QStringLiteral("Onbekende opdracht."));
}

}  // namespace

QByteArray FoutAntwoord(const QString& fout)
{
    return QJsonDocument(QJsonObject{{"ok", false}, {"fout", fout}}).toJson(QJsonDocument::Compact);
}

QByteArray BeantwoordVerzoek(const QByteArray& regel, int32_t kassaNr)
{
    QJsonParseError fout{};
    const QJsonDocument verzoek = QJsonDocument::fromJson(regel, &fout);
    if (fout.error != QJsonParseError::NoError || !verzoek.isObject())
        return FoutAntwoord(QStringLiteral("Het verzoek is geen JSON-object."));
    try {
        return Voer(verzoek.object(), kassaNr);
    } catch (const EBrRuntime& e) {
        return FoutAntwoord(e.Message());
    }
}
