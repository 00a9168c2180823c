#pragma once
// The host's child-window manager: hosted module forms stay windows of their
// own, owned by the main window, and this tab strip in the main window lists
// them. A click on a tab brings its form forward, the close button closes it,
// and the tab of the active form is selected.
//
// Forms are kept as windows rather than embedded in an MDI area because moving
// a form into another parent while it shows would show it again and rerun its
// FormShow.

#include <vector>
#include <QTabBar>

#include "host/ui/ChildWindowManager.h"

class ChildWindowTabs : public QTabBar, public TChildWindowManager {
    Q_OBJECT
public:
    explicit ChildWindowTabs(QWidget* parent = nullptr);

    void RegisterChild(AbstractChldAPI* child) override;
    void UnregisterChild(AbstractChldAPI* child) override;
    void ChildActivated(AbstractChldAPI* child) override;
    void ChildDeactivated(AbstractChldAPI* child) override;
    QAction* AddMenuItem(QMenu& hostMenu, const QString& caption, std::function<void()> handler) override;

    std::vector<AbstractChldAPI*> Children() const;
    // The child activated last, also while the user is in the host's menu.
    AbstractChldAPI* LastActive() const { return lastActive_; }

private:
    struct Child {
        AbstractChldAPI* api;
        QMetaObject::Connection titel;
        QMetaObject::Connection weg;
    };

    int IndexOf(const AbstractChldAPI* child) const;
    void Remove(const AbstractChldAPI* child);

    std::vector<Child> children_;
    AbstractChldAPI* lastActive_ = nullptr;
};
