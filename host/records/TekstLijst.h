#pragma once
// Text lists: lists of lines kept under a number in a text-list file
// ("rsv_resgeg.tkt" per year, "rsv_persoon.tkt" single, ...). The number of a
// list is the number of its first record; 0 means no list.
//
// File layout: records of DOS_tkst_dsk_strukt. Record 1 is the header; its
// `volgende` is the head of the free list. A list is a chain of records through
// `volgende`, each marked with the list's number in `lijst` (0 in a free
// record). The lines are stored one after another as a u16 byte length and the
// Windows-1252 bytes (RecordCodepage.h), spread over the `tekst` areas of the chain.
//
// Writes are stores of the open action: the reservation lock must be held.
// A damaged list (a broken chain, a record of another list) raises EBrRuntime.

#include <cstdint>
#include <QString>
#include <QStringList>

#include "host/base/JaarNr.h"

namespace brlib {

class RecordCacheImpl;

#pragma pack(push, 1)
struct DOS_tkst_dsk_strukt {
    int32_t volgende;   // next record of the list / of the free list; 0 = end
    int32_t lijst;      // number of the list the record belongs to; 0 = free
    int32_t eigenaar;   // the writer's owner number (e.g. the reservation)
    uint16_t lengte;    // bytes used of `tekst`
    char tekst[114];
};
#pragma pack(pop)
static_assert(sizeof(DOS_tkst_dsk_strukt) == 128);

// The cache must be opened on a text-list file with sizeof(DOS_tkst_dsk_strukt);
// a single-file cache ignores the key's year.
QStringList LeesTekstLijstFile(RecordCacheImpl& bestand, const JaarNr& sleutel);
// Writes the lines under sleutel.nr (0: a new list) and returns the number to
// keep: the same number for an existing list, 0 when `regels` is empty (the
// list is then freed). Records no longer needed go to the free list; new ones
// come from it first.
int32_t SchrijfTekstLijstFile(RecordCacheImpl& bestand, const JaarNr& sleutel, const QStringList& regels,
                              int32_t eigenaar = 0);
// Frees every record of the list; number 0 does nothing.
void LeegTekstLijstFile(RecordCacheImpl& bestand, const JaarNr& sleutel);

// The same by file name: per year when the key has a year, else the single file.
QStringList LeesTekstLijstFile(const QString& bestand, const JaarNr& sleutel);
int32_t SchrijfTekstLijstFile(const QString& bestand, const JaarNr& sleutel, const QStringList& regels,
                              int32_t eigenaar = 0);
void LeegTekstLijstFile(const QString& bestand, const JaarNr& sleutel);

}  // namespace brlib
