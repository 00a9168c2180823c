#pragma once
// Shared by the overview tests: a temporary administration and workstation,
// today fixed at Tuesday 10 March 2026, recorded messages, and reservations
// put on disk with the readers' builder.

#include <gtest/gtest.h>
#include <QStringList>

#include "host/base/HuidigeDatum.h"
#include "tests/host/brlib/ResBouwer.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempAdmin.h"
#include "tests/support/TempWerkplek.h"

class ZoekTest : public ::testing::Test {
protected:
    static TDateTime Dag(int jaar, int maand, int dag) { return EncodeDate(jaar, maand, dag); }

    // A reservation from `begin` to `eind` on `kamers`, with the guest data lines.
    static JaarNr Boek(TDateTime begin, TDateTime eind, std::vector<int32_t> kamers, QStringList gast,
                       int status = 0)
    {
        BouwRes res;
        res.begin = begin;
        res.eind = eind;
        res.status = status;
        res.gast = std::move(gast);
        if (status != 99)
            for (int32_t kamer : kamers) {
                BouwRegel regel;
                regel.kamer = kamer;
                res.regels.push_back(regel);
            }
        return ::Boek(res);
    }

    TempAdmin admin_;
    TempWerkplek werkplek_;
    HuidigeDatumVast vandaag_{EncodeDate(2026, 3, 10)};
    ScriptedMessages berichten_;
};
