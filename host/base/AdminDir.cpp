#include "host/base/AdminDir.h"

namespace {
QString& Dir()
{
    static QString dir = qEnvironmentVariable("RSV_ADMIN");
    return dir;
}
}

QString HuidigeAdminDir() { return Dir(); }
void ZetAdminDir(const QString& dir) { Dir() = dir; }
