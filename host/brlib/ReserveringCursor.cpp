#include "host/brlib/ReserveringCursor.h"

#include <algorithm>

#include "host/base/EBrRuntime.h"
#include "host/brlib/BekendAantal.h"
#include "host/brlib/RegelLezer.h"
#include "host/records/TekstLijst.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResHfd.h"

namespace brlib {

namespace {

QStringList Tekst(RecordCacheImpl& cache, int jaar, int32_t nr)
{
    return nr > 0 ? LeesTekstLijstFile(cache, JaarNr(jaar, nr)) : QStringList();
}

e_ResStatus Status(uint16_t woord)
{
    return woord == 99 ? rsGeannuleerd : static_cast<e_ResStatus>(woord);
}

RsvReservering UitKop(JaarNr sleutel, const WIN_rsv_res_hfd& hfd)
{
    RsvReservering res;
    res.sleutel = sleutel;
    res.boekNr = sleutel.String(2, 5);
    res.status = Status(hfd.status);
    res.regDatum = hfd.RegDatum();
    res.begin = hfd.BeginDatum();
    res.eind = hfd.EindDatum();
    res.totaalBedrag = hfd.totaalBedrag;
    res.wijzigTeller = hfd.wijzigTeller;
    res.soort = hfd.soort;
    res.nationaliteit = hfd.nationaliteit;
    res.zakelijk = hfd.zakelijk;
    res.relatieNr = hfd.relatieNr;
    res.relatieNr2 = hfd.relatieNr2;
    std::copy(std::begin(hfd.extra), std::end(hfd.extra), res.extra.begin());
    res.groepNr = hfd.groepNr;
    res.eersteProduct = hfd.eersteProduct;
    res.laatsteProduct = hfd.laatsteProduct;
    res.productStatus = hfd.productStatus;
    return res;
}

}  // namespace

struct RsvReserveringCursorRandom::Caches {
    RecordCache<WIN_rsv_res_hfd> hfd{Bestanden::ResHfd, tfPerJaar, true, true};
    BekendAantal<RecordCache<WIN_rsv_res_hfd>> hfdAantal{hfd};
    RegelLezer regels;
    RecordCacheImpl resGeg{sizeof(DOS_tkst_dsk_strukt), Bestanden::ResGegTekst, tfPerJaar, true, true};
    RecordCacheImpl resExt{sizeof(DOS_tkst_dsk_strukt), Bestanden::ResExtTekst, tfPerJaar, true, true};
    RecordCacheImpl resRel{sizeof(DOS_tkst_dsk_strukt), Bestanden::ResRelTekst, tfPerJaar, true, true};
};

RsvReserveringCursorRandom::RsvReserveringCursorRandom() : c_(std::make_unique<Caches>()) {}
RsvReserveringCursorRandom::~RsvReserveringCursorRandom() = default;

const RsvReservering& RsvReserveringCursorRandom::At(int jaar, int32_t nr, unsigned opties)
{
    const JaarNr sleutel(jaar, nr);
    if (nr < 1 || nr > c_->hfdAantal.Aantal(jaar, nr))
        throw EBrRuntime("Reservering " + sleutel.String(2, 5) + " bestaat niet.",
                         QStringLiteral("RsvReserveringCursorRandom::At(int,long,int)"));
    const WIN_rsv_res_hfd hfd = c_->hfd.Record(jaar, nr);
    res_ = UitKop(sleutel, hfd);
    if (opties & (roRegels | roInChecks | roPersonen))
        res_.kamerRegels = c_->regels.Regels(sleutel, hfd.eersteRegel, hfd.laatsteRegel,
                                             opties & (roInChecks | roPersonen), opties & roPersonen);
    if (opties & roTeksten)
        LeesTeksten(jaar, hfd);
    return res_;
}

void RsvReserveringCursorRandom::LeesTeksten(int jaar, const WIN_rsv_res_hfd& hfd)
{
    res_.gastRegels = Tekst(c_->resGeg, jaar, hfd.resGegTekst);
    res_.extraRegels = Tekst(c_->resExt, jaar, hfd.resExtTekst);
    res_.relatieLabels = Tekst(c_->resRel, jaar, hfd.relLabelsTekst);
    res_.relatieWaarden = Tekst(c_->resRel, jaar, hfd.relWaardenTekst);
}

}  // namespace brlib
