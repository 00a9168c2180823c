// The reservation document as the user gets it: filled from the shipped
// layout, printed (to a PDF under the unattended output scope) and mailed.

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "host/printing/EmailReservering.h"
#include "host/printing/PrintEnkele.h"
#include "host/ui/GridUitvoer.h"
#include "host/ui/ModalShow.h"
#include "reservation/Rsvresgegunit.h"
#include "tests/reports/DocumentTest.h"

namespace {

// An environment variable set for one test.
class Omgeving {
public:
    Omgeving(const char* naam, const QString& waarde) : naam_(naam), vorige_(qgetenv(naam))
    {
        qputenv(naam, waarde.toUtf8());
    }
    ~Omgeving() { qputenv(naam_, vorige_); }

private:
    const char* naam_;
    QByteArray vorige_;
};

QByteArray Lees(const QString& pad)
{
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class DocumentUitvoerTest : public DocumentTest {
protected:
    JaarNr MetProducten()
    {
        const JaarNr res = Boek(TweeKamers());
        BoekProducten(res, {Product(kOntbijt, 2), Product(kWijn, 1)});
        return res;
    }

    // A desktop without a mail program, its documents folder in the test's home.
    QTemporaryDir thuis_;
    Omgeving home_{"HOME", thuis_.path()};
    Omgeving config_{"XDG_CONFIG_HOME", thuis_.path() + QStringLiteral("/.config")};
    Omgeving pad_{"PATH", thuis_.path() + QStringLiteral("/bin")};
};

TEST_F(DocumentUitvoerTest, TheShippedLayoutRepeatsTheProductLinesAndListsEveryRoom)
{
    const JaarNr res = MetProducten();
    const auto regels = Printing::VulEnkele(QStringLiteral("rsv"), res);
    ASSERT_TRUE(regels.has_value()) << berichten_.Laatste().tekst.toStdString();
    const QString tekst = Printing::GevuldeTekst(*regels);
    EXPECT_TRUE(tekst.startsWith(QStringLiteral("Reservering 26/00001\nRegistratiedatum:\t18-02-2026\n")))
        << tekst.toStdString();
    EXPECT_TRUE(tekst.contains(QStringLiteral("10-03-2026\n10-03-2026\t13-03-2026\n13-03-2026\t12\n14\tSTD\nWKND\t"
                                              "1.234,50\n80,00\t3.703,50\n240,00\t2\n")));
    EXPECT_TRUE(tekst.contains(QStringLiteral("\n2\tOntbijt\t\t15,00\t30,00\n1\tGlas wijn\t\t6,50\t6,50\n")));
    EXPECT_TRUE(tekst.contains(QStringLiteral("\tTotaal producten\t\t\t36,50\n")));
    EXPECT_TRUE(tekst.endsWith(QStringLiteral("Extra\nLate aankomst\nRustige kamer")));
}

TEST_F(DocumentUitvoerTest, PrintingWritesTheDocumentWithoutAskingUnderTheOutputScope)
{
    const JaarNr res = MetProducten();
    QTemporaryDir uitvoer;
    const GridUitvoerScope scope(uitvoer.path());
    EXPECT_TRUE(Printing::PrintEnkele(QStringLiteral("rsv"), res));
    EXPECT_TRUE(Lees(uitvoer.filePath(QStringLiteral("rsv 26-00001.pdf"))).startsWith("%PDF"));

    EXPECT_FALSE(Printing::PrintEnkele(QStringLiteral("onbekend"), res));
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Er is geen afdruklayout \"onbekend\" geregistreerd."));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Afdrukken"));
}

TEST_F(DocumentUitvoerTest, WithoutAMailProgramTheMessageIsSavedAsAnEmlFile)
{
    const JaarNr res = MetProducten();
    EXPECT_TRUE(EmailReservering(res));
    const QString eml = thuis_.path() + QStringLiteral("/Documents/Reservering 26-00001.eml");
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().kind, MsgKind::Info);
    EXPECT_TRUE(berichten_.Laatste().tekst.contains(QDir::toNativeSeparators(eml)))
        << berichten_.Laatste().tekst.toStdString();
    const QByteArray bericht = Lees(eml);
    EXPECT_TRUE(bericht.contains("Subject: Reservering 26/00001\r\n"));
    EXPECT_TRUE(bericht.contains("Content-Disposition: attachment; filename=\"Reservering 26-00001.pdf\"\r\n"));
    EXPECT_TRUE(bericht.contains(QByteArray("%PDF").toBase64().left(4))) << "the PDF is attached";
}

TEST_F(DocumentUitvoerTest, TheDesktopMailProgramGetsTheDocumentAsAnAttachment)
{
    const JaarNr res = MetProducten();
    QDir().mkpath(thuis_.path() + QStringLiteral("/bin"));
    const QString programma = thuis_.path() + QStringLiteral("/bin/xdg-email");
    QFile script(programma);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    // Only shell built-ins: the test's PATH holds this folder alone.
    script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"${0%/*}/argumenten\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_TRUE(EmailReservering(res));
    const QStringList argumenten =
        QString::fromUtf8(Lees(thuis_.path() + QStringLiteral("/bin/argumenten"))).split(u'\n');
    ASSERT_GE(argumenten.size(), 5);
    EXPECT_EQ(argumenten.mid(1, 3), QStringList({"--subject", "Reservering 26/00001", "--attach"}));
    EXPECT_TRUE(Lees(argumenten[4]).startsWith("%PDF"));
    EXPECT_TRUE(berichten_.Laatste().tekst.contains(QStringLiteral("staat klaar in uw e-mailprogramma")));
    EXPECT_FALSE(QFile::exists(thuis_.path() + QStringLiteral("/Documents/Reservering 26-00001.eml")));
}

TEST_F(DocumentUitvoerTest, TheDetailsFormPrintsAndMailsItsReservation)
{
    const JaarNr res = MetProducten();
    QTemporaryDir uitvoer;
    const GridUitvoerScope scope(uitvoer.path());
    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    dlg.ZetReservering(res);
    const ModalResponderScope modaal([&](TForm& form) {
        form.show();
        EXPECT_TRUE(dlg.btnAfdrukken->isVisible() && dlg.btnAfdrukken->isEnabled());
        dlg.btnAfdrukken->click();
        dlg.btnEmail->click();
        EXPECT_TRUE(dlg.btnAfdrukken->isEnabled() && dlg.btnEmail->isEnabled());
        return mrCancel;
    });
    ShowModal(dlg);
    EXPECT_TRUE(Lees(uitvoer.filePath(QStringLiteral("rsv 26-00001.pdf"))).startsWith("%PDF"));
    EXPECT_TRUE(QFile::exists(thuis_.path() + QStringLiteral("/Documents/Reservering 26-00001.eml")));
    ASSERT_EQ(berichten_.Gezien().size(), 1u) << "only where the mail went";
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("E-mail"));
}

}  // namespace
