#pragma once
// Every module form class, for tests that hold for all of them.

#include <gtest/gtest.h>

#include "board/Rsvovresunit.h"
#include "checkin/Rsvincheckunit.h"
#include "masterdata/Rsvkamertypeunit.h"
#include "masterdata/Rsvkamerunit.h"
#include "masterdata/Rsvperiodeunit.h"
#include "masterdata/Rsvtariefsoortunit.h"
#include "reports/Rsvovmanagunit.h"
#include "reservation/Rsvinvresunit.h"
#include "reservation/Rsvzoekresunit.h"

using AlleFormulieren = testing::Types<TfrmRsvOvRes, TfrmRsvInvRes, TfrmRsvZoekRes, TfrmRsvInCheck,
                                       TfrmRsvKamer, TfrmRsvKamerType, TfrmRsvTariefSoort,
                                       TfrmRsvPeriode, TfrmRsvOvManag>;
