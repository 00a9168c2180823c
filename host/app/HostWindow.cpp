#include "host/app/HostWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "host/app/ModulePackage.h"
#include "host/base/AdminDir.h"
#include "host/ui/AbstractChldAPI.h"
#include "host/ui/HoofdVenster.h"
#include "host/ui/Messages.h"
#include "host/ui/ModuleCallRequest.h"
#include "host/ui/TForm.h"

namespace {
const QString kTitel = QStringLiteral("Reservering");

QString MenuCaption(const QString& key)
{
    static const QHash<QString, QString> captions{
        {"rsv_tariefsoort", "Tariefsoorten"}, {"rsv_kamertype", "Kamertypes"},
        {"rsv_periode", "Periodes"},          {"rsv_kamer", "Kamers"},
        {"rsv_invres", "Nieuwe reservering"}, {"rsv_ovres", "Planbord"},
        {"rsv_ovmanag", "Management overzicht"}, {"rsv_logboek", "Logboek"},
        {"rsv_aankvertrek", "Aankomsten en vertrekken"},
    };
    return captions.value(key, key);
}
}

HostWindow::HostWindow(ModulePackage& package, QWidget* parent) : QMainWindow(parent), package_(package)
{
    setWindowTitle(kTitel + QStringLiteral(" - ") + HuidigeAdminDir());
    auto* midden = new QWidget;
    auto* layout = new QVBoxLayout(midden);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&tabs_);
    auto* hint = new QLabel(QStringLiteral("Kies een functie in het menu Reservering."));
    hint->setAlignment(Qt::AlignCenter);
    layout->addWidget(hint, 1);
    setCentralWidget(midden);
    BouwMenuReservering();
    QMenu* venster = menuBar()->addMenu(QStringLiteral("&Venster"));
    connect(venster, &QMenu::aboutToShow, this, [this, venster] { BouwMenuVenster(*venster); });
    resize(900, 600);
    ZetHoofdVenster(this);
}

HostWindow::~HostWindow()
{
    // Forms still open (the program ends without closing them) go before the
    // manager they call.
    for (AbstractChldAPI* child : tabs_.Children())
        delete child->Form();
    if (HoofdVenster() == this)
        ZetHoofdVenster(nullptr);
}

void HostWindow::BouwMenuReservering()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Reservering"));
    for (const ModulePackage::Function& f : package_.Functions())
        menu->addAction(MenuCaption(f.key), this, [this, key = f.key] { Open(key); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("Overzicht reserveringen"), this, &HostWindow::OpenZoekReservering);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Afsluiten"), QKeySequence::Quit, this, &QWidget::close);
}

// The active form's own entries first, then one entry per open form.
void HostWindow::BouwMenuVenster(QMenu& menu)
{
    menu.clear();
    if (AbstractChldAPI* actief = tabs_.LastActive()) {
        actief->AddMenuItems(menu);
        if (!menu.isEmpty())
            menu.addSeparator();
    }
    for (AbstractChldAPI* child : tabs_.Children())
        tabs_.AddMenuItem(menu, child->Caption(), [child] { child->BringToFront(); });
    if (menu.isEmpty())
        menu.addAction(QStringLiteral("Geen vensters geopend"))->setEnabled(false);
}

bool HostWindow::Open(const QString& key)
{
    TOpenFunc open = package_.FindFunction(key);
    if (!open)
        return false;
    open(&tabs_);
    return true;
}

void HostWindow::OpenZoekReservering()
{
    auto zoek = reinterpret_cast<TForm* (*)(TChildWindowManager*)>(package_.Resolve("ZoekReservering"));
    if (zoek)
        zoek(&tabs_);
    else
        ErrorMsg(QStringLiteral("Het pakket heeft geen functie ZoekReservering."), kTitel);
}

bool HostWindow::AnswerCallRequest(ModuleCallRequest& request)
{
    QFunctionPointer functie = package_.Matches(request.packageFile) ? package_.Resolve(request.functionName) : nullptr;
    if (!functie) {
        ErrorMsg(QStringLiteral("De functie %1 in het pakket %2 kan niet worden aangeroepen.")
                     .arg(request.functionName, request.packageFile),
                 kTitel);
        return false;
    }
    request.ArgsTaken();
    reinterpret_cast<TModuleEntry>(functie)(&tabs_, request.arg1, request.arg2);
    return true;
}

bool HostWindow::event(QEvent* event)
{
    if (event->type() != ModuleCallEvent::kType)
        return QMainWindow::event(event);
    auto request = static_cast<ModuleCallEvent*>(event)->TakeRequest();
    // Forms closed with the host (the check-in list asks for the board) open nothing.
    if (request && !sluitend_)
        AnswerCallRequest(*request);
    return true;
}

// Hosted forms close first and may refuse, for instance with unsaved changes.
void HostWindow::closeEvent(QCloseEvent* event)
{
    sluitend_ = true;
    for (AbstractChldAPI* child : tabs_.Children())
        child->Close();
    sluitend_ = tabs_.Children().empty();
    if (sluitend_)
        event->accept();
    else
        event->ignore();
}
