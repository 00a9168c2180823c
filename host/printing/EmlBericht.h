#pragma once
// A mail message with one attachment in the Internet message format (.eml),
// marked as not yet sent so that a mail program opens it as a draft.

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace Printing {

struct MailBericht {
    QString onderwerp;
    QString tekst;
    QString bijlageNaam;
    QByteArray bijlage;
    QString bijlageType = QStringLiteral("application/pdf");
};

QByteArray MaakEml(const MailBericht& bericht, const QDateTime& moment);

}  // namespace Printing
