#pragma once
// The administration directory this process works on: set once by the host
// application (--admin or RSV_ADMIN) or by a test.

#include <QString>

QString HuidigeAdminDir();
void ZetAdminDir(const QString& dir);
