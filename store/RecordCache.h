#pragma once
// The typed record cache: one instance per record type T over the host's
// RecordCacheImpl, with the free list and the chains that give the files their
// structure. Every operation exists per year (year first) and for a single file
// (no year; the host addresses that as year 0).
//
// T is a packed record with the accessors its role needs: ReservedRecs();
// Get/SetVrijeLijst for files with a free list; Get/SetVn and Get/SetAn per
// chain for members; Get/SetEerste and Get/SetLaatste per chain for heads.
//
// Operations read records into local copies and store them back one by one;
// they take no lock (writers hold RsvLock around a whole action). Walks along a
// chain stop with EBrRuntime once they visit more records than the file holds.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>
#include <QString>

#include "host/base/JaarNr.h"
#include "host/records/RecordCacheImpl.h"
#include "store/KettingFout.h"

template <class T>
class RecordCache {
    static_assert(std::is_trivially_copyable_v<T> && alignof(T) == 1, "records are packed plain bytes");

public:
    // Both flags true to only read, both false to write too.
    RecordCache(const QString& bestand, int format, bool flag1, bool flag2)
        : impl_(static_cast<int>(sizeof(T)), bestand, format, flag1, flag2)
    {
    }

    // The cached record; valid until the next call on this cache.
    const T& Record(int32_t jaar, int32_t nr) { return *static_cast<const T*>(impl_.Record(jaar, nr)); }
    const T& Record(int32_t nr) { return Record(0, nr); }
    const T& Record(JaarNr sleutel) { return Record(sleutel.jaar, sleutel.nr); }
    void Store(int32_t jaar, int32_t nr, const T& rec) { impl_.Store(jaar, nr, &rec); }
    void Store(int32_t nr, const T& rec) { Store(0, nr, rec); }
    void Store(JaarNr sleutel, const T& rec) { Store(sleutel.jaar, sleutel.nr, rec); }
    int32_t RecordCount(int32_t jaar) { return impl_.RecordCount(jaar); }
    int32_t RecordCount() { return RecordCount(0); }
    int32_t Records(int32_t jaar, int32_t eerste, int32_t aantal, T* buffer)
    {
        return impl_.Records(jaar, eerste, aantal, buffer);
    }
    int32_t Records(int32_t eerste, int32_t aantal, T* buffer) { return Records(0, eerste, aantal, buffer); }
    void CloseAll() { impl_.CloseAll(); }
    brlib::RecordCacheImpl& Impl() { return impl_; }

    // A zeroed record the caller may fill: the head of the free list, else a new one at the end.
    int32_t GetFreeRecord(int32_t jaar);
    int32_t GetFreeRecord() { return GetFreeRecord(0); }
    // Zeroes the record and puts it in front of the free list (last freed, first reused).
    void FreeRecord(int32_t jaar, int32_t nr);
    void FreeRecord(int32_t nr) { FreeRecord(0, nr); }

    // Chains whose head pair (eerste, laatste) the caller keeps; laatste -1 = no tail kept.
    void VoegVoorKetting(int32_t jaar, int32_t nr, int keten, int32_t& eerste, int32_t& laatste);
    void VoegVoorKetting(int32_t nr, int keten, int32_t& eerste, int32_t& laatste)
    {
        VoegVoorKetting(0, nr, keten, eerste, laatste);
    }
    void VoegAchterKetting(int32_t jaar, int32_t nr, int keten, int32_t& eerste, int32_t& laatste);
    void VoegAchterKetting(int32_t nr, int keten, int32_t& eerste, int32_t& laatste)
    {
        VoegAchterKetting(0, nr, keten, eerste, laatste);
    }
    // Raises EBrRuntime on a broken chain, after the steps before the check were stored.
    void NeemUitKetting(int32_t jaar, int32_t nr, int keten, int32_t& eerste, int32_t& laatste)
    {
        NeemUit(jaar, CacheVorm::PerJaar, nr, keten, eerste, laatste);
    }
    void NeemUitKetting(int32_t nr, int keten, int32_t& eerste, int32_t& laatste)
    {
        NeemUit(0, CacheVorm::EenBestand, nr, keten, eerste, laatste);
    }
    // Puts every member, in chain order, in front of the free list (or zeroes it).
    void VerwijderKetting(int32_t jaar, int keten, int32_t& eerste, int32_t& laatste);
    void VerwijderKetting(int keten, int32_t& eerste, int32_t& laatste) { VerwijderKetting(0, keten, eerste, laatste); }

