#include "host/tillra/KSCommunicatie.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include "host/tillra/BonRegelJson.h"
#include "host/tillra/KassaProtocol.h"
#include "host/tillra/TlrSettings.h"

namespace Tillra {

std::unique_ptr<TKSCommunicatie> g_KSCommunicatie;

TKSCommunicatie& KSVerbinding()
{
    if (!g_KSCommunicatie) {
        // Its socket must go before the application object it belongs to.
        qAddPostRoutine([] { g_KSCommunicatie.reset(); });
        g_KSCommunicatie = std::make_unique<TKSCommunicatie>();
        g_KSCommunicatie->Connect();
    }
    return *g_KSCommunicatie;
}

TKSCommunicatie::TKSCommunicatie() : TKSCommunicatie(TlrSettings::Object()) {}

TKSCommunicatie::TKSCommunicatie(const TlrSettings& settings)
    : TKSCommunicatie(settings.KassaServerHost(), settings.KassaServerPoort())
{
}

TKSCommunicatie::TKSCommunicatie(const QString& host, int poort) : host_(host.trimmed()), poort_(poort) {}

bool TKSCommunicatie::IsConnected() const { return socket_.state() == QAbstractSocket::ConnectedState; }

void TKSCommunicatie::GeenVerbinding(const QString& reden)
{
    socket_.abort();
    overTeSlaan_ = 0;
    sindsFout_.start();
    resultaat_ = KS_GEEN_VERBINDING;
    fout_ = QStringLiteral("Geen verbinding met de kassa server (%1:%2): %3").arg(host_).arg(poort_).arg(reden);
}

bool TKSCommunicatie::Connect()
{
    if (IsConnected())
        return true;
    if (host_.isEmpty()) {
        GeenVerbinding(QStringLiteral("er is geen server adres opgegeven."));
        return false;
    }
    if (sindsFout_.isValid() && !sindsFout_.hasExpired(kWachtNaFoutMs)) {
        resultaat_ = KS_GEEN_VERBINDING;
        return false;
    }
    socket_.abort();
    socket_.connectToHost(host_, static_cast<quint16>(poort_));
    if (!socket_.waitForConnected(kVerbindTijdMs)) {
        GeenVerbinding(socket_.errorString());
        return false;
    }
    sindsFout_.invalidate();
    return true;
}

bool TKSCommunicatie::Verstuur(const QJsonObject& verzoek)
{
    const QByteArray regel = QJsonDocument(verzoek).toJson(QJsonDocument::Compact) + '\n';
    if (socket_.write(regel) != regel.size() || !socket_.waitForBytesWritten(kAntwoordTijdMs)) {
        GeenVerbinding(socket_.errorString());
        return false;
    }
    return true;
}

std::optional<QByteArray> TKSCommunicatie::LeesRegel()
{
    while (!socket_.canReadLine()) {
        if (socket_.bytesAvailable() > KassaProtocol::kMaxRegelLengte || !socket_.waitForReadyRead(kAntwoordTijdMs)) {
            GeenVerbinding(QStringLiteral("de server gaf geen antwoord."));
            return std::nullopt;
        }
    }
    return socket_.readLine(KassaProtocol::kMaxRegelLengte + 2);
}

std::optional<QJsonObject> TKSCommunicatie::LeesAntwoord()
{
    // The answers to orders sent without waiting come first.
    for (; overTeSlaan_ > 0; --overTeSlaan_)
        if (!LeesRegel())
            return std::nullopt;
    const auto regel = LeesRegel();
    if (!regel)
        return std::nullopt;
    const QJsonDocument antwoord = QJsonDocument::fromJson(*regel);
    if (!antwoord.isObject()) {
        GeenVerbinding(QStringLiteral("de server gaf een onleesbaar antwoord."));
        return std::nullopt;
    }
    return antwoord.object();
}

std::optional<QJsonObject> TKSCommunicatie::Vraag(const ItemNummer& item, QJsonObject verzoek, bool wachten)
{
    verzoek.insert(QStringLiteral("soort"), static_cast<int>(item.soort));
    verzoek.insert(QStringLiteral("jaar"), item.nummer.jaar);
    verzoek.insert(QStringLiteral("nr"), item.nummer.nr);
    // A connection the server closed since the last call is noticed here, not by the user.
    if (IsConnected())
        socket_.waitForReadyRead(0);
    if (!IsConnected())
        overTeSlaan_ = 0;
    if (!Connect() || !Verstuur(verzoek))
        return std::nullopt;
    if (!wachten) {
        ++overTeSlaan_;
        resultaat_ = KS_OK;
        return QJsonObject{};
    }
    auto antwoord = LeesAntwoord();
    if (!antwoord)
        return std::nullopt;
    if (!antwoord->value(QStringLiteral("ok")).toBool()) {
        resultaat_ = KS_GEWEIGERD;
        fout_ = antwoord->value(QStringLiteral("fout")).toString();
        return std::nullopt;
    }
    resultaat_ = KS_OK;
    return antwoord;
}

bool TKSCommunicatie::KSGetTafelBon(const ItemNummer& item, std::vector<t_BonRegel>& regels)
{
    regels.clear();
    auto antwoord = Vraag(item, {{"opdracht", KassaProtocol::kTafelBon}}, true);
    if (!antwoord)
        return false;
    auto gelezen = RegelsUitJson(antwoord->value(QStringLiteral("regels")));
    if (!gelezen) {
        GeenVerbinding(QStringLiteral("de server gaf een onleesbaar antwoord."));
        return false;
    }
    regels = std::move(*gelezen);
    return true;
}

bool TKSCommunicatie::KSMaakBestelling(const ItemNummer& item, const std::vector<t_BonRegel>& regels, int tafelOrder,
                                       const QString& tekst, bool wachten, int* resultaat)
{
    const QJsonObject verzoek{{"opdracht", KassaProtocol::kBestelling},
                              {"regels", RegelsNaarJson(regels)},
                              {"order", tafelOrder},
                              {"tekst", tekst}};
    const bool gelukt = Vraag(item, verzoek, wachten).has_value();
    if (resultaat)
        *resultaat = resultaat_;
    return gelukt;
}

bool TKSCommunicatie::KSAfrekenen(const ItemNummer& item, AfrekenWijze wijze, double* bedrag)
{
    const QString naam = wijze == AFREKENEN_BETAALD ? KassaProtocol::kBetaald : KassaProtocol::kRekening;
    auto antwoord = Vraag(item, {{"opdracht", KassaProtocol::kAfrekenen}, {"wijze", naam}}, true);
    if (antwoord && bedrag)
        *bedrag = antwoord->value(QStringLiteral("bedrag")).toDouble();
    return antwoord.has_value();
}

}  // namespace Tillra
