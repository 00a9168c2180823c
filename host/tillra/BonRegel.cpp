#include "host/tillra/BonRegel.h"

#include "host/tillra/Afronding.h"
#include "host/tillra/ArtikelSource.h"
#include "host/tillra/BtwTarief.h"

namespace Tillra {

t_BonRegel t_BonRegel::TekstRegel(const QString& tekst)
{
    t_BonRegel regel;
    regel.omschrijving = tekst;
    return regel;
}

bool t_BonRegel::IsTekstRegel() const
{
    return artikelNr == 0 && artikelRef.isEmpty() && aantal == 0 && prijsExcl_ == 0;
}

void t_BonRegel::VulVanArtKaart(const ArtikelSource& bron, TDateTime moment)
{
    const ArtikelKaart& kaart = bron.Kaart();
    *this = t_BonRegel{};
    aantal = 1;
    artikelNr = kaart.artikelNr;
    artikelId = kaart.artikelId;
    omschrijving = kaart.omschrijving;
    artikelRef = kaart.referentie;
    btwCode_ = kaart.btwCode;
    moment_ = moment;
    setPrijs(kaart.prijsIncl, PRIJS_INCL);
}

void t_BonRegel::setPrijs(double waarde, int prijsSoort)
{
    prijsExcl_ = prijsSoort == PRIJS_INCL ? waarde / (1 + BtwTarief(btwCode_, moment_)) : waarde;
}

double t_BonRegel::getPrijsIncl(TDateTime moment) const
{
    return rondaf(prijsExcl_ * (1 + BtwTarief(btwCode_, moment)), 2);
}

void t_BonRegel::setKorting(double waarde, int kortingSoort)
{
    if (kortingSoort == KORTING_PERCENTAGE) {
        korting_ = waarde;
        return;
    }
    const double bruto = aantal * getPrijs();
    korting_ = bruto != 0 ? waarde / bruto * 100 : 0;
}

double t_BonRegel::getBedragIncl(TDateTime moment) const
{
    return rondaf(aantal * getPrijsIncl(moment) * (1 - korting_ / 100), 2);
}

bool t_BonRegel::ZelfdeBestelling(const t_BonRegel& ander) const
{
    return artikelId == ander.artikelId && getPrijs() == ander.getPrijs() && regelSoort == ander.regelSoort &&
           rondaf(korting_, 3) == rondaf(ander.korting_, 3) && bereidingswijzen == ander.bereidingswijzen;
}

}  // namespace Tillra
