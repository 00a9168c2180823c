#pragma once
// One product line of a till bill: a quantity of an article at a price, with a
// discount and preparation methods. The price is kept excluding tax with the
// article's tax code, so that the price including tax can be asked for any
// moment (a rate change moves it); setPrijs and getPrijs work at the line's own
// moment, the moment its price was set from the article card.

#include <cstdint>
#include <vector>
#include <QString>

#include "host/base/TDateTime.h"

namespace Tillra {

class ArtikelSource;

struct Bereidingswijze {
    int32_t code = 0;
    QString omschrijving;
    friend bool operator==(const Bereidingswijze&, const Bereidingswijze&) = default;
};

class t_BonRegel {
public:
    enum PrijsSoort { PRIJS_EXCL = 1, PRIJS_INCL = 2 };
    enum KortingSoort { KORTING_BEDRAG = 1, KORTING_PERCENTAGE = 2 };

    double aantal = 0;
    QString omschrijving;
    int32_t artikelNr = 0;
    QString artikelRef;
    int32_t artikelId = 0;
    int16_t regelSoort = 0;
    std::vector<Bereidingswijze> bereidingswijzen;

    // A heading: no article, no quantity, no price.
    static t_BonRegel TekstRegel(const QString& tekst);
    bool IsTekstRegel() const;

    // Takes article, description, tax code and price from the card that
    // `bron` read last; quantity 1, no discount, priced at `moment`.
    void VulVanArtKaart(const ArtikelSource& bron, TDateTime moment);

    void setPrijs(double waarde, int prijsSoort);
    double getPrijs() const { return getPrijsIncl(moment_); }
    double getPrijsIncl(TDateTime moment) const;
    double getPrijsExcl() const { return prijsExcl_; }

    // The discount is kept as a percentage; an amount is taken off the line's gross amount.
    void setKorting(double waarde, int kortingSoort);
    double getKorting() const { return korting_; }

    // Quantity x price including tax at `moment`, less the discount, in cents.
    double getBedragIncl(TDateTime moment) const;

    int getBtwCode() const { return btwCode_; }
    void setBtwCode(int code) { btwCode_ = code; }
    TDateTime getMoment() const { return moment_; }
    void setMoment(TDateTime moment) { moment_ = moment; }

    int32_t getArtikelId() const { return artikelId; }

    // Two lines that the till books as one: same article id, price, kind,
    // discount and preparation methods (the quantity may differ).
    bool ZelfdeBestelling(const t_BonRegel& ander) const;

    friend bool operator==(const t_BonRegel&, const t_BonRegel&) = default;

private:
    double prijsExcl_ = 0;
    int btwCode_ = 0;
    double korting_ = 0;
    TDateTime moment_ = 0;
};

}  // namespace Tillra
