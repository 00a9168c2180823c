#include "masterdata/KamerTypeOpslag.h"

#include "host/brlib/Stempel.h"
#include "masterdata/StamActie.h"
#include "masterdata/TariefOpslag.h"
#include "store/Bestanden.h"
#include "store/WinRsvKamer.h"

namespace {

const StamTeksten kTeksten{
    QStringLiteral("Kan kamertype niet registreren omdat deze tussentijds (op een andere werkplek) is gewijzigd.\n"
                   "Het overzicht wordt nu opnieuw ingelezen."),
    QStringLiteral("Registreren kamertype")};

// A new stamp too, so that a workstation still showing the old type on the
// room cannot write it back.
void MaakKamersVrijVanType(int32_t kamerTypeNr)
{
    RecordCache<WIN_rsv_kamer> kamers(Bestanden::Kamer, brlib::tfEenBestand, false, false);
    std::vector<int32_t> nummers;
    kamers.Scan(2, [&](int32_t nr, const WIN_rsv_kamer& rcd) {
        if (rcd.inGebruik != 0 && rcd.kamerType == kamerTypeNr)
            nummers.push_back(nr);
        return true;
    });
    for (int32_t nr : nummers) {
        WIN_rsv_kamer rcd = kamers.Record(nr);
        rcd.kamerType = 0;
        rcd.stempel = brlib::NieuweStempel(rcd.stempel);
        kamers.Store(nr, rcd);
    }
}

}  // namespace

Controle<KamerTypeVeld> ControleerKamerType(const QString& code)
{
    if (code.trimmed().isEmpty())
        return Afkeuring<KamerTypeVeld>{KamerTypeVeld::Code, QStringLiteral("Vul een code in.")};
    return std::nullopt;
}

bool KamerTypeInGebruik(int32_t kamerTypeNr)
{
    bool gevonden = false;
    RecordCache<WIN_rsv_kamer> kamers(Bestanden::Kamer, brlib::tfEenBestand, true, true);
    kamers.Scan(2, [&](int32_t, const WIN_rsv_kamer& rcd) {
        gevonden = rcd.inGebruik != 0 && rcd.kamerType == kamerTypeNr;
        return !gevonden;
    });
    return gevonden;
}

QString VerwijderVraag(const brlib::stKamerType& type)
{
    return QStringLiteral("Wilt u kamertype \"") + type.code + QStringLiteral("\" verwijderen?");
}

bool SchrijfKamerType(brlib::stKamerType& type, int jaar)
{
    return SchrijfStamRecord<WIN_rsv_kamertype>(Bestanden::KamerType, type, kTeksten,
                                                [&](int32_t nr) {
        HerschrijfTarieven(jaar, nr, type.tarieven);
        return QString();
    });
}

bool SchrijfKamerTypeTarieven(const brlib::stKamerType& type, int jaar)
{
    return type.recNr > 0 && SchrijfTarieven(jaar, type.recNr, type.tarieven);
}

bool VerwijderKamerType(const brlib::stKamerType& type)
{
    return VerwijderStamRecord<WIN_rsv_kamertype>(Bestanden::KamerType, type.recNr, type.stempel, kTeksten, [&] {
        VerwijderTariefKettingen(type.recNr);
        MaakKamersVrijVanType(type.recNr);
    });
}
