#pragma once
// Shared by the check-in tests: an administration with till articles, a
// reservation booked through the board's own write path, its booked products,
// rooms checked in through the check-in store, and the till's side of a
// registration. Every test ends with both integrity checks clean.

#include <gtest/gtest.h>

#include <vector>

#include "board/Registratie.h"
#include "checkin/InCheckLijst.h"
#include "checkin/InCheckOpslag.h"
#include "host/base/HuidigeDatum.h"
#include "host/records/Locks.h"
#include "host/tillra/BonRegelOpslag.h"
#include "host/tillra/KassaBon.h"
#include "host/tillra/ProductLijst.h"
#include "reservation/ReserveringSchrijver.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvInCheck.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvResRgl.h"
#include "tests/host/tillra/TillraTestHulp.h"
#include "tests/support/ProductBouwer.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempAdmin.h"

inline const QString kLijstTitel = QStringLiteral("In- en uitchecken");

class InCheckTest : public ::testing::Test {
protected:
    void SetUp() override { VoegArtikelenToe(); }
    void TearDown() override { EXPECT_EQ(Bevindingen(), ""); }

    // One reservation holding a line per room, three nights from `begin` (0: today).
    JaarNr Boek(const std::vector<int32_t>& kamers, TDateTime begin = 0)
    {
        if (begin == 0)
            begin = vandaag_;
        std::vector<brlib::stRes> regels;
        for (int32_t kamer : kamers) {
            brlib::stRes regel;
            regel.kamerNr = kamer;
            regel.begin = begin;
            regel.eind = begin + 3;
            regel.bedrag = 240;
            regel.prijs = 80;
            regel.personen = 2;
            regel.nieuw = true;
            regels.push_back(regel);
        }
        ResGegevens gegevens;
        gegevens.gastRegels = {QStringLiteral("Jansen"), QStringLiteral("Dorpsstraat 1")};
        const bord::RegistratieResultaat r = bord::Registreer(regels, gegevens, false, kLijstTitel);
        EXPECT_TRUE(r.opgeslagen);
        return r.reserveringen.empty() ? JaarNr() : r.reserveringen[0];
    }

    // Two breakfasts booked with the reservation (products flag 1).
    static void BoekProducten(const JaarNr& res)
    {
        Tillra::ArtikelSource artikelen;
        std::vector<Tillra::t_BonRegel> regels;
        Tillra::VoegProductToe(regels, 0, artikelen, kOntbijt, EncodeDate(2026, 3, 10));
        regels[0].aantal = 2;
        ::BoekProducten(res, regels);
    }

    // The list as the form holds it, read afresh.
    static incheck::InCheckLijst Lijst(const JaarNr& res)
    {
        incheck::InCheckLijst lijst(kLijstTitel, nullptr);
        EXPECT_TRUE(lijst.LeesReservering(res));
        return lijst;
    }

    static brlib::stPersoon Persoon(const char* naam)
    {
        brlib::stPersoon p;
        p.waarden = {QString::fromUtf8(naam), QStringLiteral("Piet")};
        return p;
    }

    // Checks room `kamer` in as the room dialog does on OK, then lets the list store the status.
    static void CheckIn(incheck::InCheckLijst& lijst, int kamer, std::vector<brlib::stPersoon> personen = {},
                        bool producten = false)
    {
        if (personen.empty())
            personen = {Persoon("Jansen")};
        ASSERT_EQ(incheck::InCheckOpslaan(lijst.Reservering(), {kamer, personen, producten}),
                  incheck::InCheckUitkomst::Opgeslagen);
        lijst.NaInChecken(1);
    }

    // Checks a room in while the till is busy: no registration is made.
    void CheckInZonderRegistratie(incheck::InCheckLijst& lijst, int kamer)
    {
        auto kassa = admin_.Second();
        {
            brlib::WerkstationScope scope(kassa);
            ASSERT_TRUE(brlib::MultiLockFile({QStringLiteral("reg")}));
        }
        CheckIn(lijst, kamer);
        brlib::WerkstationScope scope(kassa);
        brlib::MultiUnlockFile({QStringLiteral("reg")});
    }

    static void Bestel(const JaarNr& registratie, double aantal = 1)
    {
        Tillra::ArtikelSource artikelen;
        std::vector<Tillra::t_BonRegel> regels;
        Tillra::VoegProductToe(regels, 0, artikelen, kWijn, EncodeDate(2026, 3, 10));
        regels[0].aantal = aantal;
        QString fout;
        ASSERT_TRUE(Tillra::Bestellen(registratie, regels, fout)) << fout.toStdString();
    }

    static void Afrekenen(const JaarNr& registratie, Tillra::AfrekenWijze wijze)
    {
        double bedrag = 0;
        QString fout;
        ASSERT_TRUE(Tillra::Afrekenen(registratie, 1, wijze, EncodeDate(2026, 3, 11), bedrag, fout))
            << fout.toStdString();
    }

    static WIN_rsv_res_hfd Kop(const JaarNr& res)
    {
        return RecordCache<WIN_rsv_res_hfd>(Bestanden::ResHfd, brlib::tfPerJaar, true, true).Record(res);
    }
    static WIN_rsv_incheck InCheckRecord(const JaarNr& sleutel)
    {
        return RecordCache<WIN_rsv_incheck>(Bestanden::InCheck, brlib::tfPerJaar, true, true).Record(sleutel);
    }
    static WIN_rsv_res_rgl Regel(int32_t jaar, int32_t nr)
    {
        return RecordCache<WIN_rsv_res_rgl>(Bestanden::ResRgl, brlib::tfPerJaar, true, true).Record(jaar, nr);
    }

    TempAdmin admin_;
    const TDateTime vandaag_ = EncodeDate(2026, 3, 10);
    HuidigeDatumVast vast_{vandaag_};
};
