// Every record type lands on disk with its fields at the file format's offsets.
#include <gtest/gtest.h>

#include "host/records/Locks.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/RecordTekst.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvGroepHfd.h"
#include "store/WinRsvGroepSub.h"
#include "store/WinRsvInCheck.h"
#include "store/WinRsvKamer.h"
#include "store/WinRsvKamerType.h"
#include "store/WinRsvPeriode.h"
#include "store/WinRsvPersoon.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvResRgl.h"
#include "store/WinRsvTarief.h"
#include "store/WinRsvTariefPnt.h"
#include "store/WinRsvTariefSoort.h"
#include "store/WinRsvVoorReg.h"
#include "tests/store/StoreTestHulp.h"
#include "tests/support/TempAdmin.h"

namespace {

class RecordTypesTest : public testing::Test {
protected:
    // Stores rec as record 2 (year 2026 for per-year files) and returns its bytes from disk.
    template <class T>
    QByteArray OpSchijf(const char* naam, int format, const T& rec)
    {
        const int32_t jaar = format == brlib::tfPerJaar ? 2026 : 0;
        RecordCache<T> cache(naam, format, false, false);
        EXPECT_TRUE(brlib::RsvLock());
        cache.Store(jaar, 1, T{});
        cache.Store(jaar, 2, rec);
        brlib::RsvUnlock();
        const QByteArray bytes = BestandBytes(naam, format, jaar);
        EXPECT_EQ(bytes.size(), qsizetype(2 * sizeof(T)));
        EXPECT_EQ(std::memcmp(&cache.Record(jaar, 2), bytes.constData() + sizeof(T), sizeof(T)), 0);
        return bytes.mid(sizeof(T));
    }

