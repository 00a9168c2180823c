// The room types list and its dialog in data mode and in rates mode.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "masterdata/Rsveditkamertypeunit.h"
#include "masterdata/Rsvkamertypeunit.h"
#include "tests/masterdata/FormTestHulp.h"

using brlib::stKamerType;
using brlib::stTarief;

namespace {
using Dialoog = TfrmRsvEditKamerType;

class KamerTypeForm : public FormTest {
protected:
    void Open() { form_.show(); }
    void Knop(const char* naam) { form_.findChild<QPushButton*>(naam)->click(); }

    TfrmRsvKamerType form_{nullptr, nullptr};
    TGridView& grid_ = *form_.Grid();
};
}  // namespace

TEST_F(KamerTypeForm, ANewTypeNeedsACodeAndWarnsWhenThereIsNoRateMatrix)
{
    Open();
    EXPECT_FALSE(form_.btnTarief->isEnabled());
    BijDialoog<Dialoog>([&](Dialoog& d) {
        EXPECT_EQ(d.Caption(), QStringLiteral("Nieuw kamertype"));
        EXPECT_EQ(d.pnlCap->text(), QStringLiteral("Tarieven 2026"));
        EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Nog geen tariefsoorten en/of periodes gedefinieerd!"));
        EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Nieuw kamertype"));
        EXPECT_FALSE(d.gvGrid->EditMode());
        d.edtCode->setText(QStringLiteral("  "));
        d.btnOk->click();
        EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Vul een code in."));
        EXPECT_EQ(d.focusWidget(), d.edtCode);
        d.edtCode->setText(QStringLiteral(" DBL "));
        d.edtOmschr->setText(QStringLiteral("Tweepersoonskamer"));
        d.btnOk->click();
    });
    Knop("btnNieuw");

    EXPECT_EQ(OpenGebleven(), 0);
    ASSERT_EQ(grid_.RijAantal(), 1);
    EXPECT_EQ(Cel(grid_, "code", 0), QStringLiteral("DBL"));
    EXPECT_TRUE(form_.btnTarief->isEnabled());
    std::vector<stKamerType> opSchijf;
    brlib::InlezenKamerTypes(opSchijf);
    ASSERT_EQ(opSchijf.size(), 1u);
    EXPECT_EQ(opSchijf[0].omschr, QStringLiteral("Tweepersoonskamer"));
}

TEST_F(KamerTypeForm, RatesModeEditsOnlyTheRatesOfTheCurrentYear)
{
    std::vector<brlib::stTariefSoort> soorten;
    LeesTariefSoorten(soorten);
    MaakPeriodes(kJaar);
    const stKamerType dbl = MaakKamerType("DBL", {{soorten[0].recNr, 1, 70.0}}, kJaar);
    Open();

    BijDialoog<Dialoog>([&](Dialoog& d) {
        EXPECT_EQ(d.Caption(), QStringLiteral("Wijzigen tarieven"));
        EXPECT_TRUE(d.edtCode->isHidden());
        EXPECT_FALSE(d.flblCode->isHidden());
        EXPECT_EQ(d.flblCode->text(), QStringLiteral("DBL"));
        ASSERT_EQ(d.gvGrid->RijAantal(), 2);
        EXPECT_EQ(Cel(*d.gvGrid, "per_code", 1), QStringLiteral("Zomer"));
        EXPECT_TRUE(d.gvGrid->EditMode());
        EXPECT_TRUE(Typ(*d.gvGrid, "tarief", 1, QStringLiteral("85,50")));
        EXPECT_FALSE(Typ(*d.gvGrid, "per_code", 1, QStringLiteral("Winter")));
        Schermafdruk(d, "RvsEditKamerType");
        d.btnOk->click();
    });
    Knop("btnTarief");

    EXPECT_EQ(Tarieven(kJaar, dbl.recNr),
              (std::vector<stTarief>{{soorten[0].recNr, 1, 70.0}, {soorten[0].recNr, 2, 85.5}}));
    std::vector<stKamerType> opSchijf;
    brlib::InlezenKamerTypes(opSchijf);
    EXPECT_EQ(opSchijf[0].stempel, dbl.stempel) << "rates mode leaves the room type record alone";
    Schermafdruk(form_, "RsvKamerType");
}

