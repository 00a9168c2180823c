#pragma once
// The article cards of the administration. A source reads the file once and
// answers lookups from memory; make a new one to see cards added since.

#include <cstdint>
#include <functional>
#include <vector>
#include <QString>

namespace Tillra {

struct ArtikelKaart {
    int32_t artikelNr = 0;
    int32_t artikelId = 0;  // record number; 0 for a card not yet stored
    QString omschrijving;   // at most 40 characters are kept
    QString referentie;     // at most 20
    double prijsIncl = 0;
    int btwCode = 0;
};

class ArtikelSource {
public:
    ArtikelSource();

    // True when a card with that number exists; it becomes the current card.
    bool ReadKaartNr(int32_t artikelNr);
    // The same by article id.
    bool ReadRecord(int32_t artikelId);
    // The current card; an empty card before the first successful read.
    const ArtikelKaart& Kaart() const { return kaart_; }
    const std::vector<ArtikelKaart>& Kaarten() const { return kaarten_; }

    // Stores a new card as one write action and sets its article id. False, with
    // a Dutch reason in `fout`, when the number is taken or the write failed.
    static bool VoegToe(ArtikelKaart& kaart, QString& fout);

private:
    bool Kies(const std::function<bool(const ArtikelKaart&)>& past);

    std::vector<ArtikelKaart> kaarten_;
    ArtikelKaart kaart_;
};

}  // namespace Tillra
