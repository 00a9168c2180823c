#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QPushButton>
#include <QSpinBox>

#include "host/base/HuidigeDatum.h"
#include "host/ui/GridScrollKnoppen.h"
#include "host/ui/JaarNrDialog.h"
#include "host/ui/ModalShow.h"
#include "host/ui/TdlgDatumSelectie.h"
#include "tests/support/ScriptedMessages.h"

namespace {
template <class T>
T* Kind(TForm& form, const char* naam)
{
    T* kind = form.findChild<T*>(naam);
    EXPECT_NE(kind, nullptr) << naam;
    return kind;
}
}

TEST(JaarNrDialog, ChangingTheYearUpdatesTheLimitOfTheOpenDialog)
{
    JaarNrDialog dialoog(nullptr, "Selecteer reservering");
    dialoog.SetWaarde(JaarNr(2026, 40));
    dialoog.SetMaxAantal(50);
    QObject::connect(&dialoog, &JaarNrDialog::OnChangeJaar,
                     [&](int jaar) { dialoog.SetMaxAantal(jaar == 2027 ? 12 : 50); });
    ModalResponderScope gebruiker([](TForm& form) {
        EXPECT_EQ(form.Caption(), "Selecteer reservering");
        auto* nr = Kind<QSpinBox>(form, "spnNr");
        EXPECT_EQ(nr->value(), 40);
        Kind<QSpinBox>(form, "spnJaar")->setValue(2027);
        nr->setValue(30);  // above the 12 reservations of 2027
        EXPECT_EQ(nr->value(), 12);
        Kind<QPushButton>(form, "btnOk")->click();
        return form.ModalResult();
    });
    ASSERT_TRUE(dialoog.Execute());
    EXPECT_EQ(dialoog.Waarde(), JaarNr(2027, 12));
}

TEST(JaarNrDialog, CancelKeepsTheValueAndAnEmptyYearRefusesOk)
{
    HuidigeDatumVast vandaag(EncodeDate(2028, 6, 1));
    JaarNrDialog dialoog(nullptr);
    dialoog.SetMaxAantal(0);
    ScriptedMessages berichten;
    ModalResponderScope gebruiker([](TForm& form) {
        EXPECT_EQ(Kind<QSpinBox>(form, "spnJaar")->value(), 2028);
        Kind<QPushButton>(form, "btnOk")->click();
        EXPECT_EQ(form.ModalResult(), mrNone);
        Kind<QPushButton>(form, "btnAnnuleren")->click();
        return form.ModalResult();
    });
    EXPECT_FALSE(dialoog.Execute());
    EXPECT_TRUE(dialoog.Waarde().IsLeeg());
    ASSERT_EQ(berichten.Gezien().size(), 1u);
    EXPECT_EQ(berichten.Laatste().tekst, "Er zijn geen nummers in 2028.");
}

TEST(TdlgDatumSelectie, OkTakesTheChosenDayCancelKeepsTheOld)
{
    TDateTime datum = EncodeDate(2027, 3, 1);
    {
        ModalResponderScope gebruiker([](TForm& form) {
            auto* kalender = Kind<QCalendarWidget>(form, "calDatum");
            EXPECT_EQ(kalender->selectedDate(), QDate(2027, 3, 1));
            kalender->setSelectedDate(QDate(2027, 4, 15));
            Kind<QPushButton>(form, "btnOk")->click();
            return form.ModalResult();
        });
        ASSERT_TRUE(TdlgDatumSelectie::Kies(datum, nullptr));
    }
    EXPECT_EQ(datum, EncodeDate(2027, 4, 15));
    ModalResponderScope annuleer([](TForm& form) {
        Kind<QCalendarWidget>(form, "calDatum")->setSelectedDate(QDate(2030, 1, 1));
        Kind<QPushButton>(form, "btnAnnuleren")->click();
        return form.ModalResult();
    });
    EXPECT_FALSE(TdlgDatumSelectie::Kies(datum, nullptr));
    EXPECT_EQ(datum, EncodeDate(2027, 4, 15));
}

TEST(GridScrollKnoppen, ButtonsStayWithinTheRows)
{
    EXPECT_EQ(ScrollDoel(ScrollKnop::RijNeer, -1, 10, 4), 0);
    EXPECT_EQ(ScrollDoel(ScrollKnop::RijNeer, 9, 10, 4), 9);
    EXPECT_EQ(ScrollDoel(ScrollKnop::PaginaNeer, 8, 10, 4), 9);
    EXPECT_EQ(ScrollDoel(ScrollKnop::PaginaOp, 2, 10, 4), 0);
    EXPECT_EQ(ScrollDoel(ScrollKnop::PaginaOp, 7, 10, 0), 6);
    EXPECT_EQ(ScrollDoel(ScrollKnop::Einde, 0, 10, 4), 9);
    EXPECT_EQ(ScrollDoel(ScrollKnop::Begin, 5, 10, 4), 0);
    EXPECT_EQ(ScrollDoel(ScrollKnop::Einde, 0, 0, 4), -1);
}
