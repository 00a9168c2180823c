#pragma once
// The till server: accepts connections and answers each request line in
// order (KassaVerzoek.h). A connection that sends more than the longest
// request without a line end gets an error answer and is closed; so does one
// beyond kMaxVerbindingen. One thread; every request is handled to the end
// (its writes committed) before the next, so killing the server loses at most
// a request that was not answered.

#include <cstdint>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

class KassaServer : public QObject {
    Q_OBJECT

public:
    explicit KassaServer(int32_t kassaNr, QObject* parent = nullptr);

    bool Luister(const QHostAddress& adres, quint16 poort);
    quint16 Poort() const { return server_.serverPort(); }
    QString Fout() const { return server_.errorString(); }

    static constexpr int kMaxVerbindingen = 64;

private:
    void NieuweVerbinding();
    void LeesVerzoeken(QTcpSocket* socket);
    void Sluit(QTcpSocket* socket, const QByteArray& laatsteAntwoord);

    QTcpServer server_;
    int32_t kassaNr_;
    int verbindingen_ = 0;
};
