#include "host/app/HostOptions.h"

namespace {
bool NeemWaarde(const QStringList& args, qsizetype& i, QString& doel, QString& fout)
{
    if (i + 1 >= args.size() || args[i + 1].startsWith(QLatin1String("--"))) {
        fout = QStringLiteral("De optie %1 verwacht een waarde.").arg(args[i]);
        return false;
    }
    doel = args[++i];
    return true;
}
}

std::optional<HostOptions> ParseHostOptions(const QStringList& args, QString& fout)
{
    HostOptions opties;
    opties.admin = qEnvironmentVariable("RSV_ADMIN");
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        bool goed = true;
        if (arg == QLatin1String("--admin"))
            goed = NeemWaarde(args, i, opties.admin, fout);
        else if (arg == QLatin1String("--open"))
            goed = NeemWaarde(args, i, opties.open, fout);
        else if (arg == QLatin1String("--screenshot"))
            goed = NeemWaarde(args, i, opties.screenshot, fout);
        else if (arg == QLatin1String("--standalone"))
            opties.standalone = true;
        else if (arg == QLatin1String("--list-functions"))
            opties.listFunctions = true;
        else {
            fout = QStringLiteral("Onbekende optie: %1").arg(arg);
            goed = false;
        }
        if (!goed)
            return std::nullopt;
    }
    if (opties.admin.isEmpty()) {
        fout = QStringLiteral("Geen administratiemap opgegeven: gebruik --admin MAP of RSV_ADMIN.");
        return std::nullopt;
    }
    if (!opties.screenshot.isEmpty() && opties.open.isEmpty()) {
        fout = QStringLiteral("De optie --screenshot werkt alleen samen met --open.");
        return std::nullopt;
    }
    return opties;
}
