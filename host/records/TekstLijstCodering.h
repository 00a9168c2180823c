#pragma once
// The lines of a text list as one byte string: per line a u16 byte length and
// its bytes in the code page of the record files.

#include <optional>
#include <QByteArray>
#include <QStringList>

namespace brlib {

QByteArray CodeerRegels(const QStringList& regels);
// Nothing when the bytes do not split into whole lines.
std::optional<QStringList> DecodeerRegels(const QByteArray& bytes);

}  // namespace brlib
