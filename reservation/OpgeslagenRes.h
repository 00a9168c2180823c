#pragma once
// A stored reservation as the details form shows it: read without a lock,
// with its room lines (their room types filled), texts and pre-registrations,
// and the hand-over block that the form edits and the save writes from.

#include <vector>

#include "host/brlib/RsvReservering.h"
#include "reservation/ResGegevens.h"

struct OpgeslagenRes {
    brlib::RsvReservering res;
    std::vector<brlib::stVoorReg> voorRegs;
};

// Reads reservation `sleutel`; EBrRuntime when it does not exist or a chain is damaged.
OpgeslagenRes LeesOpgeslagenRes(JaarNr sleutel);

// The hand-over block of a stored reservation: its lists, relation, type,
// nationality, business/private, extras and the product lines stored with it
// (so that a save from this block keeps them).
ResGegevens GegevensVan(const brlib::RsvReservering& res);
