#pragma once
// Where a record file lives: a single file as <admin>/<name>, a per-year file
// as <admin>/<year>/<name>.

#include <cstdint>
#include <QString>

namespace brlib {

QString RecordPad(const QString& adminDir, const QString& naam, int format, int32_t jaar);

}  // namespace brlib
