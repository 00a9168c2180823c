#pragma once
// A child-window manager that writes down every call, with the adapter's
// identity name at the time of the call.

#include <QMenu>
#include <QString>
#include <QStringList>
#include <vector>

#include "host/ui/AbstractChldAPI.h"
#include "host/ui/ChildWindowManager.h"

class RecordingManager : public TChildWindowManager {
public:
    void RegisterChild(AbstractChldAPI* child) override { Log("register", child); }
    void UnregisterChild(AbstractChldAPI* child) override { Log("unregister", child); }
    void ChildActivated(AbstractChldAPI* child) override { Log("activate", child); }
    void ChildDeactivated(AbstractChldAPI* child) override { Log("deactivate", child); }
    QAction* AddMenuItem(QMenu& menu, const QString& caption, std::function<void()> handler) override
    {
        calls << "menu " + caption;
        return menu.addAction(caption, std::move(handler));
    }

    QStringList calls;
    std::vector<AbstractChldAPI*> registered;

private:
    void Log(const char* what, AbstractChldAPI* child)
    {
        calls << QString::fromLatin1(what) + " " + child->IdentityName();
        if (QLatin1String(what) == QLatin1String("register"))
            registered.push_back(child);
    }
};
