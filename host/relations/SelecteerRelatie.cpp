#include "host/relations/SelecteerRelatie.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "host/relations/BestSource.h"
#include "host/ui/ModalShow.h"

namespace {

enum Kolom { kKaart, kRelatie, kNaam, kPlaats, kAantal };

QPushButton* Knop(QWidget* ouder, const char* naam, const char* tekst)
{
    auto* knop = new QPushButton(QString::fromUtf8(tekst), ouder);
    knop->setObjectName(QString::fromLatin1(naam));
    return knop;
}

}  // namespace

TfrmSelecteerRelatie::TfrmSelecteerRelatie(QWidget* owner, int32_t huidigeKaart)
    : TForm(owner), bestand_(relaties::LeesRelatieBestand())
{
    SetCaption(QStringLiteral("Selecteer relatie"));
    edtZoek = new QLineEdit(this);
    edtZoek->setObjectName(QStringLiteral("edtZoek"));
    edtZoek->setPlaceholderText(QStringLiteral("Zoeken"));
    lvRelaties = new QTableWidget(0, kAantal, this);
    lvRelaties->setObjectName(QStringLiteral("lvRelaties"));
    lvRelaties->setHorizontalHeaderLabels({QStringLiteral("Kaart"), QStringLiteral("Relatienr"),
                                           QStringLiteral("Naam"), QStringLiteral("Plaats")});
    lvRelaties->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvRelaties->setSelectionMode(QAbstractItemView::SingleSelection);
    lvRelaties->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvRelaties->verticalHeader()->hide();
    lvRelaties->horizontalHeader()->setSectionResizeMode(kNaam, QHeaderView::Stretch);
    btnOk = Knop(this, "btnOk", "OK");
    btnAnnuleren = Knop(this, "btnAnnuleren", "Annuleren");
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch(1);
    knoppen->addWidget(btnOk);
    knoppen->addWidget(btnAnnuleren);
    auto* kolom = new QVBoxLayout(this);
    kolom->addWidget(edtZoek);
    kolom->addWidget(lvRelaties, 1);
    kolom->addLayout(knoppen);
    connect(edtZoek, &QLineEdit::textChanged, this, &TfrmSelecteerRelatie::Zoek);
    connect(lvRelaties, &QTableWidget::cellDoubleClicked, this, [this] { SetModalResult(mrOk); });
    connect(btnOk, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    connect(btnAnnuleren, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
    Vul();
    Kies(huidigeKaart);
    resize(520, 420);
}

void TfrmSelecteerRelatie::Vul()
{
    lvRelaties->setRowCount(static_cast<int>(bestand_.kaarten.size()));
    int rij = 0;
    for (const relaties::RelatieKaart& kaart : bestand_.kaarten) {
        const QStringList teksten{QString::number(kaart.kaartNr), QString::number(kaart.relatieNr),
                                  kaart.velden.value(TBestSource::bvNaam - 1),
                                  kaart.velden.value(TBestSource::bvPlaats - 1)};
        for (int k = 0; k < kAantal; ++k)
            lvRelaties->setItem(rij, k, new QTableWidgetItem(teksten[k]));
        ++rij;
    }
}

void TfrmSelecteerRelatie::Zoek(const QString& tekst)
{
    for (int rij = 0; rij < lvRelaties->rowCount(); ++rij) {
        bool past = tekst.trimmed().isEmpty();
        for (int k = 0; k < kAantal && !past; ++k)
            past = lvRelaties->item(rij, k)->text().contains(tekst.trimmed(), Qt::CaseInsensitive);
        lvRelaties->setRowHidden(rij, !past);
    }
}

bool TfrmSelecteerRelatie::Kies(int32_t kaartNr)
{
    for (int rij = 0; rij < lvRelaties->rowCount(); ++rij) {
        if (!lvRelaties->isRowHidden(rij) && lvRelaties->item(rij, kKaart)->text().toInt() == kaartNr) {
            lvRelaties->selectRow(rij);
            return true;
        }
    }
    return false;
}

int32_t TfrmSelecteerRelatie::GekozenKaart() const
{
    const int rij = lvRelaties->currentRow();
    return rij < 0 || lvRelaties->isRowHidden(rij) ? 0 : lvRelaties->item(rij, kKaart)->text().toInt();
}

int32_t SelecteerRelatie(int32_t huidigeKaart)
{
    TfrmSelecteerRelatie dlg(nullptr, huidigeKaart);
    return ShowModal(dlg) == mrOk ? dlg.GekozenKaart() : 0;
}
