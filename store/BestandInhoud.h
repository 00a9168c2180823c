#pragma once
// A whole record file read into memory for the integrity check, read-only and
// without a lock. A file that cannot be read is reported once and marked, so
// that checks leave it alone instead of reporting every link into it.

#include <cstdint>
#include <vector>
#include <QString>

#include "host/base/AdminDir.h"
#include "host/base/EBrRuntime.h"
#include "host/records/FileSystem.h"
#include "host/records/RecordPad.h"
#include "store/Bevinding.h"
#include "store/RecordCache.h"

// Who holds each record of a file: empty, "vrije lijst", or the head of a chain.
using Plekken = std::vector<QString>;

template <class T>
struct Inhoud {
    QString bestand;
    int32_t jaar = 0;
    bool leesbaar = true;
    std::vector<T> records;

    int32_t Aantal() const { return static_cast<int32_t>(records.size()); }
    bool Bestaat(int32_t nr) const { return nr >= 1 && nr <= Aantal(); }
    const T& operator[](int32_t nr) const { return records[nr - 1]; }
    Plekken LegePlekken() const { return Plekken(records.size() + 1); }
};

// The host reads whole records only; a torn tail would otherwise go unnoticed.
inline void ControleerLengte(const char* bestand, int format, int32_t jaar, int recordGrootte, Rapport& rapport)
{
    brlib::FileSystem& fs = brlib::CurrentFileSystem();
    const int handle = fs.Open(brlib::RecordPad(HuidigeAdminDir(), bestand, format, jaar), brlib::FileSystem::Mode::Read);
    if (handle < 0)
        return;
    const int64_t grootte = fs.Size(handle);
    fs.Close(handle);
    if (grootte > 0 && grootte % recordGrootte != 0)
        rapport.Meld(bestand, jaar, 0,
                     "bestand is afgekapt: " + QString::number(grootte) + " bytes is geen veelvoud van " +
                         QString::number(recordGrootte));
}

template <class T>
Inhoud<T> LeesInhoud(const char* bestand, int format, int32_t jaar, Rapport& rapport)
{
    Inhoud<T> inhoud{bestand, jaar, true, {}};
    ControleerLengte(bestand, format, jaar, sizeof(T), rapport);
    try {
        RecordCache<T> cache(bestand, format, true, true);
        cache.Scan(jaar, 1, [&](int32_t, int32_t, const T& rec) {
            inhoud.records.push_back(rec);
            return true;
        });
        cache.CloseAll();
    } catch (const EBrRuntime& e) {
        rapport.Meld(bestand, jaar, 0, "kan niet gelezen worden: " + e.Message());
        inhoud.leesbaar = false;
        inhoud.records.clear();
    }
    return inhoud;
}
