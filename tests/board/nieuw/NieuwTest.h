#pragma once
// A small hotel for the new-reservation mode: rooms 101 (2 persons) and 102
// (3 persons) of type "2P" at 80 a night in 2027, room 103 (1 person) of a
// type without rates, and the board in the mode on the week of Monday 1 March.
// Mouse helpers play the user's clicks and drags on the board.

#include <gtest/gtest.h>

#include "board/NieuweReservering.h"
#include "host/base/HuidigeDatum.h"
#include "host/brlib/Inlezen.h"
#include "masterdata/KamerOpslag.h"
#include "masterdata/KamerTypeOpslag.h"
#include "masterdata/PeriodeOpslag.h"
#include "masterdata/TariefSoortOpslag.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempAdmin.h"

class NieuwTest : public ::testing::Test {
protected:
    static constexpr int kJaar = 2027;
    static constexpr int r101 = 0, r102 = 1, r103 = 2;  // board rows
    const TDateTime ma = EncodeDate(kJaar, 3, 1);       // a Monday

    NieuwTest()
    {
        const brlib::stKamerType tweePers = KamerType("2P", 80);
        const brlib::stKamerType kaal = KamerType("Kaal", 0);
        Kamer(101, tweePers, 2);
        Kamer(102, tweePers, 3);
        Kamer(103, kaal, 1);
        brlib::InlezenKamers(bord_.kamers);
        bord_.startDatum = ma;
        model_.Open({});
    }

    // A stored line of another reservation.
    void Bezet(int32_t kamerNr, TDateTime begin, TDateTime eind)
    {
        brlib::stRes regel;
        regel.resSleutel = JaarNr(kJaar, static_cast<int32_t>(bord_.items.size()) + 1);
        regel.kamerNr = kamerNr;
        regel.begin = begin;
        regel.eind = eind;
        bord_.items.insert(bord_.items.begin() + static_cast<long>(model_.EersteNieuwe()), regel);
    }

    static bord::BordPlek KamerCel(int rij) { return {bord::PlekSoort::Kamer, rij, 0}; }
    static bord::BordPlek Kop(TDateTime datum) { return {bord::PlekSoort::DagKop, -1, datum}; }
    static bord::BordPlek Dag(int rij, TDateTime datum) { return {bord::PlekSoort::Dag, rij, datum}; }

    void Klik(const bord::BordPlek& plek)
    {
        model_.MuisBeweeg(plek);
        model_.MuisNeer(plek);
        model_.MuisOp();
    }

    void KopRoute(int rij, TDateTime begin, TDateTime eind)
    {
        Klik(KamerCel(rij));
        Klik(Kop(begin));
        Klik(Kop(eind));
    }

    // Presses on `van` and moves day by day to `tot` along the row.
    void Sleep(int rij, TDateTime van, TDateTime tot)
    {
        model_.MuisNeer(Dag(rij, van));
        const int stap = tot >= van ? 1 : -1;
        for (TDateTime d = van + stap; d != tot + stap; d += stap)
            model_.MuisBeweeg(Dag(rij, d));
        model_.MuisOp();
    }

    const brlib::stRes& Nieuw(int i) const { return bord_.items[model_.EersteNieuwe() + static_cast<size_t>(i)]; }
    size_t AantalNieuw() const { return bord_.items.size() - model_.EersteNieuwe(); }

    TempAdmin admin_;
    HuidigeDatumVast vandaag_{EncodeDate(kJaar, 2, 15)};
    ScriptedMessages berichten_;
    bord::BordToestand bord_;
    bord::NieuweReservering model_{bord_, QStringLiteral("Reserveringen")};

private:
    brlib::stKamerType KamerType(const char* code, double perNacht)
    {
        std::vector<brlib::stTariefSoort> soorten;
        LeesTariefSoorten(soorten);
        std::vector<brlib::stPeriode> periodes;
        LeesPeriodes(kJaar, periodes);
        EXPECT_TRUE(SlaPeriodesOp(kJaar, periodes));
        brlib::stKamerType type;
        type.code = QString::fromLatin1(code);
        if (perNacht > 0)
            type.tarieven.push_back({soorten.front().recNr, periodes.front().recNr, perNacht});
        EXPECT_TRUE(SchrijfKamerType(type, kJaar));
        return type;
    }

    void Kamer(int32_t kamerNr, const brlib::stKamerType& type, int32_t maxPersonen)
    {
        brlib::stKamer kamer;
        kamer.kamerNr = kamerNr;
        kamer.kamerType = type;
        kamer.maxPersonen = maxPersonen;
        EXPECT_TRUE(SchrijfKamer(kamer));
    }
};
