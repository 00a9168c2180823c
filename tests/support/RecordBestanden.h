#pragma once
// Every record file of an administration (data, day pointers, texts and the
// update count) with its bytes, to show that a refused or failed action left
// them as they were. Keys are paths relative to the administration, so that
// two copies of one administration compare equal.

#include <map>
#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QString>

inline std::map<QString, QByteArray> AlleBestanden(const QString& map)
{
    std::map<QString, QByteArray> inhoud;
    QDirIterator it(map, {"*.dat", "*.pnt", "*.tkt", "*.upd"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pad = it.next();
        QFile f(pad);
        f.open(QIODevice::ReadOnly);
        inhoud[QDir(map).relativeFilePath(pad)] = f.readAll();
    }
    return inhoud;
}

// Writes the files of AlleBestanden back, as a restored copy would.
inline void ZetBestanden(const QString& map, const std::map<QString, QByteArray>& inhoud)
{
    for (const auto& [pad, bytes] : inhoud) {
        QFile f(QDir(map).filePath(pad));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    }
}
