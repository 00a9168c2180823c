#include "host/base/IniSectie.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString kDatumFormaat = QStringLiteral("yyyy-MM-dd");
const QString kDatumTijdFormaat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
}

IniSectie::IniSectie(const QString& bestand, const QString& sectie)
    : bestand_(bestand), sectie_(sectie),
      settings_(std::make_unique<QSettings>(bestand, QSettings::IniFormat))
{
}

IniSectie::~IniSectie() = default;

QString IniSectie::Sleutel(const QString& key) const { return sectie_ + QLatin1Char('/') + key; }

std::optional<QString> IniSectie::ReadRaw(const QString& key) const
{
    // Another workstation may have changed the file since we opened it.
    settings_->sync();
    const QVariant waarde = settings_->value(Sleutel(key));
    if (!waarde.isValid())
        return std::nullopt;
    // An unquoted comma in a hand-edited file makes Qt read a list.
    if (waarde.typeId() == QMetaType::QStringList)
        return waarde.toStringList().join(QLatin1Char(','));
    return waarde.toString();
}

bool IniSectie::ReadBool(const QString& key, bool standaard) const
{
    const QString tekst = ReadRaw(key).value_or(QString()).trimmed().toLower();
    if (tekst == QLatin1String("true") || tekst == QLatin1String("1"))
        return true;
    if (tekst == QLatin1String("false") || tekst == QLatin1String("0"))
        return false;
    return standaard;
}

int IniSectie::ReadInteger(const QString& key, int standaard) const
{
    bool ok = false;
    const int waarde = ReadRaw(key).value_or(QString()).trimmed().toInt(&ok);
    return ok ? waarde : standaard;
}

QString IniSectie::ReadString(const QString& key, const QString& standaard) const
{
    return ReadRaw(key).value_or(standaard);
}

TDateTime IniSectie::ReadDate(const QString& key, TDateTime standaard) const
{
    const QString tekst = ReadRaw(key).value_or(QString()).trimmed();
    const QDateTime metTijd = QDateTime::fromString(tekst, kDatumTijdFormaat);
    if (metTijd.isValid())
        return FromQDateTime(metTijd);
    const QDate datum = QDate::fromString(tekst, kDatumFormaat);
    return datum.isValid() ? FromQDate(datum) : standaard;
}

bool IniSectie::Write(const QString& key, const QString& tekst)
{
    // QSettings does not create the directory itself.
    QDir().mkpath(QFileInfo(bestand_).absolutePath());
    settings_->setValue(Sleutel(key), tekst);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

bool IniSectie::WriteBool(const QString& key, bool waarde)
{
    return Write(key, waarde ? QStringLiteral("true") : QStringLiteral("false"));
}

bool IniSectie::WriteInteger(const QString& key, int waarde) { return Write(key, QString::number(waarde)); }

bool IniSectie::WriteString(const QString& key, const QString& waarde) { return Write(key, waarde); }

bool IniSectie::WriteDate(const QString& key, TDateTime waarde)
{
    const bool heeftTijd = waarde != DateOf(waarde);
    const QDateTime dt = ToQDateTime(waarde);
    return Write(key, heeftTijd ? dt.toString(kDatumTijdFormaat) : dt.date().toString(kDatumFormaat));
}
