#include "tests/support/TempAdmin.h"

#include "host/base/AdminDir.h"

TempAdmin::TempAdmin()
    : previousDir_(HuidigeAdminDir()),
      previousWait_(brlib::LockWachttijd()),
      werkstation_(std::make_shared<brlib::Werkstation>(dir_.path()))
{
    ZetAdminDir(dir_.path());
    // A lock test waits for a lock that never comes; keep that short.
    brlib::ZetLockWachttijd(300);
    scope_ = std::make_unique<brlib::WerkstationScope>(werkstation_);
}

TempAdmin::~TempAdmin()
{
    scope_.reset();
    brlib::ZetLockWachttijd(previousWait_);
    ZetAdminDir(previousDir_);
}

std::shared_ptr<brlib::Werkstation> TempAdmin::Second() const
{
    return std::make_shared<brlib::Werkstation>(dir_.path());
}
