#include "checkin/InCheckLijst.h"

#include "checkin/InCheckToestand.h"
#include "checkin/IncheckAnnuleren.h"
#include "checkin/ResStatusOpslag.h"
#include "checkin/SlotActie.h"
#include "checkin/UitCheck.h"
#include "checkin/Vraag.h"
#include "host/base/EBrRuntime.h"
#include "host/brlib/Inlezen.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/ui/Messages.h"
#include "logboek/LogboekActie.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResHfd.h"

namespace incheck {

namespace {

const QString kGewijzigd = QStringLiteral(
    "De huidige reservering is tussentijds (op een andere werkplek) gewijzigd.\n"
    "De gegevens van deze reservering worden nu opnieuw ingelezen.\n"
    "Hierna kunt u opnieuw gaan in- of uitchecken.");

QString KamerNr(const brlib::stRes& kamer) { return QString::number(kamer.kamerNr); }

// True, after the warning, when `kamer` is not checked in; `actie` is what cannot be done.
bool MeldNietIngecheckt(const brlib::stRes& kamer, const QString& actie, const QString& titel)
{
    if (IsIngecheckt(kamer))
        return false;
    WarningMsg(QStringLiteral("Kan niet ") + actie + QStringLiteral(" omdat kamernummer ") + KamerNr(kamer) +
                   QStringLiteral(" nog niet ingechecked is!"),
               titel);
    return true;
}


// The header's change counter on disk differs from the one read with the reservation.
bool KopGewijzigd(const brlib::RsvReservering& res)
{
    RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, brlib::tfPerJaar, true, true);
    return hfd.Record(res.sleutel).wijzigTeller != res.wijzigTeller;
}

enum class Uitcheck { Gedaan, GeenSlot, Gewijzigd };

}  // namespace

InCheckLijst::InCheckLijst(QString titel, std::function<void()> getoond)
    : titel_(std::move(titel)), getoond_(std::move(getoond))
{
}

bool InCheckLijst::LeesReservering(const JaarNr& sleutel)
{
    try {
        brlib::RsvReserveringCursorRandom cursor;
        brlib::RsvReservering res = cursor.At(sleutel, brlib::roAlles);
        std::vector<brlib::stKamer> kamers;
        brlib::InlezenKamers(kamers);
        res.VulKamerTypes(kamers);
        res_ = std::move(res);
        return true;
    } catch (const EBrRuntime& e) {
        ErrorMsg(e.Message(), titel_);
        return false;
    }
}

void InCheckLijst::Verversen()
{
    LeesReservering(res_.sleutel);
    if (getoond_)
        getoond_();
}

bool InCheckLijst::ControleerGewijzigd()
{
    try {
        if (!KopGewijzigd(res_))
            return false;
    } catch (const EBrRuntime& e) {
        ErrorMsg(e.Message(), titel_);
        return true;
    }
    WarningMsg(kGewijzigd, titel_);
    Verversen();
    return true;
}

bool InCheckLijst::MeldVerplaatst(int kamer)
{
    const brlib::stRes& k = res_.kamerRegels[kamer];
    if (!IsVerplaatst(k))
        return false;
    WarningMsg(QStringLiteral("Kan deze kamer niet in- of uitchecken omdat deze deels verplaatst is naar kamernummer ") +
                   QString::number(k.verplaatstNaar) +
                   QStringLiteral(".\nHet nieuwe kamernummer kunt u evt. wel in- of uitchecken."),
               titel_);
    return true;
}

void InCheckLijst::MeldOpslagFout(const QString& reden)
{
    ErrorMsg(QStringLiteral("De wijzigingen zijn niet opgeslagen.\n") + reden, titel_);
}

void InCheckLijst::NaInChecken(int modalResultaat)
{
    if (modalResultaat == 1) {
        try {
            SlotActie actie({QStringLiteral("rsv")});
            if (actie.Locked()) {
                logboek::NoteerReservering(QStringLiteral("Status"), res_.sleutel);
                StatusOpslaan(res_);
                actie.Commit();
            }
        } catch (const EBrRuntime& e) {
            MeldOpslagFout(e.Message());
        }
    }
    if (modalResultaat == 1 || modalResultaat == 4)
        Verversen();
}

// The check-out (or its undoing) of one room in one action with the status.
bool InCheckLijst::RegistreerUitcheck(const brlib::stRes& kamer, bool uitgecheckt, bool& afgehandeld)
{
    QStringList sloten{QStringLiteral("rsv")};
    if (IsGeregistreerd(kamer))
        sloten << QStringLiteral("reg");
    bool opgeslagen = false;
    Uitcheck uitkomst = Uitcheck::GeenSlot;
    try {
        SlotActie actie(sloten);
        if (actie.Locked()) {
            uitkomst = KopGewijzigd(res_) ? Uitcheck::Gewijzigd : Uitcheck::Gedaan;
            if (uitkomst == Uitcheck::Gedaan) {
                logboek::NoteerReservering(
                    uitgecheckt ? QStringLiteral("Uitchecken") : QStringLiteral("Uitcheck terugzetten"), res_.sleutel);
                opgeslagen = UitcheckOpslaan(kamer, uitgecheckt);
                if (opgeslagen && IsGeregistreerd(kamer))
                    afgehandeld = RegistratieAfhandelen(kamer);
                if (opgeslagen)
                    StatusOpslaan(res_);
                actie.Commit();
            }
        }
    } catch (const EBrRuntime& e) {
        MeldOpslagFout(e.Message());
        Verversen();
        return false;
    }
    if (uitkomst == Uitcheck::Gewijzigd) {
        WarningMsg(kGewijzigd, titel_);
        Verversen();
    }
    return opgeslagen;
}

