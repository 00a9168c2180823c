#pragma once
// Shared by the tests of the details form's products: an administration with
// two articles and their product buttons (and one button whose article has no
// card), a reservation booked with products on the board, the form shown and
// worked by a script, and both integrity checks at the end.

#include <gtest/gtest.h>

#include <functional>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "board/Registratie.h"
#include "host/base/HuidigeDatum.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/tillra/ArtSel.h"
#include "host/tillra/ArtikelSelectieKnoppen.h"
#include "host/tillra/ProductLijst.h"
#include "host/ui/ModalShow.h"
#include "host/ui/TGridView.h"
#include "reservation/Rsvresgegunit.h"
#include "tests/host/tillra/TillraTestHulp.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempAdmin.h"
#include "tests/support/TempWerkplek.h"

inline constexpr int32_t kZonderKaart = 99;

class ProductTest : public ::testing::Test {
protected:
    using Script = std::function<void(TfrmRsvResGeg&)>;

    void SetUp() override
    {
        VoegArtikelenToe();
        QString fout;
        ASSERT_TRUE(Tillra::SchrijfArtSelBestand({{0, 0, kOntbijt, QStringLiteral("Ontbijt"), {}},
                                                  {0, 1, kWijn, QStringLiteral("Glas wijn"), {}},
                                                  {1, 0, kZonderKaart, QStringLiteral("Weg"), {}}},
                                                 fout))
            << fout.toStdString();
    }
    void TearDown() override { EXPECT_EQ(Bevindingen(), ""); }

    static std::vector<Tillra::t_BonRegel> Producten(std::initializer_list<std::pair<int32_t, double>> artikelen)
    {
        Tillra::ArtikelSource bron;
        std::vector<Tillra::t_BonRegel> regels;
        for (const auto& [nr, aantal] : artikelen) {
            Tillra::VoegProductToe(regels, 0, bron, nr, HuidigeDatum::Object().Huidige());
            regels.back().aantal = aantal;
        }
        return regels;
    }

    // One room from today for three nights, with `producten`, booked as the board books it.
    static JaarNr Boek(const std::vector<Tillra::t_BonRegel>& producten)
    {
        brlib::stRes regel;
        regel.kamerNr = 101;
        regel.begin = HuidigeDatum::Object().Huidige();
        regel.eind = regel.begin + 3;
        regel.nieuw = true;
        ResGegevens gegevens;
        gegevens.gastRegels = {QStringLiteral("Jansen")};
        gegevens.producten = producten;
        const bord::RegistratieResultaat r = bord::Registreer({regel}, gegevens, false, QStringLiteral("Test"));
        EXPECT_TRUE(r.opgeslagen);
        return r.reserveringen.empty() ? JaarNr() : r.reserveringen[0];
    }

    static brlib::RsvReservering Lees(const JaarNr& sleutel)
    {
        brlib::RsvReserveringCursorRandom cursor;
        return cursor.At(sleutel, brlib::roInChecks);
    }

    // Shows the form modal on its products page and runs `script` in it.
    static void Toon(TfrmRsvResGeg& dlg, const Script& script)
    {
        ModalResponderScope scope([&](TForm& form) {
            form.show();
            dlg.pgMain->setCurrentWidget(dlg.tbArtikel);
            script(dlg);
            return form.ModalResult() != mrNone ? form.ModalResult() : mrCancel;
        });
        ShowModal(dlg);
    }

    static void Kies(TfrmRsvResGeg& d, int32_t artikelNr)
    {
        auto* knop = d.pnlArtKnoppen->findChild<QPushButton*>(QStringLiteral("btnArt%1").arg(artikelNr));
        ASSERT_NE(knop, nullptr);
        knop->click();
    }

    // Opens the edit panel with `knop` on row `rij`, types `waarde` and confirms.
    static void Wijzig(TfrmRsvResGeg& d, int rij, QPushButton* knop, const QString& waarde)
    {
        d.gvArt->FocusRij(rij);
        knop->click();
        QLineEdit* veld = knop == d.btnArtAantal ? d.edtArtAantal : d.edtArtPrijs;
        veld->setText(waarde);
        d.btnEditOk->click();
    }

    static QString Cel(const TfrmRsvResGeg& d, const char* kolom, int rij)
    {
        return d.gvArt->GetCells(d.gvArt->GetKolomNummer(QString::fromLatin1(kolom)), rij);
    }

    TempAdmin admin_;
    TempWerkplek werkplek_;
    HuidigeDatumVast vandaag_{EncodeDate(2026, 3, 10)};
};
