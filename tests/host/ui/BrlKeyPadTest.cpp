#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include "host/ui/BrlKeyPad.h"

namespace {

class BrlKeyPadTest : public ::testing::Test {
protected:
    BrlKeyPadTest()
    {
        auto* layout = new QVBoxLayout(&form_);
        layout->addWidget(bedrag_);
        layout->addWidget(naam_);
    }

    void Druk(const QString& tekst)
    {
        QWidget* keypad = BrlKeyPad::Of(&form_);
        ASSERT_NE(keypad, nullptr);
        for (QToolButton* knop : keypad->findChildren<QToolButton*>())
            if (knop->text() == tekst)
                return knop->click();
        FAIL() << "geen toets " << tekst.toStdString();
    }

    QWidget form_;
    QLineEdit* bedrag_ = new QLineEdit(&form_);
    QLineEdit* naam_ = new QLineEdit(&form_);
};

TEST_F(BrlKeyPadTest, KeysTypeIntoTheFocusedFieldAndTabAndEnterWorkAsOnAKeyboard)
{
    BrlKeyPad::Bind(&form_);
    form_.show();
    bedrag_->setFocus();
    QSignalSpy enter(bedrag_, &QLineEdit::returnPressed);
    for (const char* toets : {"1", "2", ",", "5", "0", "\u2190"})
        Druk(QString::fromUtf8(toets));
    EXPECT_EQ(bedrag_->text(), QStringLiteral("12,5"));
    Druk(QStringLiteral("Enter"));
    EXPECT_EQ(enter.count(), 1);
    Druk(QStringLiteral("Tab"));
    EXPECT_EQ(form_.focusWidget(), naam_);
    Druk(QStringLiteral("7"));
    EXPECT_EQ(naam_->text(), QStringLiteral("7"));
    EXPECT_EQ(bedrag_->text(), QStringLiteral("12,5"));
}

TEST_F(BrlKeyPadTest, OneKeypadPerFormThatShowsAndHidesWithIt)
{
    BrlKeyPad::Bind(&form_);
    BrlKeyPad::Bind(&form_);
    EXPECT_EQ(form_.findChildren<QWidget*>(QStringLiteral("BrlKeyPad")).size(), 1);
    QWidget* keypad = BrlKeyPad::Of(&form_);
    EXPECT_FALSE(keypad->isVisible());
    form_.show();
    EXPECT_TRUE(keypad->isVisible());
    EXPECT_EQ(keypad->focusPolicy(), Qt::NoFocus);
    form_.hide();
    EXPECT_FALSE(keypad->isVisible());
    EXPECT_EQ(BrlKeyPad::Of(naam_), nullptr);
}

}  // namespace
