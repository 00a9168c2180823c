// TfrmRsvZoekRes: what its controls hold, to and from the workstation's
// settings and the query of a refresh.

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "reservation/Rsvzoekresunit.h"
#include "reservation/UpDown.h"

namespace {
// Checks button `index` of a row of radio buttons; -1 leaves none checked.
void ZetRadio(std::initializer_list<QRadioButton*> knoppen, int index)
{
    int i = 0;
    for (QRadioButton* knop : knoppen) {
        // An exclusive button cannot be unchecked while it is the checked one.
        knop->setAutoExclusive(false);
        knop->setChecked(i++ == index);
        knop->setAutoExclusive(true);
    }
}

QString ZonderBlankAchter(const QString& tekst)
{
    qsizetype einde = tekst.size();
    while (einde > 0 && tekst[einde - 1].isSpace())
        --einde;
    return tekst.left(einde);
}
}  // namespace

void TfrmRsvZoekRes::PasToe(const zoek::ZoekInstellingen& s)
{
    ZetRadio({rdbtnJaar, rdbtnDatum, rdbtnNaam}, zoek::ZoekInstellingen::Gekozen(s.selectie));
    ZetRadio({rdbtnAlle, rdbtnSelectie}, zoek::ZoekInstellingen::Gekozen(s.weergave));
    for (int i = 0; i < lstbxWeergave->count(); ++i)
        lstbxWeergave->item(i)->setCheckState(s.statussen[i] ? Qt::Checked : Qt::Unchecked);
    updnJaar->ZetPositie(s.jaar);
    dtpckDatum->setDate(ToQDate(s.datum));
    edtNaam->setText(s.naam);
    cmbxSort->setCurrentIndex(std::clamp(s.sorteerKolom, 0, cmbxSort->count() - 1));
    cmbxSortOrder->setCurrentIndex(std::clamp(s.sorteerOrde, 0, cmbxSortOrder->count() - 1));
}

zoek::ZoekInstellingen TfrmRsvZoekRes::Instellingen() const
{
    zoek::ZoekInstellingen s;
    s.selectie = {rdbtnJaar->isChecked(), rdbtnDatum->isChecked(), rdbtnNaam->isChecked()};
    s.weergave = {rdbtnAlle->isChecked(), rdbtnSelectie->isChecked()};
    for (int i = 0; i < lstbxWeergave->count(); ++i)
        s.statussen[i] = lstbxWeergave->item(i)->checkState() == Qt::Checked;
    s.jaar = updnJaar->Positie();
    s.datum = FromQDate(dtpckDatum->date());
    s.naam = edtNaam->text();
    s.sorteerKolom = cmbxSort->currentIndex();
    s.sorteerOrde = cmbxSortOrder->currentIndex();
    return s;
}

bool TfrmRsvZoekRes::LeesVraag(zoek::ZoekVraag& vraag)
{
    if (rdbtnJaar->isChecked()) {
        KlemJaarVeld();
        vraag.modus = zoek::ZoekModus::PerJaar;
        vraag.jaar = updnJaar->Positie();
    } else if (rdbtnDatum->isChecked()) {
        vraag.modus = zoek::ZoekModus::OpDatum;
        vraag.datum = FromQDate(dtpckDatum->date());
    } else if (rdbtnNaam->isChecked()) {
        vraag.modus = zoek::ZoekModus::OpNaam;
        vraag.naam = ZonderBlankAchter(edtNaam->text());
    } else {
        return false;
    }
    vraag.alle = rdbtnAlle->isChecked();
    for (int i = 0; i < lstbxWeergave->count(); ++i)
        if (lstbxWeergave->item(i)->checkState() == Qt::Checked)
            vraag.statussen.insert(zoek::kWeergaveStatus[i]);
    vraag.kolom = static_cast<zoek::SorteerKolom>(std::max(0, cmbxSort->currentIndex()));
    vraag.orde = static_cast<zoek::SorteerOrde>(std::max(0, cmbxSortOrder->currentIndex()));
    return true;
}
