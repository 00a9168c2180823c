#pragma once
// Shared by the board model tests: a board state with a few rooms on a known
// week, and lines put on it without any file.

#include <initializer_list>

#include "board/BordCellen.h"
#include "board/BordToestand.h"
#include "host/base/TDateTime.h"

// Monday 2 March 2026: the board's start date in most tests.
inline const TDateTime kStart = EncodeDate(2026, 3, 2);

inline bord::BordToestand BordMetKamers(std::initializer_list<int32_t> nummers, TDateTime start = kStart)
{
    bord::BordToestand t;
    for (int32_t nr : nummers) {
        brlib::stKamer kamer;
        kamer.kamerNr = nr;
        kamer.omschr = QStringLiteral("Kamer %1").arg(nr);
        t.kamers.push_back(kamer);
    }
    t.startDatum = start;
    t.isoWeek = true;
    return t;
}

// A stored line of reservation (2026, resNr) from start + van to start + tot.
inline brlib::stRes Regel(int32_t kamer, int van, int tot, int32_t resNr, int soort = 0)
{
    brlib::stRes item;
    item.kamerNr = kamer;
    item.begin = kStart + van;
    item.eind = kStart + tot;
    item.resSleutel = JaarNr(2026, resNr);
    item.soort = soort;
    return item;
}

inline brlib::stRes NieuweRegel(int32_t kamer, int van, int tot)
{
    brlib::stRes item = Regel(kamer, van, tot, 0);
    item.resSleutel = JaarNr();
    item.nieuw = true;
    return item;
}

inline brlib::stExtraRes Extra(int32_t resNr, const char* naam, int32_t groep = 0)
{
    brlib::stExtraRes extra;
    extra.resSleutel = JaarNr(2026, resNr);
    extra.regels = QStringList{QString::fromLatin1(naam)};
    extra.groepNr = groep;
    return extra;
}
