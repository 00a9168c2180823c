#pragma once
// Reads the lines hanging under one day of rsv_dagrgl.pnt into the board's
// Items, and each reservation met for the first time into its Extras (header,
// text lines, group and change counter). Opens its read-only caches once for
// the whole load and reads a year's day pointers in one go.

#include <functional>
#include <unordered_map>
#include <vector>

#include "board/BordToestand.h"
#include "host/records/RecordCacheImpl.h"
#include "store/RecordCache.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvInCheck.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvResRgl.h"

namespace bord {

class BordRegelLezer {
public:
    explicit BordRegelLezer(BordToestand& toestand);

    // Which lines to take, by room and arrival day; by default every line.
    using Keuze = std::function<bool(int32_t kamerNr, int aankomst)>;
    void ZetKeuze(Keuze keuze) { keuze_ = std::move(keuze); }

    // Reads on into another state, keeping the chunks read so far; MetVoorRegistratie starts over.
    void ZetDoel(BordToestand& toestand)
    {
        toestand_ = &toestand;
        metVoorReg_.clear();
    }

    // Appends the lines chained under day `d`. A chain longer than its file raises EBrRuntime.
    void LeesDag(TDateTime d);

    // Per extra (same order): the header names pre-registrations, so asking for them can pay off.
    const std::vector<bool>& MetVoorRegistratie() const { return metVoorReg_; }

private:
    // A year's day pointers and the size of its line file, read once.
    struct JaarKoppen {
        std::vector<WIN_rsv_dagnr_rgl_pnt> dagen;
        int32_t regels = 0;
    };
    const JaarKoppen& Koppen(int32_t jaar);

    brlib::stRes Item(int32_t jaar, int32_t nr, const WIN_rsv_res_rgl& rcd);
    void LeesExtra(JaarNr sleutel);
    QStringList Regels(int32_t jaar, const WIN_rsv_res_hfd& hfd);

    BordToestand* toestand_;
    RecordCache<WIN_rsv_dagnr_rgl_pnt> dagRgl_;
    RecordCache<WIN_rsv_res_rgl> rgl_;
    RecordCache<WIN_rsv_incheck> inCheck_;
    RecordCache<WIN_rsv_res_hfd> hfd_;
    brlib::RecordCacheImpl resGeg_;
    brlib::RecordCacheImpl resRel_;
    std::vector<bool> metVoorReg_;
    Keuze keuze_;
    std::unordered_map<int32_t, JaarKoppen> jaren_;
};

}  // namespace bord
