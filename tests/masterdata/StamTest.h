#pragma once
// Shared by the master-data write path tests: a temporary administration, the
// recorded messages, a second workstation, a few builders and record walks.
// Every test ends with the integrity check of the administration.

#include <gtest/gtest.h>

#include "host/brlib/Inlezen.h"
#include "host/records/Locks.h"
#include "masterdata/KamerOpslag.h"
#include "masterdata/KamerTypeOpslag.h"
#include "masterdata/PeriodeOpslag.h"
#include "masterdata/TariefOpslag.h"
#include "masterdata/TariefSoortOpslag.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvTarief.h"
#include "store/WinRsvTariefPnt.h"
#include "tests/store/StoreTestHulp.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempAdmin.h"

class StamTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(Bevindingen(), QString()); }

    // Runs `f` as the other workstation on the same administration.
    template <class F>
    auto AlsTweede(F f)
    {
        brlib::WerkstationScope scope(tweede_);
        return f();
    }

    brlib::stTariefSoort MaakTariefSoort(const char* code, int dagen)
    {
        brlib::stTariefSoort soort;
        soort.code = QString::fromLatin1(code);
        soort.aantalDagen = dagen;
        EXPECT_TRUE(SchrijfTariefSoort(soort));
        return soort;
    }

    // Periods of `jaar`: "Standaard" from 1 January and "Zomer" from 1 July (record numbers 1 and 2).
    void MaakPeriodes(int jaar)
    {
        std::vector<brlib::stPeriode> lijst;
        LeesPeriodes(jaar, lijst);
        lijst.push_back({0, QStringLiteral("Zomer"), EncodeDate(jaar, 7, 1), 0});
        EXPECT_TRUE(SlaPeriodesOp(jaar, lijst));
    }

    brlib::stKamerType MaakKamerType(const char* code, std::vector<brlib::stTarief> tarieven, int jaar)
    {
        brlib::stKamerType type;
        type.code = QString::fromLatin1(code);
        type.tarieven = std::move(tarieven);
        EXPECT_TRUE(SchrijfKamerType(type, jaar));
        return type;
    }

    brlib::stKamer MaakKamer(int32_t kamerNr, const brlib::stKamerType& type)
    {
        brlib::stKamer kamer;
        kamer.kamerNr = kamerNr;
        kamer.kamerType = type;
        EXPECT_TRUE(SchrijfKamer(kamer));
        return kamer;
    }

    // The record numbers of a room type's rate chain, from its head.
    static std::vector<int32_t> TariefKetting(int jaar, int32_t kamerType)
    {
        RecordCache<WIN_rsv_tarief> tarief(Bestanden::Tarief, brlib::tfPerJaar, true, true);
        RecordCache<WIN_rsv_tariefpnt> kop(Bestanden::TariefPnt, brlib::tfPerJaar, true, true);
        std::vector<int32_t> nummers;
        WIN_rsv_tarief rcd{};
        for (int32_t nr = tarief.EersteRecord(jaar, rcd, kop, kamerType, 0); nr != 0 && nummers.size() < 100;
             nr = tarief.NextRecord(jaar, 0, rcd))
            nummers.push_back(nr);
        return nummers;
    }

    // The free list of the year's rate file, from its header record.
    static std::vector<int32_t> VrijeTarieven(int jaar)
    {
        RecordCache<WIN_rsv_tarief> tarief(Bestanden::Tarief, brlib::tfPerJaar, true, true);
        std::vector<int32_t> nummers;
        for (int32_t nr = tarief.Record(jaar, 1).volgende; nr != 0 && nummers.size() < 100;
             nr = tarief.Record(jaar, nr).volgende)
            nummers.push_back(nr);
        return nummers;
    }

    static std::vector<brlib::stTarief> Tarieven(int jaar, int32_t kamerType)
    {
        brlib::stKamerType type;
        type.recNr = kamerType;
        brlib::InlezenKamerTypeTarieven(jaar, type);
        return type.tarieven;
    }

    TempAdmin admin_;
    std::shared_ptr<brlib::Werkstation> tweede_ = admin_.Second();
    ScriptedMessages berichten_;
};
