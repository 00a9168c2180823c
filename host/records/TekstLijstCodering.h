#pragma once
// The lines of a text list as one byte string: per line a u16 byte length and
// its UTF-8 bytes.

#include <optional>
#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

namespace brlib {

QByteArray CodeerRegels(const QStringList& regels);
// Nothing when the bytes do not split into whole lines.
std::optional<QStringList> DecodeerRegels(const QByteArray& bytes);
// The UTF-8 bytes of the line that starts at `pos`, with `pos` moved past it;
// nothing when the bytes end inside the line. Lets a reader look at one line
// without decoding the others.
std::optional<QByteArrayView> LeesRegelUtf8(QByteArrayView bytes, qsizetype& pos);

}  // namespace brlib
