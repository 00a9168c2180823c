#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>

#include "host/tillra/KSCommunicatie.h"
#include "host/tillra/ProductLijst.h"
#include "host/tillra/RegistratieAccess.h"
#include "host/tillra/TlrSettings.h"
#include "tests/host/kassaserver/KassaServerProces.h"
#include "tests/host/tillra/TillraTestHulp.h"
#include "host/base/MachineSettings.h"
#include "tests/support/TempAdmin.h"
#include "tests/support/TempWerkplek.h"

using namespace Tillra;

namespace {

const TDateTime kNu = EncodeDate(2026, 3, 10);
// Generous beside the two seconds a connection may take, for a busy machine.
constexpr qint64 kGeenVerbindingBinnenMs = TKSCommunicatie::kVerbindTijdMs + 1500;

std::vector<t_BonRegel> Ontbijt(double aantal)
{
    ArtikelSource artikelen;
    std::vector<t_BonRegel> regels;
    VoegProductToe(regels, 0, artikelen, kOntbijt, kNu);
    regels[0].aantal = aantal;
    return regels;
}

double AantalOpBon(TKSCommunicatie& ks, const ItemNummer& item)
{
    std::vector<t_BonRegel> regels;
    EXPECT_TRUE(ks.KSGetTafelBon(item, regels)) << ks.LaatsteFout().toStdString();
    return regels.size() == 1 ? regels[0].aantal : -999;
}

// One request line on a raw connection and its answer (empty when none came).
QJsonObject Vraag(QTcpSocket& socket, const QByteArray& regel)
{
    socket.write(regel);
    for (int poging = 0; poging < 100 && !socket.canReadLine(); ++poging)
        socket.waitForReadyRead(100);
    return QJsonDocument::fromJson(socket.readLine()).object();
}

bool IsFout(const QJsonObject& antwoord) { return antwoord.contains("fout") && !antwoord.value("ok").toBool(); }

class KassaServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VoegArtikelenToe();
        item_ = ItemNummer(itRegistratie, RegistratieAccess::MaakIncheckReg(kNu, JaarNr(2026, 1)));
    }
    void TearDown() override { EXPECT_EQ(Bevindingen(), ""); }

    TempAdmin admin_;
    ItemNummer item_{itRegistratie, JaarNr()};
};

}  // namespace

TEST_F(KassaServerTest, OrdersChangeTheOpenBillWhichSurvivesARestartUntilSettled)
{
    auto server = std::make_unique<KassaServerProces>(admin_.Dir());
    {
        TKSCommunicatie ks(QStringLiteral("127.0.0.1"), server->Poort());
        ASSERT_TRUE(ks.KSMaakBestelling(item_, Ontbijt(2))) << ks.LaatsteFout().toStdString();
        EXPECT_DOUBLE_EQ(AantalOpBon(ks, item_), 2);
        ASSERT_TRUE(ks.KSMaakBestelling(item_, Ontbijt(1)));
        EXPECT_DOUBLE_EQ(AantalOpBon(ks, item_), 3);
        ASSERT_TRUE(ks.KSMaakBestelling(item_, Ontbijt(-2), 0, {}, false)) << "sent without waiting";
        EXPECT_DOUBLE_EQ(AantalOpBon(ks, item_), 1);
    }
    server = std::make_unique<KassaServerProces>(admin_.Dir());
    TKSCommunicatie ks(QStringLiteral("127.0.0.1"), server->Poort());
    EXPECT_DOUBLE_EQ(AantalOpBon(ks, item_), 1);
    EXPECT_EQ(RegistratieAccess::Inlezen(item_.nummer, RegistratieAccess::LEES_REGELS)->GetBonRegels().size(), 1u)
        << "the open bill is the registration's, for check-out to see";

    double bedrag = 0;
    ASSERT_TRUE(ks.KSAfrekenen(item_, AFREKENEN_BETAALD, &bedrag)) << ks.LaatsteFout().toStdString();
    EXPECT_DOUBLE_EQ(bedrag, 15.00);
    const auto reg = RegistratieAccess::Inlezen(item_.nummer, RegistratieAccess::ALL_OPTIONS);
    EXPECT_TRUE(reg->GetBonRegels().empty());
    EXPECT_DOUBLE_EQ(reg->GetReedsBetaaldBedrag(), 15.00);
    EXPECT_EQ(reg->GetBoekingLst().size(), 1u);

    int resultaat = -1;
    EXPECT_FALSE(ks.KSMaakBestelling(ItemNummer(itRegistratie, JaarNr(2026, 9)), Ontbijt(1), 0, {}, true, &resultaat));
    EXPECT_EQ(resultaat, TKSCommunicatie::KS_GEWEIGERD);
    EXPECT_TRUE(ks.LaatsteFout().contains("bestaat niet")) << ks.LaatsteFout().toStdString();
}

