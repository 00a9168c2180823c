#pragma once
// The till's registrations and settled bills (all per year, key JaarNr).
//
// sa_kas_registratie, kassa_registratie.dat, 64 bytes, no header, appended:
//   0 word   status (0 open, 1 closed)
//   2 datetime(7) check-in moment      9 word / 11 long  check-in year / number
//  15 double amount open (booked on the room's account, not yet paid)
//  23 double amount paid
//  31 long / 35 long  first / last line of the open bill (kassa_reg_ line files)
//  39 long / 43 long  first / last booking (chain 0 of kassa_reg_boeking.dat)
//  47 long   change counter        51 datetime(7) last change
//  58..63 unused
// sa_kas_reg_boeking, kassa_reg_boeking.dat (year of the registration), 32
// bytes, no header, appended: a settled bill booked on the registration.
//   0 long registration number   4 long till number
//   8 word / 10 long  year / number of the settled bill
//  14 long / 18 long  previous / next booking (chain 0)   22..31 unused
// sa_kas_mutatie, kassa_mutatie.dat (year of settling), 48 bytes, appended:
//   0 long till number   4 word / 6 long  registration year / number
//  10 datetime(7) moment  17 double amount including tax
//  25 word way of settling (0 paid, 1 on the room's account)
//  27 long / 31 long  first / last line (kassa_mut_ line files)   35..47 unused

#include <cstddef>
#include <cstdint>

#include "host/base/RecordDate.h"
#include "store/KettingVelden.h"

#pragma pack(push, 1)
struct sa_kas_registratie : KopVelden<sa_kas_registratie> {
    uint16_t status;
    DOS_datumtijd_type inCheckMoment;
    uint16_t inCheckJaar;
    int32_t inCheckNr;
    double openstaand;
    double betaald;
    int32_t eersteRegel;
    int32_t laatsteRegel;
    int32_t eerste;                 // bookings
    int32_t laatste;
    int32_t wijzigTeller;
    DOS_datumtijd_type gewijzigd;
    uint8_t ongebruikt58[6];
};

struct sa_kas_reg_boeking : LidVelden<sa_kas_reg_boeking> {
    int32_t regNr;
    int32_t kassaNr;
    uint16_t mutJaar;
    int32_t mutNr;
    int32_t vorige;
    int32_t volgende;
    uint8_t ongebruikt22[10];
};

struct sa_kas_mutatie {
    int32_t kassaNr;
    uint16_t regJaar;
    int32_t regNr;
    DOS_datumtijd_type moment;
    double bedrag;
    uint16_t wijze;
    int32_t eersteRegel;
    int32_t laatsteRegel;
    uint8_t ongebruikt35[13];

    int ReservedRecs() const { return 0; }
};
#pragma pack(pop)

static_assert(sizeof(sa_kas_registratie) == 64);
static_assert(offsetof(sa_kas_registratie, inCheckMoment) == 2);
static_assert(offsetof(sa_kas_registratie, inCheckJaar) == 9);
static_assert(offsetof(sa_kas_registratie, inCheckNr) == 11);
static_assert(offsetof(sa_kas_registratie, openstaand) == 15);
static_assert(offsetof(sa_kas_registratie, betaald) == 23);
static_assert(offsetof(sa_kas_registratie, eersteRegel) == 31);
static_assert(offsetof(sa_kas_registratie, laatsteRegel) == 35);
static_assert(offsetof(sa_kas_registratie, eerste) == 39);
static_assert(offsetof(sa_kas_registratie, laatste) == 43);
static_assert(offsetof(sa_kas_registratie, wijzigTeller) == 47);
static_assert(offsetof(sa_kas_registratie, gewijzigd) == 51);

static_assert(sizeof(sa_kas_reg_boeking) == 32);
static_assert(offsetof(sa_kas_reg_boeking, kassaNr) == 4);
static_assert(offsetof(sa_kas_reg_boeking, mutJaar) == 8);
static_assert(offsetof(sa_kas_reg_boeking, mutNr) == 10);
static_assert(offsetof(sa_kas_reg_boeking, vorige) == 14);
static_assert(offsetof(sa_kas_reg_boeking, volgende) == 18);

static_assert(sizeof(sa_kas_mutatie) == 48);
static_assert(offsetof(sa_kas_mutatie, regJaar) == 4);
static_assert(offsetof(sa_kas_mutatie, regNr) == 6);
static_assert(offsetof(sa_kas_mutatie, moment) == 10);
static_assert(offsetof(sa_kas_mutatie, bedrag) == 17);
static_assert(offsetof(sa_kas_mutatie, wijze) == 25);
static_assert(offsetof(sa_kas_mutatie, eersteRegel) == 27);
static_assert(offsetof(sa_kas_mutatie, laatsteRegel) == 31);
