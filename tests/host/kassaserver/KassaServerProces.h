#pragma once
// The till server program for a test: started on 127.0.0.1 on a free port
// (the server picks it and prints it), killed when the object goes.

#include <gtest/gtest.h>
#include <QProcess>
#include <QRegularExpression>

#include "host/base/MachineSettings.h"
#include "host/tillra/KSCommunicatie.h"
#include "tests/support/ProgrammaMap.h"

class KassaServerProces {
public:
    explicit KassaServerProces(const QString& adminDir)
    {
        proces_.setProgram(ProgrammaMap() + QStringLiteral("/kassaserver"));
        proces_.setArguments({"--admin", adminDir, "--port", "0", "--listen", "127.0.0.1"});
        proces_.start();
        // The first line names the port; a server that does not start fails the test, not hangs it.
        for (int poging = 0; poging < 100 && !proces_.canReadLine(); ++poging)
            proces_.waitForReadyRead(100);
        const QString regel = QString::fromUtf8(proces_.readLine());
        const auto gevonden = QRegularExpression(QStringLiteral(":(\\d+)$")).match(regel.trimmed());
        EXPECT_TRUE(gevonden.hasMatch()) << regel.toStdString() << proces_.readAllStandardError().toStdString();
        poort_ = gevonden.captured(1).toInt();
    }
    ~KassaServerProces() { Stop(); }

    int Poort() const { return poort_; }
    // Makes this the workstation's till server and drops the process's connection to any other.
    void ZetAlsKassaServer() const
    {
        MachineSettings instellingen(QStringLiteral("KassaServer"));
        instellingen.WriteString(QStringLiteral("Hostnaam"), QStringLiteral("127.0.0.1"));
        instellingen.WriteInteger(QStringLiteral("Poort"), poort_);
        Tillra::g_KSCommunicatie.reset();
    }
    bool Loopt() const { return proces_.state() == QProcess::Running; }
    void Stop()
    {
        proces_.kill();
        proces_.waitForFinished(10000);
    }

private:
    QProcess proces_;
    int poort_ = 0;
};
