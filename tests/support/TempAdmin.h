#pragma once
// A temporary administration directory for one test: it becomes the current
// administration, with a fresh current workstation on it, and is removed with
// everything in it at the end. Second() gives another workstation on the same
// directory, to play a second user.

#include <memory>
#include <QString>
#include <QTemporaryDir>

#include "host/records/Werkstation.h"

class TempAdmin {
public:
    TempAdmin();
    ~TempAdmin();
    TempAdmin(const TempAdmin&) = delete;
    TempAdmin& operator=(const TempAdmin&) = delete;

    QString Dir() const { return dir_.path(); }
    QString Pad(const QString& relatief) const { return dir_.path() + QLatin1Char('/') + relatief; }
    const std::shared_ptr<brlib::Werkstation>& Werkstation() const { return werkstation_; }
    std::shared_ptr<brlib::Werkstation> Second() const;

private:
    QTemporaryDir dir_;
    QString previousDir_;
    int previousWait_;
    std::shared_ptr<brlib::Werkstation> werkstation_;
    std::unique_ptr<brlib::WerkstationScope> scope_;
};
