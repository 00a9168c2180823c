// The room check-in dialog's person list: adding, editing, removing persons,
// filling their fields, and storing the check-in on OK.

#include <QPushButton>

#include "checkin/InCheckOpslag.h"
#include "checkin/InCheckToestand.h"
#include "checkin/PersoonGegevens.h"
#include "checkin/ProductBestelling.h"
#include "checkin/RelatieKeuze.h"
#include "checkin/Rsvincheckgegunit.h"
#include "checkin/Vraag.h"
#include "host/base/EBrRuntime.h"
#include "host/base/MachineSettings.h"
#include "host/brlib/VoorRegistratie.h"
#include "host/relations/RelatieNrLabel.h"
#include "host/tillra/KSCommunicatie.h"
#include "host/ui/Messages.h"
#include "host/ui/TGridView.h"

namespace {
const QString kData = QStringLiteral("data");

}  // namespace

void TfrmRsvInCheckGeg::gvPersSelectCell(int rij)
{
    if (!gvGrid->EditMode() && rij >= 0 && rij < int(personen_.size()))
        ToonPersoon(rij);
}

void TfrmRsvInCheckGeg::gvGridEditModeChanged(bool aan)
{
    const int gekozen = GekozenPersoon();
    if (!aan && gekozen >= 0) {
        brlib::stPersoon& p = personen_[gekozen];
        p.waarden.clear();
        for (int rij = 0; rij < gvGrid->RijAantal(); ++rij) {
            QString waarde;
            gvGrid->GetCellValue(kData, rij, &waarde);
            p.waarden << waarde;
        }
        p.relatieNr = relatieNr_;
        p.relatieSleutel = relatieSleutel_;
        VerversPersonen();
        btnSelRel->hide();
    }
    KnoppenBijwerken();
}

void TfrmRsvInCheckGeg::btnNieuwClick()
{
    personen_.push_back(brlib::stPersoon{});
    VerversPersonen();
    gvPers->FocusRij(int(personen_.size()) - 1);
    ZetWaarden({});
    relatieNr_ = relatieSleutel_ = 0;
    ToonRelatieNr(*flblRelNr, 0);
    gvGrid->SetEditMode(true);
    btnSelRel->setVisible(true);
    btnSelRel->setEnabled(incheck::HostRelatieKeuze().Beschikbaar());
}

void TfrmRsvInCheckGeg::btnWijzigenClick()
{
    const int gekozen = GekozenPersoon();
    if (gekozen < 0 || !bewerkbaar_)
        return;
    ToonPersoon(gekozen);
    relatieNr_ = personen_[gekozen].relatieNr;
    relatieSleutel_ = personen_[gekozen].relatieSleutel;
    gvGrid->SetEditMode(true);
    btnSelRel->setVisible(true);
    btnSelRel->setEnabled(incheck::HostRelatieKeuze().Beschikbaar());
}

void TfrmRsvInCheckGeg::btnVerwijderenClick()
{
    const int gekozen = GekozenPersoon();
    if (gekozen < 0 || !incheck::VraagJa(QStringLiteral("Wilt u de geselecteerde persoon verwijderen?"), Caption()))
        return;
    personen_.erase(personen_.begin() + gekozen);
    VerversPersonen();
    const int nu = GekozenPersoon();
    if (nu >= 0)
        ToonPersoon(nu);
    else
        ZetWaarden({});
    KnoppenBijwerken();
}

void TfrmRsvInCheckGeg::btnOvernemenClick()
{
    if (incheck::VraagJa(QStringLiteral("Wilt u de persoonsgegevens van de reservering overnemen?"), Caption()))
        ReserveringOvernemen();
}

void TfrmRsvInCheckGeg::ReserveringOvernemen()
{
    ZetWaarden(incheck::ReserveringWaarden(res_));
    relatieNr_ = res_.relatieNr;
    relatieSleutel_ = res_.relatieNr2;
    ToonRelatieNr(*flblRelNr, relatieNr_);
}

bool TfrmRsvInCheckGeg::VoorregistratieOvernemen()
{
    std::vector<brlib::stVoorReg> voorRegs;
    try {
        brlib::RsvGetVoorRegistratie(res_.sleutel, voorRegs);
    } catch (const EBrRuntime& e) {
        ErrorMsg(e.Message(), Caption());
        return false;
    }
    const auto voorReg = incheck::VoorRegVanKamer(voorRegs, res_.kamerRegels.at(kamer_).kamerNr);
    if (!voorReg)
        return false;
    ZetWaarden(voorReg->regels);
    relatieNr_ = voorReg->relatieNr;
    relatieSleutel_ = voorReg->relatieSleutel;
    ToonRelatieNr(*flblRelNr, relatieNr_);
    return incheck::HeeftWaarde(voorReg->regels);
}

