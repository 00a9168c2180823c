#pragma once
// The occupancy of the hotel per day over a span of days, and per month in
// the year view, counted from the stored reservations without any widget:
// rooms and persons occupied by reservations, rooms blocked by blockades
// (counted with the room's maximum persons), rooms available and percentages.
// Options are never counted. A damaged file raises EBrRuntime.

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>
#include <QDate>
#include <QString>

#include "host/base/DatumHulp.h"
#include "host/brlib/Kamer.h"
#include "host/brlib/RsvReservering.h"

namespace bezetting {

inline constexpr int kLeeftijdVolwassen = 18;

struct DagBezetting {
    TDateTime datum = 0;
    int kamersBezet = 0;
    int kamersGeblok = 0;
    int kamersTotaal = 0;
    double percBezet = 0;
    double percGeblok = 0;
    double percSom = 0;
    int persBezet = 0;
    int persVolwas = 0;
    int persKinder = 0;
    int persGeblok = 0;
    int persTotaal = 0;
};

struct MaandBezetting {
    int jaar = 0;
    int maand = 0;
    int kamersBezet = 0;
    int kamersGeblok = 0;
    int kamersTotaal = 0;
    double percBezet = 0;
    double percGeblok = 0;
};

struct Bezetting {
    std::vector<DagBezetting> dagen;     // one per day of the span, in date order
    std::vector<MaandBezetting> maanden; // only when asked for, in month order
};

// Counts the reservations handed to Voeg; Sluit gives the days' figures.
class BezettingTeller {
public:
    BezettingTeller(DatumBereik bereik, const std::vector<brlib::stKamer>& kamers);

    // What the reservation's lines add; its lines, check-ins and persons must
    // be read, and its texts when a person may carry a birth date.
    void Voeg(const brlib::RsvReservering& res);
    Bezetting Sluit(bool perMaand) const;

private:
    struct Telling {
        int personen = -1;  // -1: the room is not in the day's set
        int volwassenen = 0;
    };
    int KamerIndex(int32_t kamerNr);
    int MaxPersonen(int32_t kamerNr) const;
    // The days of the line within the span, as offsets from its first day; empty when none.
    std::pair<int, int> Dagen(const brlib::stRes& regel) const;
    void VoegBezet(const brlib::stRes& regel, int volwassenen);
    void VoegGeblokkeerd(const brlib::stRes& regel);
    Telling& Cel(std::vector<Telling>& tellingen, int dag, int kamer);
    DagBezetting Dag(int dag) const;

    DatumBereik bereik_;
    const std::vector<brlib::stKamer>& kamers_;
    std::unordered_map<int32_t, int> kamerIndex_;  // room number -> index into the tellingen
    std::unordered_map<int32_t, int> maxPersonen_;
    std::vector<std::vector<Telling>> bezet_;      // per room index, per day
    std::vector<std::vector<Telling>> geblokkeerd_;
};

// Reads the rooms' reservations of the span from the header files of the
// span's years and counts them.
Bezetting BerekenBezetting(DatumBereik bereik, const std::vector<brlib::stKamer>& kamers, bool perMaand);

// Age in whole years on `peildatum`; a birthday on 29 February falls on
// 1 March in other years.
int Leeftijd(const QDate& geboren, const QDate& peildatum);
// The birth date as people type it ("d-m-yyyy", with '-', '/' or '.', or
// "yyyy-mm-dd"); invalid when it is none of these.
QDate LeesGeboorteDatum(const QString& tekst);
// The persons of the line's check-in born at least 18 years before `begin`.
int Volwassenen(const brlib::stRes& regel, const QStringList& labels, TDateTime begin);

double Rond2(double waarde);

}  // namespace bezetting
