#include "masterdata/Rsvsettingsunit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

#include "host/tillra/KSCommunicatie.h"
#include "host/tillra/TlrSettings.h"
#include "host/ui/Messages.h"

namespace {

const QString kRelatieKaartVraag = QStringLiteral(
    "Met deze optie zorgt u ervoor dat alle relatiegegevens, zoals deze op de relatiekaart staan, ook bij de "
    "reservering en bij het inchecken ingevuld en geregistreerd kunnen worden. Dit gebeurt alleen bij nieuwe "
    "reserveringen, de relatiegegevens van bestaande reservereringen worden niet aangepast.\n"
    "Let op: Dit is een eenmalige instelling en kan daarna niet meer uitgezet worden.\n\n"
    "Weet u zeker dat u deze optie wilt activeren?");

void ZetStil(QAbstractButton* knop, bool aan)
{
    const QSignalBlocker stil(knop);
    knop->setChecked(aan);
}

}  // namespace

TfrmRsvSettings::TfrmRsvSettings(QWidget* owner, bool geenKassaServer)
    : TStamDialoog(owner, QStringLiteral("RsvSettings")), geenKassaServer_(geenKassaServer)
{
    SetCaption(QStringLiteral("Instellingen (per administratie)"));
    MaakControls();
    Verbind();
}

void TfrmRsvSettings::FormShow()
{
    TStamDialoog::FormShow();
    Laad();
}

// Signals are blocked while the values go in, so the one-way question of
// "RelatieKaartVelden" is not asked for a value already stored.
void TfrmRsvSettings::Laad()
{
    const rsvsettings::Instellingen i = rsvsettings::Instellingen::Lees();
    edtRijHoogte->setValue(i.rijHoogte);
    ZetStil(chkbxCursorHor, i.cursorHor);
    ZetStil(rdbtnHor1, i.cursorHorOptie1);
    ZetStil(rdbtnHor2, i.cursorHorOptie2);
    ZetStil(chkbxCursorVert, i.cursorVert);
    ZetStil(rdbtnVert1, i.cursorVertOptie1);
    ZetStil(rdbtnVert2, i.cursorVertOptie2);
    ZetStil(chkbxDebOvernemen, i.debOvernemen);
    ZetStil(chkbxAutoProdReg, i.autoProdReg);
    ZetStil(chkbxRelatieKaartVelden, i.relatieKaartVelden);
    chkbxRelatieKaartVelden->setEnabled(!i.relatieKaartVelden);
    groep_ = i.groep;
    if (!geenKassaServer_) {
        kassaServer_ = rsvsettings::KassaServer::Lees();
        edtHost->setText(kassaServer_.hostnaam);
        edtPoort->setText(QString::number(kassaServer_.poort));
    }
    PasCursorsToe();
    ToonGroep();
    pgMain->setCurrentWidget(tbAlgemeen);
}

void TfrmRsvSettings::PasCursorsToe()
{
    for (QWidget* w : {static_cast<QWidget*>(rdbtnHor1), static_cast<QWidget*>(rdbtnHor2)})
        w->setEnabled(chkbxCursorHor->isChecked());
    for (QWidget* w : {static_cast<QWidget*>(rdbtnVert1), static_cast<QWidget*>(rdbtnVert2)})
        w->setEnabled(chkbxCursorVert->isChecked());
}

void TfrmRsvSettings::ToonGroep()
{
    ZetStil(chkbxGeenGroep, groep_.geenGroep);
    ZetStil(chkbxWelGroep, groep_.welGroep);
    ZetStil(rdbtnDefGeenGroep, groep_.defGeenGroep);
    ZetStil(rdbtnDefWelGroep, groep_.defWelGroep);
    rdbtnDefGeenGroep->setEnabled(groep_.geenGroep);
    rdbtnDefWelGroep->setEnabled(groep_.welGroep);
}

void TfrmRsvSettings::GroepOptieGewijzigd(bool welGroep, bool aan)
{
    groep_.Zet(welGroep, aan);
    ToonGroep();
}

void TfrmRsvSettings::StandaardGekozen(bool welGroep)
{
    groep_.defWelGroep = welGroep;
    groep_.defGeenGroep = !welGroep;
    ToonGroep();
}

void TfrmRsvSettings::chkbxRelatieKaartVeldenClick(bool aan)
{
    if (aan && WarningMsg(kRelatieKaartVraag, Caption(), msg::mbYesNo) != msg::idYes)
        ZetStil(chkbxRelatieKaartVelden, false);
}

rsvsettings::Instellingen TfrmRsvSettings::UitControls() const
{
    rsvsettings::Instellingen i;
    i.rijHoogte = edtRijHoogte->value();
    i.cursorHor = chkbxCursorHor->isChecked();
    i.cursorHorOptie1 = rdbtnHor1->isChecked();
    i.cursorHorOptie2 = rdbtnHor2->isChecked();
    i.cursorVert = chkbxCursorVert->isChecked();
    i.cursorVertOptie1 = rdbtnVert1->isChecked();
    i.cursorVertOptie2 = rdbtnVert2->isChecked();
    i.debOvernemen = chkbxDebOvernemen->isChecked();
    i.autoProdReg = chkbxAutoProdReg->isChecked();
    i.groep = groep_;
    i.relatieKaartVelden = chkbxRelatieKaartVelden->isChecked();
    return i;
}

bool TfrmRsvSettings::Accepteer()
{
    groep_.MinstensEen();
    ToonGroep();
    bool gelukt = UitControls().Schrijf();
    if (!geenKassaServer_) {
        const QString poort = edtPoort->text().trimmed();
        const rsvsettings::KassaServer nieuw{edtHost->text().trimmed(),
                                             poort.isEmpty() ? Tillra::TlrSettings::kStandaardPoort : poort.toInt()};
        gelukt = nieuw.Schrijf() && gelukt;
        // The process's connection still talks to the old server; the next request connects anew.
        if (nieuw.hostnaam != kassaServer_.hostnaam || nieuw.poort != kassaServer_.poort)
            Tillra::g_KSCommunicatie.reset();
    }
    if (!gelukt)
        return Weiger(btnOk, QStringLiteral("De instellingen konden niet (volledig) opgeslagen worden. Controleer of "
                                            "de administratie bereikbaar is en de schijf niet vol is."));
    return true;
}
