#include "checkin/UitCheck.h"

#include <optional>
#include <QTime>

#include "checkin/InCheckToestand.h"
#include "host/base/HuidigeDatum.h"
#include "host/brlib/InCheckUitCheck.h"
#include "host/tillra/RegistratieAccess.h"
#include "logboek/KamerStatus.h"

namespace incheck {

namespace {

using Tillra::Registratie;
using Tillra::RegistratieAccess;

std::optional<Registratie> LeesRegistratie(const brlib::stRes& kamer)
{
    return RegistratieAccess::Inlezen(kamer.inCheck.kassaRegistratie, RegistratieAccess::ALL_OPTIONS);
}

QString Onleesbaar(const brlib::stRes& kamer)
{
    return QStringLiteral("De registratie ") + kamer.inCheck.kassaRegistratie.String(2, 6) +
           QStringLiteral(" kan niet gelezen worden. ") + RegistratieAccess::LaatsteFout();
}

QString KamerNr(const brlib::stRes& kamer) { return QString::number(kamer.kamerNr); }

}  // namespace

TDateTime NuMetTijd()
{
    return HuidigeDatum::Object().Huidige() + QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
}

bool MagUitchecken(const brlib::stRes& kamer, QString& melding)
{
    melding = QStringLiteral("Kamer ") + KamerNr(kamer) + QStringLiteral(" kan niet uitgechecked worden: ");
    if (IsUitgecheckt(kamer)) {
        melding += QStringLiteral("Is al uitgechecked.");
        return false;
    }
    const std::optional<Registratie> reg = LeesRegistratie(kamer);
    if (!reg) {
        melding += Onleesbaar(kamer);
        return false;
    }
    if (!reg->GetBonRegels().empty()) {
        melding += QStringLiteral("De klant moet nog bestelde producten afrekenen aan de kassa.");
        return false;
    }
    if (reg->GetOpenstaandBedrag() != 0.0) {
        melding += QStringLiteral("De klant heeft nog een openstaand bedrag, verreken dit eerst op de kassa.");
        return false;
    }
    melding.clear();
    return true;
}

bool RegistratieAfhandelen(const brlib::stRes& kamer)
{
    std::optional<Registratie> reg = LeesRegistratie(kamer);
    if (!reg)
        return false;
    reg->SetStatus(Registratie::stAfgehandeld);
    return RegistratieAccess::Opslaan(HuidigeDatum::Object().Huidige(), *reg, false);
}

bool UitcheckOpslaan(const brlib::stRes& kamer, bool uitgecheckt)
{
    const bool opgeslagen = brlib::IncheckOpslaanUitCheck(kamer.inCheck, uitgecheckt, NuMetTijd());
    // The room is to be cleaned before the next guest, in the same action.
    if (opgeslagen && uitgecheckt)
        logboek::MaakKamerVuilInActie(kamer.kamerNr);
    return opgeslagen;
}

bool MagIncheckAnnuleren(const brlib::stRes& kamer, QString& melding)
{
    melding = QStringLiteral("De incheck op kamer ") + KamerNr(kamer) + QStringLiteral(" kan niet geannuleerd worden: ");
    if (IsUitgecheckt(kamer)) {
        melding += QStringLiteral("Kamer is al uitgechecked.");
        return false;
    }
    if (IsGeregistreerd(kamer)) {
        const std::optional<Registratie> reg = LeesRegistratie(kamer);
        if (!reg) {
            melding += Onleesbaar(kamer);
            return false;
        }
        if (reg->GetStatus() == Registratie::stAfgehandeld) {
            melding += QStringLiteral("De registratie is al afgehandeld.");
            return false;
        }
        if (reg->GetReedsBetaaldBedrag() != 0.0) {
            melding += QStringLiteral("De registratie is al (gedeeltelijk) betaald.");
            return false;
        }
    }
    melding.clear();
    return true;
}

}  // namespace incheck
