// The "Producten" page of the details form: heading, grid with its buttons,
// the edit panel, the strip for registered products and the product buttons.

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "host/tillra/ArtikelSelectieKnoppen.h"
#include "host/ui/GridScrollKnoppen.h"
#include "host/ui/TGridView.h"
#include "reservation/ResGegPaginas.h"
#include "reservation/ResGegWidgets.h"
#include "reservation/Rsvresgegunit.h"

namespace {

QLabel* NieuweStrook(QWidget* ouder, const QString& naam, const QString& stijl)
{
    auto* strook = new QLabel(ouder);
    strook->setObjectName(naam);
    strook->setStyleSheet(stijl);
    strook->setMargin(4);
    return strook;
}

QLineEdit* NieuwInvoerVeld(QWidget* ouder, const QString& naam, int maxTekens, QValidator* controle)
{
    auto* veld = new QLineEdit(ouder);
    veld->setObjectName(naam);
    veld->setMaxLength(maxTekens);
    controle->setParent(veld);
    veld->setValidator(controle);
    veld->setAlignment(Qt::AlignRight);
    veld->setFixedWidth(100);
    return veld;
}

void MaakEditPaneel(TfrmRsvResGeg& f, QWidget* ouder)
{
    QBoxLayout* rij = nullptr;
    f.pnlArtEdit = NieuwPaneel(ouder, QStringLiteral("pnlArtEdit"), rij);
    f.lblArtEdit = new QLabel(f.pnlArtEdit);
    f.lblArtEdit->setObjectName(QStringLiteral("lblArtEdit"));
    // Amounts with a decimal comma or point; quantities whole, without separators.
    const QRegularExpression bedrag(QStringLiteral("-?\\d{0,7}([.,]\\d{0,2})?"));
    f.edtArtPrijs = NieuwInvoerVeld(f.pnlArtEdit, QStringLiteral("edtArtPrijs"), 10,
                                    new QRegularExpressionValidator(bedrag));
    f.edtArtAantal = NieuwInvoerVeld(f.pnlArtEdit, QStringLiteral("edtArtAantal"), 9,
                                     new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d{0,8}"))));
    f.btnEditOk = NieuweKnop(f.pnlArtEdit, QStringLiteral("btnEditOk"), QStringLiteral("OK"));
    f.btnEditOk->setDefault(true);
    f.btnEditAnnuleren = NieuweKnop(f.pnlArtEdit, QStringLiteral("btnEditAnnuleren"), QStringLiteral("Annuleren"));
    for (QWidget* deel : std::initializer_list<QWidget*>{f.lblArtEdit, f.edtArtPrijs, f.edtArtAantal, f.btnEditOk,
                                                         f.btnEditAnnuleren})
        rij->addWidget(deel);
    rij->addStretch(1);
    f.pnlArtEdit->hide();
}

void MaakOnderPaneel(TfrmRsvResGeg& f, QWidget* ouder)
{
    QBoxLayout* rij = nullptr;
    f.pnlArtOnder = NieuwPaneel(ouder, QStringLiteral("pnlArtOnder"), rij);
    f.btnArtPrijs = NieuweKnop(f.pnlArtOnder, QStringLiteral("btnArtPrijs"), QStringLiteral("Prijs"));
    f.btnArtAantal = NieuweKnop(f.pnlArtOnder, QStringLiteral("btnArtAantal"), QStringLiteral("Aantal"));
    f.btnArtKorting = NieuweKnop(f.pnlArtOnder, QStringLiteral("btnArtKorting"), QStringLiteral("Korting"));
    f.btnArtDel = NieuweKnop(f.pnlArtOnder, QStringLiteral("btnArtDel"), QStringLiteral("Verwijderen"));
    f.btnPgUp = NieuweKnop(f.pnlArtOnder, QStringLiteral("btnPgUp"), QStringLiteral("\u21de"));
    f.btnUp = NieuweKnop(f.pnlArtOnder, QStringLiteral("btnUp"), QStringLiteral("\u2191"));
    f.btnDown = NieuweKnop(f.pnlArtOnder, QStringLiteral("btnDown"), QStringLiteral("\u2193"));
    f.btnPgDn = NieuweKnop(f.pnlArtOnder, QStringLiteral("btnPgDn"), QStringLiteral("\u21df"));
    for (QPushButton* knop : {f.btnArtPrijs, f.btnArtAantal, f.btnArtKorting, f.btnArtDel})
        rij->addWidget(knop);
    rij->addStretch(1);
    for (QPushButton* knop : {f.btnPgUp, f.btnUp, f.btnDown, f.btnPgDn}) {
        knop->setFixedWidth(knop->sizeHint().height() + 8);
        rij->addWidget(knop);
    }
    GridScrollKnoppen(*f.gvArt, {{f.btnPgUp, ScrollKnop::PaginaOp},
                                 {f.btnUp, ScrollKnop::RijOp},
                                 {f.btnDown, ScrollKnop::RijNeer},
                                 {f.btnPgDn, ScrollKnop::PaginaNeer}});
}

}  // namespace

void MaakProductPagina(TfrmRsvResGeg& f)
{
    QWidget* pagina = f.tbArtikel;
    f.pnlArtCap = NieuweStrook(pagina, QStringLiteral("pnlArtCap"),
                               QStringLiteral("background-color: #008080; color: white; font-weight: bold;"));
    f.pnlArtCap->setText(QStringLiteral("Geselecteerde producten"));
    f.pnlNietEditInfo = NieuweStrook(pagina, QStringLiteral("pnlNietEditInfo"), {});
    f.pnlNietEditInfo->setWordWrap(true);
    f.pnlNietEditInfo->hide();
    f.gvArt = new TGridView(pagina);
    f.gvArt->setObjectName(QStringLiteral("gvArt"));
    f.gvArt->SetIniDir(GvlPath() + QStringLiteral("/Tlr"));
    f.gvArt->CheckIniFileName(QStringLiteral("RsvResArt.gvl"));
    f.gvArt->setSelectionBehavior(QAbstractItemView::SelectRows);
    f.gvArt->setSelectionMode(QAbstractItemView::SingleSelection);
    MaakEditPaneel(f, pagina);
    MaakOnderPaneel(f, pagina);
    f.pnlArtKnoppen = new Tillra::ArtikelSelectieKnoppen(pagina);
    f.pnlArtKnoppen->setObjectName(QStringLiteral("pnlArtKnoppen"));
    auto* links = new QVBoxLayout;
    for (QWidget* deel : std::initializer_list<QWidget*>{f.pnlArtCap, f.pnlNietEditInfo})
        links->addWidget(deel);
    links->addWidget(f.gvArt, 1);
    links->addWidget(f.pnlArtEdit);
    links->addWidget(f.pnlArtOnder);
    auto* knoppenKolom = new QVBoxLayout;
    knoppenKolom->addWidget(f.pnlArtKnoppen);
    knoppenKolom->addStretch(1);
    auto* rij = new QHBoxLayout(pagina);
    rij->setContentsMargins(4, 4, 4, 4);
    rij->addLayout(links, 1);
    rij->addLayout(knoppenKolom);
}
