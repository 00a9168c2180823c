#include "frame/Registratie.h"

#include <array>

#include "board/Rsvovresunit.h"
#include "frame/BordVenstersFrame.h"
#include "host/printing/LayoutRegistry.h"
#include "host/ui/HoofdVenster.h"
#include "logboek/Rsvaankvertrekunit.h"
#include "logboek/Rsvlogboekunit.h"
#include "masterdata/Rsvkamertypeunit.h"
#include "masterdata/Rsvkamerunit.h"
#include "masterdata/Rsvperiodeunit.h"
#include "masterdata/Rsvtariefsoortunit.h"
#include "reports/DBReservering.h"
#include "reports/Rsvovmanagunit.h"
#include "reservation/Rsvinvresunit.h"

namespace {

// An open function: a new hosted form owned by the host's main window, shown
// modeless; the form frees itself when it closes.
template <class Form>
void Open(TChildWindowManager* manager)
{
    (new Form(HoofdVenster(), manager))->show();
}

// The same for a form that opens the reservation forms the frame knows.
template <class Form>
void OpenMetVensters(TChildWindowManager* manager)
{
    auto* form = new Form(HoofdVenster(), manager);
    form->ZetVensters(&FrameBordVensters());
    form->show();
}

struct Functie {
    const char* key;
    TOpenFunc open;
};

// The host relies on this order; functions added later come after the first seven.
constexpr std::array<Functie, 9> kFuncties{{
    {"rsv_tariefsoort", &Open<TfrmRsvTariefSoort>},
    {"rsv_kamertype", &Open<TfrmRsvKamerType>},
    {"rsv_periode", &Open<TfrmRsvPeriode>},
    {"rsv_kamer", &Open<TfrmRsvKamer>},
    {"rsv_invres", &Open<TfrmRsvInvRes>},
    {"rsv_ovres", &OpenMetVensters<TfrmRsvOvRes>},
    {"rsv_ovmanag", &Open<TfrmRsvOvManag>},
    {"rsv_logboek", &Open<TfrmRsvLogboek>},
    {"rsv_aankvertrek", &OpenMetVensters<TfrmRsvAankVertrek>},
}};

Printing::DataBron* NieuweReserveringBron(const QString&)
{
    return new DBReservering;
}

// Registers the layout once when the library is loaded and takes the factory
// back out when it is unloaded, so the registry never calls into unloaded code.
struct AfdrukLayoutBijLaden {
    AfdrukLayoutBijLaden() { RegistreerAfdrukLayout(); }
    ~AfdrukLayoutBijLaden() { Printing::LayoutRegistry::GetObject().Unregister(QStringLiteral("rsv")); }
};
const AfdrukLayoutBijLaden afdrukLayoutBijLaden;

}  // namespace

void RegistreerAfdrukLayout()
{
    Printing::LayoutRegistry::GetObject().Register(QStringLiteral("rsv"), QStringLiteral("Reserveringen"),
                                                   &NieuweReserveringBron);
}

bool RegisterFunc(TRegisterCallback callback, void* context)
{
    for (const Functie& functie : kFuncties) {
        const QString key = QString::fromLatin1(functie.key);
        callback(context, key, functie.open);
    }
    RegistreerAfdrukLayout();
    return true;
}
