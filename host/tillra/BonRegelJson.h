#pragma once
// Product lines in the till server's protocol (KassaProtocol.h).

#include <optional>
#include <vector>
#include <QJsonArray>
#include <QJsonValue>

#include "host/tillra/BonRegel.h"

namespace Tillra {

QJsonArray RegelsNaarJson(const std::vector<t_BonRegel>& regels);
// None when the value is not a list of well-formed lines (or too many).
std::optional<std::vector<t_BonRegel>> RegelsUitJson(const QJsonValue& waarde);

}  // namespace Tillra
