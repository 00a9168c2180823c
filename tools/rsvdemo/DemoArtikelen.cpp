#include "tools/rsvdemo/DemoArtikelen.h"

#include <cstdio>

#include "host/tillra/ArtSel.h"
#include "host/tillra/ArtikelSource.h"
#include "host/tillra/ProductLijst.h"
#include "host/tillra/BtwTarief.h"

namespace {

struct ArtikelOpzet {
    int32_t nr;
    const char* omschr;
    double prijs;
    Tillra::BtwCode btw;
    const char* kleur;
};

const ArtikelOpzet kArtikelen[] = {
    {10, "Ontbijt", 15.00, Tillra::BTW_LAAG, "#ffe08a"},      {11, "Lunch", 22.50, Tillra::BTW_LAAG, "#ffe08a"},
    {12, "Diner", 37.50, Tillra::BTW_LAAG, "#ffe08a"},        {20, "Glas wijn", 6.50, Tillra::BTW_HOOG, "#f4b6c2"},
    {21, "Fles wijn", 29.50, Tillra::BTW_HOOG, "#f4b6c2"},    {30, "Parkeren", 12.50, Tillra::BTW_HOOG, "#b8d8f0"},
    {31, "Fietshuur", 15.00, Tillra::BTW_HOOG, "#b8d8f0"},    {32, "Toeristenbelasting", 3.25, Tillra::BTW_GEEN, "#d9d9d9"},
};

constexpr int kKolommen = 2;

bool Meld(const QString& tekst)
{
    std::fprintf(stderr, "rsvdemo: %s\n", tekst.toLocal8Bit().constData());
    return false;
}

}  // namespace

bool MaakDemoArtikelen()
{
    for (const ArtikelOpzet& a : kArtikelen) {
        Tillra::ArtikelKaart kaart{a.nr, 0, QString::fromUtf8(a.omschr), QString(), a.prijs, a.btw};
        QString fout;
        if (!Tillra::ArtikelSource::VoegToe(kaart, fout))
            return Meld(fout);
    }
    std::vector<Tillra::ArtSelKnop> knoppen;
    for (const ArtikelOpzet& a : kArtikelen) {
        const int positie = static_cast<int>(knoppen.size());
        knoppen.push_back({positie / kKolommen, positie % kKolommen, a.nr, QString::fromUtf8(a.omschr),
                           QString::fromLatin1(a.kleur)});
    }
    QString fout;
    return Tillra::SchrijfArtSelBestand(knoppen, fout) || Meld(fout);
}

std::vector<Tillra::t_BonRegel> DemoProducten(const std::vector<std::pair<int32_t, double>>& artikelen,
                                              TDateTime moment)
{
    Tillra::ArtikelSource bron;
    std::vector<Tillra::t_BonRegel> regels;
    for (const auto& [artikelNr, aantal] : artikelen) {
        const int index = Tillra::VoegProductToe(regels, 0, bron, artikelNr, moment);
        if (index >= 0)
            regels[index].aantal = aantal;
    }
    return regels;
}
