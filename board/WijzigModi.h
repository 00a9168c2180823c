#pragma once
// The move, period and group modes of the planning board, without widgets.
// Step 1 picks a line or reservation with the pointer, step 2 places it (a
// room, a period) or picks the target group; the click of step 2 asks and
// stores. The form hands in pointer events as BordPlek values with the item
// under the pointer and acts on the returned reaction; the dialog for the
// first day of a partial move comes in as a function.

#include <cstdint>
#include <functional>
#include <optional>
#include <QString>

#include "board/BordActie.h"
#include "board/BordToestand.h"
#include "board/NieuweReservering.h"

namespace bord {

enum class ModusSoort { Verplaatsen, Periode, Groep };

enum class ModusReactie {
    Niets,
    Herteken,  // repaint
    Herbouw,   // rebuild the cells and repaint
    Stap2,     // step 2 began: the week and month buttons go off, the instruction changed
    Einde,     // the mode is over: the board re-reads and returns to normal
};

// TfrmRsvOverlap: the first day of a partial move between `eerste` and
// `laatste`, or nothing when cancelled.
using BegindatumKeuze =
    std::function<std::optional<TDateTime>(int32_t bron, int32_t doel, TDateTime eerste, TDateTime laatste)>;

class WijzigModi {
public:
    // `titel` (the board's caption) titles the messages that name no title of their own.
    WijzigModi(BordToestand& bord, QString titel, BegindatumKeuze kiesBegin);

    // Mode 1 of `soort`; every other mode is off.
    void Begin(ModusSoort soort);
    void Stop();
    bool Actief() const;
    // Step 2 of the move or period mode: the pointer drags, it selects nothing.
    bool Sleept() const;
    // The text of pnlCapVerplaatsen.
    const QString& Instructie() const { return instructie_; }
    // Called with every new instruction, also while a question is still to come.
    void OpInstructie(std::function<void(const QString&)> toon) { toonInstructie_ = std::move(toon); }

    // After the board pointed at (room) row `rij` with the item under the
    // pointer `item` (-1 none): the move mode's source room follows the row.
    bool Gewezen(int rij, int item);
    // A pointer move while Sleept().
    ModusReactie Sleep(const BordPlek& plek);
    // A click, after the board pointed at `plek` (and selected what is under it).
    ModusReactie Klik(const BordPlek& plek, int item);

    // After the board read its lines again: the chosen line is found by its
    // record number (its in-memory move is lost). False when it is gone: the
    // modes are off then.
    bool NaHerladen();

private:
    ModusReactie KlikVerplaatsen(int item);
    ModusReactie KiesRegel();
    ModusReactie SleepRegel(const BordPlek& plek);
    ModusReactie BevestigVerplaatsing();
    std::optional<TDateTime> VraagVanaf(const brlib::stRes& regel);
    ModusReactie KlikPeriode(const BordPlek& plek, int item);
    ModusReactie KiesReservering(const BordPlek& plek);
    ModusReactie SchuifPeriode(const BordPlek& plek);
    ModusReactie BevestigPeriode();
    void ToonPeriode();
    ModusReactie KlikGroep();
    ModusReactie BevestigGroep();
    ModusReactie Geregistreerd(Afloop afloop, const QString& mislukt);
    void ZetInstructie(const QString& tekst);
    brlib::stRes* GekozenRegel();
    void ZetVoorRegKamer(int32_t van, int32_t naar);

    BordToestand& bord_;
    QString titel_;
    BegindatumKeuze kiesBegin_;
    QString instructie_;
    std::function<void(const QString&)> toonInstructie_;

    // Move: the chosen line by its key, the earliest day of a partial move (0 none).
    JaarNr regelRes_;
    int32_t regelNr_ = 0;
    bool metVoorReg_ = false;
    TDateTime vroegste_ = 0;
    // Period: the reservation, the day clicked, its period before and after the shift.
    JaarNr periodeRes_;
    TDateTime klikDatum_ = 0;
    TDateTime oudBegin_ = 0;
    TDateTime oudEind_ = 0;
    TDateTime nieuwBegin_ = 0;
    TDateTime nieuwEind_ = 0;
    // Group: the reservation to assign.
    JaarNr groepRes_;
};

}  // namespace bord
