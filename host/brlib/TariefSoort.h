#pragma once
// A rate type (tariefsoort): how a rate is counted, per a number of days or on
// flagged days of the week. One record of rsv_tariefsoort.dat.

#include <array>
#include <cstdint>
#include <QString>

#include "host/base/TDateTime.h"
#include "store/WinRsvTariefSoort.h"

namespace brlib {

struct stTariefSoort {
    int32_t recNr = 0;   // 0: not stored yet
    int32_t stempel = 0; // change stamp as last read or written
    QString code;
    QString omschr;
    std::array<bool, 7> weekDagen{};  // Sunday first
    int32_t aantalDagen = 0;          // > 0: per that many days; 0: on the flagged weekdays

    // "Standaard" / "Basis tarief per dag", per 1 day.
    static stTariefSoort Standaard();
    static stTariefSoort UitRecord(int32_t nr, const WIN_rsv_tariefsoort& rcd);

    // The record to store, with a new change stamp.
    WIN_rsv_tariefsoort GetRcd() const;
    // The kind for lists: "Per dag", "Per 7 dagen", "Op vr, za".
    QString GetSoortOmschr() const;
    // Counted on weekdays rather than per number of days.
    bool IsWeekDag() const { return aantalDagen < 1; }
    // The weekday of `datum` is flagged.
    bool GeldtOp(TDateTime datum) const;
};

}  // namespace brlib
