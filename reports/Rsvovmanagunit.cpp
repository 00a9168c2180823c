#include "reports/Rsvovmanagunit.h"

#include <algorithm>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "host/base/DatumTekst.h"
#include "host/base/HuidigeDatum.h"
#include "host/base/MachineSettings.h"
#include "host/brlib/Inlezen.h"
#include "host/ui/HandlerGuard.h"
#include "host/ui/TGridView.h"

using bezetting::Weergave;

namespace {
const QString kFormKey = QStringLiteral("form");
constexpr int kGrafiekPagina = 1;
}  // namespace

TfrmRsvOvManag::TfrmRsvOvManag(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvOvManag"))
{
    SetCaption(QStringLiteral("Management overzicht"));
    resize(1220, 640);
    MaakWidgets();
    Verbind();
}

void TfrmRsvOvManag::Verbind()
{
    ConnectGuarded(pgMain, &QTabWidget::currentChanged, this, [this] { pgMainChange(); });
    const std::pair<QPushButton*, int> stappen[] = {{btnDagMin, -1},  {btnDagPlus, 1}, {btnWeekMin, -1},
                                                    {btnWeekPlus, 1}, {btnMndMin, -1}, {btnMndPlus, 1},
                                                    {btnJaarMin, -1}, {btnJaarPlus, 1}};
    for (const auto& [knop, richting] : stappen)
        ConnectGuarded(knop, &QPushButton::clicked, this, [this, richting = richting] { Stap(richting); });
    ConnectGuarded(dtpckDatum, &QDateEdit::dateChanged, this, [this] { dtpckDatumChange(); });
    ConnectGuarded(edtWeek, &QLineEdit::textEdited, this, [this] { edtWeekChange(); });
    ConnectGuarded(cmbxMaand, &QComboBox::currentIndexChanged, this, [this] { cmbxMaandChange(); });
    ConnectGuarded(edtJaar, &QLineEdit::textEdited, this, [this] { edtJaarChange(); });
    connect(btnPrint, &QPushButton::clicked, this, &TfrmRsvOvManag::btnPrintClick);
    connect(btnSluiten, &QPushButton::clicked, this, &QWidget::close);
    for (QWidget* deel : findChildren<QWidget*>())
        deel->installEventFilter(this);
}

void TfrmRsvOvManag::FormShow()
{
    THostedForm::FormShow();
    if (!IsHosted())
        MachineSettings(IdentityName()).ReadFormPosSize(kFormKey, *this);
    const TDateTime vandaag = HuidigeDatum::Object().Huidige();
    for (Weergave w : {Weergave::Dag, Weergave::Week, Weergave::Maand, Weergave::Jaar})
        keuzes_[static_cast<int>(w)] = bezetting::Keuze::Rond(vandaag, w);
    brlib::InlezenKamers(kamers_);
    ToonKeuzes();
    getoond_ = true;
    pgMainChange();
}

void TfrmRsvOvManag::FormClose(TCloseAction& action)
{
    if (!IsHosted())
        MachineSettings(IdentityName()).WriteFormPosSize(kFormKey, *this);
    THostedForm::FormClose(action);
}

bool TfrmRsvOvManag::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* toets = static_cast<QKeyEvent*>(event);
        const bool links = toets->key() == Qt::Key_Left;
        if (toets->modifiers() == Qt::ControlModifier && (links || toets->key() == Qt::Key_Right)) {
            RunGuarded(Caption(), [&] { Stap(links ? -1 : 1); });
            return true;
        }
    }
    return THostedForm::eventFilter(object, event);
}

Weergave TfrmRsvOvManag::GekozenWeergave() const { return static_cast<Weergave>(std::max(pgMain->currentIndex(), 0)); }

void TfrmRsvOvManag::ToonKeuzes()
{
    toont_ = true;
    const auto& k = keuzes_;
    dtpckDatum->setDate(ToQDate(k[int(Weergave::Dag)].dag));
    edtWeek->setText(QStringLiteral("%1").arg(k[int(Weergave::Week)].week, 2, 10, QLatin1Char('0')));
    flblWeekJaar->setText(QString::number(k[int(Weergave::Week)].jaar));
    cmbxMaand->setCurrentIndex(k[int(Weergave::Maand)].maand - 1);
    flblMndJaar->setText(QString::number(k[int(Weergave::Maand)].jaar));
    edtJaar->setText(QString::number(k[int(Weergave::Jaar)].jaar));
    toont_ = false;
}

void TfrmRsvOvManag::Stap(int richting)
{
    HuidigeKeuze() = bezetting::Stap(HuidigeKeuze(), richting);
    ToonKeuzes();
    Refresh();
}

void TfrmRsvOvManag::dtpckDatumChange()
{
    if (toont_)
        return;
    keuzes_[int(Weergave::Dag)].dag = FromQDate(dtpckDatum->date());
    Refresh();
}

void TfrmRsvOvManag::edtWeekChange()
{
    bezetting::Keuze& k = keuzes_[int(Weergave::Week)];
    const int week = edtWeek->text().toInt();
    if (toont_ || edtWeek->text().size() != 2 || week < 1 || week > WekenInJaar(k.jaar))
        return;
    k.week = week;
    Refresh();
}

void TfrmRsvOvManag::cmbxMaandChange()
{
    if (toont_)
        return;
    keuzes_[int(Weergave::Maand)].maand = cmbxMaand->currentIndex() + 1;
    Refresh();
}

void TfrmRsvOvManag::edtJaarChange()
{
    const int jaar = edtJaar->text().toInt();
    if (toont_ || edtJaar->text().size() != 4 || jaar < 1900)
        return;
    keuzes_[int(Weergave::Jaar)].jaar = jaar;
    Refresh();
}

void TfrmRsvOvManag::pgMainChange()
{
    if (!getoond_)
        return;
    const bool grafiek = GekozenWeergave() != Weergave::Dag;
    pgOv->setTabVisible(kGrafiekPagina, grafiek);
    if (!grafiek)
        pgOv->setCurrentIndex(0);
    Refresh();
}

QString TfrmRsvOvManag::Titel() const
{
    const bezetting::Keuze& k = Huidige();
    const DatumBereik bereik = bezetting::BereikVan(k);
    switch (k.weergave) {
    case Weergave::Dag:
        return FormatDateTime(QStringLiteral("dddd d mmm yyyy"), k.dag);
    case Weergave::Week:
        return QStringLiteral("Week %1 %2 (%3 t/m %4)")
            .arg(k.week)
            .arg(k.jaar)
            .arg(FormatDateTime(QStringLiteral("dd-mm-yyyy"), bereik.eerste),
                 FormatDateTime(QStringLiteral("dd-mm-yyyy"), bereik.laatste));
    case Weergave::Maand:
        return FormatDateTime(QStringLiteral("mmmm yyyy"), bereik.eerste);
    case Weergave::Jaar:
        break;
    }
    return QString::number(k.jaar);
}

void TfrmRsvOvManag::Refresh()
{
    const bezetting::Keuze& k = Huidige();
    cijfers_ = bezetting::BerekenBezetting(bezetting::BereikVan(k), kamers_, k.weergave == Weergave::Jaar);
    gvOverzicht->PrintZetKopRegels(Caption(), Titel());
    VulOverzicht();
    VulGrafiek();
    btnPrint->setEnabled(gvOverzicht->RijAantal() > 0);
}

void TfrmRsvOvManag::btnPrintClick()
{
    if (gvOverzicht->RijAantal() > 0)
        gvOverzicht->Print();
}
