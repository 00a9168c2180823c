#include "host/records/RecordCacheImpl.h"

#include <map>
#include <vector>

#include "host/base/EBrRuntime.h"
#include "host/records/CachedFile.h"
#include "host/records/RecordPad.h"
#include "host/records/Werkstation.h"

namespace brlib {

namespace {
// A record may be stored a little beyond the end (day pointers are addressed by
// day of the year); a number far beyond it is a damaged link, not a write.
constexpr int64_t kMaxGat = 65536;
}

struct RecordCacheImpl::Impl {
    Impl(int size, const QString& bestand, int fmt, bool lezen)
        : recordSize(size), naam(bestand), format(fmt), alleenLezen(lezen)
    {
    }

    int recordSize;
    QString naam;
    int format;
    bool alleenLezen;
    std::shared_ptr<Werkstation> werkstation = Werkstation::Huidig();
    std::map<int32_t, std::unique_ptr<CachedFile>> bestanden;
    CachedFile* laatste = nullptr;
    int32_t laatsteJaar = 0;
    std::vector<char> scratch;
    // The chunk the last record came from: a walk reads on in it without asking the file.
    CachedFile* runBestand = nullptr;
    CachedFile::Run run;

    CachedFile& Bestand(int32_t jaar)
    {
        if (format != tfPerJaar)
            jaar = 0;
        if (laatste && laatsteJaar == jaar)
            return *laatste;
        auto& slot = bestanden[jaar];
        if (!slot)
            slot = std::make_unique<CachedFile>(*werkstation, RecordPad(werkstation->AdminDir(), naam, format, jaar));
        laatste = slot.get();
        laatsteJaar = jaar;
        return *slot;
    }

    [[noreturn]] void Fout(const QString& tekst, int32_t jaar, int32_t nr, const char* operatie) const
    {
        throw EBrRuntime(QStringLiteral("%1\nBestand: %2 jaar = %3 recnr = %4").arg(tekst, naam).arg(jaar).arg(nr),
                         QStringLiteral("RecordCacheImpl::%1(int,long)").arg(QLatin1String(operatie)));
    }

    const char* UitRun(int32_t jaar, int64_t offset) const
    {
        if (format != tfPerJaar)
            jaar = 0;
        if (!runBestand || runBestand != laatste || laatsteJaar != jaar || offset < run.begin ||
            offset + recordSize > run.end || !runBestand->Holds(run))
            return nullptr;
        return run.data + (offset - run.begin);
    }

    int64_t Offset(int32_t jaar, int32_t nr, const char* operatie) const
    {
        if (nr < 1)
            Fout(QStringLiteral("Ongeldig recordnummer."), jaar, nr, operatie);
        return int64_t(nr - 1) * recordSize;
    }
};

RecordCacheImpl::RecordCacheImpl(int recordSize, const QString& bestandsNaam, int format, bool flag1, bool flag2)
    : d_(std::make_unique<Impl>(recordSize, bestandsNaam, format, flag1 && flag2))
{
    if (recordSize < 1)
        throw EBrRuntime(QStringLiteral("Ongeldige recordgrootte voor bestand %1").arg(bestandsNaam),
                         QStringLiteral("RecordCacheImpl::RecordCacheImpl"));
}

RecordCacheImpl::~RecordCacheImpl() = default;

int RecordCacheImpl::RecordSize() const { return d_->recordSize; }
int RecordCacheImpl::Format() const { return d_->format; }

QString RecordCacheImpl::NaamDeel1() const { return d_->naam.section(QLatin1Char('.'), 0, -2); }
QString RecordCacheImpl::NaamDeel2() const { return d_->naam.section(QLatin1Char('.'), -1); }

const void* RecordCacheImpl::Record(int32_t jaar, int32_t nr)
{
    const int64_t offset = d_->Offset(jaar, nr, "Record");
    if (const char* snel = d_->UitRun(jaar, offset))
        return snel;
    CachedFile& bestand = d_->Bestand(jaar);
    const int64_t einde = offset + d_->recordSize;
    if (einde > bestand.Size(false) && einde > bestand.Size(true))
        d_->Fout(QStringLiteral("Record ligt voorbij het einde van het bestand."), jaar, nr, "Record");
    d_->runBestand = &bestand;
    d_->run = bestand.RunAt(offset);
    if (const char* snel = d_->UitRun(jaar, offset))
        return snel;
    // Across two chunks, or where the action wrote to the file.
    return bestand.Bytes(offset, d_->recordSize, d_->scratch);
}

void RecordCacheImpl::Store(int32_t jaar, int32_t nr, const void* data)
{
    const int64_t offset = d_->Offset(jaar, nr, "Store");
    if (d_->alleenLezen)
        d_->Fout(QStringLiteral("Het bestand is alleen geopend om te lezen."), jaar, nr, "Store");
    if (!d_->werkstation->ActionOpen())
        d_->Fout(QStringLiteral("Schrijven is alleen toegestaan met de reserveringsvergrendeling."), jaar, nr, "Store");
    CachedFile& bestand = d_->Bestand(jaar);
    if (offset > bestand.Size(true) + kMaxGat * d_->recordSize)
        d_->Fout(QStringLiteral("Recordnummer ligt ver voorbij het einde van het bestand."), jaar, nr, "Store");
    bestand.Write(offset, data, d_->recordSize);
}

int32_t RecordCacheImpl::RecordCount(int32_t jaar)
{
    return int32_t(d_->Bestand(jaar).Size(true) / d_->recordSize);
}

int32_t RecordCacheImpl::Records(int32_t jaar, int32_t eerste, int32_t aantal, void* buffer)
{
    const int64_t offset = d_->Offset(jaar, eerste, "Records");
    // Only records past the known end make it worth asking the disk again.
    CachedFile& bestand = d_->Bestand(jaar);
    int64_t grootte = bestand.Size(false);
    if ((int64_t(eerste) + aantal - 1) * d_->recordSize > grootte)
        grootte = bestand.Size(true);
    const int32_t beschikbaar = int32_t(grootte / d_->recordSize) - eerste + 1;
    const int32_t n = std::max(0, std::min(aantal, beschikbaar));
    if (n > 0)
        bestand.CopyOut(offset, int64_t(n) * d_->recordSize, static_cast<char*>(buffer));
    return n;
}

void RecordCacheImpl::CloseAll()
{
    d_->bestanden.clear();
    d_->laatste = nullptr;
    d_->runBestand = nullptr;
}

}  // namespace brlib
