#pragma once
// The rate matrix of a year: per rate type the year's periods and one amount
// per period, as the room type dialog edits it and the rate determination
// reads it. Every entry lists the same periods in the same order.

#include <vector>

#include "host/brlib/KamerType.h"
#include "host/brlib/Periode.h"
#include "host/brlib/TariefSoort.h"

namespace brlib {

struct stMatrixSoort {
    stTariefSoort soort;
    QString tekst;  // the rate type's code
    std::vector<stPeriode> periodes;
    std::vector<double> bedragen;  // one per period; 0 = no rate
};

struct stMatrix {
    int jaar = 0;
    std::vector<stMatrixSoort> soorten;

    // No entries, or not one amount: no rates to determine a price from.
    bool Leeg() const;
    int AantalPeriodes() const { return soorten.empty() ? 0 : static_cast<int>(soorten.front().periodes.size()); }
    // Data row `rij` of the matrix grid (rate type rij / periods, period rij % periods);
    // false for a row outside the matrix.
    bool ZetBedrag(int rij, double bedrag);
};

// One entry per rate type (record order) with all zero amounts; false when the
// year has no periods or there are no rate types.
bool MaakTariefMatrix(int jaar, stMatrix& matrix);
// Puts the amounts of a room type's rates in; rates of unknown rate types or
// periods are left out.
void VulTariefMatrix(stMatrix& matrix, const std::vector<stTarief>& tarieven);
// The matrix's non-zero amounts as a rate list, in matrix order: a rate type
// without an amount in a period has no rate there.
void MaakTariefLijst(const stMatrix& matrix, std::vector<stTarief>& tarieven);

}  // namespace brlib
