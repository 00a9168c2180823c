#include "host/tillra/KassaActie.h"

#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "host/records/UpdateCount.h"
#include "host/records/Werkstation.h"

namespace Tillra {

namespace {

const QStringList kSloten{QStringLiteral("rsv"), QStringLiteral("reg")};

// Ends an action this call opened: commits, or drops every write on refusal.
bool Beeindig(bool gelukt, QString& fout)
{
    if (!gelukt) {
        brlib::RsvAfbreken();
        brlib::MultiUnlockFile({QStringLiteral("reg")});
        return false;
    }
    try {
        brlib::MultiUnlockFile(kSloten);
        return true;
    } catch (const EBrRuntime& e) {
        fout = QStringLiteral("De kassagegevens konden niet worden opgeslagen: ") + e.Message();
        return false;
    }
}

}  // namespace

bool KassaActie(const std::function<bool(QString& fout)>& stappen, QString& fout)
{
    const bool genest = brlib::Werkstation::Huidig()->ActionOpen();
    try {
        if (!brlib::MultiLockFile(kSloten)) {
            fout = QStringLiteral("De kassagegevens zijn in gebruik op een andere werkplek. Probeer het later opnieuw.");
            return false;
        }
    } catch (const EBrRuntime& e) {
        fout = e.Message();
        return false;
    }
    bool gelukt = false;
    try {
        gelukt = stappen(fout);
        if (gelukt)
            brlib::RsvChangeUpdateCount();
    } catch (const EBrRuntime& e) {
        if (genest) {
            brlib::MultiUnlockFile(kSloten);
            throw;
        }
        fout = e.Message();
    }
    if (genest) {
        brlib::MultiUnlockFile(kSloten);
        return gelukt;
    }
    return Beeindig(gelukt, fout);
}

}  // namespace Tillra
