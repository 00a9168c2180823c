#pragma once
// Settings of this workstation, one section per form identity name:
// "rsv_werkplek.ini" in the directory $RSV_MACHINE_CONFIG, or else in the
// user's configuration directory + "/Reservering". The same directory keeps
// the grid layouts that the user changed (WerkplekDir()).

#include "host/base/IniSectie.h"

class QWidget;

class MachineSettings : public IniSectie {
public:
    explicit MachineSettings(const QString& sectie);

    static QString WerkplekDir();

    // Restores a window's position and size; a position that lies on no
    // screen any more (a monitor was removed) is moved back onto the primary
    // screen. Nothing happens when the key was never written.
    void ReadFormPosSize(const QString& key, QWidget& form) const;
    bool WriteFormPosSize(const QString& key, const QWidget& form);
    void ReadFormPosSize(const QString& key, QWidget* form) const { ReadFormPosSize(key, *form); }
    bool WriteFormPosSize(const QString& key, const QWidget* form) { return WriteFormPosSize(key, *form); }
};
