#pragma once
// The three daily lists of the reports form, built from the stored
// reservations (real reservations only, never options or blockades) without
// any widget: the cleaning list of a day, the meals of a span of days and the
// guests present on a day. A damaged file raises EBrRuntime.

#include <cstdint>
#include <unordered_map>
#include <vector>
#include <QString>

#include "host/base/TDateTime.h"
#include "host/brlib/RsvReservering.h"

namespace rapport {

// One room of the cleaning or meal list.
struct KamerRegel {
    int32_t kamerNr = 0;
    bool aankomst = false;
    bool blijft = false;
    bool vertrek = false;
    int ontbijt = 0;
    int lunch = 0;
    int diner = 0;
};

// The rooms of a cleaning or meal list while it is built, found by number
// (a hotel of thousands of rooms makes a search along the list too slow).
class KamerLijst {
public:
    KamerRegel& Kamer(int32_t kamerNr);
    // The rooms by number.
    std::vector<KamerRegel> Gesorteerd() &&;

private:
    std::vector<KamerRegel> regels_;
    std::unordered_map<int32_t, size_t> plek_;
};

struct GastRegel {
    int32_t kamerNr = 0;
    QString naam;
    QString plaats;
};

// Sorted by room number.
std::vector<KamerRegel> SchoonmaakLijst(TDateTime dag);
std::vector<KamerRegel> MaaltijdLijst(TDateTime van, TDateTime tot);
// Sorted by room number, then name.
std::vector<GastRegel> GastenLijst(TDateTime dag);

// What one reservation adds to a list; the lists above apply them to every
// reservation found and sort the result.
void VoegSchoonmaakToe(KamerLijst& lijst, const brlib::RsvReservering& res, TDateTime dag);
void VoegMaaltijdenToe(KamerLijst& lijst, const brlib::RsvReservering& res, TDateTime van,
                       TDateTime tot);
void VoegGastenToe(std::vector<GastRegel>& lijst, const brlib::RsvReservering& res, TDateTime dag);

}  // namespace rapport
