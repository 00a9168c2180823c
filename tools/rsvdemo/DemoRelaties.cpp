#include "tools/rsvdemo/DemoRelaties.h"

#include "host/relations/BestSource.h"
#include "host/relations/RelatieBestand.h"
#include "reservation/PersoonGegevens.h"

namespace {

struct DemoRelatie {
    const char* naam;
    const char* adres;
    const char* postcode;
    const char* plaats;
    const char* land;
};

// The first ones are guests of the demo bookings (DemoBoekingen.cpp links them by card number).
const DemoRelatie kRelaties[] = {
    {"Jansen, Marieke", "Dorpsstraat 1", "3701 AA", "Zeist", "Nederland"},
    {"Meijer, Kees", "Stationsweg 14", "6711 PM", "Ede", "Nederland"},
    {"Reisbureau Zon", "Marktplein 3", "3811 AB", "Amersfoort", "Nederland"},
    {"Voetbalclub Oranje", "Sportlaan 8", "3571 KX", "Utrecht", "Nederland"},
    {"Hendriks, Lisa", "Kerkstraat 12", "3512 CS", "Utrecht", "Nederland"},
    {"van Dijk, Daan", "Parkweg 40", "2585 JJ", "Den Haag", "Nederland"},
    {"Congres Noord B.V.", "Havenkade 2", "9711 LK", "Groningen", "Nederland"},
    {"de Vries, Jan", "Lindelaan 5", "1401 BB", "Bussum", "Nederland"},
    {"Bakker, Sanne", "Molenweg 21", "7311 AD", "Apeldoorn", "Nederland"},
    {"Visser, Pieter", "Havenstraat 9", "1811 LB", "Alkmaar", "Nederland"},
    {"Smit, Anna", "Beukenlaan 33", "5615 AT", "Eindhoven", "Nederland"},
    {"de Boer, Femke", "Tuinstraat 7", "8911 HG", "Leeuwarden", "Nederland"},
    {"Mulder, Lars", "Schoolstraat 2", "6511 RE", "Nijmegen", "Nederland"},
    {"de Groot, Sophie", "Julianalaan 18", "2611 AK", "Delft", "Nederland"},
    {"Bos, Ruben", "Prinsengracht 101", "1015 DT", "Amsterdam", "Nederland"},
    {"Vos, Hanna", "Veldweg 4", "7513 BS", "Enschede", "Nederland"},
    {"Peters, Thomas", "Kastanjelaan 12", "6211 BN", "Maastricht", "Nederland"},
    {"van den Berg, Eva", "Weverstraat 6", "4811 XA", "Breda", "Nederland"},
    {"Dekker, Bram", "Wilhelminastraat 30", "2011 VM", "Haarlem", "Nederland"},
    {"van Leeuwen, Iris", "Oranjelaan 11", "3311 CK", "Dordrecht", "Nederland"},
    {"Brouwer, Tim", "Akkerweg 15", "8021 BP", "Zwolle", "Nederland"},
    {"de Wit, Noor", "Nieuwstraat 27", "5211 NK", "'s-Hertogenbosch", "Nederland"},
    {"Dijkstra, Sem", "Zuiderweg 3", "9401 HB", "Assen", "Nederland"},
    {"Smits, Julia", "Heuvelstraat 44", "5038 AE", "Tilburg", "Nederland"},
    {"de Graaf, Finn", "Bloemgracht 9", "1016 KG", "Amsterdam", "Nederland"},
    {"van der Meer, Zoe", "Rijnkade 16", "6811 HA", "Arnhem", "Nederland"},
    {"Koster, Milan", "Dijkweg 58", "1619 HB", "Andijk", "Nederland"},
    {"Prins, Lotte", "Raadhuisplein 1", "2181 CA", "Hillegom", "Nederland"},
    {"Müller, Stefan", "Hauptstraße 12", "47533", "Kleve", "Duitsland"},
    {"Dubois, Claire", "Rue de la Paix 5", "1000", "Brussel", "België"},
    {"Smith, John", "High Street 20", "CB2 1TN", "Cambridge", "Verenigd Koninkrijk"},
    {"Hotelgroep Noordzee", "Boulevard 100", "2202 AA", "Noordwijk", "Nederland"},
    {"Zorgverzekeraar Midden", "Postbus 5000", "3500 GA", "Utrecht", "Nederland"},
    {"Bouwbedrijf Hoekstra B.V.", "Industrieweg 12", "8601 DD", "Sneek", "Nederland"},
    {"Jacobs, Emma", "Vondellaan 8", "2332 AA", "Leiden", "Nederland"},
    {"Willems, Noah", "Boslaan 22", "6721 AB", "Bennekom", "Nederland"},
};

constexpr int32_t kEersteRelatieNr = 10001;

}  // namespace

bool MaakDemoRelaties()
{
    relaties::RelatieBestand bestand;
    bestand.veldNamen = relaties::StandaardVeldNamen();
    int32_t kaartNr = 1;
    for (const DemoRelatie& r : kRelaties) {
        const QString telefoon = QStringLiteral("06-%1").arg(12345000 + kaartNr);
        const QString email = QStringLiteral("relatie%1@example.nl").arg(kaartNr);
        bestand.kaarten.push_back({kaartNr, kEersteRelatieNr + kaartNr - 1,
                                   {QString::fromUtf8(r.naam), QString::fromUtf8(r.adres), QString::fromUtf8(r.postcode),
                                    QString::fromUtf8(r.plaats), QString::fromUtf8(r.land), QString(), telefoon,
                                    QString(), email}});
        ++kaartNr;
    }
    return relaties::SchrijfRelatieBestand(bestand);
}

ResGegevens DemoRelatieGast(int32_t kaartNr, int soort)
{
    TBestSource kaart(QStringLiteral("best"));
    ResGegevens gegevens;
    if (kaart.ReadRecord(kaartNr)) {
        gegevens.gastRegels = KaartWaarden(kaart, {});
        gegevens.relatieNr = kaart.RelatieNr();
        gegevens.relatieNr2 = kaartNr;
    }
    gegevens.vlaggen[0] = static_cast<uint8_t>(soort);
    return gegevens;
}
