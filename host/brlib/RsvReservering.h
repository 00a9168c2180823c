#pragma once
// A stored reservation as RsvReserveringCursorRandom reads it: the header's
// fields, its room lines (with check-ins and persons as asked for) and its
// text lists. A plain value: forms copy it and keep it while they show it.

#include <array>
#include <cstdint>
#include <vector>
#include <QString>
#include <QStringList>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"
#include "host/brlib/Kamer.h"
#include "host/brlib/Res.h"
#include "host/brlib/ResStatus.h"

namespace brlib {

class RsvReservering {
public:
    static constexpr int kMaxNachten = 49;  // the longest stay

    JaarNr sleutel;               // year of the begin date, header number
    QString boekNr;               // the booking number users see: sleutel.String(2, 5)
    e_ResStatus status = rsOpenstaand;
    TDateTime regDatum = 0;       // registration date and time
    TDateTime begin = 0;
    TDateTime eind = 0;
    double totaalBedrag = 0;
    int32_t wijzigTeller = 0;     // the header's change counter as read
    int soort = 0;                // 0 reservation, 1 option, 2 blockade
    int nationaliteit = 0;        // 0 not given, 1 Dutch, 2 foreign
    int zakelijk = 0;             // 0 not given, 1 business, 2 private
    int32_t relatieNr = 0;
    int32_t relatieNr2 = 0;       // the relation card's key
    std::array<uint8_t, 10> extra{};  // the first three: breakfast, lunch, dinner
    int32_t groepNr = 0;          // 0: no group
    int32_t eersteProduct = 0;    // the stored product lines (till product files)
    int32_t laatsteProduct = 0;
    int productStatus = 0;        // 0 none, 1 stored with the reservation, 2 registered at check-in

    std::vector<stRes> kamerRegels;  // in chain order
    QStringList gastRegels;
    QStringList extraRegels;
    QStringList relatieLabels;    // empty: the standard guest rows apply
    QStringList relatieWaarden;

    // A room was moved part-way: some line continues on another room.
    bool KamersGesplitst() const;
    // The latest begin among the lines that stay on their room: the begin a
    // new end date must come after. The reservation's begin when none moved.
    TDateTime GetBeginDatumGesplitst() const;
    // Open and no room checked in yet: the reservation may still be cancelled
    // or retyped. Needs the lines read.
    bool IsVolledigOpenstaand() const;
    // Gives every line the description (else the code) of its room's type.
    void VulKamerTypes(const std::vector<stKamer>& kamers);

    // The check-in that registered the reservation's products at the till
    // (false when none did). Needs the check-ins read.
    bool GetIncheckProdReg(stInCheck& inCheck) const;
    // The till registration holding the products; JaarNr(0, 0) while they are only booked.
    JaarNr GetProductenRegNr() const;

    // False, with one Dutch line per reason in `meldingen`, when the stay
    // cannot end on `nieuwEind`: not after the begin, more than 49 nights, or a
    // room that stays on its room is taken on disk by another reservation in
    // the extension. Reads the day chains; takes no lock.
    bool CheckNieuweEindDatum(TDateTime nieuwEind, QStringList& meldingen) const;
};

}  // namespace brlib
