// The new-reservation room list and its room-type filter.

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLabel>

#include "host/records/Locks.h"
#include "host/ui/TGridView.h"
#include "masterdata/KamerOpslag.h"
#include "masterdata/KamerTypeOpslag.h"
#include "reservation/Rsvinvresunit.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvKamer.h"
#include "tests/reservation/ZoekTest.h"

namespace {
brlib::stKamerType Type(const char* code, const char* omschr)
{
    brlib::stKamerType type;
    type.code = code;
    type.omschr = omschr;
    EXPECT_TRUE(SchrijfKamerType(type, 2026));
    return type;
}

int32_t Kamer(int32_t nr, const brlib::stKamerType& type)
{
    brlib::stKamer kamer;
    kamer.kamerNr = nr;
    kamer.omschr = QStringLiteral("Kamer %1").arg(nr);
    kamer.kamerType = type;
    EXPECT_TRUE(SchrijfKamer(kamer));
    return kamer.recNr;
}

// The form refuses a room without a type; older administrations hold them all the same.
void NeemTypeWeg(int32_t recNr)
{
    brlib::RsvActie actie;
    RecordCache<WIN_rsv_kamer> kamers(Bestanden::Kamer, brlib::tfEenBestand, false, false);
    WIN_rsv_kamer rec = kamers.Record(recNr);
    rec.kamerType = 0;
    kamers.Store(recNr, rec);
    actie.Commit();
}

QStringList Kolom(const TGridView& grid, const char* kolom)
{
    QStringList cellen;
    for (int rij = 0; rij < grid.RijAantal(); ++rij)
        cellen << grid.GetCells(grid.GetKolomNummer(kolom), rij);
    return cellen;
}
}  // namespace

TEST_F(ZoekTest, ARoomWithoutTypeIsListedOnlyUnderAlle)
{
    const brlib::stKamerType std = Type("STD", "Standaard");
    Type("LUX", "Luxe");
    Kamer(101, std);
    NeemTypeWeg(Kamer(102, std));
    TfrmRsvInvRes form(nullptr, nullptr);
    form.show();
    EXPECT_EQ(form.dtpckBegin->date(), QDate(2026, 3, 10));
    EXPECT_EQ(form.dtpckEind->date(), QDate(2026, 3, 10));
    EXPECT_EQ(Kolom(*form.gvGrid, "kamertype"), (QStringList{"STD", "(GEEN TYPE)"}));

    form.cmbxKamerType->setCurrentIndex(1);
    EXPECT_EQ(form.flblTypeOmschr->text(), "Standaard");
    EXPECT_EQ(Kolom(*form.gvGrid, "nr"), QStringList{"101"});
    form.cmbxKamerType->setCurrentIndex(2);
    EXPECT_EQ(form.gvGrid->RijAantal(), 0);
    form.cmbxKamerType->setCurrentIndex(0);
    EXPECT_EQ(form.flblTypeOmschr->text(), "");
    EXPECT_EQ(Kolom(*form.gvGrid, "nr"), (QStringList{"101", "102"}));
}

TEST_F(ZoekTest, WithoutRoomsTheRoomListSaysSoAndCloses)
{
    TfrmRsvInvRes form(nullptr, nullptr);
    form.show();
    QCoreApplication::processEvents();
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().tekst, "Nog geen kamers gedefinieerd!");
    EXPECT_EQ(berichten_.Laatste().titel, "Nieuwe reservering");
    EXPECT_FALSE(form.isVisible());
}
