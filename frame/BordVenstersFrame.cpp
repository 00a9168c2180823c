#include "frame/BordVenstersFrame.h"

#include "frame/DialogFuncties.h"
#include "host/ui/ModalShow.h"
#include "masterdata/Rsvsettingsunit.h"
#include "reports/Rsvovrapportunit.h"

namespace {

class DialoogVensters : public bord::BordVensters {
public:
    int ReserveringsGegevens(QWidget* owner, JaarNr reservering, bool standAlone) const override
    {
        return RsvDlgReserveringsGegevens(owner, reservering, standAlone);
    }
    void InUitChecken(JaarNr reservering, TDateTime datum, QWidget* owner, JaarNr inCheck) const override
    {
        RsvDlgInUitChecken(reservering, datum, owner, inCheck);
    }
    bool ZoekReservering(QWidget* owner, JaarNr& reservering) const override
    {
        return RsvDlgZoekReservering(owner, reservering);
    }
    void Rapportage(QWidget* owner) const override
    {
        TfrmRsvOvRapport form(owner, nullptr);
        ShowModal(form);
    }
    void Instellingen(QWidget* owner) const override
    {
        TfrmRsvSettings form(owner, false);
        ShowModal(form);
    }
};

}  // namespace

const bord::BordVensters& FrameBordVensters()
{
    static const DialoogVensters vensters;
    return vensters;
}
