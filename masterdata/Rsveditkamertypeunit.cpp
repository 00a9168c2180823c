#include "masterdata/Rsveditkamertypeunit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "host/ui/Messages.h"
#include "host/ui/TGridView.h"
#include "masterdata/KamerTypeOpslag.h"
#include "masterdata/StamWidgets.h"

namespace {
const QString kGeenMatrix = QStringLiteral("Nog geen tariefsoorten en/of periodes gedefinieerd!");

QString Titel(const brlib::stKamerType& type, KamerTypeModus modus)
{
    if (modus == KamerTypeModus::Tarieven)
        return QStringLiteral("Wijzigen tarieven");
    return type.recNr == 0 ? QStringLiteral("Nieuw kamertype") : QStringLiteral("Wijzigen kamertype");
}
}  // namespace

TfrmRsvEditKamerType::TfrmRsvEditKamerType(QWidget* owner, const brlib::stKamerType& type, int jaar,
                                           KamerTypeModus modus)
    : TStamDialoog(owner, QStringLiteral("RvsEditKamerType")), type_(type), modus_(modus)
{
    SetCaption(Titel(type, modus));
    MaakControls(jaar);
    BouwMatrix(jaar);
    resize(600, 480);
}

void TfrmRsvEditKamerType::MaakControls(int jaar)
{
    auto* groep = new QGroupBox(QStringLiteral("Kamertype"), this);
    edtCode = new QLineEdit(type_.code, groep);
    edtCode->setObjectName(QStringLiteral("edtCode"));
    edtCode->setMaxLength(20);
    edtOmschr = new QLineEdit(type_.omschr, groep);
    edtOmschr->setObjectName(QStringLiteral("edtOmschr"));
    edtOmschr->setMaxLength(80);
    flblCode = new QLabel(type_.code, groep);
    flblCode->setObjectName(QStringLiteral("flblCode"));
    flblOmschr = new QLabel(type_.omschr, groep);
    flblOmschr->setObjectName(QStringLiteral("flblOmschr"));
    // Each label takes its edit's place; the mode shows one of the two.
    auto* velden = new QGridLayout(groep);
    velden->addWidget(new QLabel(QStringLiteral("Code:"), groep), 0, 0);
    velden->addWidget(edtCode, 0, 1);
    velden->addWidget(flblCode, 0, 1);
    velden->addWidget(new QLabel(QStringLiteral("Omschrijving:"), groep), 1, 0);
    velden->addWidget(edtOmschr, 1, 1);
    velden->addWidget(flblOmschr, 1, 1);
    velden->setColumnStretch(1, 1);
    const bool gegevens = modus_ == KamerTypeModus::Gegevens;
    edtCode->setVisible(gegevens);
    edtOmschr->setVisible(gegevens);
    flblCode->setVisible(!gegevens);
    flblOmschr->setVisible(!gegevens);

    pnlCap = new QLabel(QStringLiteral("Tarieven ") + QString::number(jaar), this);
    pnlCap->setObjectName(QStringLiteral("pnlCap"));
    pnlCap->setFrameShape(QFrame::Panel);
    pnlCap->setFrameShadow(QFrame::Raised);
    pnlCap->setAlignment(Qt::AlignCenter);
    gvGrid = new TGridView(this);
    gvGrid->setObjectName(QStringLiteral("gvGrid"));
    BindLayout(*gvGrid, QStringLiteral("RsvMatrix.gvl"));
    connect(gvGrid, &TGridView::OnCelGewijzigd, this, &TfrmRsvEditKamerType::CelGewijzigd);

    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(groep);
    hoofd->addWidget(pnlCap);
    hoofd->addWidget(gvGrid, 1);
    hoofd->addLayout(MaakKnoppenRij());
}

void TfrmRsvEditKamerType::BouwMatrix(int jaar)
{
    heeftMatrix_ = brlib::MaakTariefMatrix(jaar, matrix_);
    if (!heeftMatrix_)
        return;
    brlib::VulTariefMatrix(matrix_, type_.tarieven);
    gvGrid->Execute([this] {
        for (const brlib::stMatrixSoort& soort : matrix_.soorten) {
            for (size_t p = 0; p < soort.periodes.size(); ++p) {
                gvGrid->FillNewCol(QStringLiteral("tariefsoort"), &soort.tekst);
                gvGrid->FillNewCol(QStringLiteral("per_code"), &soort.periodes[p].omschr);
                gvGrid->FillNewColDatum(QStringLiteral("per_begin"), &soort.periodes[p].begin);
                gvGrid->FillNewColDatum(QStringLiteral("per_eind"), &soort.periodes[p].eind);
                gvGrid->FillNewCol(QStringLiteral("tarief"), &soort.bedragen[p]);
            }
            gvGrid->EndGroup();
        }
    });
    gvGrid->SetEditMode(true);
}

void TfrmRsvEditKamerType::FormShow()
{
    TStamDialoog::FormShow();
    if (heeftMatrix_ || gewaarschuwd_)
        return;
    gewaarschuwd_ = true;
    WarningMsg(kGeenMatrix, Caption());
}

void TfrmRsvEditKamerType::CelGewijzigd(const QString& kolom, int rij)
{
    double bedrag = 0;
    if (kolom == QLatin1String("tarief") && gvGrid->GetCellValue(kolom, rij, &bedrag))
        matrix_.ZetBedrag(rij, bedrag);
}

bool TfrmRsvEditKamerType::Accepteer()
{
    if (modus_ == KamerTypeModus::Gegevens) {
        if (const auto fout = ControleerKamerType(edtCode->text()))
            return Weiger(edtCode, fout->tekst);
        type_.code = edtCode->text().trimmed();
        type_.omschr = edtOmschr->text().trimmed();
    }
    brlib::MaakTariefLijst(matrix_, type_.tarieven);
    return true;
}
