#include <gtest/gtest.h>

#include <QDir>
#include <QSet>

#include "host/ui/GvlLayout.h"

// Every layout that ships must be readable, and a variant must point at a
// column of its own file; otherwise its cells would land in a hidden column.
TEST(ShippedLayouts, EveryFileIsCopiedAndConsistent)
{
    const QDir tlr(GvlPath() + "/Tlr");
    const QStringList bestanden = tlr.entryList({"*.gvl"}, QDir::Files);
    for (const char* nodig : {"RsvOvRes.gvl", "RsvZoekRes.gvl", "RsvInCheck.gvl", "RsvResArt.gvl",
                              "RsvSchnmkLijst.gvl", "RsvOvManag.gvl", "RsvMatrix.gvl"})
        EXPECT_TRUE(bestanden.contains(nodig)) << nodig;
    for (const QString& bestand : bestanden) {
        const auto kolommen = LeesGvl(tlr.filePath(bestand));
        ASSERT_TRUE(kolommen) << bestand.toStdString();
        QSet<QString> namen;
        for (const GvlKolom& k : *kolommen) {
            EXPECT_FALSE(namen.contains(k.naam.toLower())) << bestand.toStdString() << " " << k.naam.toStdString();
            namen.insert(k.naam.toLower());
        }
        for (const GvlKolom& k : *kolommen)
            if (!k.kolom.isEmpty()) {
                EXPECT_TRUE(namen.contains(k.kolom.toLower())) << bestand.toStdString() << " " << k.naam.toStdString();
            }
    }
}
