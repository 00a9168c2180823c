#include "masterdata/KamerOpslag.h"

#include <algorithm>

#include "masterdata/StamActie.h"
#include "store/Bestanden.h"

namespace {

const StamTeksten kTeksten{
    QStringLiteral("Kan kamer niet registreren omdat deze tussentijds (op een andere werkplek) is gewijzigd.\n"
                   "Het overzicht wordt nu opnieuw ingelezen."),
    QStringLiteral("Registreren kamer")};

// The room numbers of every other room record in use.
std::vector<int32_t> NummersOpSchijf(int32_t behalveRecNr)
{
    std::vector<int32_t> nummers;
    RecordCache<WIN_rsv_kamer> kamers(Bestanden::Kamer, brlib::tfEenBestand, true, true);
    kamers.Scan(2, [&](int32_t nr, const WIN_rsv_kamer& rcd) {
        if (rcd.inGebruik != 0 && nr != behalveRecNr)
            nummers.push_back(int32_t{rcd.kamerNr});  // a copy: the field is packed
        return true;
    });
    return nummers;
}

}  // namespace

std::vector<int32_t> AndereKamerNrs(const std::vector<brlib::stKamer>& kamers, int32_t eigenNr)
{
    std::vector<int32_t> nummers;
    for (const brlib::stKamer& kamer : kamers)
        if (kamer.kamerNr != eigenNr)
            nummers.push_back(kamer.kamerNr);
    std::sort(nummers.begin(), nummers.end());
    return nummers;
}

int32_t VoorgesteldKamerNr(int32_t eigenNr, const std::vector<int32_t>& andereNrs)
{
    if (eigenNr != 0 || andereNrs.empty())
        return eigenNr;
    return *std::max_element(andereNrs.begin(), andereNrs.end()) + 1;
}

Controle<KamerVeld> ControleerKamer(int32_t kamerNr, const std::vector<int32_t>& andereNrs, int32_t kamerTypeNr)
{
    if (kamerNr == 0)
        return Afkeuring<KamerVeld>{KamerVeld::KamerNr, QStringLiteral("Vul een geldig kamernummer in.")};
    if (std::find(andereNrs.begin(), andereNrs.end(), kamerNr) != andereNrs.end())
        return Afkeuring<KamerVeld>{KamerVeld::KamerNr,
                                    QStringLiteral("Kamernr. ") + QString::number(kamerNr) +
                                        QStringLiteral(" is al aanwezig!")};
    if (kamerTypeNr == 0)
        return Afkeuring<KamerVeld>{KamerVeld::KamerType, QStringLiteral("Selecteer een kamertype.")};
    return std::nullopt;
}

QString VerwijderVraag(const brlib::stKamer& kamer)
{
    return QStringLiteral("Wilt u kamernr. ") + QString::number(kamer.kamerNr) + QStringLiteral(" verwijderen?");
}

bool SchrijfKamer(brlib::stKamer& kamer)
{
    // Checked again under the lock: another workstation may have added the number.
    return SchrijfStamRecord<WIN_rsv_kamer>(Bestanden::Kamer, kamer, kTeksten, [&](int32_t recNr) {
        const Controle<KamerVeld> fout = ControleerKamer(kamer.kamerNr, NummersOpSchijf(recNr), kamer.kamerType.recNr);
        return fout ? fout->tekst : QString();
    });
}

bool VerwijderKamer(const brlib::stKamer& kamer)
{
    return VerwijderStamRecord<WIN_rsv_kamer>(Bestanden::Kamer, kamer.recNr, kamer.stempel, kTeksten);
}
