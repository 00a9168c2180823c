#pragma once
// Key of a record in a per-year file: the year and the record number.
// It is also the reservation number that users see. JaarNr(0, 0) is "none".

// moc's preprocessor cannot parse the standard library's concepts.
#ifndef Q_MOC_RUN
#include <compare>
#endif
#include <cstdint>
#include <QString>

struct JaarNr {
    int32_t jaar = 0;
    int32_t nr = 0;

    constexpr JaarNr() = default;
    constexpr JaarNr(int32_t j, int32_t n) : jaar(j), nr(n) {}

    constexpr bool IsLeeg() const { return jaar == 0 && nr == 0; }
    friend constexpr auto operator<=>(const JaarNr&, const JaarNr&) = default;

    // Display form: the last `jaarCijfers` digits of the year, "/", the number
    // zero-padded to `nrCijfers` digits. String(2, 5) gives "26/00042".
    QString String(int jaarCijfers, int nrCijfers) const;
};
