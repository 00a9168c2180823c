#pragma once
// Shared by the audit trail, housekeeping and arrivals tests: an administration
// with rooms 101-103, reservations booked through the board's own write path,
// and the trail as it is on disk. Every test ends with both integrity checks.

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "board/Registratie.h"
#include "checkin/InCheckLijst.h"
#include "checkin/InCheckOpslag.h"
#include "host/base/HuidigeDatum.h"
#include "logboek/LogboekBestand.h"
#include "tests/host/tillra/TillraTestHulp.h"
#include "tests/support/KamerBouwer.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempAdmin.h"

inline const QString kTitel = QStringLiteral("Reserveringen");

class LogboekTest : public ::testing::Test {
protected:
    void SetUp() override { MaakKamers(3, 2026); }
    void TearDown() override { EXPECT_EQ(Bevindingen(), ""); }

    static JaarNr Boek(int32_t kamer, TDateTime begin, int nachten, const char* gast = "Jansen")
    {
        brlib::stRes regel;
        regel.kamerNr = kamer;
        regel.begin = begin;
        regel.eind = begin + nachten;
        regel.bedrag = 80.0 * nachten;
        regel.prijs = 80;
        regel.personen = 2;
        regel.nieuw = true;
        ResGegevens gegevens;
        gegevens.gastRegels = {QString::fromUtf8(gast), QStringLiteral("Dorpsstraat 1")};
        const bord::RegistratieResultaat r = bord::Registreer({regel}, gegevens, false, kTitel);
        return r.opgeslagen ? r.reserveringen.at(0) : JaarNr();
    }

    static std::vector<logboek::LogRegel> Logboek() { return logboek::LeesLogboek(2026); }

    // The changed values of a record by field: {before, after}.
    static std::map<QString, std::pair<QString, QString>> Waarden(const logboek::LogRegel& regel)
    {
        std::map<QString, std::pair<QString, QString>> uit;
        for (const logboek::Wijziging& w : regel.wijzigingen)
            uit[w.veld] = {w.voor, w.na};
        return uit;
    }

    static incheck::InCheckLijst Lijst(const JaarNr& res)
    {
        incheck::InCheckLijst lijst(QStringLiteral("In- en uitchecken"), nullptr);
        EXPECT_TRUE(lijst.LeesReservering(res));
        return lijst;
    }

    static void CheckIn(incheck::InCheckLijst& lijst, const char* naam)
    {
        brlib::stPersoon p;
        p.waarden = {QString::fromUtf8(naam), QStringLiteral("Piet")};
        ASSERT_EQ(incheck::InCheckOpslaan(lijst.Reservering(), {0, {p}, false}), incheck::InCheckUitkomst::Opgeslagen);
    }

    TempAdmin admin_;
    const TDateTime vandaag_ = EncodeDate(2026, 3, 10);
    HuidigeDatumVast vast_{vandaag_};
    ScriptedMessages berichten_;
};