TEST_F(KassaServerTest, WithoutAServerACallReportsNoConnectionWithinTwoSeconds)
{
    auto server = std::make_unique<KassaServerProces>(admin_.Dir());
    const int poort = server->Poort();
    TKSCommunicatie verbonden(QStringLiteral("127.0.0.1"), poort);
    ASSERT_TRUE(verbonden.KSMaakBestelling(item_, Ontbijt(1)));
    server.reset();

    for (TKSCommunicatie* ks : {&verbonden, new TKSCommunicatie(QStringLiteral("127.0.0.1"), poort)}) {
        std::vector<t_BonRegel> regels = Ontbijt(1);
        QElapsedTimer klok;
        klok.start();
        EXPECT_FALSE(ks->KSGetTafelBon(item_, regels));
        EXPECT_LT(klok.elapsed(), kGeenVerbindingBinnenMs);
        EXPECT_TRUE(regels.empty());
        EXPECT_EQ(ks->LaatsteResultaat(), TKSCommunicatie::KS_GEEN_VERBINDING);
        EXPECT_TRUE(ks->LaatsteFout().startsWith("Geen verbinding met de kassa server")) << ks->LaatsteFout().toStdString();
        klok.restart();
        EXPECT_FALSE(ks->KSMaakBestelling(item_, Ontbijt(1)));
        EXPECT_LT(klok.elapsed(), kGeenVerbindingBinnenMs);
        if (ks != &verbonden)
            delete ks;
    }
    TKSCommunicatie zonderAdres(QString(), TlrSettings::kStandaardPoort);
    EXPECT_FALSE(zonderAdres.Connect());
    EXPECT_TRUE(zonderAdres.LaatsteFout().contains("geen server adres"));
}

TEST_F(KassaServerTest, GarbageTruncatedAndOversizedRequestsGetAnErrorAndTheServerGoesOn)
{
    KassaServerProces server(admin_.Dir());
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), server.Poort());
    ASSERT_TRUE(socket.waitForConnected(5000));
    EXPECT_TRUE(IsFout(Vraag(socket, "garbage\n")));
    EXPECT_TRUE(IsFout(Vraag(socket, QByteArray("\x00\xff\x01{[\n", 7))));
    EXPECT_TRUE(IsFout(Vraag(socket, "{\"opdracht\":\"tafelb\n")));
    EXPECT_TRUE(IsFout(Vraag(socket, "{\"opdracht\":\"tafelbon\"}\n")));
    EXPECT_TRUE(IsFout(Vraag(socket, "{\"opdracht\":\"tafelbon\",\"soort\":5,\"jaar\":2026,\"nr\":-1}\n")));
    EXPECT_TRUE(IsFout(Vraag(socket, "{\"opdracht\":\"wissen\",\"soort\":5,\"jaar\":2026,\"nr\":1}\n")));
    EXPECT_TRUE(IsFout(Vraag(socket, "{\"opdracht\":\"bestelling\",\"soort\":5,\"jaar\":2026,\"nr\":1,"
                                     "\"regels\":[{\"aantal\":\"twee\"}]}\n")));
    EXPECT_TRUE(IsFout(Vraag(socket, "{\"opdracht\":\"afrekenen\",\"soort\":5,\"jaar\":2026,\"nr\":1,\"wijze\":\"gratis\"}\n")));
    const QJsonObject goed = Vraag(socket, "{\"opdracht\":\"tafelbon\",\"soort\":5,\"jaar\":2026,\"nr\":1}\n");
    EXPECT_TRUE(goed.value("ok").toBool());
    EXPECT_TRUE(goed.value("regels").toArray().isEmpty());

    const QJsonObject teLang = Vraag(socket, QByteArray(200 * 1024, 'x'));
    EXPECT_TRUE(teLang.value("fout").toString().contains("te lang"));
    for (int poging = 0; poging < 100 && socket.state() == QAbstractSocket::ConnectedState; ++poging)
        socket.waitForDisconnected(100);
    EXPECT_NE(socket.state(), QAbstractSocket::ConnectedState);

    QTcpSocket afgebroken;
    afgebroken.connectToHost(QStringLiteral("127.0.0.1"), server.Poort());
    ASSERT_TRUE(afgebroken.waitForConnected(5000));
    afgebroken.write("{\"opdracht\":\"bestelling\",\"soort\":5,\"ja");
    afgebroken.waitForBytesWritten(5000);
    afgebroken.abort();

    TKSCommunicatie ks(QStringLiteral("127.0.0.1"), server.Poort());
    EXPECT_TRUE(ks.KSMaakBestelling(item_, Ontbijt(2))) << ks.LaatsteFout().toStdString();
    EXPECT_DOUBLE_EQ(AantalOpBon(ks, item_), 2);
    EXPECT_TRUE(server.Loopt());
}

TEST_F(KassaServerTest, TheProcessWideConnectionFindsTheServerOfTheWorkstationSettings)
{
    KassaServerProces server(admin_.Dir());
    TempWerkplek werkplek;
    MachineSettings instellingen(QStringLiteral("KassaServer"));
    instellingen.WriteString(QStringLiteral("Hostnaam"), QStringLiteral(" 127.0.0.1 "));
    instellingen.WriteInteger(QStringLiteral("Poort"), server.Poort());
    g_KSCommunicatie.reset();
    ASSERT_TRUE(KSVerbinding().IsConnected()) << KSVerbinding().LaatsteFout().toStdString();
    EXPECT_EQ(&KSVerbinding(), g_KSCommunicatie.get()) << "one connection per process";
    EXPECT_TRUE(KSVerbinding().KSMaakBestelling(item_, Ontbijt(1)));
    g_KSCommunicatie.reset();
}
