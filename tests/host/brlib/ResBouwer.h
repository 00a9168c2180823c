#pragma once
// Puts reservations on disk straight through the record caches, the way the
// module's booking, check-in and pre-registration paths leave them, so that the
// readers are tested without the module. Each call is one locked action.

#include <array>
#include <cstdint>
#include <vector>
#include <QStringList>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"

struct BouwRegel {
    int32_t kamer = 0;
    TDateTime begin = 0;  // 0: the reservation's
    TDateTime eind = 0;
    double prijs = 0;
    double bedrag = 0;
    QString tariefCode;
    int personen = 0;
    int32_t verplaatstNaar = 0;
};

struct BouwRes {
    TDateTime begin = 0;
    TDateTime eind = 0;
    TDateTime regDatum = 0;
    int status = 0;  // 99: cancelled, stored without lines and outside the day chain
    int soort = 0;
    int nationaliteit = 0;
    int zakelijk = 0;
    std::array<uint8_t, 10> extra{};
    int32_t relatieNr = 0;
    int32_t relatieNr2 = 0;
    int32_t groepNr = 0;
    int productStatus = 0;
    double totaal = 0;
    int32_t wijzigTeller = 1;
    QStringList gast;
    QStringList extraTekst;
    QStringList relLabels;
    QStringList relWaarden;
    std::vector<BouwRegel> regels;
};

struct BouwInCheck {
    TDateTime in = 0;
    bool uitgecheckt = false;
    TDateTime uit = 0;
    JaarNr kassa;
    bool producten = false;
    std::vector<QStringList> personen;
};

// The reservation gets the next number of the year of its begin date.
JaarNr Boek(const BouwRes& res);
// Checks the line in and returns the check-in key.
JaarNr CheckIn(JaarNr res, int32_t regelNr, const BouwInCheck& inCheck);
// Appends a pre-registration for the room to the reservation's chain.
void VoorRegistreer(JaarNr res, int32_t kamer, const QStringList& regels, int32_t relatieNr = 0,
                    int32_t relatieKaart = 0);
// The record numbers of the reservation's lines, in chain order.
std::vector<int32_t> RegelNummers(JaarNr res);
// Moves the line to the end of its reservation's chain, so that chain order
// differs from record order.
void ZetAchteraan(JaarNr res, int32_t regelNr);
// Damages the file: the reservation's first line links to itself in its day's chain.
void MaakDagKetenRond(JaarNr res);
