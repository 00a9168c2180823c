// kassaserver --admin DIR [--port N] [--listen ADDRESS]: the till server of
// the administration in DIR. Without --port it listens on this workstation's
// setting "KassaServer"/"Poort" (2224 when not set), on every address unless
// --listen names one; port 0 takes a free port. Prints the address it listens
// on as its first line, then one line per order. Stop it with SIGTERM or
// SIGINT: every answered request is on disk already.

#include <cstdio>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include "host/base/AdminDir.h"
#include "host/kassaserver/KassaServer.h"
#include "host/tillra/TlrSettings.h"

namespace {

// The number under which this server books settled bills.
constexpr int32_t kKassaNr = 1;

int Stop(const QString& tekst)
{
    std::fprintf(stderr, "kassaserver: %s\n", qPrintable(tekst));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser opties;
    opties.setApplicationDescription(QStringLiteral("De kassa server van een administratie."));
    opties.addHelpOption();
    opties.addOption({QStringLiteral("admin"), QStringLiteral("De map van de administratie."), QStringLiteral("MAP")});
    opties.addOption({QStringLiteral("port"), QStringLiteral("De poort (0: een vrije poort)."), QStringLiteral("N")});
    opties.addOption({QStringLiteral("listen"), QStringLiteral("Alleen op dit adres luisteren."), QStringLiteral("ADRES")});
    opties.process(app);

    const QDir admin(opties.value(QStringLiteral("admin")));
    if (!opties.isSet(QStringLiteral("admin")) || !admin.exists())
        return Stop(QStringLiteral("geef met --admin een bestaande administratiemap op."));
    ZetAdminDir(admin.absolutePath());

    bool okPoort = true;
    const int poort = opties.isSet(QStringLiteral("port")) ? opties.value(QStringLiteral("port")).toInt(&okPoort)
                                                           : Tillra::TlrSettings::Object().KassaServerPoort();
    QHostAddress adres(QHostAddress::Any);
    if (!okPoort || poort < 0 || poort > 65535)
        return Stop(QStringLiteral("ongeldige poort %1.").arg(opties.value(QStringLiteral("port"))));
    if (opties.isSet(QStringLiteral("listen")) && !adres.setAddress(opties.value(QStringLiteral("listen"))))
        return Stop(QStringLiteral("ongeldig adres %1.").arg(opties.value(QStringLiteral("listen"))));

    KassaServer server(kKassaNr);
    if (!server.Luister(adres, static_cast<quint16>(poort)))
        return Stop(QStringLiteral("kan niet luisteren op poort %1: %2").arg(poort).arg(server.Fout()));
    std::printf("kassaserver: luistert op %s:%u\n", qPrintable(adres.toString()), server.Poort());
    std::fflush(stdout);
    return app.exec();
}
