#pragma once
// Fixed text areas of the record files: at most N-1 characters in the
// Windows code page of the files (Latin-1 here), then zero bytes.

#include <cstddef>
#include <cstring>
#include <QString>

template <std::size_t N>
void ZetTekst(char (&veld)[N], const QString& tekst)
{
    const QByteArray bytes = tekst.toLatin1().left(N - 1);
    std::memset(veld, 0, N);
    std::memcpy(veld, bytes.constData(), bytes.size());
}

// Reads up to the first zero byte, never past the area (a damaged record may lack it).
template <std::size_t N>
QString LeesTekst(const char (&veld)[N])
{
    const void* nul = std::memchr(veld, 0, N);
    const std::size_t lengte = nul ? static_cast<const char*>(nul) - veld : N;
    return QString::fromLatin1(veld, static_cast<qsizetype>(lengte));
}
