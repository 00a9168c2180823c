#pragma once
// Shared by the board form tests: a temporary administration with rooms, a
// private workstation settings directory, a fixed today (Tuesday 10 March
// 2026), recorded messages and scripted modal dialogs, and the board shown
// stand-alone as a user would open it.

#include <memory>
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include "board/Rsvovresunit.h"
#include "host/base/HuidigeDatum.h"
#include "tests/host/brlib/ResBouwer.h"
#include "tests/support/KamerBouwer.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempAdmin.h"
#include "tests/support/TempWerkplek.h"

class BordFormTest : public ::testing::Test {
protected:
    static constexpr int kJaar = 2026;

    static void MaakKamers(int aantal) { ::MaakKamers(aantal, kJaar); }

    // A reservation of `nachten` nights from `begin` on `kamer`, guest `naam`.
    static JaarNr Boek(TDateTime begin, int nachten, int32_t kamer, const char* naam, int32_t groep = 0)
    {
        BouwRes res;
        res.begin = begin;
        res.eind = begin + nachten;
        res.groepNr = groep;
        res.gast = QStringList{QString::fromLatin1(naam)};
        BouwRegel regel;
        regel.kamer = kamer;
        res.regels.push_back(regel);
        return ::Boek(res);
    }

    TfrmRsvOvRes& Open()
    {
        bord_ = std::make_unique<TfrmRsvOvRes>(nullptr, nullptr);
        bord_->show();
        QApplication::processEvents();
        return *bord_;
    }

    template <class W = QWidget>
    W* Deel(const char* naam) const
    {
        auto* w = bord_->findChild<W*>(QString::fromLatin1(naam));
        EXPECT_NE(w, nullptr) << naam;
        return w;
    }
    QString Tekst(const char* label) const { return Deel<QLabel>(label)->text(); }
    void Klik(const char* knop) const { Deel<QAbstractButton>(knop)->click(); }

    // The middle of grid cell (kolom, rij).
    QPoint Midden(int kolom, int rij) const { return bord_->Geometrie().CelRect(kolom, rij).center(); }

    void Stuur(QEvent::Type soort, QPoint plek, Qt::MouseButton knop) const
    {
        QWidget* grid = Deel("dgGrid");
        QMouseEvent event(soort, plek, grid->mapToGlobal(plek), knop, knop == Qt::NoButton ? Qt::NoButton : knop,
                          Qt::NoModifier);
        QApplication::sendEvent(grid, &event);
    }
    void Wijs(QPoint plek) const { Stuur(QEvent::MouseMove, plek, Qt::NoButton); }
    void KlikOp(QPoint plek) const
    {
        Stuur(QEvent::MouseButtonPress, plek, Qt::LeftButton);
        Stuur(QEvent::MouseButtonRelease, plek, Qt::LeftButton);
    }

    // The next modal show runs `script` on the form instead of a nested event loop.
    void BijDialoog(ScriptedDialogs::Script script) { dialogen_.Voeg(std::move(script)); }
    int Getoond() const { return dialogen_.Getoond(); }

    TempAdmin admin_;
    TempWerkplek werkplek_;
    HuidigeDatumVast vandaag_{EncodeDate(kJaar, 3, 10)};
    ScriptedMessages berichten_;
    std::unique_ptr<TfrmRsvOvRes> bord_;

private:
    ScriptedDialogs dialogen_;
};