void TfrmRsvInCheckGeg::btnSelRelClick()
{
    const incheck::RelatieKeuze& keuze = incheck::HostRelatieKeuze();
    if (!keuze.Beschikbaar())
        return;
    const int32_t sleutel = keuze.selecteer(relatieSleutel_);
    if (sleutel <= 0)
        return;
    const auto kaart = keuze.lees(sleutel);
    if (!kaart)
        return;
    relatieSleutel_ = sleutel;
    relatieNr_ = kaart->relatieNr;
    ToonRelatieNr(*flblRelNr, relatieNr_);
    QStringList huidig;
    for (int rij = 0; rij < gvGrid->RijAantal(); ++rij) {
        QString waarde;
        gvGrid->GetCellValue(kData, rij, &waarde);
        huidig << waarde;
    }
    if (!incheck::HeeftWaarde(huidig) || incheck::VraagJa(QStringLiteral("Wilt u de gegevens overnemen van de relatiekaart?"), Caption()))
        RelatieOvernemen();
}

void TfrmRsvInCheckGeg::RelatieOvernemen()
{
    const auto kaart = incheck::HostRelatieKeuze().lees(relatieSleutel_);
    if (kaart)
        ZetWaarden(incheck::RelatieRijen(kaart->veld));
}

void TfrmRsvInCheckGeg::btnOkClick()
{
    if (personen_.empty()) {
        WarningMsg(QStringLiteral("Nog geen personen aanwezig."), Caption());
        return;
    }
    registreerProducten_ = false;
    const bool eersteIncheck = !incheck::IsIngecheckt(res_.kamerRegels.at(kamer_));
    if ((res_.productStatus == 0 || res_.productStatus == 1) && eersteIncheck) {
        registreerProducten_ =
            autoProdReg_ || WarningMsg(QStringLiteral("Wilt u bij dit inchecknummer de producten registreren?"),
                                       QStringLiteral("Inchecken/registreren"), msg::mbYesNo) == msg::idYes;
        const bool geenServer = !(Tillra::g_KSCommunicatie && Tillra::g_KSCommunicatie->IsConnected()) &&
                                MachineSettings(QStringLiteral("KassaServer"))
                                    .ReadString(QStringLiteral("Hostnaam"), QString())
                                    .trimmed()
                                    .isEmpty();
        if (registreerProducten_ && !autoProdReg_ && geenServer) {
            ErrorMsg(QStringLiteral("U heeft nog geen server adres van de kassa server opgegeven.\nOm de producten bij "
                                    "de registratie te registreren moet er verbinding zijn met de kassa server.\nGa "
                                    "hiervoor in het reserverings overzicht naar Instellingen, tabblad Kassa server"),
                     QStringLiteral("Registratie"));
            return;
        }
    }
    const int resultaat = bewerkbaar_ ? InCheckOpslaan() : mrOk;
    if (resultaat != mrNone)
        SetModalResult(resultaat);
}

int TfrmRsvInCheckGeg::InCheckOpslaan()
{
    incheck::InCheckUitkomst uitkomst;
    try {
        uitkomst = incheck::InCheckOpslaan(res_, {kamer_, personen_, registreerProducten_});
    } catch (const EBrRuntime& e) {
        ErrorMsg(QStringLiteral("De incheck is niet opgeslagen.\n") + e.Message(), Caption());
        return mrNone;
    }
    switch (uitkomst) {
    case incheck::InCheckUitkomst::GeenSlot:
        return mrNone;
    case incheck::InCheckUitkomst::Gewijzigd:
        ErrorMsg(QStringLiteral("De wijzigingen kunnen niet geregistreerd worden omdat deze reservering tussentijds (op "
                                "een andere werkplek) gewijzigd is.\nDit venster wordt nu afgesloten. Probeer het "
                                "daarna opnieuw."),
                 Caption());
        return 4;
    case incheck::InCheckUitkomst::Opgeslagen:
        break;
    }
    personen_ = res_.kamerRegels.at(kamer_).inCheck.personen;
    if (registreerProducten_)
        BestelProducten();
    return mrOk;
}

// The check-in is stored; products that cannot be read are said, the check-in stays.
void TfrmRsvInCheckGeg::BestelProducten()
{
    try {
        incheck::BestelProducten(res_, res_.kamerRegels.at(kamer_).inCheck.kassaRegistratie);
    } catch (const EBrRuntime& e) {
        ErrorMsg(e.Message(), Caption());
    }
}
