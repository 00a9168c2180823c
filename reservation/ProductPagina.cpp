#include "reservation/ProductPagina.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "host/base/HuidigeDatum.h"
#include "host/tillra/ArtikelSelectieKnoppen.h"
#include "host/tillra/ArtikelSource.h"
#include "host/tillra/ProductLijst.h"
#include "host/ui/HandlerGuard.h"
#include "host/ui/TGridView.h"
#include "reservation/ResProducten.h"
#include "reservation/Rsvresgegunit.h"

namespace {

using Tillra::t_BonRegel;

const QString kGrijsStrook = QStringLiteral("background-color: #808080; color: white;");
const QString kUitgechecktStrook = QStringLiteral("background-color: #404040; color: #ffff80;");

double LeesGetal(const QLineEdit& veld)
{
    return QString(veld.text()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

QString ToonGetal(double waarde, int decimalen) { return QString::number(waarde, 'f', decimalen); }

}  // namespace

ProductPagina::ProductPagina(TfrmRsvResGeg& f, std::vector<t_BonRegel>& regels)
    : QObject(&f), f_(f), regels_(regels)
{
    const int omschrijving = f_.gvArt->GetKolomNummer(QStringLiteral("artoms"));
    if (omschrijving >= 0)
        f_.gvArt->horizontalHeader()->setSectionResizeMode(omschrijving, QHeaderView::Stretch);
    Verbind();
}

void ProductPagina::Verbind()
{
    ConnectGuarded(f_.pnlArtKnoppen, &Tillra::ArtikelSelectieKnoppen::ArtikelGekozen, &f_,
                   [this](int32_t artikelNr) { VoegToe(artikelNr); });
    connect(f_.btnArtPrijs, &QPushButton::clicked, this, [this] { OpenInvoer(Invoer::Prijs); });
    connect(f_.btnArtAantal, &QPushButton::clicked, this, [this] { OpenInvoer(Invoer::Aantal); });
    connect(f_.btnArtKorting, &QPushButton::clicked, this, [this] { OpenInvoer(Invoer::Korting); });
    connect(f_.btnArtDel, &QPushButton::clicked, this, &ProductPagina::btnArtDelClick);
    connect(f_.btnEditOk, &QPushButton::clicked, this, &ProductPagina::btnEditOkClick);
    connect(f_.btnEditAnnuleren, &QPushButton::clicked, this, &ProductPagina::SluitInvoer);
    for (QLineEdit* veld : {f_.edtArtPrijs, f_.edtArtAantal})
        connect(veld, &QLineEdit::returnPressed, this, &ProductPagina::btnEditOkClick);
    connect(f_.gvArt->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &ProductPagina::ZetKnoppen);
}

void ProductPagina::LaadNieuw()
{
    alleenLezen_ = 0;
    registratie_ = JaarNr();
    kanBewerken_ = true;
    volledig_ = true;
    f_.pnlNietEditInfo->hide();
    f_.pnlArtKnoppen->Laad();
    VulGrid();
}

void ProductPagina::Laad(const ProductenStand& stand)
{
    regels_ = stand.regels;
    alleenLezen_ = stand.alleenLezen;
    registratie_ = stand.registratie;
    volledig_ = stand.kassaFout.isEmpty();
    kanBewerken_ = volledig_ && !(stand.BijKassa() && stand.uitgecheckt);
    f_.pnlNietEditInfo->setVisible(stand.BijKassa());
    if (stand.BijKassa()) {
        const QString info = KassaInfo(stand);
        f_.pnlNietEditInfo->setText(info);
        f_.pnlNietEditInfo->setToolTip(info);
        f_.pnlNietEditInfo->setStyleSheet(stand.uitgecheckt ? kUitgechecktStrook : kGrijsStrook);
    }
    f_.pnlArtKnoppen->Laad();
    VulGrid();
}

void ProductPagina::ZetBewerkbaar(bool bewerkbaar)
{
    SluitInvoer();
    bewerkbaar_ = bewerkbaar;
    f_.pnlArtKnoppen->setVisible(bewerkbaar);
    f_.pnlArtKnoppen->setEnabled(bewerkbaar);
    VulGrid();
    if (bewerkbaar)
        f_.gvArt->FocusRij(alleenLezen_);
    ZetKnoppen();
}

std::vector<t_BonRegel> ProductPagina::BewerkbareRegels() const
{
    const auto begin = regels_.begin() + std::min<size_t>(alleenLezen_, regels_.size());
    return {begin, regels_.end()};
}

void ProductPagina::VoegToe(int32_t artikelNr)
{
    if (!bewerkbaar_)
        return;
    Tillra::ArtikelSource artikelen;
    const size_t voor = regels_.size();
    const int rij = Tillra::VoegProductToe(regels_, alleenLezen_, artikelen, artikelNr, HuidigeDatum::Object().Nu());
    if (rij < 0)
        return;
    if (regels_.size() > voor)
        VulGrid();
    else
        VulCellen(rij);
    f_.gvArt->FocusRij(rij);
    ToonTotaal();
}

void ProductPagina::VulGrid()
{
    const TDateTime nu = HuidigeDatum::Object().Nu();
    f_.gvArt->Execute([&] {
        for (size_t i = 0; i < regels_.size(); ++i) {
            const t_BonRegel& regel = regels_[i];
            if (regel.IsTekstRegel()) {
                f_.gvArt->FillNewCol(QStringLiteral("artoms_vet"), &regel.omschrijving);
                f_.gvArt->EndGroup();
                continue;
            }
            const bool alleenLezen = bewerkbaar_ && !RijBewerkbaar(static_cast<int>(i));
            const QString achter = alleenLezen ? QStringLiteral("_ro") : QString();
            const int artikelNr = regel.artikelNr;
            const double prijs = regel.getPrijsIncl(nu);
            const double korting = regel.getKorting();
            f_.gvArt->FillNewCol(QStringLiteral("artoms") + achter, &regel.omschrijving);
            f_.gvArt->FillNewCol(QStringLiteral("artnr") + achter, &artikelNr);
            f_.gvArt->FillNewCol(QStringLiteral("aantal") + achter, &regel.aantal);
            f_.gvArt->FillNewCol(QStringLiteral("prijs") + achter, &prijs);
            f_.gvArt->FillNewCol(QStringLiteral("korting") + achter, &korting);
            f_.gvArt->EndGroup();
        }
    });
    ToonTotaal();
    ZetKnoppen();
}

// The cells an edit can change, of an editable row.
void ProductPagina::VulCellen(int rij)
{
    const t_BonRegel& regel = regels_.at(rij);
    f_.gvArt->SetCellValue(QStringLiteral("aantal"), rij, regel.aantal);
    f_.gvArt->SetCellValue(QStringLiteral("prijs"), rij, regel.getPrijsIncl(HuidigeDatum::Object().Nu()));
    f_.gvArt->SetCellValue(QStringLiteral("korting"), rij, regel.getKorting());
}

void ProductPagina::ToonTotaal()
{
    f_.pnlArtCap->setText(Tillra::TotaalRegel(regels_, HuidigeDatum::Object().Nu()));
}

bool ProductPagina::RijBewerkbaar(int rij) const
{
    return rij >= alleenLezen_ && rij < static_cast<int>(regels_.size());
}

void ProductPagina::ZetKnoppen()
{
    const bool aan = bewerkbaar_ && RijBewerkbaar(f_.gvArt->HuidigeRij());
    for (QPushButton* knop : {f_.btnArtPrijs, f_.btnArtAantal, f_.btnArtKorting, f_.btnArtDel})
        knop->setEnabled(aan);
}

void ProductPagina::OpenInvoer(Invoer invoer)
{
    const int rij = f_.gvArt->HuidigeRij();
    if (!bewerkbaar_ || !RijBewerkbaar(rij))
        return;
    invoer_ = invoer;
    const t_BonRegel& regel = regels_[rij];
    const bool aantal = invoer == Invoer::Aantal;
    f_.edtArtAantal->setVisible(aantal);
    f_.edtArtPrijs->setVisible(!aantal);
    if (aantal) {
        f_.lblArtEdit->setText(QStringLiteral("Aantal:"));
        f_.edtArtAantal->setText(ToonGetal(regel.aantal, 0));
    } else {
        const bool prijs = invoer == Invoer::Prijs;
        f_.lblArtEdit->setText(prijs ? QStringLiteral("Prijs:") : QStringLiteral("Korting(%):"));
        f_.edtArtPrijs->setText(ToonGetal(prijs ? regel.getPrijs() : regel.getKorting(), 2));
    }
    for (QWidget* deel : std::initializer_list<QWidget*>{f_.gvArt, f_.pnlArtKnoppen, f_.pnlArtOnder, f_.btnOk,
                                                         f_.btnAnnuleren})
        deel->setEnabled(false);
    f_.pnlArtEdit->show();
    QLineEdit* veld = aantal ? f_.edtArtAantal : f_.edtArtPrijs;
    veld->setFocus();
    veld->selectAll();
}

void ProductPagina::SluitInvoer()
{
    if (f_.pnlArtEdit->isHidden())
        return;
    f_.pnlArtEdit->hide();
    for (QWidget* deel : std::initializer_list<QWidget*>{f_.gvArt, f_.pnlArtKnoppen, f_.pnlArtOnder, f_.btnOk,
                                                         f_.btnAnnuleren})
        deel->setEnabled(true);
    ZetKnoppen();
    f_.gvArt->setFocus();
}

void ProductPagina::btnEditOkClick()
{
    const int rij = f_.gvArt->HuidigeRij();
    if (f_.pnlArtEdit->isHidden() || !RijBewerkbaar(rij))
        return;
    t_BonRegel& regel = regels_[rij];
    if (invoer_ == Invoer::Aantal)
        regel.aantal = LeesGetal(*f_.edtArtAantal);
    else if (f_.lblArtEdit->text().toLower().contains(QStringLiteral("prijs")))
        regel.setPrijs(LeesGetal(*f_.edtArtPrijs), t_BonRegel::PRIJS_INCL);
    else
        regel.setKorting(LeesGetal(*f_.edtArtPrijs), t_BonRegel::KORTING_PERCENTAGE);
    VulCellen(rij);
    ToonTotaal();
    SluitInvoer();
}

void ProductPagina::btnArtDelClick()
{
    const int rij = f_.gvArt->HuidigeRij();
    if (!bewerkbaar_ || !RijBewerkbaar(rij))
        return;
    regels_.erase(regels_.begin() + rij);
    f_.gvArt->RijVerwijderen(rij);
    ToonTotaal();
    ZetKnoppen();
}