    TempAdmin admin;
};

TEST_F(RecordTypesTest, ReservationHeader)
{
    WIN_rsv_res_hfd r{};
    r.status = 99;
    r.ZetRegDatum(EncodeDateTime(2026, 3, 1, 14, 30, 5));
    r.resGegTekst = 11, r.resExtTekst = 12, r.relatieNr = 13, r.relatieNr2 = 14;
    r.eersteProduct = 15, r.laatsteProduct = 16, r.productStatus = 2;
    r.ZetBeginDatum(EncodeDate(2026, 3, 10));
    r.ZetEindDatum(EncodeDate(2026, 3, 13));
    r.dagNr = 69, r.aantalRegels = 2, r.totaalBedrag = 123.5;
    r.eersteRegel = 21, r.laatsteRegel = 22, r.vorigeHfd = 23, r.volgendeHfd = 24, r.wijzigTeller = 25;
    r.soort = 1, r.nationaliteit = 2, r.zakelijk = 1, r.extra[0] = 1, r.extra[9] = 7;
    r.eersteVoorReg = 26, r.groepNr = 27, r.relLabelsTekst = 28, r.relWaardenTekst = 29;
    const QByteArray b = OpSchijf(Bestanden::ResHfd, brlib::tfPerJaar, r);
    EXPECT_EQ(LeesLe<uint16_t>(b, 0), 99);
    EXPECT_EQ(DatumTijdToDate(LeesLe<DOS_datumtijd_type>(b, 2)), EncodeDateTime(2026, 3, 1, 14, 30, 5));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(LeesLe<int32_t>(b, 9 + 4 * i), 11 + i);
    EXPECT_EQ(LeesLe<uint16_t>(b, 33), 2);
    EXPECT_EQ(DatumToDate(LeesLe<DOS_datum_type>(b, 37)), EncodeDate(2026, 3, 10));
    EXPECT_EQ(DatumToDate(LeesLe<DOS_datum_type>(b, 41)), EncodeDate(2026, 3, 13));
    EXPECT_EQ(LeesLe<uint16_t>(b, 45), 69);
    EXPECT_EQ(LeesLe<uint16_t>(b, 47), 2);
    EXPECT_EQ(LeesLe<double>(b, 49), 123.5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(LeesLe<int32_t>(b, 57 + 4 * i), 21 + i);
    EXPECT_EQ(LeesLe<uint16_t>(b, 77), 1);
    EXPECT_EQ(LeesLe<uint16_t>(b, 79), 2);
    EXPECT_EQ(LeesLe<uint16_t>(b, 81), 1);
    EXPECT_EQ(b[83], 1);
    EXPECT_EQ(b[92], 7);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(LeesLe<int32_t>(b, 93 + 4 * i), 26 + i);
}

TEST_F(RecordTypesTest, ReservationLineAndItsTwoChains)
{
    WIN_rsv_res_rgl r{};
    r.hfdNr = 5;
    r.ZetBeginDatum(EncodeDate(2026, 12, 30));
    r.ZetEindDatum(EncodeDate(2027, 1, 2));
    r.dagNr = 364, r.kamerNr = 101, r.prijs = 80.25, r.bedrag = 240.75;
    ZetTekst(r.tariefCode, "Standaard tarief voor een hele week");
    ZetTekst(r.tariefTekst2, "per dag");
    r.wijzigTeller = 3, r.inCheckNr = 9, r.soort = 2, r.personen = 4, r.verplaatstNaar = 102;
    r.SetVn(0, 31), r.SetAn(0, 32), r.SetVn(1, 33), r.SetAn(1, 34);
    r.SetVn(2, 99), r.SetAn(2, 99);  // no such chain: nothing written
    EXPECT_EQ(r.GetVn(2), 0);
    EXPECT_EQ(r.GetVrijeLijst(), 32);
    const QByteArray b = OpSchijf(Bestanden::ResRgl, brlib::tfPerJaar, r);
    EXPECT_EQ(LeesLe<int32_t>(b, 0), 5);
    EXPECT_EQ(DatumToDate(LeesLe<DOS_datum_type>(b, 4)), EncodeDate(2026, 12, 30));
    EXPECT_EQ(DatumToDate(LeesLe<DOS_datum_type>(b, 8)), EncodeDate(2027, 1, 2));
    EXPECT_EQ(LeesLe<uint16_t>(b, 12), 364);
    EXPECT_EQ(LeesLe<int32_t>(b, 14), 101);
    EXPECT_EQ(LeesLe<double>(b, 18), 80.25);
    EXPECT_EQ(LeesLe<double>(b, 26), 240.75);
    EXPECT_EQ(b.mid(34, 21), QByteArray("Standaard tarief voo") + '\0');
    EXPECT_EQ(QByteArray(b.constData() + 55), "per dag");
    EXPECT_EQ(LeesLe<int32_t>(b, 76), 3);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(LeesLe<int32_t>(b, 80 + 4 * i), 31 + i);
    EXPECT_EQ(LeesLe<int32_t>(b, 96), 9);
    EXPECT_EQ(LeesLe<uint16_t>(b, 100), 2);
    EXPECT_EQ(LeesLe<uint16_t>(b, 102), 4);
    EXPECT_EQ(LeesLe<int32_t>(b, 104), 102);
    EXPECT_EQ(LeesTekst(r.tariefCode), "Standaard tarief voo");
}

TEST_F(RecordTypesTest, DayPointersGroupsAndRateHeads)
{
    WIN_rsv_dagnr_rgl_pnt d{};
    d.SetEerste(0, 7), d.SetLaatste(0, 8);
    QByteArray b = OpSchijf(Bestanden::DagRgl, brlib::tfPerJaar, d);
    EXPECT_EQ(LeesLe<int32_t>(b, 2), 7);
    EXPECT_EQ(LeesLe<int32_t>(b, 6), 8);
    WIN_rsv_dagnr_hfd_pnt h{};
    h.SetEerste(0, 9), h.SetLaatste(0, 10);
    b = OpSchijf(Bestanden::DagHfd, brlib::tfPerJaar, h);
    EXPECT_EQ(LeesLe<int32_t>(b, 2), 9);
    EXPECT_EQ(LeesLe<int32_t>(b, 6), 10);
    WIN_rsv_groep_hfd g{};
    g.SetEerste(0, 3), g.SetLaatste(0, 4);
    b = OpSchijf(Bestanden::GroepHfd, brlib::tfEenBestand, g);
    EXPECT_EQ(LeesLe<int32_t>(b, 0), 3);
    EXPECT_EQ(LeesLe<int32_t>(b, 4), 4);
    WIN_rsv_tariefpnt t{};
    t.SetEerste(0, 5), t.SetLaatste(0, 6);
    b = OpSchijf(Bestanden::TariefPnt, brlib::tfPerJaar, t);
    EXPECT_EQ(LeesLe<int32_t>(b, 0), 5);
    EXPECT_EQ(LeesLe<int32_t>(b, 4), 6);
}

TEST_F(RecordTypesTest, MembersOfOneChain)
{
    WIN_rsv_groep_sub s{};
    s.groepNr = 2, s.jaar = 2026, s.resNr = 17;
    s.SetVn(0, 4), s.SetAn(0, 5);
    QByteArray b = OpSchijf(Bestanden::GroepSub, brlib::tfEenBestand, s);
    EXPECT_EQ(LeesLe<int32_t>(b, 0), 2);
    EXPECT_EQ(LeesLe<uint16_t>(b, 4), 2026);
    EXPECT_EQ(LeesLe<int32_t>(b, 6), 17);
    EXPECT_EQ(LeesLe<int32_t>(b, 10), 4);
    EXPECT_EQ(LeesLe<int32_t>(b, 14), 5);

    WIN_rsv_voorreg v{};
    v.resNr = 1, v.kamerNr = 2, v.tekstNr = 3, v.relatieNr = 4, v.relatieKaartNr = 5;
    v.SetVn(0, 6), v.SetAn(0, 7);
    b = OpSchijf(Bestanden::VoorReg, brlib::tfPerJaar, v);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(LeesLe<int32_t>(b, 4 * i), 1 + i);

    WIN_rsv_persoon p{};
    p.recNr = 1, p.tekstNr = 2, p.relatieNr = 5, p.relatieNr2 = 6;
    p.SetVn(0, 3), p.SetAn(0, 4);
    b = OpSchijf(Bestanden::Persoon, brlib::tfEenBestand, p);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(LeesLe<int32_t>(b, 4 * i), 1 + i);

    WIN_rsv_tarief t{};
    t.SetVn(0, 1), t.SetAn(0, 2), t.kamerType = 3, t.tariefSoort = 4, t.periode = 5, t.bedrag = 99.95;
    b = OpSchijf(Bestanden::Tarief, brlib::tfPerJaar, t);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(LeesLe<int32_t>(b, 4 * i), 1 + i);
    EXPECT_EQ(LeesLe<double>(b, 20), 99.95);
    EXPECT_EQ(b.mid(28), QByteArray(40, '\0'));
}

TEST_F(RecordTypesTest, CheckIn)
{
    WIN_rsv_incheck c{};
    c.hfdNr = 1, c.rglNr = 2, c.uitgecheckt = 1, c.eerstePersoon = 3, c.wijzigTeller = 4;
    c.ZetInCheckDatum(EncodeDateTime(2026, 3, 10, 15, 0, 0));
    c.ZetUitCheckDatum(EncodeDateTime(2026, 3, 13, 10, 45, 0));
    c.kassaJaar = 2026, c.kassaNr = 88, c.productenGeregistreerd = 1, c.geannuleerd = 1;
    const QByteArray b = OpSchijf(Bestanden::InCheck, brlib::tfPerJaar, c);
    EXPECT_EQ(LeesLe<int32_t>(b, 0), 1);
    EXPECT_EQ(LeesLe<int32_t>(b, 4), 2);
    EXPECT_EQ(DatumTijdToDate(LeesLe<DOS_datumtijd_type>(b, 8)), EncodeDateTime(2026, 3, 10, 15, 0, 0));
    EXPECT_EQ(b[15], 1);
    EXPECT_EQ(DatumTijdToDate(LeesLe<DOS_datumtijd_type>(b, 16)), EncodeDateTime(2026, 3, 13, 10, 45, 0));
    EXPECT_EQ(LeesLe<int32_t>(b, 23), 3);
    EXPECT_EQ(LeesLe<int32_t>(b, 27), 4);
    EXPECT_EQ(LeesLe<uint16_t>(b, 31), 2026);
    EXPECT_EQ(LeesLe<int32_t>(b, 33), 88);
    EXPECT_EQ(b[37], 1);
    EXPECT_EQ(b[38], 1);
}

TEST_F(RecordTypesTest, MasterData)
{
    WIN_rsv_kamer k{};
    k.SetVrijeLijst(6), k.inGebruik = 1, k.kamerType = 3, k.stempel = 777, k.kamerNr = 12, k.maxPersonen = 4;
    k.ZetBeschikbaarVanaf(EncodeDate(2026, 5, 1));
    QByteArray b = OpSchijf(Bestanden::Kamer, brlib::tfEenBestand, k);
    EXPECT_EQ(LeesLe<int32_t>(b, 4), 6);
    EXPECT_EQ(b[8], 1);
    EXPECT_EQ(LeesLe<int32_t>(b, 13), 3);
    EXPECT_EQ(LeesLe<int32_t>(b, 98), 777);

    WIN_rsv_kamertype t{};
    t.SetVrijeLijst(5), t.stempel = 888;
    ZetTekst(t.code, "2PK");
    b = OpSchijf(Bestanden::KamerType, brlib::tfEenBestand, t);
    EXPECT_EQ(LeesLe<int32_t>(b, 4), 5);
    EXPECT_EQ(LeesLe<int32_t>(b, 111), 888);

    WIN_rsv_tariefsoort s{};
    s.SetVrijeLijst(4), s.stempel = 999, s.aantalDagen = 1;
    b = OpSchijf(Bestanden::TariefSoort, brlib::tfEenBestand, s);
    EXPECT_EQ(LeesLe<int32_t>(b, 4), 4);
    EXPECT_EQ(LeesLe<int32_t>(b, 122), 999);

    WIN_rsv_periode p{};
    p.recNr = 2;
    ZetTekst(p.omschr, "Hoogseizoen");
    p.ZetBeginDatum(EncodeDate(2026, 7, 1));
    b = OpSchijf(Bestanden::Periode, brlib::tfPerJaar, p);
    EXPECT_EQ(b.size(), 127);
    EXPECT_EQ(QByteArray(b.constData() + 4), "Hoogseizoen");
}

TEST_F(RecordTypesTest, TextFieldsAreInWindows1252)
{
    WIN_rsv_periode p{};
    ZetTekst(p.omschr, QString::fromUtf8(u8"Hoogseizoen € 5,–"));
    EXPECT_EQ(QByteArray(p.omschr), QByteArray("Hoogseizoen \x80 5,\x96"));
    EXPECT_EQ(LeesTekst(p.omschr), QString::fromUtf8(u8"Hoogseizoen € 5,–"));
}

}  // namespace
