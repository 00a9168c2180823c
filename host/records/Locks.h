#pragma once
// The administration-wide locks of the current workstation (see Werkstation.h).
// "rsv" is the reservation lock: holding it opens the action whose stores are
// committed as one crash-safe unit at its last release.

#include <QStringList>

namespace brlib {

// True once "rsv" is held; false when another workstation kept it too long.
// A second RsvLock on the same workstation nests (counted). Taking the lock
// first restores what a crashed lock holder left half-written; when even that
// fails (a disk error), EBrRuntime is thrown and the lock is not held.
bool RsvLock();
// Releases one count; the last one commits the action's stores. Throws
// EBrRuntime when they could not be saved (then nothing of them is on disk);
// the lock is released either way.
void RsvUnlock();
// Drops the stores of the open action and releases "rsv" completely: for an
// action that ends in an exception. Without an action it does nothing.
void RsvAfbreken();

// Takes the named locks ("rsv", "reg", ...) in sorted order, all or none, so
// that two workstations asking for the same names in any order cannot deadlock.
bool MultiLockFile(const QStringList& namen);
void MultiUnlockFile(const QStringList& namen);

// Holds "rsv" for a scope: commits on Commit(), drops the action when the scope
// is left without it (an exception). Check Locked() before writing.
class RsvActie {
public:
    RsvActie();
    ~RsvActie();
    RsvActie(const RsvActie&) = delete;
    RsvActie& operator=(const RsvActie&) = delete;

    bool Locked() const { return locked_; }
    void Commit();

private:
    bool locked_;
};

}  // namespace brlib
