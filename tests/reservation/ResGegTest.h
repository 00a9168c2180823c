#pragma once
// Shared by the details-form tests: a private workstation, recorded messages
// (none are expected in new mode) and the form shown through the host's modal
// service, worked by a script as a user would.
//
//   const int resultaat = Toon(dlg, [](TfrmRsvResGeg& d) { d.btnOk->click(); });

#include <functional>
#include <gtest/gtest.h>
#include <QAbstractItemModel>
#include <QCoreApplication>

#include "host/ui/ModalShow.h"
#include "host/ui/TGridView.h"
#include "reservation/Rsvresgegunit.h"
#include "tests/support/Schermafdruk.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempWerkplek.h"

class ResGegTest : public testing::Test {
protected:
    using Script = std::function<void(TfrmRsvResGeg&)>;

    // Shows `dlg` modal; a script that leaves it open counts as cancelled.
    static int Toon(TfrmRsvResGeg& dlg, const Script& script)
    {
        ModalResponderScope scope([&](TForm& form) {
            form.show();
            script(dlg);
            if (form.ModalResult() != mrNone)
                return form.ModalResult();
            form.close();
            return mrCancel;
        });
        return ShowModal(dlg);
    }

    // A booking as the board gathers it before the user opens the details.
    static ResGegevens Voorbeeld()
    {
        ResGegevens g;
        g.gastRegels = {QStringLiteral("Jansen"), QStringLiteral("Piet"), QStringLiteral("Dorpsstraat 1")};
        g.extraRegels = {QStringLiteral("Late aankomst"), QStringLiteral("Kamer op de begane grond")};
        g.relatieNr = 42;
        g.relatieNr2 = 4200;
        g.vlaggen = {1, 2, 1};
        g.extra = {0, 1, 1, 0, 0, 7, 0, 0, 0, 3};
        return g;
    }

    static QString Cel(const TGridView& grid, const char* kolom, int rij)
    {
        return grid.GetCells(grid.GetKolomNummer(QString::fromLatin1(kolom)), rij);
    }

    // Types into a grid cell as the user leaves it; false when the cell takes no input.
    static bool Typ(TGridView& grid, int rij, const QString& tekst)
    {
        const QModelIndex index = grid.model()->index(rij, grid.GetKolomNummer(QStringLiteral("data")));
        return grid.model()->setData(index, tekst, Qt::EditRole);
    }


    void TearDown() override { EXPECT_TRUE(berichten_.Gezien().empty()) << berichten_.Laatste().tekst.toStdString(); }

    TempWerkplek werkplek_;
    ScriptedMessages berichten_;
};

inline bool operator==(const ResGegevens& a, const ResGegevens& b)
{
    return a.gastRegels == b.gastRegels && a.extraRegels == b.extraRegels && a.relatieLabels == b.relatieLabels &&
           a.relatieWaarden == b.relatieWaarden && a.relatieNr == b.relatieNr && a.relatieNr2 == b.relatieNr2 &&
           a.vlaggen == b.vlaggen && a.extra == b.extra;
}
