#pragma once
// A till registration: the account that a check-in opens at the till. Orders
// for the room go on its open bill; settling the bill books it as a settled
// bill (a mutation) on the registration, either paid at once or on the room's
// account (then it is open until paid). Read and stored by RegistratieAccess.

#include <cstdint>
#include <vector>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"
#include "host/tillra/BonRegel.h"

namespace Tillra {

// A settled bill booked on a registration: the till that settled it and its key.
struct Boeking {
    int32_t nummer = 0;
    JaarNr sleutel;
};

class Registratie {
public:
    enum e_Status { stOpen = 0, stAfgehandeld = 1 };

    JaarNr GetNummer() const { return nummer_; }
    int GetStatus() const { return status_; }
    void SetStatus(int status) { status_ = status; }
    JaarNr GetInCheckNr() const { return inCheckNr_; }
    TDateTime GetInCheckMoment() const { return inCheckMoment_; }

    // The open bill: ordered, not yet settled.
    const std::vector<t_BonRegel>& GetBonRegels() const { return bonRegels_; }
    // Booked on the room's account and not yet paid.
    double GetOpenstaandBedrag() const { return openstaand_; }
    double GetReedsBetaaldBedrag() const { return betaald_; }
    const std::vector<Boeking>& GetBoekingLst() const { return boekingen_; }

private:
    friend class RegistratieAccess;

    JaarNr nummer_;
    int status_ = stOpen;
    JaarNr inCheckNr_;
    TDateTime inCheckMoment_ = 0;
    std::vector<t_BonRegel> bonRegels_;
    double openstaand_ = 0;
    double betaald_ = 0;
    std::vector<Boeking> boekingen_;
    int32_t wijzigTeller_ = 0;
};

}  // namespace Tillra
