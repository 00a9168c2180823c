#include "host/relations/BestSource.h"

#include <algorithm>

TBestSource::TBestSource(const QString& bron)
{
    if (bron == QStringLiteral("best"))
        bestand_ = relaties::LeesRelatieBestand();
}

bool TBestSource::ReadRecord(int32_t kaartNr)
{
    const auto gevonden = std::find_if(bestand_.kaarten.begin(), bestand_.kaarten.end(),
                                       [&](const relaties::RelatieKaart& k) { return k.kaartNr == kaartNr; });
    kaart_ = gevonden == bestand_.kaarten.end() ? relaties::RelatieKaart() : *gevonden;
    return gevonden != bestand_.kaarten.end();
}

QString TBestSource::GetField(int nr) const
{
    return nr >= 1 && nr <= kaart_.velden.size() ? kaart_.velden[nr - 1] : QString();
}

QString TBestSource::GetField(const QString& naam, ZoekModus modus) const
{
    const Qt::CaseSensitivity hoofdletters = modus == zmExact ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < bestand_.veldNamen.size(); ++i)
        if (bestand_.veldNamen[i].compare(naam.trimmed(), hoofdletters) == 0)
            return GetField(i + 1);
    return {};
}

QStringList KaartRijen(const std::function<QString(int)>& veld)
{
    const QString naam = veld(TBestSource::bvNaam);
    const qsizetype komma = naam.indexOf(u',');
    QStringList rijen{(komma < 0 ? naam : naam.left(komma)).trimmed(),
                      komma < 0 ? QString() : naam.mid(komma + 1).trimmed()};
    for (TBestSource::Veld nr : {TBestSource::bvAdres, TBestSource::bvPostcode, TBestSource::bvPlaats,
                                 TBestSource::bvLand, TBestSource::bvTelefoon, TBestSource::bvEmail})
        rijen << veld(nr);
    return rijen;
}
