#include <algorithm>
#include <QDateTime>
#include <QThread>

#include "host/records/Werkstation.h"

namespace brlib {

namespace {
int& Wachttijd()
{
    static int ms = qEnvironmentVariableIsSet("RSV_LOCK_WAIT_MS") ? qEnvironmentVariableIntValue("RSV_LOCK_WAIT_MS") : 5000;
    return ms;
}

int64_t NowMs() { return QDateTime::currentMSecsSinceEpoch(); }

QStringList SortedUnique(QStringList names)
{
    names.sort();
    names.removeDuplicates();
    return names;
}
}

int LockWachttijd() { return Wachttijd(); }
void ZetLockWachttijd(int ms) { Wachttijd() = std::max(ms, 0); }

int Werkstation::Depth(const QString& name) const
{
    auto it = locks_.find(name);
    return it == locks_.end() ? 0 : it->second.depth;
}

bool Werkstation::Acquire(const QString& name, int64_t deadlineMs)
{
    HeldLock& lock = locks_[name];
    if (lock.handle < 0)
        lock.handle = fs_.Open(adminDir_ + QLatin1Char('/') + name + QStringLiteral(".lck"), FileSystem::Mode::Create);
    if (lock.handle < 0) {
        locks_.erase(name);
        return false;
    }
    while (fs_.TryLock(lock.handle) != 0) {
        if (NowMs() >= deadlineMs) {
            fs_.Close(lock.handle);
            locks_.erase(name);
            return false;
        }
        QThread::msleep(5);
    }
    return true;
}

void Werkstation::Release(const QString& name)
{
    auto it = locks_.find(name);
    if (it == locks_.end() || --it->second.depth > 0)
        return;
    fs_.Unlock(it->second.handle);
    fs_.Close(it->second.handle);
    locks_.erase(it);
}

bool Werkstation::Lock(const QStringList& names)
{
    const QStringList wanted = SortedUnique(names);
    const int64_t deadline = NowMs() + LockWachttijd();
    QStringList taken;
    for (const QString& name : wanted) {
        if (Depth(name) > 0)
            continue;
        if (!Acquire(name, deadline)) {
            for (const QString& done : taken)
                Release(done);
            return false;
        }
        locks_[name].depth = 0;
        taken << name;
        if (name == kActionLock) {
            try {
                BeginAction();
            } catch (...) {
                for (const QString& done : taken)
                    Release(done);
                throw;
            }
        }
    }
    for (const QString& name : wanted)
        ++locks_[name].depth;
    return true;
}

void Werkstation::Unlock(const QStringList& names)
{
    const QStringList held = SortedUnique(names);
    bool commit = Depth(kActionLock) == 1 && held.contains(kActionLock);
    struct ReleaseAll {
        Werkstation* self;
        const QStringList& names;
        ~ReleaseAll()
        {
            for (const QString& name : names)
                self->Release(name);
        }
    } release{this, held};
    if (commit)
        EndAction();
}

}  // namespace brlib
