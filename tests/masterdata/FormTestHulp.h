#pragma once
// Shared by the master-data form tests: the write-path fixture (temporary
// administration, recorded messages, integrity check at the end) plus a fixed
// today, a private workstation settings directory, and scripted edit dialogs.
//
//   BijDialoog<TfrmRsvEditKamer>([](TfrmRsvEditKamer& d) { d.btnOk->click(); });
//
// Each modal show takes the next script; the dialog is shown (so its show
// hook runs) and worked as a user would. A dialog that its script leaves open
// counts as cancelled, and is recorded in OpenGebleven().

#include <functional>
#include <QAbstractItemModel>
#include <QTemporaryDir>

#include "host/base/HuidigeDatum.h"
#include "host/ui/TGridView.h"
#include "tests/masterdata/StamTest.h"
#include "tests/support/Schermafdruk.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempWerkplek.h"

class FormTest : public StamTest {
protected:
    static constexpr int kJaar = 2026;

    template <class D>
    void BijDialoog(std::function<void(D&)> script)
    {
        dialogen_.Voeg([this, script](TForm& form) {
            form.show();
            auto* dialoog = dynamic_cast<D*>(&form);
            EXPECT_NE(dialoog, nullptr) << form.Caption().toStdString();
            if (dialoog)
                script(*dialoog);
            if (form.ModalResult() != mrNone)
                return form.ModalResult();
            ++openGebleven_;
            form.hide();
            return mrCancel;
        });
    }

    int Getoond() const { return dialogen_.Getoond(); }
    int OpenGebleven() const { return openGebleven_; }

    static QString Cel(const TGridView& grid, const char* kolom, int rij)
    {
        return grid.GetCells(grid.GetKolomNummer(QString::fromLatin1(kolom)), rij);
    }

    // Types `tekst` into an editable grid cell, as the user leaves it.
    static bool Typ(TGridView& grid, const char* kolom, int rij, const QString& tekst)
    {
        const QModelIndex index = grid.model()->index(rij, grid.GetKolomNummer(QString::fromLatin1(kolom)));
        return grid.model()->setData(index, tekst, Qt::EditRole);
    }

    HuidigeDatumVast vandaag_{EncodeDate(kJaar, 3, 10)};

private:
    TempWerkplek werkplek_;
    ScriptedDialogs dialogen_;
    int openGebleven_ = 0;
};
