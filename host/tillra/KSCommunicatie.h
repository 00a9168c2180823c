#pragma once
// The connection of this process to the till server (KassaProtocol.h).
//
// A request connects first when there is no connection; connecting gives up
// after kVerbindTijdMs, so a form asking a till server that is not there waits
// at most that long and then hears "no connection". After a failed attempt the
// next ones within kWachtNaFoutMs fail at once, so a form that asks several
// things does not wait again and again. A server that accepted the connection
// gets kAntwoordTijdMs per answer.
// One thread: use it from the user-interface thread only.

#include <memory>
#include <vector>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QString>
#include <QTcpSocket>

#include "host/base/JaarNr.h"
#include "host/tillra/BonRegel.h"
#include "host/tillra/KassaMutatie.h"

namespace Tillra {

class TlrSettings;

enum ItemNummerType { itTafel = 1, itRegistratie = 5 };

// An item that a bill at the till belongs to: a table, a registration, ...
struct ItemNummer {
    ItemNummer(ItemNummerType soort, const JaarNr& nummer) : soort(soort), nummer(nummer) {}
    ItemNummerType soort;
    JaarNr nummer;
};

class TKSCommunicatie {
public:
    enum Resultaat { KS_OK = 0, KS_GEEN_VERBINDING = 1, KS_GEWEIGERD = 2 };

    static constexpr int kVerbindTijdMs = 2000;
    static constexpr int kWachtNaFoutMs = 30000;
    static constexpr int kAntwoordTijdMs = 10000;

    // The server of this workstation's settings (TlrSettings).
    TKSCommunicatie();
    TKSCommunicatie(const QString& host, int poort);

    bool Connect();
    bool IsConnected() const;

    // The open bill of `item`; false (and no lines) without connection or when refused.
    bool KSGetTafelBon(const ItemNummer& item, std::vector<t_BonRegel>& regels);
    // Places `regels` as an order on the bill of `item`. `tafelOrder` and
    // `tekst` go with the order to the server's log. With `wachten` false the
    // order is sent without waiting for the server's answer. `resultaat`, when
    // given, receives a Resultaat.
    bool KSMaakBestelling(const ItemNummer& item, const std::vector<t_BonRegel>& regels, int tafelOrder = 0,
                          const QString& tekst = {}, bool wachten = true, int* resultaat = nullptr);
    // Settles the bill of `item`; `bedrag` receives the settled amount.
    bool KSAfrekenen(const ItemNummer& item, AfrekenWijze wijze, double* bedrag = nullptr);

    // Why the last call failed, in Dutch ("Geen verbinding met de kassa server ...").
    const QString& LaatsteFout() const { return fout_; }
    Resultaat LaatsteResultaat() const { return resultaat_; }

private:
    explicit TKSCommunicatie(const TlrSettings& settings);
    std::optional<QJsonObject> Vraag(const ItemNummer& item, QJsonObject verzoek, bool wachten);
    bool Verstuur(const QJsonObject& verzoek);
    std::optional<QByteArray> LeesRegel();
    std::optional<QJsonObject> LeesAntwoord();
    void GeenVerbinding(const QString& reden);

    QString host_;
    int poort_;
    QTcpSocket socket_;
    QElapsedTimer sindsFout_;
    int overTeSlaan_ = 0;
    QString fout_;
    Resultaat resultaat_ = KS_OK;
};

// The process-wide connection; KSVerbinding() creates it on first use.
extern std::unique_ptr<TKSCommunicatie> g_KSCommunicatie;
TKSCommunicatie& KSVerbinding();

}  // namespace Tillra
