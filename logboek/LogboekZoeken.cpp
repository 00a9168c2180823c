#include "logboek/LogboekZoeken.h"

#include <cmath>
#include <QStringList>

namespace logboek {

namespace {

bool Past(const LogRegel& regel, const LogboekVraag& vraag)
{
    const double dag = std::floor(regel.tijd);
    if (dag < std::floor(vraag.van) || dag > std::floor(vraag.tot))
        return false;
    if (!vraag.reservering.IsLeeg() && regel.reservering != vraag.reservering)
        return false;
    return vraag.werkplek.isEmpty() || regel.werkplek.contains(vraag.werkplek, Qt::CaseInsensitive);
}

}  // namespace

std::vector<LogRegel> ZoekLogboek(const LogboekVraag& vraag)
{
    std::vector<LogRegel> gevonden;
    for (int jaar = Jaar(vraag.van); jaar <= Jaar(vraag.tot); ++jaar)
        for (LogRegel& regel : LeesLogboek(jaar))
            if (Past(regel, vraag))
                gevonden.push_back(std::move(regel));
    return gevonden;
}

std::optional<JaarNr> LeesResNr(const QString& tekst, int jaar)
{
    const QStringList delen = tekst.trimmed().split(QLatin1Char('/'));
    if (delen.size() == 1 && delen[0].isEmpty())
        return JaarNr();
    bool nrGoed = false;
    const int nr = delen.back().toInt(&nrGoed);
    if (!nrGoed || nr < 1 || delen.size() > 2)
        return std::nullopt;
    if (delen.size() == 2) {
        bool jaarGoed = false;
        jaar = delen[0].toInt(&jaarGoed);
        if (!jaarGoed || jaar < 0)
            return std::nullopt;
        if (jaar < 100)
            jaar += 2000;
    }
    return JaarNr(jaar, nr);
}

}  // namespace logboek
