#pragma once
// RecordCache: the free list, releasing whole chains, and the batched scan.
// Included by RecordCache.h only.

namespace recordcache_detail {

// Types without a free list (ReservedRecs() 0) have no link to read or write.
template <class T>
concept MetVrijeLijst = requires(T rec) { rec.SetVrijeLijst(rec.GetVrijeLijst()); };

template <class T>
int32_t VrijeLink(const T& rec)
{
    if constexpr (MetVrijeLijst<T>)
        return rec.GetVrijeLijst();
    else
        return 0;
}

template <class T>
void ZetVrijeLink(T& rec, int32_t nr)
{
    if constexpr (MetVrijeLijst<T>)
        rec.SetVrijeLijst(nr);
}

}  // namespace recordcache_detail

template <class T>
int32_t RecordCache<T>::GetFreeRecord(int32_t jaar)
{
    using namespace recordcache_detail;
    const int32_t gereserveerd = Leeg().ReservedRecs();
    if (gereserveerd == 0)
        return RecordCount(jaar) + 1;

    T kop = Leeg();
    if (RecordCount(jaar) >= gereserveerd)
        kop = Lees(jaar, 1);
    else
        for (int32_t nr = RecordCount(jaar) + 1; nr <= gereserveerd; ++nr)
            Store(jaar, nr, kop);

    const int32_t vrij = VrijeLink(kop);
    if (vrij != 0) {
        ZetVrijeLink(kop, VrijeLink(Lees(jaar, vrij)));
        Store(jaar, 1, kop);
        Store(jaar, vrij, Leeg());
        return vrij;
    }
    const int32_t nieuw = RecordCount(jaar) + 1;
    Store(jaar, nieuw, Leeg());
    return nieuw;
}

template <class T>
void RecordCache<T>::FreeRecord(int32_t jaar, int32_t nr)
{
    using namespace recordcache_detail;
    T vrij = Leeg();
    if (Leeg().ReservedRecs() > 0) {
        T kop = Lees(jaar, 1);
        ZetVrijeLink(vrij, VrijeLink(kop));
        ZetVrijeLink(kop, nr);
        Store(jaar, 1, kop);
    }
    Store(jaar, nr, vrij);
}

template <class T>
void RecordCache<T>::VerwijderKetting(int32_t jaar, int keten, int32_t& eerste, int32_t& laatste)
{
    using namespace recordcache_detail;
    if (eerste < 1)
        return;
    const bool metVrijeLijst = Leeg().ReservedRecs() > 0;
    T kop = metVrijeLijst ? Lees(jaar, 1) : Leeg();
    Walk walk(*this, jaar, "VerwijderKetting");
    for (int32_t nr = eerste; nr != 0;) {
        walk.Stap();
        const int32_t volgende = Lees(jaar, nr).GetAn(keten);
        T vrij = Leeg();
        if (metVrijeLijst)
            ZetVrijeLink(vrij, volgende != 0 ? volgende : VrijeLink(kop));
        Store(jaar, nr, vrij);
        nr = volgende;
    }
    if (metVrijeLijst) {
        ZetVrijeLink(kop, eerste);
        Store(jaar, 1, kop);
    }
    eerste = 0;
    if (laatste >= 0)
        laatste = 0;
}

template <class T>
template <class F>
void RecordCache<T>::Scan(int32_t jaar, int32_t eerste, F callback)
{
    std::vector<T> buffer(ScanBatch());
    const int32_t aantal = RecordCount(jaar);
    bool verder = true;
    for (int32_t nr = eerste; verder && nr <= aantal;) {
        const int32_t gelezen = Records(jaar, nr, ScanBatch(), buffer.data());
        if (gelezen < 1)
            break;  // a host cache that reads nothing here would make the scan repeat
        for (int32_t i = 0; i < gelezen && verder; ++i)
            verder = callback(jaar, nr + i, buffer[i]);
        nr += gelezen;
    }
}
