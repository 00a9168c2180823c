#include "host/kassaserver/KassaServer.h"

#include <QTcpSocket>

#include "host/kassaserver/KassaVerzoek.h"
#include "host/tillra/KassaProtocol.h"

using Tillra::KassaProtocol::kMaxRegelLengte;

KassaServer::KassaServer(int32_t kassaNr, QObject* parent) : QObject(parent), kassaNr_(kassaNr)
{
    connect(&server_, &QTcpServer::newConnection, this, &KassaServer::NieuweVerbinding);
}

bool KassaServer::Luister(const QHostAddress& adres, quint16 poort) { return server_.listen(adres, poort); }

void KassaServer::NieuweVerbinding()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        ++verbindingen_;
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            --verbindingen_;
            socket->deleteLater();
        });
        if (verbindingen_ > kMaxVerbindingen) {
            Sluit(socket, FoutAntwoord(QStringLiteral("De kassa server heeft te veel verbindingen.")));
            continue;
        }
        socket->setReadBufferSize(kMaxRegelLengte + 1);
        // A workstation that crashed never closes its connection; keep-alive frees the place.
        socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { LeesVerzoeken(socket); });
    }
}

void KassaServer::LeesVerzoeken(QTcpSocket* socket)
{
    while (socket->canReadLine()) {
        const QByteArray regel = socket->readLine(kMaxRegelLengte + 2).trimmed();
        if (regel.isEmpty())
            continue;
        socket->write(BeantwoordVerzoek(regel, kassaNr_) + '\n');
    }
    if (socket->bytesAvailable() > kMaxRegelLengte)
        Sluit(socket, FoutAntwoord(QStringLiteral("Het verzoek is te lang.")));
}

void KassaServer::Sluit(QTcpSocket* socket, const QByteArray& laatsteAntwoord)
{
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    socket->write(laatsteAntwoord + '\n');
    socket->disconnectFromHost();
}
