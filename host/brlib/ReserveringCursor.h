#pragma once
// Reads stored reservations by key, one at a time, without a lock. A cursor
// keeps its caches for its lifetime: make a new one to see later changes.

#include <cstdint>
#include <memory>

#include "host/base/JaarNr.h"
#include "host/brlib/RsvReservering.h"

struct WIN_rsv_res_hfd;

namespace brlib {

// What At reads besides the header's fields.
enum RsvLeesOptie : unsigned {
    roRegels = 0x01,    // the room lines, each with its check-in key
    roInChecks = 0x02,  // and each line's check-in (implies the lines)
    roPersonen = 0x04,  // and each check-in's persons (implies the check-ins)
    roTeksten = 0x08,   // guest data, extra text, relation labels and values
    roAlles = 0x0F,
};

class RsvReserveringCursorRandom {
public:
    RsvReserveringCursorRandom();
    ~RsvReserveringCursorRandom();
    RsvReserveringCursorRandom(const RsvReserveringCursorRandom&) = delete;
    RsvReserveringCursorRandom& operator=(const RsvReserveringCursorRandom&) = delete;

    // Reservation `nr` of `jaar`, valid until the next At. A number outside
    // 1 .. GetReserveringCount(jaar) or a damaged chain raises EBrRuntime.
    const RsvReservering& At(int jaar, int32_t nr, unsigned opties = roAlles);
    const RsvReservering& At(JaarNr sleutel, unsigned opties = roAlles) { return At(sleutel.jaar, sleutel.nr, opties); }
    // The reservation the last At read.
    const RsvReservering& Reservering() const { return res_; }

private:
    void LeesTeksten(int jaar, const WIN_rsv_res_hfd& hfd);

    struct Caches;
    std::unique_ptr<Caches> c_;
    RsvReservering res_;
};

}  // namespace brlib
