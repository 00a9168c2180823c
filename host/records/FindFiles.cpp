#include "host/records/FindFiles.h"

#include <algorithm>

#include "host/records/RecordCacheImpl.h"
#include "host/records/RecordPad.h"
#include "host/records/Werkstation.h"

namespace brlib {

namespace {
// A year folder is named by the year alone.
int32_t JaarVanMap(const QString& naam)
{
    bool ok = false;
    const int jaar = naam.toInt(&ok);
    return ok && jaar >= 1 && jaar <= 9999 && naam == QString::number(jaar) ? jaar : 0;
}
}

void FindFiles(const QString& naam, int format, QStringList& bestanden, std::vector<int32_t>& jaren)
{
    bestanden.clear();
    jaren.clear();
    const auto werkstation = Werkstation::Huidig();
    FileSystem& fs = werkstation->Fs();
    const QString admin = werkstation->AdminDir();
    if (format != tfPerJaar) {
        const QString pad = RecordPad(admin, naam, format, 0);
        if (fs.Exists(pad))
            bestanden << pad;
        return;
    }
    for (const QString& map : fs.ListDir(admin)) {
        const int32_t jaar = JaarVanMap(map);
        if (jaar > 0 && fs.Exists(RecordPad(admin, naam, format, jaar)))
            jaren.push_back(jaar);
    }
    std::sort(jaren.begin(), jaren.end());
    for (int32_t jaar : jaren)
        bestanden << RecordPad(admin, naam, format, jaar);
}

}  // namespace brlib
