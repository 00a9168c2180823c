#include "board/Rsvovresunit.h"

#include <memory>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "board/BordCellen.h"
#include "board/BordDatums.h"
#include "board/BordGrid.h"
#include "board/BordLegenda.h"
#include "host/base/DatumTekst.h"
#include "host/base/EBrRuntime.h"
#include "host/base/HuidigeDatum.h"
#include "host/brlib/Inlezen.h"
#include "host/brlib/ResStatus.h"
#include "host/brlib/ReserveringAccess.h"
#include "host/records/UpdateCount.h"
#include "host/tillra/TlrSettings.h"
#include "host/ui/BrlKeyPad.h"
#include "host/ui/HandlerGuard.h"
#include "host/ui/JaarNrDialog.h"
#include "host/ui/Messages.h"
#include "host/ui/ModuleCallRequest.h"

TfrmRsvOvRes::TfrmRsvOvRes(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvOvRes"))
{
    toestand_.startDatum = HuidigeDatum::Object().Huidige();
    SetCaption(QStringLiteral("Reserveringen"));
    setMinimumSize(564, 420);
    resize(1000, 640);
    MaakWidgets();
    Verbind();
    VerbindNavigatie();
    VerbindModi();
    // A till's board fills the screen beside the desktop's task bar.
    if (!IsHosted())
        setWindowState(Qt::WindowMaximized);
}

void TfrmRsvOvRes::MaakWidgets()
{
    auto* hoofd = new QVBoxLayout(this);
    hoofd->setContentsMargins(0, 0, 0, 0);
    hoofd->setSpacing(0);
    pnlTab = bord::MaakTabPaneel(this);
    boven_ = bord::MaakBovenPaneel(this);
    dgGrid = new BordGrid(this, toestand_, geometrie_, kleuren_);
    pnlLegenda = bord::MaakLegenda(this, kleuren_);
    gridKnoppen_ = bord::MaakGridKnoppen(this);
    auto* midden = new QHBoxLayout;
    midden->addWidget(dgGrid, 1);
    midden->addWidget(pnlLegenda);
    midden->addWidget(gridKnoppen_.pnlGridButtons);
    onder_ = bord::MaakOnderPaneel(this);
    verplaatsen_ = bord::MaakVerplaatsPaneel(this);
    pnlNieuw = MaakNieuwPaneel();
    for (QWidget* w : {pnlTab, boven_.pnlBoven})
        hoofd->addWidget(w);
    hoofd->addLayout(midden, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{onder_.pnlOnder, verplaatsen_.pnlVerplaatsen, pnlNieuw})
        hoofd->addWidget(w);

    jrnrdlgRes = new JaarNrDialog(this, QStringLiteral("Selecteer reservering"));
    jrnrdlgRes->setObjectName(QStringLiteral("jrnrdlgRes"));
    tmrUpdate = new QTimer(this);
    tmrUpdate->setObjectName(QStringLiteral("tmrUpdate"));
    tmrUpdate->setInterval(3000);
}

void TfrmRsvOvRes::Verbind()
{
    connect(tmrUpdate, &QTimer::timeout, this, &TfrmRsvOvRes::tmrUpdateTimer);
    connect(onder_.btnSluiten, &QPushButton::clicked, this, &QWidget::close);
    // Handlers that read or write the record files report what fails there
    // instead of letting it end the program.
    ConnectGuarded(onder_.btnNieuw, &QPushButton::clicked, this, [this] { btnNieuwClick(); });
    ConnectGuarded(dgGrid, &BordGrid::MuisOp, this, [this](QPoint, Qt::MouseButton) {
        ZorgVolledig();
        if (toestand_.nieuwModus)
            NieuwMuisOp();
    });
    ConnectGuarded(dgGrid, &BordGrid::MuisBeweegt, this, [this](QPoint plek) { dgGridMouseMove(plek); });
    ConnectGuarded(dgGrid, &BordGrid::MuisNeer, this, [this](QPoint plek, Qt::MouseButton) { dgGridMouseDown(plek); });
    connect(dgGrid, &BordGrid::Vergroot, this, [this] {
        ToonRijen();
        ZetRijKnoppen();
    });
    dgGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    ConnectGuarded(dgGrid, &QWidget::customContextMenuRequested, this, [this](QPoint plek) { dgGridKamerMenu(plek); });
    ConnectGuarded(boven_.btnSelRes, &QPushButton::clicked, this, [this] { btnSelResClick(); });
    ConnectGuarded(boven_.btnZoeken, &QPushButton::clicked, this, [this] { btnZoekenClick(); });
    ConnectGuarded(onder_.btnOverzicht, &QPushButton::clicked, this, [this] { btnOverzichtClick(); });
    ConnectGuarded(onder_.btnSettings, &QPushButton::clicked, this, [this] { btnSettingsClick(); });
    ConnectGuarded(jrnrdlgRes, &JaarNrDialog::OnChangeJaar, this,
                   [this](int jaar) { jrnrdlgRes->SetMaxAantal(brlib::GetReserveringCount(jaar)); });
    connect(gridKnoppen_.btnLegenda, &QToolButton::clicked, this, &TfrmRsvOvRes::ToonLegenda);
}

bool TfrmRsvOvRes::VraagInCheckNieuw(JaarNr reservering) const
{
    return PostModuleCallRequest(ModuleCallRequest::Make(
        QStringLiteral("reservering.bpl"), QStringLiteral("_InCheckNieuw"),
        std::make_unique<JaarNr>(reservering), std::make_unique<TDateTime>(toestand_.startDatum)));
}

void TfrmRsvOvRes::FormShow()
{
    THostedForm::FormShow();
    toestand_.isoWeek = bord::LeesIsoWeek();
    ToonLegenda(bord::LeesLegendaGetoond());
    pnlTab->setVisible(!IsHosted());
    if (!IsHosted() && Tillra::TlrSettings::Object().SchermToetsenbord())
        BrlKeyPad::Bind(this);
    SetStartDate(toestand_.startDatum);
    toestand_.nieuwModus = false;
    toestand_.verplaatsModus = toestand_.periodeModus = toestand_.groepModus = 0;
    if (!InitBoard()) {
        // Closing inside the show would cut it short; the click comes right after it.
        QMetaObject::invokeMethod(onder_.btnSluiten, &QPushButton::click, Qt::QueuedConnection);
        return;
    }
    brlib::stRes regel;
    if (!startInCheck_.IsLeeg() && brlib::ReserveringAccess::LeesResOpIncheck(startInCheck_, regel))
        SelectReservation(regel.resSleutel, startInCheck_);
    if (isVisible())
        SetTimer(true);
}

void TfrmRsvOvRes::FormClose(TCloseAction& action)
{
    SetTimer(false);
    bord::SchrijfLegendaGetoond(gridKnoppen_.btnLegenda->isChecked());
    THostedForm::FormClose(action);
}

bool TfrmRsvOvRes::InitBoard()
{
    const TimerPauze pauze(*this);
    const bord::BordInstellingen instellingen = bord::BordInstellingen::Lees();
    toestand_.cursorHor = instellingen.cursorHor;
    toestand_.cursorVert = instellingen.cursorVert;
    pnlNieuw->hide();
    onder_.pnlOnder->show();
    nieuw_.Sluit();
    try {
        brlib::InlezenKamers(toestand_.kamers);
        toestand_.kamerStatus = logboek::KamerStatussen();
    } catch (const EBrRuntime& fout) {
        toestand_.kamers.clear();
        ErrorMsg(fout.Message(), Caption());
    }
    if (toestand_.kamers.empty()) {
        ErrorMsg(QStringLiteral("Nog geen kamers gedefinieerd!"), Caption());
        return false;
    }
    geometrie_.ZetRaster(static_cast<int>(toestand_.kamers.size()), instellingen.rijHoogte);
    dgGrid->PasKolommen();
    toestand_.cellen.assign(toestand_.kamers.size(), bord::RoomDayCells());
    // Read before loading: a change stored while loading then shows on the next tick.
    toestand_.updateCount = brlib::RsvGetUpdateCount();
    LaadItems();
    toestand_.geselecteerd = toestand_.aangewezen = JaarNr();
    toestand_.gekozenBegin = toestand_.gekozenEind = 0;
    toestand_.nieuwRij = toestand_.wijzerKolom = toestand_.wijzerRij = -1;
    toestand_.slepen = false;
    HerstelModus();
    ShowSelected(JaarNr());
    Refresh(true);
    ZetRijKnoppen();
    return true;
}

void TfrmRsvOvRes::LaadItems()
{
    try {
        // Called on the reading thread; the rest is added on this one.
        const auto gelezen = [this] {
            QMetaObject::invokeMethod(this, [this] { ZorgVolledig(); }, Qt::QueuedConnection);
        };
        // Rows for the whole screen's height: a board that is maximised after it
        // opens then need not wait for the rest.
        bord::RijBereik rijen = RijenOpScherm();
        if (screen()) {
            const int schermRijen = screen()->availableGeometry().height() / geometrie_.RijHoogte();
            rijen.voorbij = std::max(rijen.voorbij, rijen.eerste + schermRijen);
        }
        lader_.Laad(toestand_, rijen, gelezen);
    } catch (const EBrRuntime& fout) {
        // Another workstation may be rewriting the chain; its update brings the next load.
        ErrorMsg(fout.Message(), Caption());
    }
}

bord::RijBereik TfrmRsvOvRes::RijenOpScherm() const
{
    return {geometrie_.TopRij() - bord::kKopRijen, geometrie_.LaatsteZichtbareRij() - bord::kKopRijen + 1};
}

void TfrmRsvOvRes::ToonRijen()
{
    // A window that grows right after it opens need not wait for rows it does not show.
    if (!lader_.Dekt(RijenOpScherm()))
        ZorgVolledig();
}

void TfrmRsvOvRes::ZorgVolledig()
{
    try {
        if (!lader_.Voltooi(toestand_))
            return;
    } catch (const EBrRuntime& fout) {
        ErrorMsg(fout.Message(), Caption());
    }
    Refresh(true);
    ShowSelected(getoond_);
}

void TfrmRsvOvRes::Refresh(bool herbouw)
{
    if (herbouw)
        bord::BuildCells(toestand_);
    dgGrid->update();
    if (toestand_.nieuwModus)
        pnlNieuw->Toon();
}

void TfrmRsvOvRes::SetTimer(bool aan)
{
    if (aan)
        tmrUpdate->start();
    else
        tmrUpdate->stop();
}

TfrmRsvOvRes::TimerPauze::TimerPauze(TfrmRsvOvRes& form) : form_(form), liep_(form.tmrUpdate->isActive())
{
    form_.SetTimer(false);
}

TfrmRsvOvRes::TimerPauze::~TimerPauze()
{
    if (liep_ && form_.isVisible())
        form_.SetTimer(true);
}

void TfrmRsvOvRes::tmrUpdateTimer()
{
    if (brlib::RsvGetUpdateCount() == toestand_.updateCount)
        return;
    if (!InitBoard())
        close();
}

void TfrmRsvOvRes::SetStartDate(TDateTime datum)
{
    const TDateTime start = bord::WeekBegin(datum, toestand_.isoWeek);
    boven_.flblWeekNr->setText(QString::number(WeekNr(start)));
    boven_.flblMaand->setText(FormatDateTime(QStringLiteral("mmmm"), start));
    boven_.flblJaar->setText(QString::number(Jaar(start)));
    toestand_.startDatum = start;
}
