// The Logboek form filters the trail and exports it; the arrivals form opens a
// reservation with a double click through the forms it was handed.

#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "host/ui/GridUitvoer.h"
#include "host/ui/TGridView.h"
#include "logboek/Rsvaankvertrekunit.h"
#include "logboek/Rsvlogboekunit.h"
#include "tests/logboek/LogboekTest.h"

namespace {

class OpenGegevens : public bord::BordVensters {
public:
    int ReserveringsGegevens(QWidget*, JaarNr reservering, bool) const override
    {
        geopend.push_back(reservering);
        return bord::drGesloten;
    }
    void InUitChecken(JaarNr, TDateTime, QWidget*, JaarNr) const override {}
    bool ZoekReservering(QWidget*, JaarNr&) const override { return false; }
    void Rapportage(QWidget*) const override {}
    void Instellingen(QWidget*) const override {}
    mutable std::vector<JaarNr> geopend;
};

TEST_F(LogboekTest, TheLogboekFiltersOnReservationAndWorkstationAndExportsWhatItShows)
{
    const JaarNr jansen = Boek(101, vandaag_, 2, "Jansen");
    qputenv("RSV_WERKPLEK", "RECEPTIE-2");
    const JaarNr bakker = Boek(102, vandaag_, 2, "Bakker");
    qunsetenv("RSV_WERKPLEK");

    TfrmRsvLogboek form(nullptr, nullptr);
    form.show();
    const size_t alle = form.Regels().size();
    EXPECT_GE(alle, 6u);  // the room type, three rooms and two bookings

    form.edtReservering->setText(jansen.String(2, 5));
    form.btnZoekenClick();
    ASSERT_EQ(form.Regels().size(), 1u);
    EXPECT_EQ(form.Regels()[0].actie, "Boeking");

    form.edtReservering->clear();
    form.edtWerkplek->setText(QStringLiteral("receptie"));
    form.btnZoekenClick();
    ASSERT_EQ(form.Regels().size(), 1u);
    EXPECT_EQ(form.Regels()[0].reservering, bakker);

    form.edtWerkplek->clear();
    form.dtpckVan->setDate(ToQDate(vandaag_ + 1));
    form.dtpckTot->setDate(ToQDate(vandaag_ + 1));
    form.btnZoekenClick();
    EXPECT_TRUE(form.Regels().empty());
    EXPECT_FALSE(form.btnExporteren->isEnabled());

    form.dtpckVan->setDate(ToQDate(vandaag_));
    form.edtWerkplek->setText(QStringLiteral("receptie"));
    form.btnZoekenClick();
    QTemporaryDir map;
    GridUitvoerScope uitvoer(map.path());
    form.btnExporteren->click();
    QFile csv(map.path() + QStringLiteral("/RsvLogboek.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString tekst = QString::fromUtf8(csv.readAll());
    EXPECT_TRUE(tekst.contains(QStringLiteral("Tijd;Werkplek;Gebruiker;Actie;Reservering")));
    EXPECT_TRUE(tekst.contains(QStringLiteral(";RECEPTIE-2;")));
    EXPECT_TRUE(tekst.contains(QStringLiteral("gastgegevens;;Bakker / Dorpsstraat 1")));

    form.edtReservering->setText(QStringLiteral("geen nummer"));
    form.btnZoekenClick();
    EXPECT_EQ(berichten_.Laatste().tekst, "Geef een reserveringsnummer op als jj/nnnnn.");
}

TEST_F(LogboekTest, ADoubleClickOnAnArrivalOpensItsReservation)
{
    Boek(101, vandaag_ - 1, 1, "Jansen");
    const JaarNr bakker = Boek(102, vandaag_, 2, "Bakker");
    OpenGegevens vensters;
    TfrmRsvAankVertrek form(nullptr, nullptr);
    form.ZetVensters(&vensters);
    form.show();
    ASSERT_EQ(form.gvLijst->RijAantal(), 2);
    EXPECT_EQ(form.gvLijst->GetCells(0, 0), "Vertrek");
    form.gvLijstDblClick(1);
    EXPECT_EQ(vensters.geopend, std::vector<JaarNr>{bakker});
}

}  // namespace
