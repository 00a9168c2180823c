#pragma once
// A stored reservation as the audit trail compares it: named values in a
// fixed order, one per header field and one per room line, as text.

#include <utility>
#include <vector>
#include <QString>

#include "host/base/JaarNr.h"

namespace logboek {

using Velden = std::vector<std::pair<QString, QString>>;

// The reservation as the files hold it now (the open action's writes
// included); empty when the year has no reservation with that number.
Velden ResMomentopname(const JaarNr& sleutel);

}  // namespace logboek