void InCheckLijst::KamerUitchecken(int kamer)
{
    if (!IsKamer(kamer) || ControleerGewijzigd())
        return;
    const brlib::stRes k = res_.kamerRegels[kamer];
    if (MeldNietIngecheckt(k, QStringLiteral("uitchecken"), titel_))
        return;
    if (MeldVerplaatst(kamer))
        return;
    QString melding;
    if (IsGeregistreerd(k) && !MagUitchecken(k, melding)) {
        ErrorMsg(melding, titel_);
        return;
    }
    const QString vraag = IsUitgecheckt(k)
                              ? QStringLiteral("Kamernummer ") + KamerNr(k) +
                                    QStringLiteral(" is al uitgechecked\n\nWilt u de status van deze kamer weer "
                                                   "terugzetten op 'Ingechecked'?")
                              : QStringLiteral("Wilt u kamernummer ") + KamerNr(k) + QStringLiteral(" gaan uitchecken?");
    if (!VraagJa(vraag, titel_))
        return;
    bool afgehandeld = true;
    const bool opgeslagen = RegistreerUitcheck(k, !IsUitgecheckt(k), afgehandeld);
    if (!afgehandeld)
        ErrorMsg(QStringLiteral("Kon registratie niet afhandelen"), QStringLiteral("Registratie afhandelen"));
    if (opgeslagen)
        Verversen();
}

int InCheckLijst::UitcheckenInActie(const std::vector<int>& rijKamers, QStringList& fouten)
{
    int aantal = 0;
    int vorige = -1;
    for (int index : rijKamers) {
        if (!IsKamer(index) || index == vorige)
            continue;
        vorige = index;
        const brlib::stRes k = res_.kamerRegels[index];
        if (IsVerplaatst(k) || !IsIngecheckt(k) || IsUitgecheckt(k))
            continue;
        QString melding;
        if (IsGeregistreerd(k) && !MagUitchecken(k, melding)) {
            fouten << melding;
            continue;
        }
        if (!UitcheckOpslaan(k, true))
            continue;
        ++aantal;
        if (IsGeregistreerd(k) && !RegistratieAfhandelen(k))
            fouten << QStringLiteral("Kamer ") + KamerNr(k) + QStringLiteral(": Kon registratie niet afhandelen.");
    }
    return aantal;
}

void InCheckLijst::AllesUitchecken(const std::vector<int>& rijKamers)
{
    if (ControleerGewijzigd() || !VraagJa(QStringLiteral("Wilt u alle ingecheckte kamers uitchecken?"), titel_))
        return;
    int aantal = 0;
    QStringList fouten;
    bool gewijzigd = false;
    try {
        SlotActie actie({QStringLiteral("rsv"), QStringLiteral("reg")});
        if (!actie.Locked())
            return;
        gewijzigd = KopGewijzigd(res_);
        if (!gewijzigd) {
            logboek::NoteerReservering(QStringLiteral("Alles uitchecken"), res_.sleutel);
            aantal = UitcheckenInActie(rijKamers, fouten);
            StatusOpslaan(res_);
            actie.Commit();
        }
    } catch (const EBrRuntime& e) {
        MeldOpslagFout(e.Message());
        Verversen();
        return;
    }
    if (gewijzigd)
        WarningMsg(kGewijzigd, titel_);
    Verversen();
    if (gewijzigd)
        return;
    const QString gereed = QStringLiteral("Gereed: ") + QString::number(aantal) + QStringLiteral(" kamer(s) uitgechecked.");
    if (!fouten.isEmpty())
        ErrorMsg(gereed + QStringLiteral("\n\n") + fouten.join(u'\n'), titel_);
    else if (aantal == 0)
        WarningMsg(QStringLiteral("Alle kamers zijn al uitgechecked (of niet ingechecked)."), titel_);
    else
        InfoMsg(gereed, titel_);
}

void InCheckLijst::AnnuleerIncheck(int kamer)
{
    if (!IsKamer(kamer) || ControleerGewijzigd())
        return;
    const brlib::stRes k = res_.kamerRegels[kamer];
    if (MeldNietIngecheckt(k, QStringLiteral("annuleren"), titel_))
        return;
    QString melding;
    if (IsGeregistreerd(k) && !MagIncheckAnnuleren(k, melding)) {
        ErrorMsg(melding, titel_);
        return;
    }
    if (IsUitgecheckt(k)) {
        WarningMsg(QStringLiteral("Kan niet annuleren omdat kamernummer ") + KamerNr(k) +
                       QStringLiteral(" al uitgechecked is."),
                   titel_);
        return;
    }
    if (!VraagJa(QStringLiteral("Wilt u de incheck op kamernummer ") + KamerNr(k) + QStringLiteral(" annuleren?"), titel_))
        return;
    try {
        switch (IncheckAnnuleren(k.inCheck.sleutel, res_.sleutel, res_.wijzigTeller)) {
        case Annulering::GeenSlot:
            return;
        case Annulering::Gewijzigd:
            WarningMsg(kGewijzigd, titel_);
            break;
        case Annulering::Gedaan:
            break;
        }
    } catch (const EBrRuntime& e) {
        MeldOpslagFout(e.Message());
    }
    Verversen();
}

}  // namespace incheck
