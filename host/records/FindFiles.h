#pragma once
// Which files of a record family exist in the current administration.

#include <cstdint>
#include <vector>
#include <QString>
#include <QStringList>

namespace brlib {

// Per year (t_Format 1): `jaren` gets, ascending, every year whose file exists
// and `bestanden` their paths. One file (0): `bestanden` gets its path when it
// exists, `jaren` stays empty. Only committed files count.
void FindFiles(const QString& naam, int format, QStringList& bestanden, std::vector<int32_t>& jaren);

}  // namespace brlib
