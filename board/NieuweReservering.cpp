#include "board/NieuweReservering.h"

#include "board/NieuwTarief.h"
#include "host/ui/Messages.h"
#include "reservation/RegelTarief.h"

namespace bord {

namespace nieuw {

QString PeriodeTeLang()
{
    return QStringLiteral("Periode kan niet groter zijn dan ") + QString::number(kMaxNachten) +
           QStringLiteral(" dagen.");
}

QString KamerBezetTekst(int32_t kamerNr)
{
    return QStringLiteral("Kamer ") + QString::number(kamerNr) +
           QStringLiteral(" is al gereserveerd binnen de geselecteerde periode.\n"
                          "Selecteer een andere periode of kamer.");
}

}  // namespace nieuw

NieuweReservering::NieuweReservering(BordToestand& bord, QString titel) : bord_(bord), titel_(std::move(titel)) {}

void NieuweReservering::Open(const QStringList& standaardLabels)
{
    Sluit();
    bord_.nieuwModus = true;
    stap_ = stapKamer;
    gegevens_.relatieLabels = standaardLabels;
}

void NieuweReservering::Sluit()
{
    bord_.items.resize(EersteNieuwe());
    bord_.nieuwModus = false;
    bord_.slepen = false;
    WisKeuze();
    stap_ = stapGeen;
    aantalRegels_ = 0;
    sjabloon_ = {};
    gegevens_ = {};
}

void NieuweReservering::WisKeuze()
{
    bord_.nieuwRij = -1;
    bord_.gekozenBegin = 0;
    bord_.gekozenEind = 0;
}

size_t NieuweReservering::EersteNieuwe() const
{
    size_t eerste = bord_.items.size();
    while (eerste > 0 && bord_.items[eerste - 1].nieuw)
        --eerste;
    return eerste;
}

bool NieuweReservering::HeeftVoorlopige() const
{
    return bord_.HeeftNieuweRegels() && bord_.items.back().voorlopig;
}

bool NieuweReservering::VerwijderVoorlopige()
{
    if (!HeeftVoorlopige())
        return false;
    bord_.items.pop_back();
    bord_.slepen = false;
    return true;
}

const brlib::stKamer* NieuweReservering::Kamer(int32_t kamerNr) const
{
    const int rij = bord_.KamerIndex(kamerNr);
    return rij < 0 ? nullptr : &bord_.kamers[rij];
}

brlib::stRes NieuweReservering::NieuweRegel(int32_t kamerNr, TDateTime begin, TDateTime eind, bool voorlopig) const
{
    brlib::stRes regel;
    regel.kamerNr = kamerNr;
    regel.begin = begin;
    regel.eind = eind;
    regel.nieuw = true;
    regel.voorlopig = voorlopig;
    return regel;
}

// A line joins the reservation: full persons of its room and its prices.
void NieuweReservering::Bevestig(brlib::stRes& regel)
{
    regel.voorlopig = false;
    const brlib::stKamer* kamer = Kamer(regel.kamerNr);
    if (kamer == nullptr)
        return;
    regel.personen = kamer->maxPersonen;
    if (!::BepaalTarieven(regel, *kamer))
        ErrorMsg(nieuw::kGeenTarieven, titel_);
}

void NieuweReservering::Ongedaan()
{
    if (!VerwijderVoorlopige() && bord_.HeeftNieuweRegels()) {
        bord_.items.pop_back();
        --aantalRegels_;
    }
    if (bord_.HeeftNieuweRegels())
        return;
    bord_.slepen = false;
    WisKeuze();
    stap_ = stapKamer;
    aantalRegels_ = 0;
}

bool NieuweReservering::ZetPersonen(int regel, int personen)
{
    const size_t index = EersteNieuwe() + static_cast<size_t>(regel);
    if (regel < 0 || index >= bord_.items.size() || personen < 0)
        return false;
    bord_.items[index].personen = personen;
    return true;
}

std::vector<brlib::stRes> NieuweReservering::BevestigdeRegels() const
{
    std::vector<brlib::stRes> regels;
    for (size_t i = EersteNieuwe(); i < bord_.items.size(); ++i)
        if (!bord_.items[i].voorlopig)
            regels.push_back(bord_.items[i]);
    return regels;
}

double NieuweReservering::Totaal() const { return TotaalBedrag(bord_.items); }

QString NieuweReservering::Kop() const
{
    switch (stap_) {
    case stapKamer: return nieuw::kTitel + QStringLiteral(" - Selecteer kamernummer");
    case stapBegin: return nieuw::kTitel + QStringLiteral(" - Selecteer begindatum");
    case stapEind: return nieuw::kTitel + QStringLiteral(" - Selecteer einddatum");
    default: return nieuw::kTitel;
    }
}

bool NieuweReservering::VraagGegevens(const GegevensDialoog& dialoog)
{
    ResGegevens kopie = gegevens_;
    if (!dialoog(kopie, Totaal()))
        return false;
    gegevens_ = std::move(kopie);
    return true;
}

bool NieuweReservering::Ok(bool meerdere, const GegevensDialoog& dialoog, const Registratie& registreer)
{
    VerwijderVoorlopige();
    if (!bord_.HeeftNieuweRegels()) {
        WarningMsg(nieuw::kGeenRegels, titel_);
        return false;
    }
    if (gegevens_.Leeg() && !VraagGegevens(dialoog))
        return false;
    return registreer(BevestigdeRegels(), gegevens_, meerdere);
}

}  // namespace bord
