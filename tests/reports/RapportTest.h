#pragma once
// Shared by the report tests: a temporary administration and workstation and
// reservations put on disk with the readers' builder.

#include <gtest/gtest.h>

#include "host/base/TDateTime.h"
#include "tests/host/brlib/ResBouwer.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempAdmin.h"
#include "tests/support/TempWerkplek.h"

class RapportTest : public ::testing::Test {
protected:
    static TDateTime Dag(int jaar, int maand, int dag) { return EncodeDate(jaar, maand, dag); }

    // One room from `begin` for `nachten` nights; `soort` 0 reservation, 1 option, 2 blockade.
    static JaarNr Boek(TDateTime begin, int nachten, int32_t kamer, int personen = 2, int soort = 0,
                       std::array<uint8_t, 3> maaltijden = {1, 0, 0})
    {
        BouwRes res;
        res.begin = begin;
        res.eind = begin + nachten;
        res.soort = soort;
        std::copy(maaltijden.begin(), maaltijden.end(), res.extra.begin());
        BouwRegel regel;
        regel.kamer = kamer;
        regel.personen = personen;
        res.regels.push_back(regel);
        return ::Boek(res);
    }

    // Checks the reservation's only room in with the guests (name, place, birth date).
    static void CheckIn(JaarNr res, const std::vector<QStringList>& gasten, bool uitgecheckt = false)
    {
        BouwInCheck in;
        in.uitgecheckt = uitgecheckt;
        for (const QStringList& g : gasten)
            in.personen.push_back({g.value(0), QString(), QString(), QString(), g.value(1), QString(), QString(),
                                   QString(), g.value(2), QString()});
        ::CheckIn(res, RegelNummers(res).front(), in);
    }

    TempAdmin admin_;
    TempWerkplek werkplek_;
    ScriptedMessages berichten_;
};
