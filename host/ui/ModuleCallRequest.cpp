#include "host/ui/ModuleCallRequest.h"

#include <QApplication>

#include "host/ui/HoofdVenster.h"

ModuleCallRequest::~ModuleCallRequest()
{
    if (freeArgs_)
        freeArgs_();
}

bool PostModuleCallRequest(std::unique_ptr<ModuleCallRequest> request)
{
    QWidget* venster = HoofdVenster();
    if (!venster)
        return false;
    request->activeWindow = QApplication::activeWindow();
    QCoreApplication::postEvent(venster, new ModuleCallEvent(std::move(request)));
    return true;
}
