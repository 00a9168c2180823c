// rsvcheck DIR: checks the record files of the administration in DIR and its
// till files (product lines, registrations, bills), read-only.
// Prints "OK" and exits 0 when clean; otherwise one line per finding, exit 1.
// rsvcheck --repair DIR: first repairs what has one right answer (store/Herstel.h),
// then reports the rest with what the operator can do; exit 2 without the lock.

#include <cstdio>
#include <QCoreApplication>
#include <QDir>

#include "host/base/AdminDir.h"
#include "host/base/EBrRuntime.h"
#include "host/tillra/KassaControle.h"
#include "store/Herstel.h"
#include "store/Integriteit.h"

namespace {

void Druk(const QString& regel)
{
    std::printf("%s\n", regel.toLocal8Bit().constData());
}

std::vector<Bevinding> MetKassa(std::vector<Bevinding> bevindingen)
{
    for (Bevinding& b : JournaalBevindingen())
        bevindingen.push_back(std::move(b));
    for (Bevinding& b : Tillra::ControleerKassaBestanden())
        bevindingen.push_back(std::move(b));
    return bevindingen;
}

int Meld(const std::vector<Bevinding>& bevindingen, bool advies)
{
    for (const Bevinding& b : bevindingen)
        Druk(advies ? b.Regel() + "\n  -> " + RaadBij(b) : b.Regel());
    if (bevindingen.empty())
        Druk("OK");
    return bevindingen.empty() ? 0 : 1;
}

int Herstel()
{
    const HerstelUitkomst uit = HerstelAdministratie();
    if (!uit.slot) {
        std::fprintf(stderr, "Het slot \"rsv\" is bezet door een andere werkplek; probeer het later opnieuw.\n");
        return 2;
    }
    for (const QString& regel : uit.hersteld)
        Druk("Hersteld: " + regel);
    if (!uit.reservekopie.isEmpty())
        Druk("Reservekopie van de gewijzigde bestanden: " + uit.reservekopie);
    return Meld(MetKassa(uit.over), true);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool herstel = args.removeAll(QStringLiteral("--repair")) > 0;
    if (args.size() != 1 || !QDir(args[0]).exists()) {
        std::fprintf(stderr, "Gebruik: rsvcheck [--repair] MAP (de map van een bestaande administratie)\n");
        return 2;
    }
    ZetAdminDir(QDir(args[0]).absolutePath());
    if (!herstel)
        return Meld(MetKassa(ControleerAdministratie()), false);
    try {
        return Herstel();
    } catch (const EBrRuntime& e) {
        std::fprintf(stderr, "%s\n", e.Message().toLocal8Bit().constData());
        return 2;
    }
}
