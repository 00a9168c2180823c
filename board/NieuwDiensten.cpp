#include "board/NieuwDiensten.h"

#include "board/Registratie.h"
#include "reservation/Rsvresgegunit.h"

namespace bord {

NieuwDiensten BordDiensten(BordToestand& bord, const BordKoppeling& koppeling)
{
    NieuwDiensten diensten;
    diensten.gegevens = [koppeling](ResGegevens& gegevens, double totaal) {
        return VraagResGegevens(koppeling.form, koppeling.standAlone, gegevens, totaal);
    };
    diensten.registreer = [&bord, koppeling](const std::vector<brlib::stRes>& regels, const ResGegevens& gegevens,
                                             bool meerdere) {
        const RegistratieResultaat resultaat = Registreer(regels, gegevens, meerdere, koppeling.form->windowTitle());
        if (resultaat.opgeslagen)
            bord.updateCount = resultaat.updateCount;
        return resultaat.gedaan;
    };
    diensten.bordGewijzigd = koppeling.gewijzigd;
    diensten.verlaat = koppeling.verlaat;
    return diensten;
}

}  // namespace bord
