#include "store/Reservekopie.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "host/base/EBrRuntime.h"

Reservekopie::Reservekopie(const QString& adminDir)
    : adminDir_(adminDir),
      map_(QDir(adminDir).filePath("herstel-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss")))
{
}

void Reservekopie::Bewaar(const QString& pad)
{
    if (!QFileInfo::exists(pad))
        return;
    const QString doel = QDir(map_).filePath(QDir(adminDir_).relativeFilePath(pad));
    if (QFileInfo::exists(doel))
        return;
    if (!QDir().mkpath(QFileInfo(doel).path()) || !QFile::copy(pad, doel))
        throw EBrRuntime("De reservekopie " + doel + " kan niet worden gemaakt; er is niets hersteld.",
                         "Reservekopie::Bewaar");
    gemaakt_ = true;
}