TEST_F(KamerTypeForm, AnEditThatIsCancelledWritesNothing)
{
    std::vector<brlib::stTariefSoort> soorten;
    LeesTariefSoorten(soorten);
    MaakPeriodes(kJaar);
    const stKamerType dbl = MaakKamerType("DBL", {{soorten[0].recNr, 1, 70.0}}, kJaar);
    Open();
    BijDialoog<Dialoog>([&](Dialoog& d) {
        EXPECT_EQ(d.Caption(), QStringLiteral("Wijzigen kamertype"));
        d.edtCode->setText(QStringLiteral("SUITE"));
        Typ(*d.gvGrid, "tarief", 0, QStringLiteral("1,00"));
        d.btnAnnuleren->click();
    });
    emit grid_.OnDblClick(0);
    EXPECT_EQ(Cel(grid_, "code", 0), QStringLiteral("DBL"));
    EXPECT_EQ(Tarieven(kJaar, dbl.recNr), dbl.tarieven);
}

TEST_F(KamerTypeForm, ATypeInUseCannotBeRemovedAndAnUnusedOneAsksFirst)
{
    const stKamerType dbl = MaakKamerType("DBL", {}, kJaar);
    MaakKamerType("EEN", {}, kJaar);
    MaakKamer(12, dbl);
    Open();

    Knop("btnVerwijder");
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().kind, MsgKind::Error);
    EXPECT_EQ(berichten_.Laatste().tekst,
              QStringLiteral("Een of meerdere kamers zijn van dit type. U kunt dit type pas verwijderen wanneer dit "
                             "type niet meer toegeweZen is aan een of meerdere kamers."));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Kamertypes"));

    grid_.FocusRij(1);
    Knop("btnVerwijder");
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Wilt u kamertype \"EEN\" verwijderen?"));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Kamertypes"));
    EXPECT_EQ(berichten_.Laatste().knoppen, msg::mbYesNo);
    ASSERT_EQ(grid_.RijAantal(), 1);
    EXPECT_EQ(Cel(grid_, "code", 0), QStringLiteral("DBL"));
}

TEST_F(KamerTypeForm, ADamagedRateChainIsReportedAndChangesNothing)
{
    std::vector<brlib::stTariefSoort> soorten;
    LeesTariefSoorten(soorten);
    MaakPeriodes(kJaar);
    const stKamerType dbl = MaakKamerType("DBL", {{soorten[0].recNr, 1, 70.0}, {soorten[0].recNr, 2, 85.0}}, kJaar);
    Open();
    // The second rate claims another room type, as another program's half-written chain would.
    QFile bestand(brlib::RecordPad(admin_.Dir(), Bestanden::Tarief, brlib::tfPerJaar, kJaar));
    ASSERT_TRUE(bestand.open(QIODevice::ReadWrite));
    const QByteArray heel = bestand.readAll();
    QByteArray beschadigd = heel;
    SchrijfLe<int32_t>(beschadigd, (TariefKetting(kJaar, dbl.recNr)[1] - 1) * sizeof(WIN_rsv_tarief) + 8, 99);
    bestand.seek(0), bestand.write(beschadigd), bestand.flush();

    Knop("btnWijzig");
    Knop("btnTarief");
    ASSERT_EQ(berichten_.Gezien().size(), 2u);
    EXPECT_EQ(berichten_.Laatste().kind, MsgKind::Error);
    EXPECT_EQ(berichten_.Laatste().tekst,
              QStringLiteral("De tarieven van kamertype %1 in 2026 zijn beschadigd.").arg(dbl.recNr));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Kamertypes"));
    EXPECT_EQ(Getoond(), 0);
    EXPECT_EQ(BestandBytes(Bestanden::Tarief, brlib::tfPerJaar, kJaar), beschadigd);
    bestand.seek(0), bestand.write(heel);  // for the integrity check at the end
}
