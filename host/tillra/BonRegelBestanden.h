#pragma once
// The four product-line files of one kind (see BonRegelRecords.h), opened
// together: to read (`lezen` true) or to write under the reservation lock.
// Reservering() gives the files of the products booked with reservations.

#include <QString>

#include "host/records/RecordCacheImpl.h"
#include "host/tillra/BonRegelRecords.h"
#include "store/RecordCache.h"

namespace Tillra {

struct BonRegelBestanden {
    BonRegelBestanden(const QString& prefix, bool lezen);
    static BonRegelBestanden Reservering(bool lezen);

    RecordCache<sa_kas_art_rgls2> regels;
    RecordCache<sa_kas_rgls_omzet> omzet;
    RecordCache<bereidingswijze> bw;
    brlib::RecordCacheImpl tekst;
};

}  // namespace Tillra
