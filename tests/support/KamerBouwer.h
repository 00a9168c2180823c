#pragma once
// Rooms for tests that need a board to open: 101, 102, ... of one type "STD".
// Header-only, so that only the tests that link the module's master data use it.

#include <gtest/gtest.h>
#include <QString>

#include "host/base/HuidigeDatum.h"
#include "host/brlib/Kamer.h"
#include "masterdata/KamerOpslag.h"
#include "masterdata/KamerTypeOpslag.h"

inline void MaakKamers(int aantal, int jaar)
{
    brlib::stKamerType type;
    type.code = QStringLiteral("STD");
    ASSERT_TRUE(SchrijfKamerType(type, jaar));
    for (int i = 0; i < aantal; ++i) {
        brlib::stKamer kamer;
        kamer.kamerNr = 101 + i;
        kamer.omschr = QStringLiteral("Kamer %1").arg(101 + i);
        kamer.kamerType = type;
        ASSERT_TRUE(SchrijfKamer(kamer));
    }
}

// For a test program whose forms open on the shared test administration: an
// administration without rooms would close the board right after it shows.
class KamersInAdministratie : public testing::Environment {
public:
    void SetUp() override { MaakKamers(2, HuidigeDatum::Object().Jaar()); }
};
