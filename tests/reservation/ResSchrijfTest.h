#pragma once
// Shared by the tests of the details form's write paths and of the form on
// stored reservations: a temporary administration with a second workstation,
// reservations put on disk by the readers' builder, and the integrity check
// at the end of every test.

#include <gtest/gtest.h>

#include "host/base/HuidigeDatum.h"
#include "host/brlib/ReserveringCursor.h"
#include "tests/host/brlib/ResBouwer.h"
#include "tests/store/StoreTestHulp.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempAdmin.h"

class ResSchrijfTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(Bevindingen(), QString()); }

    // Jansen in two rooms from `kamer` on, from Monday 2 March 2026 for `nachten` nights.
    static JaarNr BoekJansen(int nachten = 3, int32_t groep = 0, int32_t kamer = 101)
    {
        BouwRes res;
        res.begin = kMaandag;
        res.eind = kMaandag + nachten;
        res.gast = {QStringLiteral("Jansen"), QStringLiteral("Piet")};
        res.extraTekst = {QStringLiteral("Late aankomst")};
        res.totaal = 200 * nachten;
        res.groepNr = groep;
        for (int32_t k : {kamer, kamer + 1})
            res.regels.push_back({k, 0, 0, 100, 100.0 * nachten, QStringLiteral("STD"), 2, 0});
        return Boek(res);
    }

    static brlib::RsvReservering Lees(JaarNr sleutel)
    {
        brlib::RsvReserveringCursorRandom cursor;
        return cursor.At(sleutel);
    }

    static constexpr TDateTime kMaandag = 46083;  // Monday 2 March 2026
    TempAdmin admin_;
    HuidigeDatumVast vandaag_{EncodeDate(2026, 2, 20)};
    ScriptedMessages berichten_;
};