    // The same with the head pair in record `kopNr` of a head file; the head
    // record is rewritten only when its pair changed.
    template <class H>
    void VoegAchterKetting(int32_t jaar, int32_t nr, int keten, RecordCache<H>& kop, int32_t kopNr, int kopKeten);
    template <class H>
    void VoegAchterKetting(int32_t nr, int keten, RecordCache<H>& kop, int32_t kopNr, int kopKeten)
    {
        VoegAchterKetting(0, nr, keten, kop, kopNr, kopKeten);
    }
    template <class H>
    void NeemUitKetting(int32_t jaar, int32_t nr, int keten, RecordCache<H>& kop, int32_t kopNr, int kopKeten);
    template <class H>
    void NeemUitKetting(int32_t nr, int keten, RecordCache<H>& kop, int32_t kopNr, int kopKeten);
    template <class H>
    void VerwijderKetting(int32_t jaar, int keten, RecordCache<H>& kop, int32_t kopNr, int kopKeten);
    template <class H>
    void VerwijderKetting(int keten, RecordCache<H>& kop, int32_t kopNr, int kopKeten)
    {
        VerwijderKetting(0, keten, kop, kopNr, kopKeten);
    }

    // Traversal: EersteRecord, then NextRecord until it returns 0.
    template <class H>
    int32_t EersteRecord(int32_t jaar, T& rec, RecordCache<H>& kop, int32_t kopNr, int kopKeten);
    template <class H>
    int32_t EersteRecord(T& rec, RecordCache<H>& kop, int32_t kopNr, int kopKeten)
    {
        return EersteRecord(0, rec, kop, kopNr, kopKeten);
    }
    int32_t NextRecord(int32_t jaar, int keten, T& rec);
    int32_t NextRecord(int keten, T& rec) { return NextRecord(0, keten, rec); }

    // Calls callback(jaar, nr, record) (single file: callback(nr, record)) from
    // record `eerste` on while it returns true, reading ScanBatch() records at a time.
    template <class F>
    void Scan(int32_t jaar, int32_t eerste, F callback);
    template <class F>
    void Scan(int32_t eerste, F callback)
    {
        Scan(0, eerste, [&](int32_t, int32_t nr, const T& rec) { return callback(nr, rec); });
    }
    static constexpr int32_t ScanBatch() { return std::max<int32_t>(65535 / sizeof(T), 16); }

private:
    T Lees(int32_t jaar, int32_t nr)
    {
        T rec;
        std::memcpy(&rec, impl_.Record(jaar, nr), sizeof(T));
        return rec;
    }
    static T Leeg() { return T{}; }
    void NeemUit(int32_t jaar, CacheVorm vorm, int32_t nr, int keten, int32_t& eerste, int32_t& laatste);
    int32_t LaatsteLid(int32_t jaar, int keten, int32_t eerste);
    template <class H, class Operatie>
    void MetKop(int32_t jaar, RecordCache<H>& kop, int32_t kopNr, int kopKeten, Operatie operatie);

    // Counts the steps of one walk; a damaged file must not make it circle forever.
    class Walk {
    public:
        Walk(RecordCache& cache, int32_t jaar, const char* operatie)
            : cache_(cache), jaar_(jaar), operatie_(operatie), over_(cache.RecordCount(jaar))
        {
        }
        void Stap()
        {
            if (over_-- <= 0)
                GooiKettingLus(cache_.impl_, jaar_, operatie_);
        }

    private:
        RecordCache& cache_;
        int32_t jaar_;
        const char* operatie_;
        int32_t over_;
    };

    brlib::RecordCacheImpl impl_;
};

#include "store/RecordCacheKetting.h"
#include "store/RecordCacheVrij.h"
