#pragma once
// The host's relation card source: TBestSource("best") reads the cards of the
// current administration's relation file (RelatieBestand.h).
//
//   TBestSource kaart(QStringLiteral("best"));
//   if (kaart.ReadRecord(kaartNr))
//       naam = kaart.GetField(TBestSource::bvNaam);

#include <cstdint>
#include <functional>
#include <QString>
#include <QStringList>

#include "host/relations/RelatieBestand.h"

class TBestSource {
public:
    // The host's numbers of the standard card fields.
    enum Veld { bvNaam = 1, bvAdres = 2, bvPostcode = 3, bvPlaats = 4, bvLand = 5, bvTelefoon = 7, bvEmail = 9 };
    // How GetField by name matches a field name.
    enum ZoekModus { zmExact, zmHoofdletterOngevoelig };

    // Only the source "best" (the relation file) holds anything.
    explicit TBestSource(const QString& bron);

    // Makes card `kaartNr` the current one; false (and no current card) when it does not exist.
    bool ReadRecord(int32_t kaartNr);
    int32_t RelatieNr() const { return kaart_.relatieNr; }
    int32_t KaartNr() const { return kaart_.kaartNr; }
    // Field `nr` (1 first) of the current card; empty outside the card.
    QString GetField(int nr) const;
    // The field whose name is `naam`; empty when there is none.
    QString GetField(const QString& naam, ZoekModus modus = zmHoofdletterOngevoelig) const;
    const QStringList& VeldNamen() const { return bestand_.veldNamen; }

private:
    relaties::RelatieBestand bestand_;
    relaties::RelatieKaart kaart_;
};

// The guest rows a relation card fills, `veld(n)` giving its field n: the name
// split at its first comma into surname and first names, then address,
// postcode, place, country, telephone and e-mail.
QStringList KaartRijen(const std::function<QString(int)>& veld);
