// rsvcheck DIR: checks the record files of the administration in DIR and its
// till files (product lines, registrations, bills), read-only.
// Prints "OK" and exits 0 when clean; otherwise one line per finding, exit 1.

#include <cstdio>
#include <QCoreApplication>
#include <QDir>

#include "host/base/AdminDir.h"
#include "host/tillra/KassaControle.h"
#include "store/Integriteit.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 || !QDir(args[1]).exists()) {
        std::fprintf(stderr, "Gebruik: rsvcheck MAP (de map van een bestaande administratie)\n");
        return 2;
    }
    ZetAdminDir(QDir(args[1]).absolutePath());
    std::vector<Bevinding> bevindingen = ControleerAdministratie();
    for (Bevinding& b : Tillra::ControleerKassaBestanden())
        bevindingen.push_back(std::move(b));
    for (const Bevinding& b : bevindingen)
        std::printf("%s\n", b.Regel().toLocal8Bit().constData());
    if (bevindingen.empty())
        std::printf("OK\n");
    return bevindingen.empty() ? 0 : 1;
}
