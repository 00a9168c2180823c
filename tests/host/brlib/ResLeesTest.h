#pragma once
// Shared by the reservation reader tests: a temporary administration that must
// pass the integrity check at the end, unless a test damaged it on purpose.

#include <gtest/gtest.h>

#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "tests/host/brlib/ResBouwer.h"
#include "tests/store/StoreTestHulp.h"
#include "tests/support/TempAdmin.h"

class ResLeesTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (!beschadigd_) {
            EXPECT_EQ(Bevindingen().toStdString(), "");
        }
    }

    // A reservation of `nachten` nights from `begin` on the given rooms.
    static BouwRes Res(TDateTime begin, int nachten, std::initializer_list<int32_t> kamers)
    {
        BouwRes res;
        res.begin = begin;
        res.eind = begin + nachten;
        for (int32_t kamer : kamers) {
            BouwRegel regel;
            regel.kamer = kamer;
            res.regels.push_back(regel);
        }
        return res;
    }

    TempAdmin admin_;
    bool beschadigd_ = false;
};

// Runs `f` as the single writer of a throw-away action, for tests that damage files.
template <class F>
void Beschadig(F f)
{
    brlib::RsvActie actie;
    f();
    actie.Commit();
}
