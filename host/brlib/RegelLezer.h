#pragma once
// Reads the room lines of a reservation along its chain, each with its
// check-in and that check-in's persons when asked. Used by the reservation
// cursor and by ReserveringAccess; keeps its caches for its own lifetime.

#include <cstdint>
#include <memory>
#include <vector>

#include "host/base/JaarNr.h"
#include "host/brlib/Res.h"

namespace brlib {

class RegelLezer {
public:
    RegelLezer();
    ~RegelLezer();
    RegelLezer(const RegelLezer&) = delete;
    RegelLezer& operator=(const RegelLezer&) = delete;

    // The lines of reservation `res` from `eerste` on, checked against the
    // header's last line. With `inChecks` each checked-in line gets its
    // check-in record, with `personen` also its persons. A broken chain
    // raises EBrRuntime.
    std::vector<stRes> Regels(JaarNr res, int32_t eerste, int32_t laatste, bool inChecks, bool personen);

    // Line `nr` of the year; false when there is no such line.
    bool Regel(int jaar, int32_t nr, stRes& regel);
    // Check-in `sleutel`, and the number of the line it was made for; false
    // when the year has no such record.
    bool InCheck(JaarNr sleutel, bool personen, stInCheck& inCheck, int32_t* regelNr = nullptr);

private:
    void LeesInCheck(stRes& regel, bool personen);
    std::vector<stPersoon> Personen(int32_t eerste);

    struct Caches;
    std::unique_ptr<Caches> c_;
};

}  // namespace brlib
