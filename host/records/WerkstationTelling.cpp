// The update count as the mark that tells a workstation whether the chunks it
// kept from its last action are still the disk's.

#include <algorithm>
#include <cstring>

#include "host/records/Journal.h"
#include "host/records/Werkstation.h"

namespace brlib {

namespace {
// The count is 4 bytes; a torn or longer file still compares as what it holds.
constexpr int64_t kMarkBytes = 16;
}

void Werkstation::RaiseUpdateCount()
{
    const QString path = adminDir_ + QLatin1Char('/') + UpdateCountFile();
    if (Overlay(path))
        return;
    FileOverlay& count = OverlayForWrite(path);
    int32_t value = 0;
    count.ReadOriginal(0, reinterpret_cast<char*>(&value), sizeof value);
    value = int32_t(uint32_t(value) + 1u);
    count.Write(0, &value, sizeof value);
}

std::optional<QByteArray> Werkstation::ReadUpdateMark() const
{
    const int handle = fs_.Open(adminDir_ + QLatin1Char('/') + UpdateCountFile(), FileSystem::Mode::Read);
    if (handle == -ENOENT)
        return QByteArray();
    if (handle < 0)
        return std::nullopt;
    QByteArray mark(kMarkBytes, Qt::Uninitialized);
    const int64_t n = fs_.Read(handle, 0, mark.data(), kMarkBytes);
    fs_.Close(handle);
    if (n < 0)
        return std::nullopt;
    mark.truncate(int(n));
    return mark;
}

void Werkstation::KeepCommitted(const std::vector<std::unique_ptr<FileOverlay>>& overlays)
{
    for (const auto& overlay : overlays) {
        kept_.Apply(fs_, *overlay);
        if (overlay->Path() != adminDir_ + QLatin1Char('/') + UpdateCountFile())
            continue;
        if (const char* page = overlay->Page(0))
            keptMark_ = QByteArray(page, int(std::min(overlay->Size(), kMarkBytes)));
        else
            keptMark_.reset();
    }
}

}  // namespace brlib
