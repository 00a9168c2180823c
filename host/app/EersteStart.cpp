#include "host/app/EersteStart.h"

#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>
#include <QProcess>

#include "host/app/ModulePackage.h"
#include "host/app/TfrmWerkplekNaam.h"
#include "host/base/AdminDir.h"
#include "host/base/MachineSettings.h"
#include "host/ui/Messages.h"
#include "host/ui/ModalShow.h"

namespace {
const QString kTitel = QStringLiteral("Reservering");
const QString kSectie = QStringLiteral("Werkplek");
const QString kNaam = QStringLiteral("Naam");

bool MaakNieuw(ModulePackage& package, QString& fout)
{
    auto nieuw = reinterpret_cast<bool (*)()>(package.Resolve(QStringLiteral("NieuweAdministratie")));
    if (!nieuw) {
        fout = QStringLiteral("Het pakket heeft geen functie NieuweAdministratie.");
        return false;
    }
    if (!nieuw()) {
        fout = QStringLiteral("De nieuwe administratie kon niet worden ingericht.");
        return false;
    }
    return true;
}

bool MaakDemo(const QString& dir, QString& fout)
{
    QProcess demo;
    demo.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("rsvdemo")), {dir});
    if (demo.waitForFinished(120000) && demo.exitStatus() == QProcess::NormalExit && demo.exitCode() == 0)
        return true;
    fout = QStringLiteral("De demo-administratie kon niet worden gemaakt: %1")
               .arg(QString::fromLocal8Bit(demo.readAllStandardError()).trimmed() + demo.errorString());
    return false;
}
}  // namespace

bool IsNieuweAdministratie(const QString& dir)
{
    return QDir(dir).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

bool RichtAdministratieIn(const QString& dir, ModulePackage& package, QString& fout)
{
    const QString leeg = QStringLiteral("De administratiemap %1 bestaat nog niet of is leeg.\n\n").arg(dir);
    const bool nieuw = InfoMsg(leeg + QStringLiteral("Wilt u hier een nieuwe administratie maken?"), kTitel,
                               msg::mbYesNo) == msg::idYes;
    if (!nieuw && InfoMsg(leeg + QStringLiteral("Wilt u hier een demo-administratie openen, met een voorbeeldhotel "
                                                "en reserveringen?"),
                          kTitel, msg::mbYesNo) != msg::idYes) {
        fout = QStringLiteral("Er is geen administratie gemaakt in %1.").arg(dir);
        return false;
    }
    if (!QDir().mkpath(dir)) {
        fout = QStringLiteral("De administratiemap %1 kan niet worden gemaakt.").arg(dir);
        return false;
    }
    ZetAdminDir(QFileInfo(dir).absoluteFilePath());
    return nieuw ? MaakNieuw(package, fout) : MaakDemo(dir, fout);
}

QString WerkplekNaam() { return MachineSettings(kSectie).ReadString(kNaam, QString()); }

void VraagWerkplekNaam(QWidget* owner)
{
    if (!WerkplekNaam().isEmpty())
        return;
    TfrmWerkplekNaam vraag(owner);
    vraag.ZetNaam(QSysInfo::machineHostName());
    if (ShowModal(vraag) == mrOk)
        MachineSettings(kSectie).WriteString(kNaam, vraag.Naam());
}
