#include "host/app/HostStart.h"

#include <cstdio>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTextStream>
#include <QTimer>

#include "host/app/EersteStart.h"
#include "host/app/HostWindow.h"
#include "host/app/ModulePackage.h"
#include "host/base/AdminDir.h"
#include "host/ui/AbstractChldAPI.h"
#include "host/ui/Messages.h"
#include "host/ui/TForm.h"

namespace {
constexpr int kFoutCode = 2;

bool HeeftScherm()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

int Fout(const QString& tekst)
{
    MeldFout(tekst);
    return kFoutCode;
}

int ToonFuncties(const ModulePackage& package)
{
    QTextStream uit(stdout);
    for (const ModulePackage::Function& f : package.Functions())
        uit << f.key << '\n';
    return 0;
}

int StandAlone(ModulePackage& package, HostWindow& window)
{
    auto planbord = reinterpret_cast<void (*)(QWidget*)>(package.Resolve("ExternRsvDlgReserveringsOverzicht"));
    if (!planbord)
        return Fout(QStringLiteral("Het pakket heeft geen functie ExternRsvDlgReserveringsOverzicht."));
    planbord(&window);
    return 0;
}

// Renders the form opened last once the event loop has shown and laid it out.
void PlanSchermafdruk(HostWindow& window, const QString& bestand)
{
    QTimer::singleShot(300, &window, [&window, bestand] {
        const auto children = window.Manager().Children();
        if (children.empty()) {
            QCoreApplication::exit(Fout(QStringLiteral("Er is geen venster geopend om af te drukken.")));
            return;
        }
        if (!children.back()->Form()->grab().save(bestand, "PNG")) {
            QCoreApplication::exit(Fout(QStringLiteral("Het bestand %1 kan niet worden geschreven.").arg(bestand)));
            return;
        }
        QCoreApplication::exit(0);
    });
}

int Start(const HostOptions& opties, ModulePackage& package)
{
    HostWindow window(package);
    if (!opties.ZonderScherm())
        VraagWerkplekNaam(&window);
    if (const QString naam = WerkplekNaam(); !naam.isEmpty())
        window.setWindowTitle(window.windowTitle() + QStringLiteral(" (") + naam + QStringLiteral(")"));
    if (opties.standalone)
        return StandAlone(package, window);
    if (opties.screenshot.isEmpty())
        window.show();
    if (!opties.open.isEmpty() && !window.Open(opties.open))
        return Fout(QStringLiteral("Onbekende functie: %1").arg(opties.open));
    if (!opties.screenshot.isEmpty())
        PlanSchermafdruk(window, opties.screenshot);
    return QApplication::exec();
}
}  // namespace

void MeldFout(const QString& tekst)
{
    QTextStream(stderr) << tekst << '\n';
    if (qApp && HeeftScherm())
        ErrorMsg(tekst, QStringLiteral("Reservering"));
}

QString AdminMapProbleem(const QString& dir)
{
    const QFileInfo info(dir);
    if (!info.exists())
        return QStringLiteral("De administratiemap %1 bestaat niet.").arg(dir);
    if (!info.isDir())
        return QStringLiteral("%1 is geen map.").arg(dir);
    // Permission bits do not tell everything (root, read-only mounts): try it.
    QTemporaryFile proef(QDir(dir).filePath(QStringLiteral(".rsvhost-XXXXXX")));
    if (!proef.open())
        return QStringLiteral("In de administratiemap %1 kan niet worden geschreven.").arg(dir);
    return {};
}

int StartHost(const HostOptions& opties)
{
    // Only someone at the screen can choose what a new administration becomes.
    const bool eersteStart = !opties.ZonderScherm() && IsNieuweAdministratie(opties.admin);
    if (!eersteStart) {
        if (const QString probleem = AdminMapProbleem(opties.admin); !probleem.isEmpty())
            return Fout(probleem);
        ZetAdminDir(QFileInfo(opties.admin).absoluteFilePath());
    }

    ModulePackage package;
    QString fout;
    if (!package.Load(QCoreApplication::applicationDirPath(), fout))
        return Fout(fout);
    if (opties.listFunctions)
        return ToonFuncties(package);
    if (eersteStart && !RichtAdministratieIn(opties.admin, package, fout))
        return Fout(fout);
    return Start(opties, package);
}
