#include "host/printing/EmailReservering.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "host/printing/EmlBericht.h"
#include "host/printing/PrintEnkele.h"
#include "host/ui/Messages.h"

namespace {

const QString kTitel = QStringLiteral("E-mail");

QString Map(QStandardPaths::StandardLocation plek, const QString& sub)
{
    QString basis = QStandardPaths::writableLocation(plek);
    if (basis.isEmpty())
        basis = QDir::homePath();
    const QString map = basis + sub;
    QDir().mkpath(map);
    return map;
}

// The mail program gets the message; it reads the attachment after we return,
// so the file stays and a slow start is not cut off.
bool NaarMailProgramma(const QString& onderwerp, const QString& pdf)
{
    const QString programma = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (programma.isEmpty())
        return false;
    auto* proces = new QProcess(QCoreApplication::instance());
    QObject::connect(proces, &QProcess::finished, proces, &QObject::deleteLater);
    proces->start(programma, {QStringLiteral("--utf8"), QStringLiteral("--subject"), onderwerp,
                              QStringLiteral("--attach"), pdf});
    if (!proces->waitForStarted())
        return false;
    return !proces->waitForFinished(10000) ||
           (proces->exitStatus() == QProcess::NormalExit && proces->exitCode() == 0);
}

// The message with the PDF `pdf` attached, saved in the documents folder as "<naam>.eml".
std::optional<QString> AlsEml(const QString& onderwerp, const QString& naam, const QString& pdf)
{
    QFile bijlage(pdf);
    if (!bijlage.open(QIODevice::ReadOnly))
        return std::nullopt;
    const Printing::MailBericht bericht{
        onderwerp, QStringLiteral("Bijgaand treft u de gegevens van ") + onderwerp.toLower() + QStringLiteral(".\n"),
        naam + QStringLiteral(".pdf"), bijlage.readAll()};
    const QString pad = Map(QStandardPaths::DocumentsLocation, QString()) + u'/' + naam + QStringLiteral(".eml");
    QSaveFile f(pad);
    if (f.open(QIODevice::WriteOnly) && f.write(Printing::MaakEml(bericht, QDateTime::currentDateTime())) >= 0 &&
        f.commit())
        return pad;
    return std::nullopt;
}

}  // namespace

bool EmailReservering(const JaarNr& nummer)
{
    const QString naam = QStringLiteral("Reservering ") + Printing::BestandsNummer(nummer);
    const QString pdf = Map(QStandardPaths::TempLocation, QStringLiteral("/rsv-email")) + u'/' + naam +
                        QStringLiteral(".pdf");
    if (!Printing::PdfEnkele(QStringLiteral("rsv"), nummer, pdf))
        return false;
    const QString onderwerp = QStringLiteral("Reservering ") + nummer.String(2, 5);
    if (NaarMailProgramma(onderwerp, pdf)) {
        InfoMsg(QStringLiteral("Het e-mailbericht met ") + onderwerp.toLower() +
                    QStringLiteral(" als bijlage staat klaar in uw e-mailprogramma."),
                kTitel);
        return true;
    }
    const std::optional<QString> eml = AlsEml(onderwerp, naam, pdf);
    if (!eml) {
        ErrorMsg(QStringLiteral("Het e-mailbericht kan niet opgeslagen worden. Controleer of de schijf vol is."),
                 kTitel);
        return false;
    }
    InfoMsg(QStringLiteral("Er is geen e-mailprogramma gevonden. Het bericht met ") + onderwerp.toLower() +
                QStringLiteral(" als bijlage is opgeslagen als:\n") + QDir::toNativeSeparators(*eml) +
                QStringLiteral("\nOpen dit bestand met uw e-mailprogramma om het te versturen."),
            kTitel);
    return true;
}
