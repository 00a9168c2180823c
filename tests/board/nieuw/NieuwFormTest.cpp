// The mode on the board itself: Nieuw, a drag along room 101 from Monday to
// Thursday, OK with the details filled in the dialog, and the reservation is
// on disk with every chain in order.

#include <QFile>
#include <QPushButton>
#include <QTest>

#include "board/BordGrid.h"
#include "board/Rsvovresunit.h"
#include "host/brlib/ReserveringAccess.h"
#include "host/records/RecordPad.h"
#include "host/ui/ModalShow.h"
#include "host/ui/TGridView.h"
#include "reservation/Rsvresgegunit.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResRgl.h"
#include "tests/board/nieuw/NieuwTest.h"
#include "tests/store/StoreTestHulp.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempWerkplek.h"

using namespace bord;

namespace {

QPoint Midden(const TfrmRsvOvRes& form, int kolom, int rij) { return form.Geometrie().CelRect(kolom, rij).center(); }

}  // namespace

TEST_F(NieuwTest, DraggingOnTheBoardAndPressingOkStoresTheReservation)
{
    TempWerkplek werkplek;
    TfrmRsvOvRes form(nullptr, nullptr);
    form.ZetStartDatum(ma);
    form.show();
    ASSERT_EQ(form.Toestand().startDatum, ma - 1);  // weeks start on Sunday
    form.findChild<QPushButton*>(QStringLiteral("btnNieuw"))->click();
    ASSERT_TRUE(form.Toestand().nieuwModus);

    auto* grid = form.findChild<BordGrid*>();
    const int rij = r101 + kKopRijen;
    QTest::mousePress(grid, Qt::LeftButton, {}, Midden(form, kVasteKolommen + 1, rij));
    for (int dag = 2; dag <= 4; ++dag)
        QTest::mouseMove(grid, Midden(form, kVasteKolommen + dag, rij));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, Midden(form, kVasteKolommen + 4, rij));

    ModalResponderScope dialoog([](TForm& venster) {
        auto& details = dynamic_cast<TfrmRsvResGeg&>(venster);
        details.gvGrid->SetCellValue(QStringLiteral("data"), 0, QStringLiteral("Jansen"));
        details.btnOk->click();
        return details.ModalResult();
    });
    form.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
    EXPECT_FALSE(form.Toestand().nieuwModus);

    RecordCache<WIN_rsv_res_rgl> regels(Bestanden::ResRgl, brlib::tfPerJaar, true, true);
    ASSERT_EQ(regels.RecordCount(kJaar), 2);  // the head record and the new line
    const WIN_rsv_res_rgl regel = regels.Record(kJaar, 2);
    EXPECT_EQ(+regel.kamerNr, 101);
    EXPECT_EQ(DatumToDate(regel.beginDatum), ma);
    EXPECT_EQ(DatumToDate(regel.eindDatum), ma + 3);
    EXPECT_EQ(Bevindingen(), QString());
}

TEST_F(NieuwTest, ADamagedRateFileMetWhileDraggingIsReportedAndTheBoardGoesOn)
{
    TempWerkplek werkplek;
    TfrmRsvOvRes form(nullptr, nullptr);
    form.ZetStartDatum(ma);
    form.show();
    form.findChild<QPushButton*>(QStringLiteral("btnNieuw"))->click();
    ASSERT_TRUE(form.Toestand().nieuwModus);
    // Every rate of the year now points past the end of its file, as a half-written copy might.
    QFile tarieven(brlib::RecordPad(admin_.Dir(), Bestanden::Tarief, brlib::tfPerJaar, kJaar));
    ASSERT_TRUE(tarieven.open(QIODevice::ReadWrite));
    const QByteArray heel = tarieven.readAll();
    tarieven.seek(0), tarieven.write(QByteArray(heel.size(), char(0x7f))), tarieven.flush();

    ScriptedMessages berichten({msg::idOK, msg::idOK, msg::idOK});
    auto* grid = form.findChild<BordGrid*>();
    const int rij = r101 + kKopRijen;
    QTest::mousePress(grid, Qt::LeftButton, {}, Midden(form, kVasteKolommen + 1, rij));
    QTest::mouseMove(grid, Midden(form, kVasteKolommen + 3, rij));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, Midden(form, kVasteKolommen + 3, rij));
    ASSERT_FALSE(berichten.Gezien().empty());
    EXPECT_EQ(berichten.Gezien().front().kind, MsgKind::Error);
    EXPECT_TRUE(form.isVisible());
    tarieven.seek(0), tarieven.write(heel);
}
