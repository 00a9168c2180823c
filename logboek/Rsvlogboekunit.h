#pragma once
// "Logboek": the audit trail of the stored actions, for a span of days,
// narrowed to one reservation and one workstation, with every changed value
// before and after; "Exporteren" writes the rows as CSV.

#include <vector>

#include "frame/HostedForm.h"
#include "logboek/LogboekZoeken.h"

class QDateEdit;
class QLineEdit;
class QPushButton;
class TGridView;

class TfrmRsvLogboek : public THostedForm<TfrmRsvLogboek> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvLogboek(QWidget* owner, TChildWindowManager* manager);

    QDateEdit* dtpckVan;
    QDateEdit* dtpckTot;
    QLineEdit* edtReservering;
    QLineEdit* edtWerkplek;
    QPushButton* btnZoeken;
    TGridView* gvLogboek;
    QPushButton* btnExporteren;
    QPushButton* btnSluiten;

    // The records shown, the latest first, one group of grid rows each.
    const std::vector<logboek::LogRegel>& Regels() const { return regels_; }
    void btnZoekenClick();

protected:
    void FormShow() override;

private:
    void MaakWidgets();
    void VulGrid();

    QString titel_;
    std::vector<logboek::LogRegel> regels_;
    bool getoond_ = false;
};
