#pragma once
// Settled bills ("mutaties"): what a till booked on a registration, read by key.

#include <cstdint>
#include <optional>
#include <vector>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"
#include "host/tillra/BonRegel.h"

namespace Tillra {

enum AfrekenWijze { AFREKENEN_BETAALD = 0, AFREKENEN_OP_REKENING = 1 };

class SAKassaMutatie {
public:
    const std::vector<t_BonRegel>& getBonRegels() const { return regels_; }
    int32_t getMuNr() const { return sleutel_.nr; }
    int32_t getBoekJaar() const { return sleutel_.jaar; }
    JaarNr getRegistratie() const { return registratie_; }
    TDateTime getMoment() const { return moment_; }
    double getBedrag() const { return bedrag_; }
    int getWijze() const { return wijze_; }

private:
    friend class MutatieCursorRandom;

    JaarNr sleutel_;
    JaarNr registratie_;
    TDateTime moment_ = 0;
    double bedrag_ = 0;
    int wijze_ = AFREKENEN_BETAALD;
    std::vector<t_BonRegel> regels_;
};

// Reads the settled bills of one till. `nummer` is the till number of a
// booking (Boeking::nummer); a key that belongs to another till is not found.
class MutatieCursorRandom {
public:
    enum Opties { LEES_KOP = 1, LEES_REGELS = 2 };

    explicit MutatieCursorRandom(int32_t nummer) : kassaNr_(nummer) {}

    // The bill of `sleutel`, with its lines when an option asks for them; null
    // when there is none (or the files are damaged). Valid until the next At.
    const SAKassaMutatie* At(const JaarNr& sleutel, int opties1 = LEES_KOP, int opties2 = LEES_REGELS);

private:
    int32_t kassaNr_;
    std::optional<SAKassaMutatie> huidige_;
};

}  // namespace Tillra
