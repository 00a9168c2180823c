#pragma once
// The host's record cache: fixed-length records in one file, or in one file per
// year, addressed by record number (counted from 1). It knows nothing of the
// record layout. Files live in the administration of the workstation that is
// current when the cache is made (Werkstation.h): a single file as
// <admin>/<name>, a per-year file as <admin>/<year>/<name>.
//
// Reads see the writes of the current action of this workstation, through any
// cache of the process. Store is only allowed while this workstation holds the
// reservation lock; everything stored under one lock is one crash-safe action,
// written to disk when the lock is released (Locks.h). Committed bytes are read
// in chunks and kept by the cache until the workstation's next lock or commit,
// so a cache that lives long without a lock can show older data: open a new
// cache (or CloseAll) to see the latest.
// Bad input (a number below 1, a record beyond the end, a short file) raises
// EBrRuntime; nothing here crashes on a damaged file.

#include <cstdint>
#include <memory>
#include <QString>

namespace brlib {

enum t_Format { tfEenBestand = 0, tfPerJaar = 1 };

class RecordCacheImpl {
public:
    // Both flags true: the cache only reads (Store raises). Otherwise it writes too.
    RecordCacheImpl(int recordSize, const QString& bestandsNaam, int format, bool flag1, bool flag2);
    ~RecordCacheImpl();
    RecordCacheImpl(const RecordCacheImpl&) = delete;
    RecordCacheImpl& operator=(const RecordCacheImpl&) = delete;

    int RecordSize() const;
    int Format() const;
    // The two name parts of the file for messages, e.g. "rsv_resrgl" and "dat".
    QString NaamDeel1() const;
    QString NaamDeel2() const;

    // The single-file form passes year 0.
    // The record's bytes; valid until the next call on this cache.
    const void* Record(int32_t jaar, int32_t nr);
    void Store(int32_t jaar, int32_t nr, const void* data);
    int32_t RecordCount(int32_t jaar);
    // Reads up to `aantal` records from `eerste` into `buffer`; returns how many.
    int32_t Records(int32_t jaar, int32_t eerste, int32_t aantal, void* buffer);
    void CloseAll();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace brlib
