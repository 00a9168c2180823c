#include "host/base/MachineSettings.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

namespace {

// "x y breedte hoogte"
QString RectTekst(const QRect& r)
{
    return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QRect RectUitTekst(const QString& tekst)
{
    const QStringList delen = tekst.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (delen.size() != 4)
        return {};
    int getallen[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        getallen[i] = delen[i].toInt(&ok);
        if (!ok)
            return {};
    }
    return QRect(getallen[0], getallen[1], getallen[2], getallen[3]);
}

bool OpEenScherm(const QRect& r)
{
    for (const QScreen* scherm : QGuiApplication::screens())
        if (scherm->availableGeometry().intersects(r))
            return true;
    return false;
}

}  // namespace

MachineSettings::MachineSettings(const QString& sectie)
    : IniSectie(QDir(WerkplekDir()).filePath(QStringLiteral("rsv_werkplek.ini")), sectie)
{
}

QString MachineSettings::WerkplekDir()
{
    const QString uitOmgeving = qEnvironmentVariable("RSV_MACHINE_CONFIG");
    if (!uitOmgeving.isEmpty())
        return uitOmgeving;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Reservering");
}

void MachineSettings::ReadFormPosSize(const QString& key, QWidget& form) const
{
    QRect r = RectUitTekst(ReadString(key, QString()));
    if (!r.isValid())
        return;
    r.setSize(r.size().expandedTo(form.minimumSize()));
    const QScreen* primair = QGuiApplication::primaryScreen();
    if (primair && !OpEenScherm(r))
        r.moveTopLeft(primair->availableGeometry().topLeft());
    form.setGeometry(r);
}

bool MachineSettings::WriteFormPosSize(const QString& key, const QWidget& form)
{
    // The normal geometry, so that a maximised window comes back at its old size.
    const QRect r = form.isMaximized() ? form.normalGeometry() : form.geometry();
    return WriteString(key, RectTekst(r));
}
