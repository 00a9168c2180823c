#pragma once
// The till's files in the administration directory, named as on disk.

namespace KassaBestanden {

// One file: the article cards.
inline constexpr char Artikel[] = "kassa_artikel.dat";
// Per year: registrations, the bookings of a registration, settled bills.
inline constexpr char Registratie[] = "kassa_registratie.dat";
inline constexpr char RegBoeking[] = "kassa_reg_boeking.dat";
inline constexpr char Mutatie[] = "kassa_mutatie.dat";
// Prefixes of the four product-line files (see BonRegelBestanden.h): the
// products booked with a reservation, a registration's open bill, and the
// lines of settled bills.
inline constexpr char ReserveringRegels[] = "rsv_resart_";
inline constexpr char RegistratieRegels[] = "kassa_reg_";
inline constexpr char MutatieRegels[] = "kassa_mut_";
// The product-selection buttons, a text file.
inline constexpr char ArtSel[] = "artsel.cfg";

}  // namespace KassaBestanden
