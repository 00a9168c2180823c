#include "bench/zoek/GastTeksten.h"

#include <array>
#include <cstring>
#include <vector>

#include "host/records/Locks.h"
#include "host/records/TekstLijst.h"
#include "host/records/TekstLijstCodering.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResHfd.h"

namespace {

const std::array<const char*, 60> kNamen{
    "de Jong", "Jansen", "de Vries", "van den Berg", "van Dijk", "Bakker", "Janssen", "Visser", "Smit",
    "Meijer", "de Boer", "Mulder", "de Groot", "Bos", "Vos", "Peters", "Hendriks", "van Leeuwen", "Dekker",
    "Brouwer", "de Wit", "Dijkstra", "Smits", "de Graaf", "van der Meer", "van der Linden", "Kok", "Jacobs",
    "de Haan", "Vermeulen", "van den Heuvel", "van der Veen", "van den Broek", "de Bruijn", "de Bruin",
    "van der Heijden", "Schouten", "van Beek", "Willems", "van Vliet", "van de Ven", "Hoekstra", "Maas",
    "Verhoeven", "Koster", "van Dam", "van der Wal", "Prins", "Blom", "Huisman", "Peeters", "de Jonge",
    "Kuipers", "van Veen", "Post", "Kuiper", "Veenstra", "Kramer", "van den Brink", "Scholten"};
const std::array<const char*, 12> kVoornamen{"Anna", "Piet", "Sanne", "Kees", "Fleur", "Jan",
                                             "Emma", "Daan", "Lotte", "Bram", "Eva", "Sem"};
const std::array<const char*, 8> kPlaatsen{"Amsterdam", "Utrecht", "Zwolle", "Groningen",
                                           "Maastricht", "Leiden", "Breda", "Enschede"};

using Tekst = brlib::DOS_tkst_dsk_strukt;

void SchrijfJaar(int jaar, int& volgNr)
{
    RecordCache<WIN_rsv_res_hfd> koppen(Bestanden::ResHfd, brlib::tfPerJaar, false, false);
    RecordCache<Tekst> teksten(Bestanden::ResGegTekst, brlib::tfPerJaar, false, false);
    const int32_t aantal = koppen.RecordCount(jaar);
    if (aantal == 0)
        return;
    brlib::RsvActie actie;
    teksten.Store(jaar, 1, Tekst{});  // the header of the free list
    for (int32_t nr = 1; nr <= aantal; ++nr) {
        const QByteArray bytes = brlib::CodeerRegels(GastRegels(volgNr++));
        Tekst rec{};
        rec.lijst = nr + 1;
        rec.eigenaar = nr;
        rec.lengte = uint16_t(bytes.size());
        std::memcpy(rec.tekst, bytes.constData(), bytes.size());
        teksten.Store(jaar, nr + 1, rec);
        WIN_rsv_res_hfd kop = koppen.Record(jaar, nr);
        kop.resGegTekst = nr + 1;
        koppen.Store(jaar, nr, kop);
    }
    actie.Commit();
}

}  // namespace

QStringList GastRegels(int volgNr)
{
    const QString plaats = QString::fromLatin1(kPlaatsen[volgNr % kPlaatsen.size()]);
    return {QString::fromLatin1(kNamen[(volgNr * 7919) % kNamen.size()]),
            QString::fromLatin1(kVoornamen[volgNr % kVoornamen.size()]),
            QStringLiteral("Dorpsstraat %1").arg(volgNr % 200 + 1), QStringLiteral("1234 AB ") + plaats};
}

void SchrijfGastTeksten(int van, int tot)
{
    int volgNr = 0;
    for (int jaar = van; jaar <= tot; ++jaar)
        SchrijfJaar(jaar, volgNr);
}
