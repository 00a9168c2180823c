#include "host/records/Locks.h"

#include "host/records/Werkstation.h"

namespace brlib {

bool RsvLock() { return Werkstation::Huidig()->Lock({Werkstation::kActionLock}); }
void RsvUnlock() { Werkstation::Huidig()->Unlock({Werkstation::kActionLock}); }
void RsvAfbreken() { Werkstation::Huidig()->Abandon(); }

bool MultiLockFile(const QStringList& namen) { return Werkstation::Huidig()->Lock(namen); }
void MultiUnlockFile(const QStringList& namen) { Werkstation::Huidig()->Unlock(namen); }

RsvActie::RsvActie() : locked_(RsvLock()) {}

RsvActie::~RsvActie()
{
    if (locked_)
        RsvAfbreken();
}

void RsvActie::Commit()
{
    if (!locked_)
        return;
    locked_ = false;
    RsvUnlock();
}

}  // namespace brlib
