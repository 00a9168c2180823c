#include "tests/host/records/CrashActie.h"

#include <QDirIterator>
#include <QFile>

#include "host/records/Locks.h"
#include "host/records/RecordCacheImpl.h"
#include "host/records/TekstLijst.h"
#include "host/records/UpdateCount.h"

using namespace brlib;

namespace {

QByteArray Rec(char teken) { return QByteArray(20, teken); }

void Schrijf(RecordCacheImpl& cache, int32_t jaar, int32_t nr, char teken)
{
    cache.Store(jaar, nr, Rec(teken).constData());
}

}  // namespace

void MaakBeginstand()
{
    RsvLock();
    RecordCacheImpl een(20, "een.dat", tfEenBestand, false, false);
    RecordCacheImpl jaar(20, "jaar.dat", tfPerJaar, false, false);
    for (int nr = 1; nr <= 3; ++nr)
        Schrijf(een, 0, nr, char('a' + nr));
    for (int nr = 1; nr <= 2; ++nr)
        Schrijf(jaar, 2026, nr, char('k' + nr));
    const int32_t eerste = SchrijfTekstLijstFile("tekst.tkt", {2026, 0}, {"regel een", "regel twee"});
    const int32_t tweede = SchrijfTekstLijstFile("tekst.tkt", {2026, 0}, {QString(300, 'x')});
    SchrijfTekstLijstFile("tekst.tkt", {2026, 0}, {"blijft"});
    LeegTekstLijstFile("tekst.tkt", {2026, tweede});
    Q_UNUSED(eerste);
    RsvChangeUpdateCount();
    RsvUnlock();
}

void DoeCrashActie()
{
    RsvLock();
    RecordCacheImpl een(20, "een.dat", tfEenBestand, false, false);
    RecordCacheImpl jaar(20, "jaar.dat", tfPerJaar, false, false);
    Schrijf(een, 0, 2, 'Z');
    Schrijf(een, 0, 4, 'Y');
    Schrijf(een, 0, 5, 'X');
    Schrijf(jaar, 2026, 1, 'W');
    for (int nr = 1; nr <= 3; ++nr)
        Schrijf(jaar, 2027, nr, char('p' + nr));
    SchrijfTekstLijstFile("tekst.tkt", {2026, 2}, {"regel een", QString(500, 'y'), "drie"});
    SchrijfTekstLijstFile("tekst.tkt", {2026, 0}, {"nieuw"});
    RsvChangeUpdateCount();
    RsvUnlock();
}

Momentopname NeemMomentopname(const QString& dir)
{
    Momentopname opname;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pad = it.next();
        if (pad.endsWith(".lck") || pad.endsWith("/rsv.journal"))
            continue;
        QFile f(pad);
        f.open(QIODevice::ReadOnly);
        opname[pad.mid(dir.size() + 1)] = f.readAll();
    }
    return opname;
}

void ZetMomentopname(const QString& dir, const Momentopname& opname)
{
    for (const auto& [pad, bytes] : NeemMomentopname(dir)) {
        if (!opname.count(pad))
            QFile::remove(dir + "/" + pad);
    }
    for (const auto& [pad, bytes] : opname) {
        QFile f(dir + "/" + pad);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    }
}
