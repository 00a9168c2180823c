#pragma once
// The host application's main window: the owner of hosted module forms and the
// receiver of call requests. The host sets it once it has built the window;
// without one (a test, a host without a window) forms get no owner.

class QWidget;

QWidget* HoofdVenster();
void ZetHoofdVenster(QWidget* venster);
