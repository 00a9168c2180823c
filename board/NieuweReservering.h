#pragma once
// The new-reservation mode of the planning board, without widgets. The user
// picks a room and a period in the header (three clicks) or drags a first
// line along a room row; further rooms for the same period are then placed
// under the pointer and confirmed with a click. New lines are board items at
// the end of Items with `nieuw` set; the line under the pointer that is not
// confirmed yet is also `voorlopig`.
//
// The form translates its mouse events to a BordPlek and rebuilds and
// repaints the board whenever a call returns true.

#include <functional>
#include <vector>
#include <QString>
#include <QStringList>

#include "board/BordGeometrie.h"
#include "board/BordToestand.h"
#include "reservation/ResGegevens.h"

namespace bord {

inline constexpr int kKopRijen = 1;  // the day header row above the room rows

// What the pointer is on.
enum class PlekSoort { Geen, Kamer, DagKop, Dag };

struct BordPlek {
    PlekSoort soort = PlekSoort::Geen;
    int rij = -1;         // index into kamers (Kamer, Dag)
    TDateTime datum = 0;  // the column's date (DagKop, Dag)
};

// What a pointer hit means to the mode.
BordPlek PlekVan(const CelTreffer& treffer, TDateTime startDatum);

// Steps of the header route.
enum NieuwStap { stapGeen = -1, stapKamer = 0, stapBegin = 1, stapEind = 2, stapGekozen = 3 };

namespace nieuw {
inline const QString kTitel = QStringLiteral("Nieuwe reservering");
inline const QString kGeenTarieven = QStringLiteral("Kan voor deze periode geen tarieven bepalen!");
inline const QString kGeenRegels = QStringLiteral("Nog geen reservering(en) aanwezig.");
QString PeriodeTeLang();
QString KamerBezetTekst(int32_t kamerNr);
}  // namespace nieuw

// The details dialog on a copy of the gathered details and the total amount;
// true when the user confirmed (the copy then holds the new details).
using GegevensDialoog = std::function<bool(ResGegevens& gegevens, double totaal)>;
// Stores the new lines with the details, as one reservation or (`meerdere`)
// one per line; true when done, so that the board leaves the mode.
using Registratie =
    std::function<bool(const std::vector<brlib::stRes>& regels, const ResGegevens& gegevens, bool meerdere)>;

class NieuweReservering {
public:
    // `titel` (the form's caption) titles every message.
    NieuweReservering(BordToestand& bord, QString titel);

    // Entering the mode: step 0, nothing chosen; the details are cleared but
    // for the relation card's default field labels.
    void Open(const QStringList& standaardLabels);
    // Leaving it: the new lines are dropped unsaved.
    void Sluit();

    bool MuisNeer(const BordPlek& plek);
    bool MuisBeweeg(const BordPlek& plek);
    bool MuisOp();

    // Drops the line under the pointer, else the last new line; with none
    // left the mode starts again at step 0.
    void Ongedaan();
    // Persons of new line `regel` (0 = the first new line); false, unchanged,
    // for a line that does not exist or a negative number.
    bool ZetPersonen(int regel, int personen);

    // btnGegevens: the dialog on the details; they change only when confirmed.
    bool VraagGegevens(const GegevensDialoog& dialoog);
    // btnOk: drops the line under the pointer, warns when there are no new
    // lines, asks the details when none were gathered, then registers. True
    // when registration is done.
    bool Ok(bool meerdere, const GegevensDialoog& dialoog, const Registratie& registreer);

    int Stap() const { return stap_; }
    int AantalRegels() const { return aantalRegels_; }
    // The first confirmed line; its dates are the period of every new line.
    const brlib::stRes& Sjabloon() const { return sjabloon_; }
    const ResGegevens& Gegevens() const { return gegevens_; }
    // Index in Items of the first new line (Items' size when there is none).
    size_t EersteNieuwe() const;
    // The confirmed new lines, in order.
    std::vector<brlib::stRes> BevestigdeRegels() const;
    double Totaal() const;
    QString Kop() const;  // the pane's caption for the current step

private:
    bool IsKamerRij(int rij) const;
    bool KopRoute(const BordPlek& plek);
    bool KiesKamer(int rij);
    bool BuitenGebruik(int rij) const;
    bool MeldBuitenGebruik(int rij) const;
    bool KiesEind(TDateTime datum);
    void RondKopRouteAf();
    bool BeginSlepen(const BordPlek& plek);
    bool Sleep(const BordPlek& plek);
    void EindigSlepen();
    bool PlaatsVoorlopige(const BordPlek& plek);
    void BevestigVoorlopige();
    void Bevestig(brlib::stRes& regel);
    bool VerwijderVoorlopige();
    bool HeeftVoorlopige() const;
    brlib::stRes NieuweRegel(int32_t kamerNr, TDateTime begin, TDateTime eind, bool voorlopig) const;
    void WisKeuze();
    const brlib::stKamer* Kamer(int32_t kamerNr) const;

    BordToestand& bord_;
    QString titel_;
    int stap_ = stapGeen;
    int aantalRegels_ = 0;
    brlib::stRes sjabloon_;
    ResGegevens gegevens_;
};

}  // namespace bord
