// rsvdemo DIR: makes a small demo hotel in DIR (created when missing) with a
// few weeks of bookings around today, through the module's write paths.
// Refuses a directory that is not empty, so that it never mixes demo data into
// an administration. rsvdemo stress ...: see Stress.h; rsvdemo soak ...: see Soak.h.

#include <cstdio>
#include <QCoreApplication>
#include <QDir>

#include "host/base/AdminDir.h"
#include "host/base/HuidigeDatum.h"
#include "host/ui/Messages.h"
#include "tools/rsvdemo/DemoArtikelen.h"
#include "tools/rsvdemo/DemoBoekingen.h"
#include "tools/rsvdemo/DemoHotel.h"
#include "tools/rsvdemo/DemoRelaties.h"
#include "tools/rsvdemo/DemoSchoonmaak.h"
#include "tools/rsvdemo/Soak.h"
#include "tools/rsvdemo/Stress.h"

namespace {

void Meld(const QString& tekst) { std::fprintf(stderr, "rsvdemo: %s\n", tekst.toLocal8Bit().constData()); }

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    // No one to click a message box: every message goes to stderr.
    MsgResponderScope berichten([](const MsgRequest& bericht) {
        Meld(bericht.titel + QStringLiteral(": ") + bericht.tekst);
        return msg::idOK;
    });
    if (args.size() > 1 && args[1] == QLatin1String("stress"))
        return StressRun(args.mid(2));
    if (args.size() > 1 && args[1] == QLatin1String("soak"))
        return SoakRun(args.mid(2));
    if (args.size() > 1 && args[1] == QLatin1String("stress-werkplek"))
        return StressWerkplekRun(args.mid(2));
    if (args.size() != 2) {
        Meld(QStringLiteral("Gebruik: rsvdemo MAP (een lege of nog niet bestaande map)"));
        return 2;
    }
    QDir map(args[1]);
    if (map.exists() && !map.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        Meld(QStringLiteral("De map %1 is niet leeg. Kies een lege map voor de demo-administratie.")
                 .arg(QDir::toNativeSeparators(map.absolutePath())));
        return 1;
    }
    if (!map.mkpath(QStringLiteral("."))) {
        Meld(QStringLiteral("De map %1 kan niet worden aangemaakt.").arg(QDir::toNativeSeparators(map.absolutePath())));
        return 1;
    }
    ZetAdminDir(map.absolutePath());
    if (!MaakDemoHotel(HuidigeDatum::Object().Jaar()) || !MaakDemoArtikelen() || !MaakDemoRelaties() ||
        !MaakDemoBoekingen(HuidigeDatum::Object().Huidige()) || !MaakDemoSchoonmaak())
        return 1;
    const QByteArray pad = QDir::toNativeSeparators(map.absolutePath()).toLocal8Bit();
    std::printf("Demo-administratie aangemaakt in %s\n", pad.constData());
    return 0;
}
