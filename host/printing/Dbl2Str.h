#pragma once
// An amount as the printed documents show it: Dutch decimal comma, right
// aligned in `breedte` characters (longer values are not cut).

#include <QString>

QString Dbl2Str(double waarde, int breedte, int decimalen, bool duizendtallen);
