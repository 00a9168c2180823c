#include <cstring>

#include "host/records/Journal.h"

namespace brlib {

namespace {

constexpr char kMagic[] = "RSVJRNL1";
constexpr char kComplete[] = "COMPLETE";

uint64_t Fnv1a(const char* data, int64_t length)
{
    uint64_t hash = 1469598103934665603ull;
    for (int64_t i = 0; i < length; ++i)
        hash = (hash ^ uint8_t(data[i])) * 1099511628211ull;
    return hash;
}

template <typename T>
void Put(QByteArray& out, T value)
{
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// Reads forward through the journal bytes; any read past the end fails it.
class Reader {
public:
    Reader(const QByteArray& bytes, int64_t end) : bytes_(bytes), end_(end) {}
    bool ok() const { return ok_; }

    template <typename T>
    T Get()
    {
        T value{};
        if (Take(sizeof value))
            std::memcpy(&value, bytes_.constData() + pos_ - sizeof value, sizeof value);
        return value;
    }

    QByteArray Bytes(int64_t n)
    {
        return Take(n) ? bytes_.mid(pos_ - n, n) : QByteArray();
    }

private:
    bool Take(int64_t n)
    {
        ok_ = ok_ && n >= 0 && pos_ + n <= end_;
        if (ok_)
            pos_ += n;
        return ok_;
    }

    const QByteArray& bytes_;
    int64_t end_;
    int64_t pos_ = 0;
    bool ok_ = true;
};

bool DecodeFile(Reader& in, JournalFile& file)
{
    file.path = QString::fromUtf8(in.Bytes(in.Get<uint32_t>()));
    file.existed = in.Get<uint8_t>() != 0;
    file.originalSize = in.Get<int64_t>();
    const uint32_t regions = in.Get<uint32_t>();
    for (uint32_t i = 0; in.ok() && i < regions; ++i) {
        JournalRegion region;
        region.offset = in.Get<int64_t>();
        region.bytes = in.Bytes(in.Get<uint32_t>());
        file.regions.push_back(std::move(region));
    }
    return in.ok() && file.originalSize >= 0;
}

}  // namespace

QString JournalPath(const QString& adminDir) { return adminDir + QStringLiteral("/rsv.journal"); }

QString UpdateCountFile() { return QStringLiteral("rsv.upd"); }

bool StartsWithJournalMagic(const char* head) { return std::memcmp(head, kMagic, 8) == 0; }

QByteArray EncodeJournal(const std::vector<JournalFile>& files)
{
    QByteArray out(kMagic, 8);
    Put<int64_t>(out, 0);  // the length, filled in below
    Put<uint32_t>(out, uint32_t(files.size()));
    for (const JournalFile& file : files) {
        const QByteArray path = file.path.toUtf8();
        Put<uint32_t>(out, uint32_t(path.size()));
        out.append(path);
        Put<uint8_t>(out, file.existed ? 1 : 0);
        Put<int64_t>(out, file.originalSize);
        Put<uint32_t>(out, uint32_t(file.regions.size()));
        for (const JournalRegion& region : file.regions) {
            Put<int64_t>(out, region.offset);
            Put<uint32_t>(out, uint32_t(region.bytes.size()));
            out.append(region.bytes);
        }
    }
    const int64_t length = out.size() + 16;
    std::memcpy(out.data() + 8, &length, sizeof length);
    Put<uint64_t>(out, Fnv1a(out.constData(), out.size()));
    out.append(kComplete, 8);
    return out;
}

bool DecodeJournal(const QByteArray& bytes, std::vector<JournalFile>& files)
{
    files.clear();
    int64_t length = 0;
    if (bytes.size() >= 16)
        std::memcpy(&length, bytes.constData() + 8, sizeof length);
    const int64_t body = length - 16;
    if (body < 20 || length > bytes.size() || std::memcmp(bytes.constData(), kMagic, 8) != 0
        || std::memcmp(bytes.constData() + body + 8, kComplete, 8) != 0)
        return false;
    uint64_t checksum;
    std::memcpy(&checksum, bytes.constData() + body, sizeof checksum);
    if (checksum != Fnv1a(bytes.constData(), body))
        return false;
    Reader in(bytes, body);
    in.Bytes(16);
    const uint32_t count = in.Get<uint32_t>();
    for (uint32_t i = 0; in.ok() && i < count; ++i) {
        JournalFile file;
        if (!DecodeFile(in, file))
            return false;
        files.push_back(std::move(file));
    }
    return in.ok();
}

}  // namespace brlib
