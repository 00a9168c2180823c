#pragma once
// Reading and storing till registrations in the administration. Stores are
// crash-safe write actions under the locks "rsv" and "reg" (KassaActie.h);
// a store refused or failed returns false and leaves its Dutch reason in
// LaatsteFout().

#include <optional>
#include <QString>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"
#include "host/tillra/Registratie.h"

namespace Tillra {

class RegistratieAccess {
public:
    enum Opties { LEES_REGELS = 1, LEES_BOEKINGEN = 2, ALL_OPTIONS = LEES_REGELS | LEES_BOEKINGEN };

    // The registration with what `opties` asks for; none for an unknown number
    // or damaged files.
    static std::optional<Registratie> Inlezen(const JaarNr& nummer, int opties);

    // Stores the status of `registratie` at `moment`. Unless `forceer`, refuses
    // when the registration changed on disk since it was read.
    static bool Opslaan(TDateTime moment, Registratie& registratie, bool forceer);

    // A new open registration for the check-in, in the year of `moment`;
    // JaarNr(0, 0) when it could not be stored.
    static JaarNr MaakIncheckReg(TDateTime moment, const JaarNr& inCheckNr);

    static const QString& LaatsteFout();
};

}  // namespace Tillra
