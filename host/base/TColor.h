#pragma once
// Colours as the module's tables give them: 0x00BBGGRR.

#include <cstdint>
#include <QColor>

using TColor = uint32_t;

inline QColor QKleur(TColor kleur)
{
    return QColor(kleur & 0xFF, (kleur >> 8) & 0xFF, (kleur >> 16) & 0xFF);
}
