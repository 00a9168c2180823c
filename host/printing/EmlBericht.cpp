#include "host/printing/EmlBericht.h"

#include <QLocale>
#include <QUuid>

namespace Printing {

namespace {

// A header value with non-ASCII text, encoded as RFC 2047 requires.
QByteArray Kopwaarde(const QString& tekst)
{
    const QByteArray utf8 = tekst.toUtf8();
    for (char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80)
            return "=?UTF-8?B?" + utf8.toBase64() + "?=";
    return utf8;
}

QByteArray Base64Regels(const QByteArray& data)
{
    const QByteArray alles = data.toBase64();
    QByteArray uit;
    for (qsizetype i = 0; i < alles.size(); i += 76)
        uit += alles.mid(i, 76) + "\r\n";
    return uit;
}

QByteArray Datum(const QDateTime& moment)
{
    return QLocale::c().toString(moment.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss")).toLatin1() + " +0000";
}

}  // namespace

QByteArray MaakEml(const MailBericht& bericht, const QDateTime& moment)
{
    const QByteArray grens = "=_" + QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    const QByteArray naam = Kopwaarde(bericht.bijlageNaam);
    QByteArray uit;
    uit += "MIME-Version: 1.0\r\n";
    uit += "Date: " + Datum(moment) + "\r\n";
    uit += "Subject: " + Kopwaarde(bericht.onderwerp) + "\r\n";
    uit += "X-Unsent: 1\r\n";
    uit += "Content-Type: multipart/mixed; boundary=\"" + grens + "\"\r\n\r\n";
    uit += "--" + grens + "\r\n";
    uit += "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: base64\r\n\r\n";
    uit += Base64Regels(bericht.tekst.toUtf8());
    uit += "--" + grens + "\r\n";
    uit += "Content-Type: " + bericht.bijlageType.toLatin1() + "; name=\"" + naam + "\"\r\n";
    uit += "Content-Disposition: attachment; filename=\"" + naam + "\"\r\n";
    uit += "Content-Transfer-Encoding: base64\r\n\r\n";
    uit += Base64Regels(bericht.bijlage);
    uit += "--" + grens + "--\r\n";
    return uit;
}

}  // namespace Printing
