#pragma once
// A temporary workstation settings directory for one test; the previous one
// comes back when the test ends.

#include <QByteArray>
#include <QTemporaryDir>

class TempWerkplek {
public:
    TempWerkplek() : vorige_(qgetenv("RSV_MACHINE_CONFIG"))
    {
        qputenv("RSV_MACHINE_CONFIG", dir_.path().toUtf8());
    }
    ~TempWerkplek() { qputenv("RSV_MACHINE_CONFIG", vorige_); }
    TempWerkplek(const TempWerkplek&) = delete;
    TempWerkplek& operator=(const TempWerkplek&) = delete;

    QString Dir() const { return dir_.path(); }

private:
    QByteArray vorige_;
    QTemporaryDir dir_;
};
