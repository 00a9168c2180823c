#pragma once
// Shared by the reservation document tests: an administration with till
// articles, a private workstation, recorded messages, and a reservation of
// rooms 12 and 14 with booked products.

#include <gtest/gtest.h>

#include "host/tillra/ProductLijst.h"
#include "reports/DBReservering.h"
#include "tests/host/brlib/ResBouwer.h"
#include "tests/host/tillra/TillraTestHulp.h"
#include "tests/support/ProductBouwer.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempAdmin.h"
#include "tests/support/TempWerkplek.h"

class DocumentTest : public ::testing::Test {
protected:
    inline static const TDateTime kBegin = EncodeDate(2026, 3, 10);

    void SetUp() override { VoegArtikelenToe(); }
    void TearDown() override { EXPECT_EQ(Bevindingen(), ""); }

    // Room 12 for two at 1234.50 a night and room 14 without persons, three nights.
    static BouwRes TweeKamers()
    {
        BouwRes res;
        res.begin = kBegin;
        res.eind = kBegin + 3;
        res.regDatum = kBegin - 20 + 0.5;
        res.totaal = 3943.50;
        res.gast = {QStringLiteral("Jansen"), QStringLiteral("Dorpsstraat 1")};
        res.extraTekst = {QStringLiteral("Late aankomst"), QStringLiteral("Rustige kamer")};
        res.regels = {BouwRegel{12, 0, 0, 1234.50, 3703.50, QStringLiteral("STD"), 2},
                      BouwRegel{14, 0, 0, 80.00, 240.00, QStringLiteral("WKND"), 0}};
        return res;
    }

    // `aantal` of an article, priced at the reservation's begin.
    static Tillra::t_BonRegel Product(int32_t artikelNr, double aantal)
    {
        Tillra::ArtikelSource artikelen;
        std::vector<Tillra::t_BonRegel> regels;
        Tillra::VoegProductToe(regels, 0, artikelen, artikelNr, kBegin);
        regels[0].aantal = aantal;
        return regels[0];
    }

    static QString Tekst(Printing::DataBron& bron, const QString& code)
    {
        QString tekst;
        EXPECT_TRUE(bron.GetTekst(code, tekst)) << code.toStdString();
        return tekst;
    }

    // The line field `code` of every product row.
    static QStringList Rijen(DBReservering& bron, const QString& code)
    {
        QStringList rijen;
        Printing::DataBron* regels = bron.GetSubBron(QStringLiteral("*regels"));
        for (int rij = 0; regels && regels->GaNaar(rij); ++rij)
            rijen << Tekst(bron, QStringLiteral("*regels") + code);
        return rijen;
    }

    TempAdmin admin_;
    TempWerkplek werkplek_;
    ScriptedMessages berichten_;
};
