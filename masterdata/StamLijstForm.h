#pragma once
// Base of the master-data list forms: the grid bound to "<identity>.gvl", the
// row of Nieuw / Wijzigen / Verwijderen / Sluiten buttons below it, Esc and
// Sluiten closing through the close hooks, and the window position kept per
// workstation when the form runs on its own (inside the host window the
// manager places it).
//
// A form fills in LeesLijst (called on every show), Nieuw, Wijzig and
// Verwijder, and calls ZetKnoppen whenever it has refilled the grid. They run
// guarded: an error of the record layer becomes an error box.

#include <QPushButton>
#include <QVBoxLayout>

#include "frame/HostedForm.h"
#include "host/base/MachineSettings.h"
#include "host/ui/HandlerGuard.h"
#include "host/ui/TGridView.h"
#include "masterdata/StamWidgets.h"

template <class T>
class TStamLijstForm : public THostedForm<T> {
public:
    TGridView* Grid() const { return delen_.gvGrid; }

protected:
    TStamLijstForm(QWidget* owner, TChildWindowManager* manager, const QString& naam, const QString& caption)
        : THostedForm<T>(owner, manager, naam), hoofd_(new QVBoxLayout(this)),
          delen_(MaakStamLijst(*this, naam + QStringLiteral(".gvl")))
    {
        this->SetCaption(caption);
        hoofd_->addWidget(delen_.gvGrid, 1);
        hoofd_->addWidget(delen_.pnlKnoppen);
        ConnectGuarded(delen_.btnNieuw, &QPushButton::clicked, this, [this] { Nieuw(); });
        ConnectGuarded(delen_.btnWijzig, &QPushButton::clicked, this, [this] { WijzigHuidige(); });
        ConnectGuarded(delen_.btnVerwijder, &QPushButton::clicked, this, [this] {
            if (delen_.gvGrid->HuidigeRij() >= 0)
                Verwijder(delen_.gvGrid->HuidigeRij());
        });
        QObject::connect(delen_.btnSluiten, &QPushButton::clicked, this, [this] { this->close(); });
        ConnectGuarded(delen_.gvGrid, &TGridView::OnDblClick, this, [this](int rij) {
            if (rij >= 0 && rij < delen_.gvGrid->RijAantal())
                Wijzig(rij);
        });
    }

    virtual void LeesLijst() = 0;
    virtual void Nieuw() = 0;
    virtual void Wijzig(int rij) = 0;
    virtual void Verwijder(int rij) = 0;

    // Wijzigen and Verwijderen (and a form's own row buttons) need a row.
    void ZetKnoppen()
    {
        const bool rijen = delen_.gvGrid->RijAantal() > 0;
        delen_.btnWijzig->setEnabled(rijen);
        delen_.btnVerwijder->setEnabled(rijen);
        for (QPushButton* knop : rijKnoppen_)
            knop->setEnabled(rijen);
    }

    // A button of the form's own that acts on the selected row.
    QPushButton* VoegRijKnopToe(const QString& naam, const QString& tekst)
    {
        QPushButton* knop = VoegKnopToe(delen_, naam, tekst);
        rijKnoppen_.push_back(knop);
        return knop;
    }

    void FormShow() override
    {
        THostedForm<T>::FormShow();
        if (!this->IsHosted())
            MachineSettings(this->IdentityName()).ReadFormPosSize(QStringLiteral("form"), *this);
        LeesLijst();
    }

    void FormClose(TCloseAction& action) override
    {
        if (!this->IsHosted())
            MachineSettings(this->IdentityName()).WriteFormPosSize(QStringLiteral("form"), *this);
        THostedForm<T>::FormClose(action);
    }

    // Esc goes the way of Sluiten, so the close hooks run.
    void reject() override { this->close(); }

    QVBoxLayout* hoofd_;
    StamLijstDelen delen_;

private:
    void WijzigHuidige()
    {
        if (delen_.gvGrid->HuidigeRij() >= 0)
            Wijzig(delen_.gvGrid->HuidigeRij());
    }

    std::vector<QPushButton*> rijKnoppen_;
};
