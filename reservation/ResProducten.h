#pragma once
// The products of a stored reservation as the details form shows them, and
// the order that brings the till's open bill in line with the user's edits.
// No widgets: the form shows and edits what these return.
//
// Until a check-in registers them at the till, the products are the lines
// stored with the reservation. After that the till holds them: what it settled
// (read-only) and its open bill for the registration (editable); the stored
// lines are only the form's last copy.

#include <vector>
#include <QString>

#include "host/base/JaarNr.h"
#include "host/brlib/RsvReservering.h"
#include "host/tillra/BonRegel.h"

struct ProductenStand {
    std::vector<Tillra::t_BonRegel> regels;
    int alleenLezen = 0;     // the leading lines the user may not change
    JaarNr registratie;      // the till registration; JaarNr(0, 0): the products are stored only
    bool uitgecheckt = false;
    QString kassaFout;       // why the open bill is missing: the till could not be asked

    bool BijKassa() const { return !registratie.IsLeeg(); }
};

// The product lines stored with the reservation.
std::vector<Tillra::t_BonRegel> ProductenInlezen(const brlib::RsvReservering& res);

// The lines to show. Registered: per settled bill a heading "MUTATIE jj/nnnnnn"
// and its lines (read-only), then the open bill, after a heading "NOG AF TE
// REKENEN" when there were settled lines. Needs the check-ins read.
ProductenStand LeesProducten(const brlib::RsvReservering& res);

// The text of the strip over a registered page.
QString KassaInfo(const ProductenStand& stand);

// The order that turns `bon` (the open bill) into `bewerkbaar` (the user's
// lines): per bill line the difference to the quantities of the lines that the
// till books as that line (each line counts once), then the lines that match
// none. Quantities compare at 3 decimals.
std::vector<Tillra::t_BonRegel> BestelVerschil(const std::vector<Tillra::t_BonRegel>& bon,
                                               const std::vector<Tillra::t_BonRegel>& bewerkbaar);

// Reads the open bill of `registratie` and orders the difference. False, with
// the till's reason in `fout`, when the till could not be reached or refused.
bool BestelVerschillen(const JaarNr& registratie, const std::vector<Tillra::t_BonRegel>& bewerkbaar, QString& fout);
