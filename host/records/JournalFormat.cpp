#include <cstring>

#include "host/records/Journal.h"

namespace brlib {

namespace {

constexpr char kMagic[] = "RSVJRNL2";
constexpr char kComplete[] = "COMPLETE";
constexpr char kApplied[] = "APPLIED!";
constexpr int kBootSize = 16;
// generation, length, boot, file count
constexpr int64_t kEntryHead = 8 + 4 + kBootSize + 4;
// checksum, "COMPLETE", applied slot
constexpr int64_t kEntryTail = 8 + 8 + 8;

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

template <typename T>
T At(const QByteArray& bytes, int64_t offset)
{
    T value{};
    std::memcpy(&value, bytes.constData() + offset, sizeof value);
    return value;
}

// Reads forward through one entry; any read past its end fails it.
class Reader {
public:
    Reader(const QByteArray& bytes, int64_t pos, int64_t end) : bytes_(bytes), pos_(pos), end_(end) {}
    bool ok() const { return ok_; }

    template <typename T>
    T Get()
    {
        return Take(sizeof(T)) ? At<T>(bytes_, pos_ - int64_t(sizeof(T))) : T{};
    }

    QByteArray Bytes(int64_t n) { return Take(n) ? bytes_.mid(pos_ - n, n) : QByteArray(); }

private:
    bool Take(int64_t n)
    {
        ok_ = ok_ && n >= 0 && pos_ + n <= end_;
        if (ok_)
            pos_ += n;
        return ok_;
    }

    const QByteArray& bytes_;
    int64_t pos_;
    int64_t end_;
    bool ok_ = true;
};

bool DecodeFile(Reader& in, JournalFile& file)
{
    file.path = QString::fromUtf8(in.Bytes(in.Get<uint32_t>()));
    file.existed = in.Get<uint8_t>() != 0;
    file.size = in.Get<int64_t>();
    const uint32_t regions = in.Get<uint32_t>();
    for (uint32_t i = 0; in.ok() && i < regions; ++i) {
        JournalRegion region;
        region.offset = in.Get<int64_t>();
        region.bytes = in.Bytes(in.Get<uint32_t>());
        file.regions.push_back(std::move(region));
    }
    return in.ok() && file.size >= 0 && !file.path.isEmpty();
}

// The entry at `at`, or false where the journal ends.
bool DecodeEntry(const QByteArray& bytes, int64_t at, uint64_t generation, const QByteArray& trusted,
                 JournalEntry& entry, int64_t& length)
{
    if (at + kEntryHead + kEntryTail > bytes.size() || At<uint64_t>(bytes, at) != generation)
        return false;
    length = At<uint32_t>(bytes, at + 8);
    if (length < kEntryHead + kEntryTail || at + length > bytes.size())
        return false;
    const int64_t body = at + length - kEntryTail;
    if (std::memcmp(bytes.constData() + body + 8, kComplete, 8) != 0)
        return false;
    entry.boot = bytes.mid(at + 12, kBootSize);
    entry.applied = std::memcmp(bytes.constData() + body + 16, kApplied, 8) == 0;
    const bool known = entry.applied && !trusted.isEmpty() && entry.boot == trusted;
    if (!known && At<uint64_t>(bytes, body) != Fnv1a(bytes.constData() + at, body - at))
        return false;
    Reader in(bytes, at + 12 + kBootSize, body);
    const uint32_t count = in.Get<uint32_t>();
    for (uint32_t i = 0; in.ok() && i < count; ++i) {
        JournalFile file;
        if (!DecodeFile(in, file))
            return false;
        entry.files.push_back(std::move(file));
    }
    return in.ok();
}

}  // namespace

QString JournalPath(const QString& adminDir) { return adminDir + QStringLiteral("/rsv.journal"); }

QString UpdateCountFile() { return QStringLiteral("rsv.upd"); }

QByteArray AppliedMark() { return QByteArray(kApplied, 8); }

QByteArray EncodeJournalHeader(uint64_t generation)
{
    QByteArray out(kMagic, 8);
    Put<uint64_t>(out, generation);
    return out;
}

QByteArray EncodeJournalEntry(uint64_t generation, const JournalEntry& entry, int64_t* appliedAt)
{
    QByteArray out;
    Put<uint64_t>(out, generation);
    Put<uint32_t>(out, 0);  // the length, filled in below
    out.append(entry.boot.left(kBootSize).leftJustified(kBootSize, '\0'));
    Put<uint32_t>(out, uint32_t(entry.files.size()));
    for (const JournalFile& file : entry.files) {
        const QByteArray path = file.path.toUtf8();
        Put<uint32_t>(out, uint32_t(path.size()));
        out.append(path);
        Put<uint8_t>(out, file.existed ? 1 : 0);
        Put<int64_t>(out, file.size);
        Put<uint32_t>(out, uint32_t(file.regions.size()));
        for (const JournalRegion& region : file.regions) {
            Put<int64_t>(out, region.offset);
            Put<uint32_t>(out, uint32_t(region.bytes.size()));
            out.append(region.bytes);
        }
    }
    const uint32_t length = uint32_t(out.size() + kEntryTail);
    std::memcpy(out.data() + 8, &length, sizeof length);
    Put<uint64_t>(out, Fnv1a(out.constData(), out.size()));
    out.append(kComplete, 8);
    if (appliedAt)
        *appliedAt = out.size();
    out.append(8, '\0');
    return out;
}

DecodedJournal DecodeJournal(const QByteArray& bytes, const QByteArray& trusted)
{
    DecodedJournal journal;
    if (bytes.size() < kJournalHeaderSize || std::memcmp(bytes.constData(), kMagic, 8) != 0)
        return journal;
    journal.header = true;
    journal.generation = At<uint64_t>(bytes, 8);
    int64_t length = 0;
    for (JournalEntry entry; DecodeEntry(bytes, journal.end, journal.generation, trusted, entry, length);
         entry = {}) {
        journal.entries.push_back(std::move(entry));
        journal.end += length;
    }
    return journal;
}

int64_t JournalBytesWanted(const QByteArray& bytes, const DecodedJournal& journal)
{
    const int64_t at = journal.end;
    if (!journal.header)
        return 0;
    if (at + 12 > bytes.size())
        return at + kEntryHead + kEntryTail;
    if (At<uint64_t>(bytes, at) != journal.generation)
        return 0;
    const int64_t length = At<uint32_t>(bytes, at + 8);
    return at + length > bytes.size() ? at + length : 0;
}

}  // namespace brlib
