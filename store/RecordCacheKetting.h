#pragma once
// RecordCache: inserting into and taking out of chains, the head-record forms
// and traversal. Included by RecordCache.h only.

template <class T>
void RecordCache<T>::VoegVoorKetting(int32_t jaar, int32_t nr, int keten, int32_t& eerste, int32_t& laatste)
{
    T rec = Lees(jaar, nr);
    rec.SetVn(keten, 0);
    rec.SetAn(keten, eerste);
    Store(jaar, nr, rec);
    if (eerste != 0) {
        T oudEerste = Lees(jaar, eerste);
        oudEerste.SetVn(keten, nr);
        Store(jaar, eerste, oudEerste);
    } else if (laatste >= 0) {
        laatste = nr;
    }
    eerste = nr;
}

template <class T>
int32_t RecordCache<T>::LaatsteLid(int32_t jaar, int keten, int32_t eerste)
{
    Walk walk(*this, jaar, "VoegAchterKetting");
    int32_t lid = eerste;
    for (int32_t volgende = Lees(jaar, lid).GetAn(keten); volgende != 0; volgende = Lees(jaar, lid).GetAn(keten)) {
        walk.Stap();
        lid = volgende;
    }
    return lid;
}

template <class T>
void RecordCache<T>::VoegAchterKetting(int32_t jaar, int32_t nr, int keten, int32_t& eerste, int32_t& laatste)
{
    if (eerste == 0) {
        VoegVoorKetting(jaar, nr, keten, eerste, laatste);
        return;
    }
    const int32_t staart = laatste < 0 ? LaatsteLid(jaar, keten, eerste) : laatste;
    T rec = Lees(jaar, nr);
    rec.SetAn(keten, 0);
    rec.SetVn(keten, staart);
    Store(jaar, nr, rec);
    T vorige = Lees(jaar, staart);
    vorige.SetAn(keten, nr);
    Store(jaar, staart, vorige);
    if (laatste >= 0)
        laatste = nr;
}

template <class T>
void RecordCache<T>::NeemUit(int32_t jaar, CacheVorm vorm, int32_t nr, int keten, int32_t& eerste, int32_t& laatste)
{
    T rec = Lees(jaar, nr);
    const int32_t vn = rec.GetVn(keten);
    const int32_t an = rec.GetAn(keten);
    rec.SetVn(keten, 0);
    rec.SetAn(keten, 0);
    Store(jaar, nr, rec);

    int32_t vorige = vn;
    if (vn > 0) {
        T v = Lees(jaar, vn);
        v.SetAn(keten, an);
        Store(jaar, vn, v);
    } else if (vn < 0) {
        // No back link recorded: find the predecessor from the front.
        vorige = 0;
        Walk walk(*this, jaar, "NeemUitKetting");
        for (int32_t x = eerste; x > 0;) {
            walk.Stap();
            T lid = Lees(jaar, x);
            if (lid.GetAn(keten) == nr) {
                vorige = x;
                lid.SetAn(keten, an);
                Store(jaar, x, lid);
                break;
            }
            x = lid.GetAn(keten);
        }
    }

    if (vorige == 0) {
        if (eerste != nr)
            GooiNeemUitFout(NeemUitFout::GeenVorige, vorm, impl_, eerste, nr);
        eerste = an;
    }
    if (an < 1) {
        if (laatste == -1)
            return;
        if (laatste != nr)
            GooiNeemUitFout(NeemUitFout::GeenVolgende, vorm, impl_, eerste, nr);
        laatste = vorige;
        return;
    }
    if (vn < 0)
        return;
    T volgende = Lees(jaar, an);
    volgende.SetVn(keten, vn);
    Store(jaar, an, volgende);
}

// A head record beyond the end of its file is an empty head: a new group or
// day pointer comes into being with its first member.
template <class H>
H LeesKop(RecordCache<H>& kop, int32_t jaar, int32_t kopNr)
{
    return kopNr > kop.RecordCount(jaar) ? H{} : kop.Record(jaar, kopNr);
}

template <class T>
template <class H, class Operatie>
void RecordCache<T>::MetKop(int32_t jaar, RecordCache<H>& kop, int32_t kopNr, int kopKeten, Operatie operatie)
{
    H kopRec = LeesKop(kop, jaar, kopNr);
    const int32_t e0 = kopRec.GetEerste(kopKeten);
    const int32_t l0 = kopRec.GetLaatste(kopKeten);
    int32_t e = e0;
    int32_t l = l0;
    operatie(e, l);
    if (e == e0 && (l0 < 0 || l == l0))
        return;
    kopRec.SetEerste(kopKeten, e);
    kopRec.SetLaatste(kopKeten, l);
    kop.Store(jaar, kopNr, kopRec);
}

template <class T>
template <class H>
void RecordCache<T>::VoegAchterKetting(int32_t jaar, int32_t nr, int keten, RecordCache<H>& kop, int32_t kopNr,
                                       int kopKeten)
{
    MetKop(jaar, kop, kopNr, kopKeten, [&](int32_t& e, int32_t& l) { VoegAchterKetting(jaar, nr, keten, e, l); });
}

template <class T>
template <class H>
void RecordCache<T>::NeemUitKetting(int32_t jaar, int32_t nr, int keten, RecordCache<H>& kop, int32_t kopNr,
                                    int kopKeten)
{
    MetKop(jaar, kop, kopNr, kopKeten,
           [&](int32_t& e, int32_t& l) { NeemUit(jaar, CacheVorm::PerJaar, nr, keten, e, l); });
}

template <class T>
template <class H>
void RecordCache<T>::NeemUitKetting(int32_t nr, int keten, RecordCache<H>& kop, int32_t kopNr, int kopKeten)
{
    MetKop(0, kop, kopNr, kopKeten, [&](int32_t& e, int32_t& l) { NeemUit(0, CacheVorm::EenBestand, nr, keten, e, l); });
}

template <class T>
template <class H>
void RecordCache<T>::VerwijderKetting(int32_t jaar, int keten, RecordCache<H>& kop, int32_t kopNr, int kopKeten)
{
    MetKop(jaar, kop, kopNr, kopKeten, [&](int32_t& e, int32_t& l) { VerwijderKetting(jaar, keten, e, l); });
}

template <class T>
template <class H>
int32_t RecordCache<T>::EersteRecord(int32_t jaar, T& rec, RecordCache<H>& kop, int32_t kopNr, int kopKeten)
{
    const int32_t eerste = LeesKop(kop, jaar, kopNr).GetEerste(kopKeten);
    if (eerste != 0)
        rec = Lees(jaar, eerste);
    return eerste;
}

template <class T>
int32_t RecordCache<T>::NextRecord(int32_t jaar, int keten, T& rec)
{
    const int32_t volgende = rec.GetAn(keten);
    if (volgende != 0)
        rec = Lees(jaar, volgende);
    return volgende;
}
