#include "host/ui/HoofdVenster.h"

#include <QPointer>
#include <QWidget>

namespace {
QPointer<QWidget>& Venster()
{
    static QPointer<QWidget> venster;
    return venster;
}
}

QWidget* HoofdVenster() { return Venster(); }
void ZetHoofdVenster(QWidget* venster) { Venster() = venster; }
