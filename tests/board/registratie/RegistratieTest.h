#pragma once
// Shared by the registration tests: a temporary administration with a second
// workstation, new lines as the board composes them, and the records on disk.
// Every test ends with the integrity check of the administration.

#include <gtest/gtest.h>

#include <vector>

#include "board/Registratie.h"
#include "host/base/HuidigeDatum.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvGroepHfd.h"
#include "store/WinRsvGroepSub.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvResRgl.h"
#include "tests/store/StoreTestHulp.h"
#include "tests/support/RecordBestanden.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempAdmin.h"

inline const QString kTitel = QStringLiteral("Reserveringsoverzicht");

class RegistratieTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(Bevindingen(), QString()); }

    static brlib::stRes Regel(int32_t kamer, TDateTime begin, TDateTime eind, double bedrag = 0)
    {
        brlib::stRes regel;
        regel.kamerNr = kamer;
        regel.begin = begin;
        regel.eind = eind;
        regel.bedrag = bedrag;
        regel.prijs = eind > begin ? bedrag / (eind - begin) : 0;
        regel.personen = 2;
        regel.nieuw = true;
        return regel;
    }

    static ResGegevens Gast(const char* naam)
    {
        ResGegevens gegevens;
        gegevens.gastRegels = {QString::fromUtf8(naam), QStringLiteral("Dorpsstraat 1")};
        return gegevens;
    }

    static bord::RegistratieResultaat Boek(const std::vector<brlib::stRes>& regels, bool meerdere = false,
                                           const ResGegevens& gegevens = Gast("Jansen"))
    {
        return bord::Registreer(regels, gegevens, meerdere, kTitel);
    }

    // Books as the other workstation on the same administration.
    bord::RegistratieResultaat BoekAlsTweede(const std::vector<brlib::stRes>& regels)
    {
        brlib::WerkstationScope scope(tweede_);
        return Boek(regels);
    }

    static WIN_rsv_res_hfd Kop(const JaarNr& sleutel)
    {
        RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, brlib::tfPerJaar, true, true);
        return hfd.Record(sleutel);
    }

    // The lines of a reservation, along its chain.
    static std::vector<WIN_rsv_res_rgl> RegelsVan(const JaarNr& sleutel)
    {
        RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, brlib::tfPerJaar, true, true);
        RecordCache<WIN_rsv_res_rgl> rgl(Bestanden::ResRgl, brlib::tfPerJaar, true, true);
        std::vector<WIN_rsv_res_rgl> regels;
        WIN_rsv_res_rgl rcd{};
        for (int32_t nr = rgl.EersteRecord(sleutel.jaar, rcd, hfd, sleutel.nr, 0); nr != 0 && regels.size() < 100;
             nr = rgl.NextRecord(sleutel.jaar, 0, rcd))
            regels.push_back(rcd);
        return regels;
    }

    // The chain under a day pointer: header numbers (daghfd) or line records (dagrgl).
    template <class Lid, class Pnt>
    static std::vector<int32_t> Dagketting(const char* lidBestand, const char* pntBestand, int keten, TDateTime dag)
    {
        RecordCache<Lid> leden(lidBestand, brlib::tfPerJaar, true, true);
        RecordCache<Pnt> pnt(pntBestand, brlib::tfPerJaar, true, true);
        std::vector<int32_t> nummers;
        const int32_t jaar = Jaar(dag);
        if (DagNr(dag) > pnt.RecordCount(jaar))
            return nummers;
        Lid rcd{};
        for (int32_t nr = leden.EersteRecord(jaar, rcd, pnt, DagNr(dag), 0); nr != 0 && nummers.size() < 100;
             nr = leden.NextRecord(jaar, keten, rcd))
            nummers.push_back(nr);
        return nummers;
    }

    static int32_t AantalKoppen(int32_t jaar)
    {
        RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, brlib::tfPerJaar, true, true);
        return hfd.RecordCount(jaar);
    }

    TempAdmin admin_;
    std::shared_ptr<brlib::Werkstation> tweede_ = admin_.Second();
    ScriptedMessages berichten_;
    HuidigeDatumVast vandaag_{EncodeDate(2026, 2, 20)};
    const TDateTime maandag_ = EncodeDate(2026, 3, 2);
};
