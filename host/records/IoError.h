#pragma once
// Dutch messages for file errors of the record layer.

#include <cstdint>
#include <QString>

namespace brlib {

// Throws EBrRuntime: "<wat> (<pad>): <reden>".
[[noreturn]] void ThrowIoError(const QString& wat, const QString& pad, int error, const QString& location);

// Throws when `result` is a failure (negative) and passes it on otherwise.
inline int64_t CheckIo(int64_t result, const QString& wat, const QString& pad, const QString& location)
{
    if (result < 0)
        ThrowIoError(wat, pad, int(result), location);
    return result;
}

}  // namespace brlib
