#pragma once
// The host's child-window manager. The host hands it to every open function and
// entry point; a hosted form keeps it for its whole life and calls it with its
// adapter. The slot order is part of the host contract.

#include <functional>
#include <QString>

class AbstractChldAPI;
class QAction;
class QMenu;

class TChildWindowManager {
public:
    virtual ~TChildWindowManager() = default;

    virtual void RegisterChild(AbstractChldAPI* child) = 0;     // 1: from FormShow
    virtual void UnregisterChild(AbstractChldAPI* child) = 0;   // 2: from FormClose
    virtual void ChildActivated(AbstractChldAPI* child) = 0;    // 3
    virtual void ChildDeactivated(AbstractChldAPI* child) = 0;  // 4
    // 5: adds one entry to a host menu; the menu owns the returned action.
    virtual QAction* AddMenuItem(QMenu& hostMenu, const QString& caption,
                                 std::function<void()> handler) = 0;
};
