#pragma once
// "Aankomsten en vertrekken": who leaves and who arrives on a chosen day, by
// room, with the check-in state and a departure's open amount at the till;
// "Afdrukken" prints the list. A double click opens the reservation's details
// through the forms the frame hands over.

#include <vector>

#include "board/BordVensters.h"
#include "frame/HostedForm.h"
#include "logboek/AankomstVertrek.h"

class QDateEdit;
class QPushButton;
class TGridView;

class TfrmRsvAankVertrek : public THostedForm<TfrmRsvAankVertrek> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvAankVertrek(QWidget* owner, TChildWindowManager* manager);

    // The details form; without it a double click does nothing.
    void ZetVensters(const bord::BordVensters* vensters) { vensters_ = vensters; }

    QDateEdit* dtpckDatum;
    TGridView* gvLijst;
    QPushButton* btnAfdrukken;
    QPushButton* btnSluiten;

    const std::vector<logboek::AankomstVertrekRij>& Rijen() const { return rijen_; }
    void Verversen();
    void gvLijstDblClick(int rij);

protected:
    void FormShow() override;

private:
    void MaakWidgets();
    void VulGrid();

    QString titel_;
    std::vector<logboek::AankomstVertrekRij> rijen_;
    const bord::BordVensters* vensters_ = nullptr;
};
