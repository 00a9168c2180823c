#pragma once
// The forms the board opens that are not its own: the details of a stored
// reservation, the check-in list, the reservation overview, the reports and
// the settings. Whoever creates a board (the frame) hands it an implementation,
// so that the board needs neither those forms nor the frame that knows them.
// Without one the board only selects.

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"

class QWidget;

namespace bord {

// The modal results of the details form as the board acts on them.
enum DetailsResultaat { drGewijzigd = 1, drGesloten = 2, drInUitChecken = 3 };

class BordVensters {
public:
    virtual ~BordVensters() = default;
    // The details of `reservering`, modal over `owner`; returns a DetailsResultaat.
    virtual int ReserveringsGegevens(QWidget* owner, JaarNr reservering, bool standAlone) const = 0;
    // The check-in list of `reservering` at `datum`, modal over `owner`, with
    // the room of `inCheck` (JaarNr(0, 0) for none) in focus.
    virtual void InUitChecken(JaarNr reservering, TDateTime datum, QWidget* owner, JaarNr inCheck) const = 0;
    // The reservation overview as a picking dialog; true, with the chosen
    // reservation in `reservering`, after OK.
    virtual bool ZoekReservering(QWidget* owner, JaarNr& reservering) const = 0;
    // The daily reports (cleaning list, meals, guests present), modal over `owner`.
    virtual void Rapportage(QWidget* owner) const = 0;
    // The settings dialog, modal over `owner`; the board reads its settings again afterwards.
    virtual void Instellingen(QWidget* owner) const = 0;
};

}  // namespace bord
