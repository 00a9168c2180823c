#include "board/BordRegelLezer.h"

#include "board/BordDatums.h"
#include "host/brlib/ResRecords.h"
#include "host/records/TekstLijst.h"
#include "store/Bestanden.h"

namespace bord {

namespace {
constexpr int kPerJaar = brlib::tfPerJaar;
constexpr int kDagKeten = 1;  // the lines of one begin day in rsv_resrgl.dat
}

BordRegelLezer::BordRegelLezer(BordToestand& toestand)
    : toestand_(&toestand),
      dagRgl_(Bestanden::DagRgl, kPerJaar, true, true),
      rgl_(Bestanden::ResRgl, kPerJaar, true, true),
      inCheck_(Bestanden::InCheck, kPerJaar, true, true),
      hfd_(Bestanden::ResHfd, kPerJaar, true, true),
      resGeg_(sizeof(brlib::DOS_tkst_dsk_strukt), Bestanden::ResGegTekst, kPerJaar, true, true),
      resRel_(sizeof(brlib::DOS_tkst_dsk_strukt), Bestanden::ResRelTekst, kPerJaar, true, true)
{
}

const BordRegelLezer::JaarKoppen& BordRegelLezer::Koppen(int32_t jaar)
{
    auto [plek, nieuw] = jaren_.try_emplace(jaar);
    if (nieuw) {
        JaarKoppen& koppen = plek->second;
        koppen.dagen.resize(dagRgl_.RecordCount(jaar));
        koppen.dagen.resize(dagRgl_.Records(jaar, 1, static_cast<int32_t>(koppen.dagen.size()), koppen.dagen.data()));
        koppen.regels = rgl_.RecordCount(jaar);
    }
    return plek->second;
}

void BordRegelLezer::LeesDag(TDateTime d)
{
    const int32_t jaar = Jaar(d);
    const JaarKoppen& koppen = Koppen(jaar);
    const size_t dag = DagNr(d);
    const int aankomst = DagGetal(d);
    int32_t nr = dag <= koppen.dagen.size() ? koppen.dagen[dag - 1].eerste : 0;
    for (int32_t over = koppen.regels; nr != 0; --over) {
        if (over <= 0)
            GooiKettingLus(rgl_.Impl(), jaar, "NextRecord");
        // The cached record is only read until the next call on rgl_.
        const WIN_rsv_res_rgl& rcd = rgl_.Record(jaar, nr);
        const int32_t volgende = rcd.volgendeDag;
        const int32_t kamer = rcd.kamerNr;
        if (!keuze_ || keuze_(kamer, aankomst)) {
            toestand_->items.push_back(Item(jaar, nr, rcd));
            if (!toestand_->extraIndex.count(toestand_->items.back().resSleutel))
                LeesExtra(toestand_->items.back().resSleutel);
        }
        nr = volgende;
    }
}

brlib::stRes BordRegelLezer::Item(int32_t jaar, int32_t nr, const WIN_rsv_res_rgl& rcd)
{
    brlib::stRes item = brlib::RegelUitRecord(JaarNr(jaar, rcd.hfdNr), nr, rcd);
    if (rcd.inCheckNr > 0)
        item.inCheck = brlib::InCheckUitRecord(item.inCheck.sleutel, inCheck_.Record(jaar, rcd.inCheckNr));
    return item;
}

void BordRegelLezer::LeesExtra(JaarNr sleutel)
{
    const WIN_rsv_res_hfd& hfd = hfd_.Record(sleutel);
    brlib::stExtraRes extra;
    extra.resSleutel = sleutel;
    extra.regels = Regels(sleutel.jaar, hfd);
    extra.groepNr = hfd.groepNr;
    extra.wijzigTeller = hfd.wijzigTeller;
    toestand_->extraIndex.emplace(sleutel, static_cast<int>(toestand_->extras.size()));
    toestand_->extras.push_back(std::move(extra));
    metVoorReg_.push_back(hfd.eersteVoorReg != 0);
}

QStringList BordRegelLezer::Regels(int32_t jaar, const WIN_rsv_res_hfd& hfd)
{
    if (hfd.resGegTekst > 0)
        return brlib::LeesTekstLijstFile(resGeg_, JaarNr(jaar, hfd.resGegTekst));
    if (hfd.relWaardenTekst > 0)
        return brlib::LeesTekstLijstFile(resRel_, JaarNr(jaar, hfd.relWaardenTekst));
    return {};
}

}  // namespace bord
