#pragma once
// Walks the records hanging under one day of a day-pointer file (headers in
// rsv_daghfd.pnt, lines in rsv_dagrgl.pnt). Each record is looked at in the
// cache without a copy and the record counts are asked once per year: a walk
// over weeks of a large hotel meets tens of thousands of records. The callback
// must not use the caches, since its record lives until their next call.

#include <utility>

#include <QString>

#include "host/base/EBrRuntime.h"
#include "host/base/TDateTime.h"
#include "store/RecordCache.h"

namespace brlib {

template <class Rec, class Pnt, int Keten>
class DagKettingLoper {
public:
    // `bron` names the operation in the error of a damaged chain.
    DagKettingLoper(RecordCache<Rec>& records, RecordCache<Pnt>& dagen, QString bron)
        : records_(records), dagen_(dagen), bron_(std::move(bron))
    {
    }

    // Calls f(jaar, nr, record) for every record under `dag`, in chain order.
    template <class F>
    void Loop(TDateTime dag, F f)
    {
        const int jaar = Jaar(dag);
        if (jaar != jaar_) {
            jaar_ = jaar;
            dagAantal_ = dagen_.RecordCount(jaar);
            aantal_ = records_.RecordCount(jaar);
        }
        const int dagNr = DagNr(dag);
        if (dagNr > dagAantal_)
            return;
        int32_t nr = dagen_.Record(jaar, dagNr).eerste;
        for (int32_t over = aantal_; nr != 0; --over) {
            if (over <= 0 || nr < 1 || nr > aantal_)
                throw EBrRuntime(QStringLiteral("De reserveringen van dag %1 van %2 zijn beschadigd.").arg(dagNr).arg(jaar),
                                 bron_);
            const Rec& rcd = records_.Record(jaar, nr);
            const int32_t volgende = rcd.GetAn(Keten);
            f(jaar, nr, rcd);
            nr = volgende;
        }
    }

private:
    RecordCache<Rec>& records_;
    RecordCache<Pnt>& dagen_;
    QString bron_;
    int jaar_ = 0;
    int32_t dagAantal_ = 0;
    int32_t aantal_ = 0;
};

}  // namespace brlib
