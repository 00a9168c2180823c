#pragma once
// The common frame of the master-data write and delete paths: one action
// under the reservation lock, the change-stamp check against the record on
// disk, and the error shown only after the lock is released.

#include <cstdint>
#include <functional>
#include <QString>

#include "logboek/StamVelden.h"
#include "store/RecordCache.h"

// What a refused action shows: the changed-meanwhile text and the title.
struct StamTeksten {
    QString gewijzigd;
    QString titel;
};

// Runs `stappen` as one action. A refused lock is a silent failure. When
// `stappen` returns an error text (the record changed on another workstation,
// say) or throws EBrRuntime (a damaged chain, a full disk), nothing of the
// action is written and the error is shown, titled `titel`, once the lock is
// free again. An empty text is success.
bool VoerStamActieUit(const QString& titel, const std::function<QString()>& stappen);

// The record at `nr` still holds the item as it was read: in use, same stamp.
template <class Rec>
bool StempelKlopt(RecordCache<Rec>& cache, int32_t nr, int32_t stempel)
{
    if (nr < 2 || nr > cache.RecordCount())
        return false;
    const Rec& rcd = cache.Record(nr);
    return rcd.inGebruik != 0 && rcd.stempel == stempel;
}

// Notes the record at `nr` of `bestand` for the audit trail, with its values as they stand now.
template <class Rec>
void NoteerStamRecord(const QString& actie, const char* bestand, int32_t nr, const QString& sleutel)
{
    logboek::NoteerStam(actie, sleutel, [naam = QString::fromLatin1(bestand), nr] {
        RecordCache<Rec> cache(naam, brlib::tfEenBestand, true, true);
        return nr <= cache.RecordCount() ? logboek::StamVelden(nr, cache.Record(nr)) : logboek::Velden{};
    });
}

// Write path of a single-file record with a stamp: a new item (recNr 0) gets a
// free record, an existing one is checked first. `voorNieuw` runs inside the
// action before a new item gets its record; `daarna` runs inside it with the
// record number and may refuse with an error text. On success the item takes
// over its number and new stamp.
template <class Rec, class Item>
bool SchrijfStamRecord(const char* bestand, Item& item, const StamTeksten& teksten,
                       const std::function<QString(int32_t)>& daarna = {},
                       const std::function<void(RecordCache<Rec>&)>& voorNieuw = {})
{
    Item kopie = item;
    Rec rcd{};
    const bool gelukt = VoerStamActieUit(teksten.titel, [&] {
        RecordCache<Rec> cache(bestand, brlib::tfEenBestand, false, false);
        if (kopie.recNr == 0 && voorNieuw)
            voorNieuw(cache);
        const bool nieuw = kopie.recNr == 0;
        if (nieuw)
            kopie.recNr = cache.GetFreeRecord();
        else if (!StempelKlopt(cache, kopie.recNr, kopie.stempel))
            return teksten.gewijzigd;
        NoteerStamRecord<Rec>(nieuw ? QStringLiteral("Stam nieuw") : QStringLiteral("Stam wijzigen"), bestand,
                              kopie.recNr, logboek::StamSleutel(kopie));
        rcd = kopie.GetRcd();
        cache.Store(kopie.recNr, rcd);
        return daarna ? daarna(kopie.recNr) : QString();
    });
    if (gelukt) {
        item.recNr = kopie.recNr;
        item.stempel = rcd.stempel;
    }
    return gelukt;
}

// Delete path of such a record: check the stamp, remove the linked records (`gekoppeld`),
// store an all-zero record and put it on the free list.
template <class Rec>
bool VerwijderStamRecord(const char* bestand, int32_t nr, int32_t stempel, const StamTeksten& teksten,
                         const std::function<void()>& gekoppeld = {})
{
    if (nr == 0)
        return false;
    return VoerStamActieUit(teksten.titel, [&] {
        RecordCache<Rec> cache(bestand, brlib::tfEenBestand, false, false);
        if (!StempelKlopt(cache, nr, stempel))
            return teksten.gewijzigd;
        NoteerStamRecord<Rec>(QStringLiteral("Stam verwijderen"), bestand, nr,
                              logboek::StamSleutel(nr, cache.Record(nr)));
        if (gekoppeld)
            gekoppeld();
        cache.Store(nr, Rec{});
        cache.FreeRecord(nr);
        return QString();
    });
}
