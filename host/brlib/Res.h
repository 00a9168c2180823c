#pragma once
// The reservation wrappers: a line as the board and the check-in forms hold
// it, with its check-in and persons, and per reservation what the board shows
// beside its lines.

#include <cstdint>
#include <vector>
#include <QStringList>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"
#include "host/brlib/HuidigTarief.h"
#include "store/WinRsvInCheck.h"
#include "store/WinRsvPersoon.h"
#include "store/WinRsvResRgl.h"
#include "store/WinRsvVoorReg.h"

namespace brlib {

// A guest of a checked-in room: one record of rsv_persoon.dat with its values.
struct stPersoon {
    int32_t recNr = 0;       // 0: not stored yet
    QStringList waarden;     // one per person-field label, in label order
    int32_t relatieNr = 0;
    int32_t relatieSleutel = 0;  // the relation card's record key

    // The record without its chain links and text-list number (the writer's).
    WIN_rsv_persoon GetRcd() const;
    // `labels` name the values. The name is the value of "Naam" (the first
    // value when no label is "Naam"), followed by ", " and "Voornaam" when that
    // is filled; the place is the value of "Woonplaats".
    QString GetNaam(const QStringList& labels) const;
    QString GetPlaats(const QStringList& labels) const;
};

// The check-in of one room line: one record of rsv_incheck.dat.
struct stInCheck {
    JaarNr sleutel;          // JaarNr(0, 0): not checked in
    int32_t wijzigTeller = 0;
    TDateTime inCheckTijd = 0;
    bool uitgecheckt = false;
    TDateTime uitCheckTijd = 0;
    JaarNr kassaRegistratie;          // the till registration; JaarNr(0, 0): none
    bool productenGeregistreerd = false;
    bool geannuleerd = false;
    std::vector<stPersoon> personen;  // filled only where a form asks for them

    // The record without its header, line and person links (the writer's).
    WIN_rsv_incheck GetRcd() const;
};

// A guest named for one room of a reservation before arrival: one record of rsv_voorreg.dat.
struct stVoorReg {
    int32_t recNr = 0;       // 0: not stored yet
    int32_t kamerNr = 0;     // the room it is for
    QStringList regels;      // the person's data lines; the first is the name
    int32_t relatieNr = 0;
    int32_t relatieSleutel = 0;

    // The record without its reservation, chain links and text-list number (the writer's).
    WIN_rsv_voorreg GetRcd() const;
};

// One reservation line. Stored lines come from rsv_resrgl.dat; lines composed
// on the board are `nieuw` until they are registered. The rate part (dates,
// matrix, price, amount, tariff texts) is what RsvBepaalHuidigTarief fills.
struct stRes : stResTarief {
    int32_t regelNr = 0;      // record in the year's rsv_resrgl.dat; 0 for a new line
    JaarNr resSleutel;        // the reservation (year of its begin date, header number)
    int32_t wijzigTeller = 0; // the line's change counter as read
    int32_t kamerNr = 0;
    int32_t verplaatstNaar = 0;  // > 0: the line continues on that room
    int soort = 0;            // 0 reservation, 1 option, 2 blockade
    int personen = 0;
    bool nieuw = false;       // composed on the board, not stored yet
    bool voorlopig = false;   // the new line being dragged or placed, not confirmed yet
    QString kamerType;        // room type text, where a form shows it
    int extra1 = 0;           // the "extra" column of a new line: extra1 "," extra2
    int extra2 = 0;
    stInCheck inCheck;        // sleutel JaarNr(0, 0) while not checked in

    // The record of the line: its reservation, dates with the day of the begin,
    // room, prices, tariff texts (at most 20 characters), change counter,
    // check-in number, kind, persons and moved-to room; no chain links.
    WIN_rsv_res_rgl GetRcd() const;
};

// What the board keeps per reservation of its lines.
struct stExtraRes {
    JaarNr resSleutel;
    QStringList regels;       // guest data lines, or the relation field values when there are none
    int32_t groepNr = 0;      // 0: no group
    int32_t wijzigTeller = 0; // the header's change counter as loaded
    std::vector<stVoorReg> voorRegs;
};

}  // namespace brlib
