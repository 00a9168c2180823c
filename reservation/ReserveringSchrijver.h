#pragma once
// The record writes that every change of a stored reservation is made of:
// booking, editing, cancelling, leaving a group and moving rooms all go
// through here, so that headers, lines, day chains, texts, pre-registrations
// and group members stay consistent whichever form writes them.
//
// Contract:
//  - The caller holds the reservation lock (brlib::RsvActie) for the whole
//    action and raises the update count itself when the action is done; the
//    stores here become durable only when the action commits.
//  - Nothing here compares change counters: the caller reads the header with
//    LeesKop first and decides. The Wijzig... calls raise the counter of what
//    they store by one.
//  - No record is handed out by reference: the chain operations rewrite
//    headers and lines behind the caller's back, so every call re-reads what
//    it changes. Keep no copy across a chain operation; use WijzigKop.
//  - A reservation and all that hangs under it live in the files of its year
//    (the year of its begin date); a line keeps that year when its dates move.
//  - A damaged chain or a disk error raises EBrRuntime; the caller's action
//    then drops every store of it.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "host/base/JaarNr.h"
#include "host/brlib/Res.h"
#include "host/records/RecordCacheImpl.h"
#include "host/tillra/BonRegelBestanden.h"
#include "reservation/ResGegevens.h"
#include "store/RecordCache.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvGroepHfd.h"
#include "store/WinRsvGroepSub.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvResRgl.h"
#include "store/WinRsvVoorReg.h"

class ReserveringSchrijver {
public:
    // Opens every file of a reservation for writing.
    ReserveringSchrijver();

    // --- Headers ---------------------------------------------------------
    // A copy of the header; EBrRuntime when the year has no such number.
    WIN_rsv_res_hfd LeesKop(const JaarNr& res);
    // Reads the header afresh, lets `wijzig` change it, raises its change
    // counter and stores it.
    void WijzigKop(const JaarNr& res, const std::function<void(WIN_rsv_res_hfd&)>& wijzig);
    // Stores a new reservation holding `regels` (all with one period) with the
    // details, texts and lines, chained under its begin day; its change counter
    // is 1. `aantalRegels` is the line count of the whole registration.
    JaarNr SchrijfReservering(const std::vector<const brlib::stRes*>& regels, const ResGegevens& gegevens,
                              int aantalRegels, int32_t groepNr);
    // The header out of / into the chain of its begin day. ZetKopInDag takes the
    // day from the header's begin date (set that first when the begin moves).
    void NeemKopUitDag(const JaarNr& res);
    void ZetKopInDag(const JaarNr& res);

    // --- Lines -----------------------------------------------------------
    // The record numbers of the reservation's lines, in chain order.
    std::vector<int32_t> RegelNummers(const JaarNr& res);
    WIN_rsv_res_rgl LeesRegel(int32_t jaar, int32_t nr);
    // Reads the line afresh, lets `wijzig` change it, raises its change counter and stores it.
    void WijzigRegel(int32_t jaar, int32_t nr, const std::function<void(WIN_rsv_res_rgl&)>& wijzig);
    // A new line for reservation `res`, at the end of its lines and of the chain
    // of its begin day; returns its record number.
    int32_t VoegRegelToe(const JaarNr& res, const brlib::stRes& regel, int soort);
    // A copy of line `nr` with its links cleared and its change counter 0,
    // changed by `wijzig`, at the end of the reservation's lines and of the
    // chain of its (changed) begin day; returns its record number.
    int32_t KopieerRegel(int32_t jaar, int32_t nr, const std::function<void(WIN_rsv_res_rgl&)>& wijzig);
    // A line out of / into the chain of its begin day (ZetRegelInDag takes the
    // day from the line's begin date, as ZetKopInDag does).
    void NeemRegelUitDag(int32_t jaar, int32_t nr);
    void ZetRegelInDag(int32_t jaar, int32_t nr);
    // Takes every line out of its day chain and frees them all; the header
    // keeps an empty chain.
    void VerwijderRegels(const JaarNr& res);
    // The free test under the lock, on the caches the writes go through.
    bool KamersVrij(const std::vector<brlib::stRes>& regels);

    // --- Texts and pre-registrations (fields of `kop`, stored by the caller) ---
    // Guest data lines, or the relation card's labels and values when there are
    // labels, and the extra text: rewritten in their lists, or new lists.
    void SchrijfTeksten(WIN_rsv_res_hfd& kop, const ResGegevens& gegevens, const JaarNr& res);
    // Empties the four text lists and zeroes their numbers.
    void LeegTeksten(WIN_rsv_res_hfd& kop, const JaarNr& res);
    // Frees the old chain of pre-registrations with their texts and builds it
    // again from `voorRegs` (their record numbers are ignored).
    void SchrijfVoorRegs(WIN_rsv_res_hfd& kop, const JaarNr& res, const std::vector<brlib::stVoorReg>& voorRegs);

    // --- Product lines (fields of `kop`, stored by the caller) -------------
    // Frees the lines the header refers to and stores `regels` in their place;
    // the products state is the caller's.
    void SchrijfProducten(WIN_rsv_res_hfd& kop, const JaarNr& res, const std::vector<Tillra::t_BonRegel>& regels);
    void VerwijderProducten(WIN_rsv_res_hfd& kop, const JaarNr& res);

    // --- Groups ----------------------------------------------------------
    // The number the next group gets; the group comes into being with its first member.
    int32_t NieuwGroepNr() { return grpHfd_.RecordCount() + 1; }
    void VoegToeAanGroep(int32_t groepNr, const JaarNr& res);
    // Frees the member record of `res` in the group; false when it has none.
    bool NeemUitGroep(int32_t groepNr, const JaarNr& res);

private:
    void LeegVoorRegs(WIN_rsv_res_hfd& kop, const JaarNr& res);
    Tillra::BonRegelBestanden& ProductBestanden();

    RecordCache<WIN_rsv_res_hfd> hfd_;
    RecordCache<WIN_rsv_res_rgl> rgl_;
    RecordCache<WIN_rsv_dagnr_hfd_pnt> dagHfd_;
    RecordCache<WIN_rsv_dagnr_rgl_pnt> dagRgl_;
    RecordCache<WIN_rsv_voorreg> voorReg_;
    RecordCache<WIN_rsv_groep_hfd> grpHfd_;
    RecordCache<WIN_rsv_groep_sub> grpSub_;
    brlib::RecordCacheImpl gegTekst_;
    brlib::RecordCacheImpl extTekst_;
    brlib::RecordCacheImpl relTekst_;
    brlib::RecordCacheImpl voorRegTekst_;
    // Opened on first use: most actions never touch products.
    std::unique_ptr<Tillra::BonRegelBestanden> producten_;
};
