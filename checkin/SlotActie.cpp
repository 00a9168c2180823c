#include "checkin/SlotActie.h"

#include "host/records/Locks.h"

namespace incheck {

SlotActie::SlotActie(QStringList namen) : namen_(std::move(namen)), locked_(brlib::MultiLockFile(namen_)) {}

SlotActie::~SlotActie()
{
    if (!locked_)
        return;
    brlib::RsvAfbreken();
    namen_.removeAll(QStringLiteral("rsv"));
    brlib::MultiUnlockFile(namen_);
}

void SlotActie::Commit()
{
    if (!locked_)
        return;
    logboek_.Vastleggen();
    locked_ = false;
    brlib::MultiUnlockFile(namen_);
}

}  // namespace incheck
