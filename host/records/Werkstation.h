#pragma once
// One workstation's view of one administration directory: its named locks, its
// open action and the writes of that action. All record caches of a workstation
// share it, so that they read each other's writes.
//
// The action is open while the lock "rsv" is held. Stores of the action stay in
// memory (one FileOverlay per file) until the lock is released, which commits
// them crash-safely (see Commit.h); Abandon drops them instead. Taking "rsv"
// first writes again what the journal holds and the disk may lack (Journal.h).
//
// Every action that writes raises the update count "rsv.upd" (the action's own
// raise, or one added at commit), so an unchanged count at the next lock shows
// that nobody committed meanwhile: the chunks read under the previous lock are
// then kept (KeptChunks.h). A recovered journal drops them.
//
// Locks are counted per workstation: taking a lock this workstation already
// holds succeeds at once and needs one more release; "rsv" commits at its last
// release. Between workstations (also two in one process) locks exclude each
// other: a lock that is not free within LockWachttijd() is refused (false).
//
// There is one current workstation: by default one per process on
// HuidigeAdminDir(), created on first use; a WerkstationScope makes another
// current (tests simulate a second workstation in one process this way).

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "host/records/FileOverlay.h"
#include "host/records/FileSystem.h"
#include "host/records/Journal.h"
#include "host/records/KeptChunks.h"

namespace brlib {

class Werkstation {
public:
    explicit Werkstation(const QString& adminDir, FileSystem& fs = CurrentFileSystem());
    ~Werkstation();  // drops an open action and releases every lock
    Werkstation(const Werkstation&) = delete;
    Werkstation& operator=(const Werkstation&) = delete;

    static std::shared_ptr<Werkstation> Huidig();

    const QString& AdminDir() const { return adminDir_; }
    FileSystem& Fs() const { return fs_; }

    // Takes the named locks in sorted order, all or none. Throws EBrRuntime when
    // the journal cannot be recovered (the locks are then not held).
    bool Lock(const QStringList& names);
    // Releases one count of each lock; the last release of "rsv" commits the
    // action. The locks are released also when the commit throws.
    void Unlock(const QStringList& names);
    bool ActionOpen() const { return Depth(kActionLock) > 0; }
    // Drops the writes of the open action and releases "rsv" completely.
    void Abandon();
    // With "rsv" held: makes every committed action durable in the data files
    // and empties the journal, for a repair that then writes them directly.
    // Throws EBrRuntime when a sync fails.
    void Checkpoint();

    // The action's writes to a file, or null when it wrote none.
    FileOverlay* Overlay(const QString& path) const;
    FileOverlay& OverlayForWrite(const QString& path);

    // Changes whenever committed bytes read before may be stale (another lock
    // holder may have written, or this one committed).
    uint64_t DiskEpoch() const { return diskEpoch_; }
    // Changes whenever the set of overlays changes.
    uint64_t OverlayEpoch() const { return overlayEpoch_; }
    // Committed chunks shared by the caches of the open action.
    KeptChunks& Kept() { return kept_; }

    static inline const QString kActionLock = QStringLiteral("rsv");

private:
    struct HeldLock {
        int handle = -1;
        int depth = 0;
    };

    int Depth(const QString& name) const;
    bool Acquire(const QString& name, int64_t deadlineMs);
    void Release(const QString& name);
    void BeginAction();
    void EndAction();
    void RaiseUpdateCount();
    std::optional<QByteArray> ReadUpdateMark() const;
    void KeepCommitted(const std::vector<std::unique_ptr<FileOverlay>>& overlays);

    QString adminDir_;
    FileSystem& fs_;
    std::map<QString, HeldLock> locks_;
    std::vector<std::unique_ptr<FileOverlay>> overlays_;
    uint64_t diskEpoch_ = 1;
    uint64_t overlayEpoch_ = 1;
    KeptChunks kept_;
    JournalState journal_;  // as the last lock found it, and since
    std::optional<QByteArray> keptMark_;  // the update count file the kept chunks belong to
};

class WerkstationScope {
public:
    explicit WerkstationScope(std::shared_ptr<Werkstation> werkstation);
    ~WerkstationScope();
    WerkstationScope(const WerkstationScope&) = delete;
    WerkstationScope& operator=(const WerkstationScope&) = delete;

private:
    std::shared_ptr<Werkstation> previous_;
};

// How long a lock is waited for; default 5000 ms, or RSV_LOCK_WAIT_MS.
int LockWachttijd();
void ZetLockWachttijd(int ms);

}  // namespace brlib
