// Reading print layout files and drawing filled ones.

#include <gtest/gtest.h>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "host/printing/AfdrukLayout.h"
#include "host/printing/DataBron.h"
#include "host/printing/LayoutTekenaar.h"
#include "host/printing/LayoutVuller.h"

namespace {

using namespace Printing;

QString Fout(const QString& tekst)
{
    QString fout;
    EXPECT_FALSE(OntleedLayout(tekst, fout).has_value()) << tekst.toStdString();
    return fout;
}

// Two rows of "*naam" under "*rijen", "*titel" on the object itself.
class Bron : public DataBron {
public:
    bool GetTekst(const QString& code, QString& tekst) override
    {
        if (code == QStringLiteral("*titel"))
            tekst = QStringLiteral("Lijst\nvan twee");
        else if (code == QStringLiteral("*rijen*naam") && rij_ >= 0)
            tekst = rij_ == 0 ? QStringLiteral("Aap") : QStringLiteral("Noot");
        else
            return false;
        return true;
    }
    DataBron* GetSubBron(const QString& code) override { return code == QStringLiteral("*rijen") ? this : nullptr; }
    bool GaNaar(int positie) override
    {
        rij_ = positie < 2 ? positie : -1;
        return rij_ >= 0;
    }
    void ClearSelectie() override { rij_ = -1; }

private:
    int rij_ = -1;
};

TEST(AfdrukLayoutTest, AMistakeNamesItsLine)
{
    EXPECT_EQ(Fout(QStringLiteral("# kop\n@einde\n")), QStringLiteral("Regel 2: \"@einde\" zonder \"@herhaal\""));
    EXPECT_EQ(Fout(QStringLiteral("@herhaal *rijen\n{*rijen*naam}\n")),
              QStringLiteral("Regel 2: \"@herhaal\" zonder \"@einde\""));
    EXPECT_EQ(Fout(QStringLiteral("tekst\n@tabs 0 x\n")), QStringLiteral("Regel 2: ongeldige tabposities"));
    EXPECT_EQ(Fout(QStringLiteral("@kader\n")), QStringLiteral("Regel 1: onbekende opdracht \"@kader\""));
}

TEST(AfdrukLayoutTest, FieldsFillTheirCellsAndABlockRepeatsPerRow)
{
    QString fout;
    const auto layout = OntleedLayout(QStringLiteral("@groot {*titel}:\n@tabs 10 80r\n@herhaal *rijen\n"
                                                     "-\t{*rijen*naam}{*onbekend}\n@einde\n@lijn\n"),
                                      fout);
    ASSERT_TRUE(layout.has_value()) << fout.toStdString();
    Bron bron;
    const std::vector<GevuldeRegel> regels = VulLayout(*layout, bron);
    EXPECT_EQ(GevuldeTekst(regels), QStringLiteral("Lijst\nvan twee:\n-\tAap\n-\tNoot\n"));
    ASSERT_EQ(regels.size(), 4u);
    EXPECT_TRUE(regels[0].groot && regels[0].vet);
    EXPECT_DOUBLE_EQ(regels[1].cellen[0].stop.mm, 10);
    EXPECT_TRUE(regels[1].cellen[1].stop.rechts);
    EXPECT_EQ(regels[3].soort, AfdrukRegel::Lijn);
}

TEST(AfdrukLayoutTest, ALongDocumentGoesOnToTheNextPage)
{
    QString fout;
    const auto layout = OntleedLayout(QStringLiteral("{*titel}\n").repeated(60), fout);
    ASSERT_TRUE(layout.has_value());
    Bron bron;
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("lang.pdf"));
    {
        QPdfWriter pdf(pad);
        ASSERT_TRUE(TekenLayouts({VulLayout(*layout, bron), VulLayout(*layout, bron)}, pdf));
    }
    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    // 120 lines of two text lines each: more than one page per object.
    EXPECT_GE(f.readAll().count("/Type /Page\n"), 4);
}

}  // namespace
