#include "reservation/RelatiePagina.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>

#include "host/relations/BestSource.h"
#include "host/relations/RelatieNrLabel.h"
#include "host/relations/SelecteerRelatie.h"
#include "host/ui/Messages.h"
#include "host/ui/TGridView.h"
#include "reservation/GastGegevens.h"
#include "reservation/GastGrid.h"
#include "reservation/PersoonGegevens.h"

namespace {

constexpr int kKnopBreedte = 65;
constexpr int kKnopHoogte = 33;
constexpr int kKolomStap = 67;
constexpr int kRijStap = 35;
constexpr int kRand = 4;

bool AllesLeeg(const QStringList& waarden)
{
    return std::all_of(waarden.begin(), waarden.end(), [](const QString& w) { return w.trimmed().isEmpty(); });
}

}  // namespace

RelatiePagina::RelatiePagina(const RelatiePaginaDelen& delen, ResGegevens& gegevens,
                             std::vector<brlib::stVoorReg>& voorRegs, const QString& titel)
    : QObject(delen.pnlVoorReg),
      d_(delen),
      grid_(new GastGrid(*delen.gvGrid)),
      gegevens_(gegevens),
      voorRegs_(voorRegs),
      titel_(titel),
      kamerKnoppen_(new QButtonGroup(this))
{
    connect(d_.btnVoorReg, &QPushButton::toggled, this, &RelatiePagina::btnVoorRegClick);
    connect(d_.btnSelRel, &QPushButton::clicked, this, &RelatiePagina::btnSelRelClick);
    connect(kamerKnoppen_, &QButtonGroup::idClicked, this, [this](int kamerNr) {
        BewaarGrid();
        ToonPersoon(kamerNr);
    });
}

void RelatiePagina::Laad(const std::vector<brlib::stRes>& kamers)
{
    grid_->BouwRijen(GastRijLabels(gegevens_));
    if (kamerKnoppen_->buttons().isEmpty())
        BouwKamerKnoppen(kamers);
    ToonPersoon(d_.btnVoorReg->isChecked() ? IngedrukteKamer() : 0);
}

void RelatiePagina::ZetBewerkbaar(bool bewerkbaar, bool direct)
{
    bewerkbaar_ = bewerkbaar;
    d_.gvGrid->SetEditMode(bewerkbaar, direct);
}

void RelatiePagina::BewaarGrid()
{
    if (!bewerkbaar_)
        return;
    ZetPersoonRegels(gegevens_, voorRegs_, sleutel_, grid_->Waarden());
    d_.gvGrid->FocusRij(0, QStringLiteral("data"));
}

void RelatiePagina::ToonPersoon(int32_t sleutel)
{
    sleutel_ = sleutel;
    const Persoon persoon = PersoonVan(gegevens_, voorRegs_, sleutel);
    grid_->Toon(persoon.regels);
    ToonRelatieNr(*d_.flblRelNr, persoon.relatieNr);
}

void RelatiePagina::BouwKamerKnoppen(const std::vector<brlib::stRes>& kamers)
{
    const int perKolom = std::max(1, (d_.gvGrid->parentWidget()->height() - 8) / kRijStap);
    int i = 0;
    for (const brlib::stRes& kamer : kamers) {
        auto* knop = new QPushButton(QStringLiteral("Kamer ") + QString::number(kamer.kamerNr), d_.pnlVoorReg);
        knop->setObjectName(QStringLiteral("btnKamer%1").arg(kamer.kamerNr));
        knop->setCheckable(true);
        knop->setAutoDefault(false);
        knop->setGeometry(kRand + kKolomStap * (i / perKolom), kRand + kRijStap * (i % perKolom), kKnopBreedte,
                          kKnopHoogte);
        kamerKnoppen_->addButton(knop, kamer.kamerNr);
        ++i;
    }
    const int kolommen = std::max(1, (i + perKolom - 1) / perKolom);
    d_.pnlVoorReg->setFixedWidth(2 * kRand + kKolomStap * kolommen);
}

int32_t RelatiePagina::IngedrukteKamer() const
{
    const int id = kamerKnoppen_->checkedId();
    return id < 0 ? 0 : id;
}

void RelatiePagina::btnVoorRegClick(bool neer)
{
    if (neer) {
        d_.pnlVoorReg->show();
        const QList<QAbstractButton*> knoppen = kamerKnoppen_->buttons();
        if (!knoppen.isEmpty()) {
            BewaarGrid();
            knoppen.front()->setChecked(true);
            ToonPersoon(kamerKnoppen_->id(knoppen.front()));
        }
        d_.btnSelRel->setText(QStringLiteral("Selecteer relatie"));
        return;
    }
    BewaarGrid();
    ToonPersoon(0);
    d_.pnlVoorReg->hide();
    d_.btnSelRel->setText(QStringLiteral("Selecteer debiteur"));
}

void RelatiePagina::btnSelRelClick()
{
    const int32_t kaartNr = SelecteerRelatie(PersoonVan(gegevens_, voorRegs_, sleutel_).kaartNr);
    if (kaartNr <= 0)
        return;
    TBestSource kaart(QStringLiteral("best"));
    kaart.ReadRecord(kaartNr);
    ZetPersoonRelatie(gegevens_, voorRegs_, sleutel_, kaart.RelatieNr(), kaartNr);
    ToonRelatieNr(*d_.flblRelNr, kaart.RelatieNr());
    if (!AllesLeeg(grid_->Waarden()) &&
        WarningMsg(QStringLiteral("Wilt u de gegevens overnemen van de relatiekaart?"), titel_, msg::mbYesNo) !=
            msg::idYes)
        return;
    grid_->Toon(KaartWaarden(kaart, gegevens_.relatieLabels));
}

