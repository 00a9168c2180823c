#pragma once
// One crash-safe write of till data. The steps run under the locks "rsv" and
// "reg"; when the caller already holds them (a check-in stores its
// registration inside its own action) they become part of the caller's action.
// The steps re-read what they change and return false, with a Dutch reason in
// `fout`, before writing anything when they refuse. On success the update count
// is raised so that other workstations notice.

#include <functional>
#include <QString>

namespace Tillra {

bool KassaActie(const std::function<bool(QString& fout)>& stappen, QString& fout);

}  // namespace Tillra
