#pragma once
// Housekeeping sets a room's status: one action of its own under the lock,
// with its audit record.

#include <cstdint>
#include <QString>

#include "logboek/KamerStatus.h"

namespace logboek {

// False, after a message titled `titel`, when it could not be stored; false
// without a message when the lock was not had.
bool ZetKamerStatus(int32_t kamerNr, e_KamerStatus status, const QString& titel);

}  // namespace logboek
