#pragma once
// The programs that tests start (rsvhost, rsvcheck, crash children) are built
// beside the test programs.

#include <QCoreApplication>
#include <QString>

inline QString ProgrammaMap()
{
    return QCoreApplication::applicationDirPath();
}
