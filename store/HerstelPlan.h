#pragma once
// The repairs found in the files read into memory, before any is written:
// the files they change (to copy first) and the records to store.

#include <functional>
#include <set>
#include <QString>
#include <QStringList>

#include "host/base/AdminDir.h"
#include "host/records/RecordPad.h"
#include "store/BestandInhoud.h"

struct HerstelPlan {
    std::set<QString> bestanden;  // absolute paths
    std::vector<std::function<void()>> schrijvers;
    QStringList regels;

    // Stores the records `nrs` of `inhoud` (already changed in memory).
    template <class T>
    void Schrijf(const Inhoud<T>& inhoud, const std::set<int32_t>& nrs, const QString& regel)
    {
        if (nrs.empty())
            return;
        const int format = inhoud.jaar == 0 ? brlib::tfEenBestand : brlib::tfPerJaar;
        bestanden.insert(brlib::RecordPad(HuidigeAdminDir(), inhoud.bestand, format, inhoud.jaar));
        schrijvers.push_back([&inhoud, nrs, format] {
            RecordCache<T> cache(inhoud.bestand, format, false, false);
            for (int32_t nr : nrs)
                cache.Store(inhoud.jaar, nr, inhoud[nr]);
            cache.CloseAll();
        });
        regels << regel;
    }
};

inline QString Plaats(const QString& bestand, int32_t jaar)
{
    return jaar == 0 ? bestand : bestand + ", jaar " + QString::number(jaar);
}
