#pragma once
// The price of a reservation line from its room type's rate matrix.
//
// Pricing rule (deterministic; the nights are begin .. end - 1):
// 1. Each night falls in the matrix period whose begin date is the last one on
//    or before it; nights after 31 December stay in the year's last period.
// 2. From the first unpriced night on: the rate type counted per N days with
//    the largest N (N >= 2) that fits in the nights still left and has an
//    amount in that night's period prices the next N nights as one block, at
//    that amount (the block's first night chooses the period).
// 3. Otherwise the single night costs the amount, in its period, of the first
//    weekday rate type that flags its day of the week and has an amount there;
//    failing that, of the first rate type counted per 1 day with an amount.
// 4. "First" is list order (the standard rate type comes first); among block
//    rate types of equal N, the first wins too. An amount of 0 is no rate.
// The line's amount is the sum, its price the amount per night; both are
// rounded to cents. The tariff code is the code of the rate type that priced
// the most nights (the earliest on a tie), the second tariff text the
// description of the first night's period.

#include <QString>

#include "host/base/TDateTime.h"
#include "host/brlib/TariefMatrix.h"

namespace brlib {

// The rate part of a reservation line: what the line's room type and dates
// give, and what the rate determination fills in.
struct stResTarief {
    TDateTime begin = 0;  // arrival
    TDateTime eind = 0;   // departure
    stMatrix matrix;      // built for the year of `begin` and filled for the room type
    double prijs = 0;
    double bedrag = 0;
    QString tariefCode;
    QString tariefTekst2;
};

// Fills price, amount and both tariff texts. False when the line has no nights,
// the matrix holds no rates, or some night has no rate (it then counts 0).
bool RsvBepaalHuidigTarief(stResTarief& regel);

}  // namespace brlib
