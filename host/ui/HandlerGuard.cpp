#include "host/ui/HandlerGuard.h"

#include "host/base/EBrRuntime.h"
#include "host/ui/Messages.h"

bool RunGuarded(const QString& titel, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const EBrRuntime& e) {
        ErrorMsg(e.Message(), titel);
        return false;
    }
}
