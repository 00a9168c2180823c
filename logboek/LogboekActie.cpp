#include "logboek/LogboekActie.h"

#include <algorithm>

#include "logboek/ResMomentopname.h"

namespace logboek {

namespace {

struct Onderwerp {
    JaarNr reservering;
    std::function<Velden()> lezer;
    Velden voor;
};

}  // namespace

struct LogboekActie::Notities {
    QString actie;
    QString stamSleutel;
    std::vector<Onderwerp> onderwerpen;
    std::vector<Wijziging> wijzigingen;
};

namespace {

LogboekActie::Notities* huidige = nullptr;

// Outside an action nothing is written, so there is nothing to note.
LogboekActie::Notities* Open(const QString& actie)
{
    if (huidige && huidige->actie.isEmpty())
        huidige->actie = actie;
    return huidige;
}

void NoteerRes(const QString& actie, const JaarNr& sleutel, bool nieuw)
{
    LogboekActie::Notities* n = Open(actie);
    if (!n || std::any_of(n->onderwerpen.begin(), n->onderwerpen.end(),
                          [&](const Onderwerp& o) { return o.reservering == sleutel; }))
        return;
    auto lezer = [sleutel] { return ResMomentopname(sleutel); };
    n->onderwerpen.push_back({sleutel, lezer, nieuw ? Velden{} : lezer()});
}

// With more than one reservation, each field names its reservation.
std::vector<Wijziging> AlleVerschillen(const LogboekActie::Notities& n)
{
    const size_t reserveringen = std::count_if(n.onderwerpen.begin(), n.onderwerpen.end(),
                                               [](const Onderwerp& o) { return !o.reservering.IsLeeg(); });
    std::vector<Wijziging> alle;
    for (const Onderwerp& o : n.onderwerpen)
        for (Wijziging& w : Verschillen(o.voor, o.lezer())) {
            if (reserveringen > 1)
                w.veld = o.reservering.String(2, 5) + QLatin1Char(' ') + w.veld;
            alle.push_back(std::move(w));
        }
    alle.insert(alle.end(), n.wijzigingen.begin(), n.wijzigingen.end());
    return alle;
}

JaarNr EersteReservering(const LogboekActie::Notities& n)
{
    for (const Onderwerp& o : n.onderwerpen)
        if (!o.reservering.IsLeeg())
            return o.reservering;
    return {};
}

}  // namespace

LogboekActie::LogboekActie() : vorige_(huidige), notities_(new Notities)
{
    huidige = notities_;
}

LogboekActie::~LogboekActie()
{
    huidige = vorige_;
    delete notities_;
}

void LogboekActie::Vastleggen()
{
    Notities& n = *notities_;
    if (n.actie.isEmpty())
        return;
    LogRegel regel;
    regel.tijd = Nu();
    regel.werkplek = WerkplekNaam();
    regel.gebruiker = GebruikerNaam();
    regel.actie = n.actie;
    regel.reservering = EersteReservering(n);
    regel.stamSleutel = n.stamSleutel;
    regel.wijzigingen = AlleVerschillen(n);
    SchrijfLogRegel(regel);
    n = Notities{};
}

void NoteerReservering(const QString& actie, const JaarNr& sleutel) { NoteerRes(actie, sleutel, false); }

void NoteerNieuweReservering(const QString& actie, const JaarNr& sleutel) { NoteerRes(actie, sleutel, true); }

void NoteerStam(const QString& actie, const QString& sleutel, std::function<Velden()> lezer)
{
    LogboekActie::Notities* n = Open(actie);
    if (!n)
        return;
    if (n->stamSleutel.isEmpty())
        n->stamSleutel = sleutel;
    Velden voor = lezer();
    n->onderwerpen.push_back({JaarNr(), std::move(lezer), std::move(voor)});
}

void NoteerWijziging(const Wijziging& wijziging)
{
    if (huidige)
        huidige->wijzigingen.push_back(wijziging);
}

std::vector<Wijziging> Verschillen(const Velden& voor, const Velden& na)
{
    auto waarde = [](const Velden& velden, const QString& veld) {
        for (const auto& [naam, w] : velden)
            if (naam == veld)
                return w;
        return QString();
    };
    std::vector<Wijziging> uit;
    auto voegToe = [&](const QString& veld) {
        const bool gezien = std::any_of(uit.begin(), uit.end(), [&](const Wijziging& w) { return w.veld == veld; });
        const QString a = waarde(voor, veld);
        const QString b = waarde(na, veld);
        if (!gezien && a != b)
            uit.push_back({veld, a, b});
    };
    for (const auto& v : voor)
        voegToe(v.first);
    for (const auto& v : na)
        voegToe(v.first);
    return uit;
}

}  // namespace logboek
