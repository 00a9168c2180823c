#pragma once
// Fixed text areas of the record files: at most N-1 characters in the
// Windows code page of the files, then zero bytes.

#include <cstddef>
#include <cstring>
#include <QString>

#include "host/base/RecordCodepage.h"

template <std::size_t N>
void ZetTekst(char (&veld)[N], const QString& tekst)
{
    const QByteArray bytes = EncodeRecordText(tekst).left(N - 1);
    std::memset(veld, 0, N);
    std::memcpy(veld, bytes.constData(), bytes.size());
}

// Reads up to the first zero byte, never past the area (a damaged record may lack it).
template <std::size_t N>
QString LeesTekst(const char (&veld)[N])
{
    const void* nul = std::memchr(veld, 0, N);
    const std::size_t lengte = nul ? static_cast<const char*>(nul) - veld : N;
    return DecodeRecordText(veld, static_cast<qsizetype>(lengte));
}
