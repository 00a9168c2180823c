#include "host/records/Werkstation.h"

#include <QDir>

#include "host/base/AdminDir.h"
#include "host/records/Commit.h"
#include "host/records/IoError.h"
#include "host/records/Journal.h"

namespace brlib {

namespace {
std::shared_ptr<Werkstation>& ScopedCurrent()
{
    static std::shared_ptr<Werkstation> current;
    return current;
}

QString Normalized(const QString& dir) { return QDir::cleanPath(QDir(dir).absolutePath()); }

// Beyond this the kept chunks start over, so that a long session stays small.
constexpr int64_t kMaxKeptBytes = 64 << 20;
}

Werkstation::Werkstation(const QString& adminDir, FileSystem& fs) : adminDir_(Normalized(adminDir)), fs_(fs) {}

Werkstation::~Werkstation()
{
    overlays_.clear();
    for (auto& [name, lock] : locks_) {
        if (lock.handle >= 0) {
            fs_.Unlock(lock.handle);
            fs_.Close(lock.handle);
        }
    }
}

std::shared_ptr<Werkstation> Werkstation::Huidig()
{
    if (ScopedCurrent())
        return ScopedCurrent();
    // The process's own workstation follows the administration directory, but
    // never while it holds a lock.
    static std::shared_ptr<Werkstation> process;
    const QString dir = Normalized(HuidigeAdminDir());
    if (!process || (process->AdminDir() != dir && process->locks_.empty()))
        process = std::make_shared<Werkstation>(dir);
    return process;
}

FileOverlay* Werkstation::Overlay(const QString& path) const
{
    for (const auto& overlay : overlays_) {
        if (overlay->Path() == path)
            return overlay.get();
    }
    return nullptr;
}

FileOverlay& Werkstation::OverlayForWrite(const QString& path)
{
    if (FileOverlay* overlay = Overlay(path))
        return *overlay;
    overlays_.push_back(std::make_unique<FileOverlay>(fs_, path, ActionOpen() ? kept_.Known(path) : nullptr));
    ++overlayEpoch_;
    return *overlays_.back();
}

void Werkstation::BeginAction()
{
    const bool recovered = RecoverJournal(fs_, adminDir_, journal_);
    const std::optional<QByteArray> mark = ReadUpdateMark();
    if (recovered || !mark || mark != keptMark_ || kept_.Bytes() > kMaxKeptBytes)
        kept_.Clear();
    kept_.BeginAction(fs_);
    keptMark_ = mark;
    ++diskEpoch_;
}

void Werkstation::EndAction()
{
    if (!overlays_.empty())
        RaiseUpdateCount();
    std::vector<std::unique_ptr<FileOverlay>> overlays;
    overlays.swap(overlays_);
    ++overlayEpoch_;
    ++diskEpoch_;
    try {
        CommitAction(fs_, adminDir_, overlays, journal_);
    } catch (...) {
        kept_.Clear();
        keptMark_.reset();
        throw;
    }
    KeepCommitted(overlays);
}

void Werkstation::Checkpoint()
{
    CheckIo(CheckpointJournal(fs_, adminDir_, journal_), QStringLiteral("De wijzigingen konden niet worden opgeslagen"),
            JournalPath(adminDir_), QStringLiteral("Checkpoint"));
}

void Werkstation::Abandon()
{
    if (!ActionOpen())
        return;
    overlays_.clear();
    ++overlayEpoch_;
    ++diskEpoch_;
    locks_[kActionLock].depth = 1;
    Release(kActionLock);
}

WerkstationScope::WerkstationScope(std::shared_ptr<Werkstation> werkstation) : previous_(ScopedCurrent())
{
    ScopedCurrent() = std::move(werkstation);
}

WerkstationScope::~WerkstationScope() { ScopedCurrent() = std::move(previous_); }

}  // namespace brlib
