#include "host/app/ChildWindowTabs.h"

#include <QMenu>
#include <QSignalBlocker>

#include "host/ui/AbstractChldAPI.h"
#include "host/ui/TForm.h"

ChildWindowTabs::ChildWindowTabs(QWidget* parent) : QTabBar(parent)
{
    setTabsClosable(true);
    setExpanding(false);
    setDocumentMode(true);
    connect(this, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0)
            children_[index].api->BringToFront();
    });
    connect(this, &QTabBar::tabCloseRequested, this,
            [this](int index) { children_[index].api->Close(); });
}

void ChildWindowTabs::RegisterChild(AbstractChldAPI* child)
{
    if (IndexOf(child) >= 0)
        return;
    TForm* form = child->Form();
    Child entry{child, {}, {}};
    entry.titel = connect(form, &QWidget::windowTitleChanged, this,
                          [this, child](const QString& titel) { setTabText(IndexOf(child), titel); });
    // A form deleted without closing (its owner went first) must not stay listed.
    entry.weg = connect(form, &QObject::destroyed, this, [this, child] { Remove(child); });
    children_.push_back(entry);
    addTab(child->Caption());
}

void ChildWindowTabs::UnregisterChild(AbstractChldAPI* child)
{
    Remove(child);
}

void ChildWindowTabs::ChildActivated(AbstractChldAPI* child)
{
    lastActive_ = child;
    const QSignalBlocker stil(this);
    setCurrentIndex(IndexOf(child));
}

void ChildWindowTabs::ChildDeactivated(AbstractChldAPI*)
{
    // The last active child keeps its tab selected and its menu entries while
    // the user works in the host's own window.
}

QAction* ChildWindowTabs::AddMenuItem(QMenu& hostMenu, const QString& caption, std::function<void()> handler)
{
    QAction* action = hostMenu.addAction(caption);
    connect(action, &QAction::triggered, action, [handler = std::move(handler)] { handler(); });
    return action;
}

std::vector<AbstractChldAPI*> ChildWindowTabs::Children() const
{
    std::vector<AbstractChldAPI*> apis;
    for (const Child& c : children_)
        apis.push_back(c.api);
    return apis;
}

int ChildWindowTabs::IndexOf(const AbstractChldAPI* child) const
{
    for (size_t i = 0; i < children_.size(); ++i)
        if (children_[i].api == child)
            return int(i);
    return -1;
}

void ChildWindowTabs::Remove(const AbstractChldAPI* child)
{
    const int index = IndexOf(child);
    if (index < 0)
        return;
    disconnect(children_[index].titel);
    disconnect(children_[index].weg);
    children_.erase(children_.begin() + index);
    removeTab(index);
    if (lastActive_ == child)
        lastActive_ = nullptr;
}
