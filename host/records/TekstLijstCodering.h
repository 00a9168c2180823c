#pragma once
// The lines of a text list as one byte string: per line a u16 byte length and
// its bytes in the code page of the record files.

#include <optional>
#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

namespace brlib {

QByteArray CodeerRegels(const QStringList& regels);
// Nothing when the bytes do not split into whole lines.
std::optional<QStringList> DecodeerRegels(const QByteArray& bytes);
// The stored bytes of the line that starts at `pos`, with `pos` moved past it;
// nothing when the bytes end inside the line. Lets a reader look at one line
// without decoding the others.
std::optional<QByteArrayView> LeesRegelBytes(QByteArrayView bytes, qsizetype& pos);

}  // namespace brlib
