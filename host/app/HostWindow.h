#pragma once
// The host's main window: the menu "Reservering" with the package's registered
// functions and "Overzicht reserveringen", the tab strip of hosted forms, and
// the receiver of the call requests that module forms post (event 0x8000).
// While it exists it is the application's main window (HoofdVenster).

#include <QMainWindow>

#include "host/app/ChildWindowTabs.h"

class ModulePackage;
struct ModuleCallRequest;
class QMenu;

class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HostWindow(ModulePackage& package, QWidget* parent = nullptr);
    ~HostWindow() override;

    ChildWindowTabs& Manager() { return tabs_; }

    // Opens a registered function; false when the key is not registered.
    bool Open(const QString& key);
    // Calls the entry point a request names with this window's manager and the
    // request's arguments; on failure tells the user and frees the arguments.
    bool AnswerCallRequest(ModuleCallRequest& request);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BouwMenuReservering();
    void BouwMenuVenster(QMenu& menu);
    void OpenZoekReservering();

    ModulePackage& package_;
    ChildWindowTabs tabs_;
    bool sluitend_ = false;
};
