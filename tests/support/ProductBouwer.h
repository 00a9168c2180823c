#pragma once
// Stores product lines with a stored reservation (products flag 1), as the
// details form's products page leaves them, in one locked action.
// Header-only, so that only the tests that link the module's writer use it.

#include <gtest/gtest.h>
#include <vector>

#include "host/records/Locks.h"
#include "host/tillra/BonRegelOpslag.h"
#include "reservation/ReserveringSchrijver.h"
#include "store/WinRsvResHfd.h"

inline void BoekProducten(const JaarNr& res, const std::vector<Tillra::t_BonRegel>& regels)
{
    brlib::RsvActie actie;
    ASSERT_TRUE(actie.Locked());
    ReserveringSchrijver schrijver;
    schrijver.WijzigKop(res, [&](WIN_rsv_res_hfd& kop) {
        int32_t eerste = kop.eersteProduct;
        int32_t laatste = kop.laatsteProduct;
        auto bestanden = Tillra::BonRegelBestanden::Reservering(false);
        Tillra::OpslaanBonRegels(regels, res.jaar, res.nr, eerste, laatste, bestanden);
        kop.eersteProduct = eerste;
        kop.laatsteProduct = laatste;
        kop.productStatus = 1;
    });
    actie.Commit();
}
