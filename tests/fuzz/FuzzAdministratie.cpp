#include "tests/fuzz/FuzzAdministratie.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

#include "host/base/AdminDir.h"

namespace {

const QStringList& Namen()
{
    static const QStringList namen = {
        "rsv_grp_hfd.dat", "rsv_grp_sub.dat", "rsv_persoon.dat", "rsv_persoon.tkt", "rsv_kamer.dat",
        "rsv_kamertype.dat", "rsv_tariefsoort.dat", "rsv.upd", "kassa_artikel.dat", "2026/rsv_reshfd.dat",
        "2026/rsv_resrgl.dat", "2026/rsv_daghfd.pnt", "2026/rsv_dagrgl.pnt", "2026/rsv_incheck.dat",
        "2026/rsv_voorreg.dat", "2026/rsv_periode.dat", "2026/rsv_tarief.dat", "2026/rsv_tarief.pnt",
        "2026/rsv_resgeg.tkt", "2026/rsv_resext.tkt", "2026/rsv_resrel.tkt", "2026/rsv_voorreg.tkt",
        "2026/kassa_registratie.dat", "2026/kassa_reg_boeking.dat", "2026/kassa_mutatie.dat",
        "2026/rsv_resart_bonrgls.dat", "2026/kassa_reg_bonrgls.dat", "2026/kassa_mut_bonrgls.dat",
    };
    return namen;
}

QString AdminMap() { return FuzzMap() + "/admin"; }

}  // namespace

QString FuzzMap()
{
    static const QString map = [] {
        const QString pad = QDir::tempPath() + "/rsv-fuzz-" + QString::number(QCoreApplication::applicationPid());
        QDir().mkpath(pad);
        return pad;
    }();
    return map;
}

void SchrijfBestand(const QString& pad, const uint8_t* data, size_t size)
{
    QFile f(pad);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(reinterpret_cast<const char*>(data), qint64(size));
}

FuzzAdministratie::FuzzAdministratie(const uint8_t* data, size_t size)
{
    QDir(AdminMap()).removeRecursively();
    QDir().mkpath(AdminMap() + "/2026");
    for (size_t pos = 0; pos + 3 <= size;) {
        const QString naam = Namen()[data[pos] % Namen().size()];
        const size_t lengte = std::min<size_t>(data[pos + 1] | (data[pos + 2] << 8), size - pos - 3);
        SchrijfBestand(AdminMap() + "/" + naam, data + pos + 3, lengte);
        pos += 3 + lengte;
    }
    ZetAdminDir(AdminMap());
    scope_ = std::make_unique<brlib::WerkstationScope>(std::make_shared<brlib::Werkstation>(AdminMap()));
}

FuzzAdministratie::~FuzzAdministratie() = default;
