#pragma once
// Articles and checks shared by the till library's tests.

#include <gtest/gtest.h>
#include <string>
#include <QStringList>

#include "host/tillra/ArtikelSource.h"
#include "host/tillra/BtwTarief.h"
#include "host/tillra/KassaControle.h"
#include "store/Integriteit.h"

inline constexpr int32_t kOntbijt = 10;
inline constexpr int32_t kWijn = 20;

// Breakfast at 15.00 (low rate) and wine at 6.50 (high rate).
inline void VoegArtikelenToe()
{
    QString fout;
    Tillra::ArtikelKaart ontbijt{kOntbijt, 0, QStringLiteral("Ontbijt"), QStringLiteral("ONT"), 15.00, Tillra::BTW_LAAG};
    Tillra::ArtikelKaart wijn{kWijn, 0, QStringLiteral("Glas wijn"), QString(), 6.50, Tillra::BTW_HOOG};
    ASSERT_TRUE(Tillra::ArtikelSource::VoegToe(ontbijt, fout)) << fout.toStdString();
    ASSERT_TRUE(Tillra::ArtikelSource::VoegToe(wijn, fout)) << fout.toStdString();
}

// The findings of both integrity checks, one per line.
inline std::string Bevindingen()
{
    QStringList regels;
    for (const Bevinding& b : ControleerAdministratie())
        regels << b.Regel();
    for (const Bevinding& b : Tillra::ControleerKassaBestanden())
        regels << b.Regel();
    return regels.join('\n').toStdString();
}
