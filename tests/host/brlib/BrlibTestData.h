#pragma once
// Writes master-data records straight through the record caches, so that the
// readers are tested without the module's write paths.

#include <vector>

#include "host/brlib/Kamer.h"
#include "host/brlib/Periode.h"
#include "host/brlib/TariefSoort.h"
#include "host/records/Locks.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvTarief.h"
#include "store/WinRsvTariefPnt.h"

// Stores each item at the next free record; returns the record numbers.
template <class Rec, class Item>
std::vector<int32_t> SchrijfAlle(const char* bestand, std::vector<Item> items)
{
    std::vector<int32_t> nummers;
    brlib::RsvActie actie;
    RecordCache<Rec> cache(bestand, brlib::tfEenBestand, false, false);
    for (Item& item : items) {
        item.recNr = cache.GetFreeRecord();
        cache.Store(item.recNr, item.GetRcd());
        nummers.push_back(item.recNr);
    }
    actie.Commit();
    return nummers;
}

// Appends the periods to the year's file in the given order.
inline void SchrijfPeriodes(int jaar, std::vector<brlib::stPeriode> periodes)
{
    brlib::RsvActie actie;
    RecordCache<WIN_rsv_periode> cache(Bestanden::Periode, brlib::tfPerJaar, false, false);
    for (brlib::stPeriode& periode : periodes) {
        periode.recNr = cache.RecordCount(jaar) + 1;
        cache.Store(jaar, periode.recNr, periode.GetRcd());
    }
    actie.Commit();
}

inline void SchrijfTariefKetting(int jaar, int32_t kamerType, const std::vector<brlib::stTarief>& tarieven)
{
    brlib::RsvActie actie;
    RecordCache<WIN_rsv_tarief> tarief(Bestanden::Tarief, brlib::tfPerJaar, false, false);
    RecordCache<WIN_rsv_tariefpnt> kop(Bestanden::TariefPnt, brlib::tfPerJaar, false, false);
    for (const brlib::stTarief& t : tarieven) {
        WIN_rsv_tarief rcd{};
        rcd.kamerType = kamerType;
        rcd.tariefSoort = t.tariefSoort;
        rcd.periode = t.periode;
        rcd.bedrag = t.bedrag;
        const int32_t nr = tarief.GetFreeRecord(jaar);
        tarief.Store(jaar, nr, rcd);
        tarief.VoegAchterKetting(jaar, nr, 0, kop, kamerType, 0);
    }
    actie.Commit();
}

inline brlib::stPeriode Periode(const char* omschr, TDateTime begin)
{
    brlib::stPeriode periode;
    periode.omschr = QString::fromLatin1(omschr);
    periode.begin = begin;
    return periode;
}
