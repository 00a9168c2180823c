#pragma once
// One section of a settings INI file. Every Write goes to disk at once (Qt
// writes a temporary file and renames it, so a crash or a full disk never
// leaves a half-written file); Write returns false when the file could not be
// written. A key never written, or holding text that is not of the asked
// type, reads as the default.

#include <memory>
#include <optional>
#include <QString>

#include "host/base/TDateTime.h"

class QSettings;

class IniSectie {
public:
    IniSectie(const QString& bestand, const QString& sectie);
    virtual ~IniSectie();

    bool ReadBool(const QString& key, bool standaard) const;
    int ReadInteger(const QString& key, int standaard) const;
    QString ReadString(const QString& key, const QString& standaard) const;
    TDateTime ReadDate(const QString& key, TDateTime standaard) const;

    bool WriteBool(const QString& key, bool waarde);
    bool WriteInteger(const QString& key, int waarde);
    bool WriteString(const QString& key, const QString& waarde);
    bool WriteDate(const QString& key, TDateTime waarde);

    const QString& Bestand() const { return bestand_; }

private:
    bool Write(const QString& key, const QString& tekst);
    std::optional<QString> ReadRaw(const QString& key) const;
    QString Sleutel(const QString& key) const;

    QString bestand_;
    QString sectie_;
    std::unique_ptr<QSettings> settings_;
};
