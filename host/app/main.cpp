// rsvhost: the host application of the Reservering package.

#include <QApplication>
#include <QTextStream>

#include "host/app/HostOptions.h"
#include "host/app/HostStart.h"

namespace {
bool GeenScherm()
{
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}
}

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QString fout;
    const auto opties = ParseHostOptions(args, fout);

    // Listing and rendering need no screen; a window does.
    if (GeenScherm()) {
        if (opties && !opties->ZonderScherm()) {
            QTextStream(stderr) << "Er is geen beeldscherm beschikbaar (DISPLAY en WAYLAND_DISPLAY zijn leeg).\n";
            return 2;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (!opties) {
        MeldFout(fout);
        return 2;
    }
    return StartHost(*opties);
}
