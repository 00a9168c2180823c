#include "frame/BordVenstersFrame.h"

#include "frame/DialogFuncties.h"

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
};

}  // namespace

const bord::BordVensters& FrameBordVensters()
{
    static const DialoogVensters vensters;
    return vensters;
}
