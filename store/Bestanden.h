#pragma once
// The module's record files, named exactly as on disk in every administration.

#include "host/records/RecordCacheImpl.h"

namespace Bestanden {

// Per year (brlib::tfPerJaar): everything of a reservation lives in the files of its year.
inline constexpr char ResHfd[] = "rsv_reshfd.dat";
inline constexpr char ResRgl[] = "rsv_resrgl.dat";
inline constexpr char DagHfd[] = "rsv_daghfd.pnt";
inline constexpr char DagRgl[] = "rsv_dagrgl.pnt";
inline constexpr char InCheck[] = "rsv_incheck.dat";
inline constexpr char VoorReg[] = "rsv_voorreg.dat";
inline constexpr char Periode[] = "rsv_periode.dat";
inline constexpr char Tarief[] = "rsv_tarief.dat";
inline constexpr char TariefPnt[] = "rsv_tarief.pnt";
inline constexpr char ResGegTekst[] = "rsv_resgeg.tkt";
inline constexpr char ResExtTekst[] = "rsv_resext.tkt";
inline constexpr char ResRelTekst[] = "rsv_resrel.tkt";
inline constexpr char VoorRegTekst[] = "rsv_voorreg.tkt";
inline constexpr char ResArtBonRgls[] = "rsv_resart_bonrgls.dat";
inline constexpr char ResArtOmzet[] = "rsv_resart_omzet.dat";
inline constexpr char ResArtBw[] = "rsv_resart_bw.dat";
inline constexpr char ResArtTekst[] = "rsv_resart_tkt.dat";

// One file (brlib::tfEenBestand).
inline constexpr char GroepHfd[] = "rsv_grp_hfd.dat";
inline constexpr char GroepSub[] = "rsv_grp_sub.dat";
inline constexpr char Persoon[] = "rsv_persoon.dat";
inline constexpr char PersoonTekst[] = "rsv_persoon.tkt";
inline constexpr char Kamer[] = "rsv_kamer.dat";
inline constexpr char KamerType[] = "rsv_kamertype.dat";
inline constexpr char TariefSoort[] = "rsv_tariefsoort.dat";

}  // namespace Bestanden
