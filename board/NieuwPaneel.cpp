#include "board/NieuwPaneel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "host/base/GlobalSettings.h"
#include "host/ui/GvlLayout.h"
#include "host/ui/TGridView.h"

namespace bord {

namespace {

QPushButton* Knop(QWidget* ouder, const char* naam, const QString& tekst)
{
    auto* knop = new QPushButton(tekst, ouder);
    knop->setObjectName(QLatin1String(naam));
    return knop;
}

QRadioButton* Keuze(QWidget* ouder, const char* naam, const QString& tekst)
{
    auto* keuze = new QRadioButton(tekst, ouder);
    keuze->setObjectName(QLatin1String(naam));
    return keuze;
}

void ZetVetAls(QRadioButton* knop, bool vet)
{
    QFont font = knop->font();
    font.setBold(vet);
    knop->setFont(font);
}

}  // namespace

GroepKeuze GroepKeuze::Lees()
{
    const GlobalSettings instellingen(QStringLiteral("Reservering"));
    return {instellingen.ReadBool(QStringLiteral("GeenGroep"), true),
            instellingen.ReadBool(QStringLiteral("DefGeenGroep"), true),
            instellingen.ReadBool(QStringLiteral("WelGroep"), false),
            instellingen.ReadBool(QStringLiteral("DefWelGroep"), false)};
}

NieuwPaneel::NieuwPaneel(QWidget* parent, NieuweReservering& model, NieuwDiensten diensten)
    : QFrame(parent), model_(model), diensten_(std::move(diensten))
{
    setObjectName(QStringLiteral("pnlNieuw"));
    pnlCapNieuw = new QLabel(nieuw::kTitel, this);
    pnlCapNieuw->setObjectName(QStringLiteral("pnlCapNieuw"));
    pnlCapNieuw->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlCapNieuw->setMargin(2);
    gvGrid = new TGridView(this);
    gvGrid->setObjectName(QStringLiteral("gvGrid"));
    gvGrid->SetIniDir(GvlPath() + QStringLiteral("/Tlr"));
    gvGrid->CheckIniFileName(QStringLiteral("RsvOvRes.gvl"));
    MaakKnoppen();
    Verbind();
}

void NieuwPaneel::MaakKnoppen()
{
    rdbtnEnkeleRes = Keuze(this, "rdbtnEnkeleRes", QStringLiteral("Alle geselecteerde kamers op 1 reservering boeken"));
    rdbtnMeerdereRes = Keuze(this, "rdbtnMeerdereRes", QStringLiteral("Iedere kamer een aparte reservering (groep)"));
    btnOngedaan = Knop(this, "btnOngedaan", QStringLiteral("Laatste ongedaan maken"));
    btnEditPers = Knop(this, "btnEditPers", QStringLiteral("Aantal personen wijzigen"));
    btnEditPers->setCheckable(true);
    btnGegevens = Knop(this, "btnGegevens", QStringLiteral("Gegevens"));
    btnOk = Knop(this, "btnOk", QStringLiteral("OK"));
    btnAnnuleren = Knop(this, "btnAnnuleren", QStringLiteral("Annuleren"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(pnlCapNieuw, 0, 0, 1, 4);
    layout->addWidget(gvGrid, 1, 0, 5, 1);
    layout->addWidget(rdbtnEnkeleRes, 1, 1, 1, 3);
    layout->addWidget(rdbtnMeerdereRes, 2, 1, 1, 3);
    layout->addWidget(btnOngedaan, 3, 1);
    layout->addWidget(btnEditPers, 3, 2, 1, 2);
    layout->addWidget(btnGegevens, 4, 1);
    layout->addWidget(btnOk, 4, 2);
    layout->addWidget(btnAnnuleren, 4, 3);
    layout->setRowStretch(5, 1);
    layout->setColumnStretch(0, 1);
}

void NieuwPaneel::Verbind()
{
    connect(rdbtnEnkeleRes, &QRadioButton::toggled, this, &NieuwPaneel::ZetVet);
    connect(rdbtnMeerdereRes, &QRadioButton::toggled, this, &NieuwPaneel::ZetVet);
    connect(btnEditPers, &QPushButton::toggled, gvGrid, [this](bool aan) { gvGrid->SetEditMode(aan, aan); });
    connect(gvGrid, &TGridView::OnCelGewijzigd, this, &NieuwPaneel::PersonenBewerkt);
    connect(btnOngedaan, &QPushButton::clicked, this, [this] {
        model_.Ongedaan();
        diensten_.bordGewijzigd();
    });
    connect(btnGegevens, &QPushButton::clicked, this, [this] { model_.VraagGegevens(diensten_.gegevens); });
    connect(btnOk, &QPushButton::clicked, this, &NieuwPaneel::OkClick);
    connect(btnAnnuleren, &QPushButton::clicked, this, [this] { diensten_.verlaat(); });
}

void NieuwPaneel::Open(const GroepKeuze& keuze)
{
    btnEditPers->setChecked(false);
    btnOk->setEnabled(true);
    rdbtnEnkeleRes->setEnabled(keuze.enkelMogelijk);
    rdbtnMeerdereRes->setEnabled(keuze.groepMogelijk);
    // Both may be off (or on) in the settings; exclusivity is restored after.
    rdbtnEnkeleRes->setAutoExclusive(false);
    rdbtnMeerdereRes->setAutoExclusive(false);
    rdbtnEnkeleRes->setChecked(keuze.enkelStandaard && !keuze.groepStandaard);
    rdbtnMeerdereRes->setChecked(keuze.groepStandaard);
    rdbtnEnkeleRes->setAutoExclusive(true);
    rdbtnMeerdereRes->setAutoExclusive(true);
    ZetVet();
    Toon();
}

void NieuwPaneel::ZetVet()
{
    ZetVetAls(rdbtnEnkeleRes, rdbtnEnkeleRes->isChecked());
    ZetVetAls(rdbtnMeerdereRes, rdbtnMeerdereRes->isChecked());
}

bool NieuwPaneel::Meerdere() const { return rdbtnMeerdereRes->isChecked(); }

void NieuwPaneel::Toon()
{
    pnlCapNieuw->setText(model_.Kop());
    VulGrid();
    const bool regels = !model_.BevestigdeRegels().empty();
    btnOngedaan->setEnabled(regels);
    btnEditPers->setEnabled(regels);
    if (!regels)
        btnEditPers->setChecked(false);
}

void NieuwPaneel::VulGrid()
{
    const std::vector<brlib::stRes> regels = model_.BevestigdeRegels();
    gvGrid->Execute([&] {
        for (const brlib::stRes& regel : regels) {
            const QString extra = QString::number(regel.extra1) + QLatin1Char(',') + QString::number(regel.extra2);
            gvGrid->FillNewColDatum(QStringLiteral("begindat"), &regel.begin);
            gvGrid->FillNewColDatum(QStringLiteral("einddat"), &regel.eind);
            gvGrid->FillNewCol(QStringLiteral("kamernr"), &regel.kamerNr);
            gvGrid->FillNewCol(QStringLiteral("kamertype"), &regel.kamerType);
            gvGrid->FillNewCol(QStringLiteral("prijs"), &regel.prijs);
            gvGrid->FillNewCol(QStringLiteral("bedrag"), &regel.bedrag);
            gvGrid->FillNewCol(QStringLiteral("tariefcode"), &regel.tariefCode);
            gvGrid->FillNewCol(QStringLiteral("extra"), &extra);
            gvGrid->FillNewCol(QStringLiteral("personen"), &regel.personen);
            gvGrid->EndGroup();
        }
    });
}

void NieuwPaneel::PersonenBewerkt(const QString& kolom, int rij)
{
    int personen = 0;
    if (kolom != QLatin1String("personen"))
        return;
    if (!gvGrid->GetCellValue(kolom, rij, &personen) || !model_.ZetPersonen(rij, personen))
        VulGrid();
}

void NieuwPaneel::OkClick()
{
    btnOk->setEnabled(false);
    const bool gedaan = model_.Ok(Meerdere(), diensten_.gegevens, diensten_.registreer);
    if (gedaan) {
        diensten_.verlaat();
        return;
    }
    // A lock that could not be had leaves the lines as they are: OK may be tried again.
    btnOk->setEnabled(true);
    diensten_.bordGewijzigd();
}

}  // namespace bord
