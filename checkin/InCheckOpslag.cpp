#include "checkin/InCheckOpslag.h"

#include "checkin/SlotActie.h"
#include "checkin/UitCheck.h"
#include "host/records/TekstLijst.h"
#include "host/records/UpdateCount.h"
#include "host/tillra/RegistratieAccess.h"
#include "logboek/LogboekActie.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvInCheck.h"
#include "store/WinRsvPersoon.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvResRgl.h"

namespace incheck {

namespace {

using brlib::tfEenBestand;
using brlib::tfPerJaar;

class InCheckSchrijver {
public:
    explicit InCheckSchrijver(int32_t jaar) : jaar_(jaar) {}

    bool KopOngewijzigd(const brlib::RsvReservering& res)
    {
        return hfd_.Record(res.sleutel).wijzigTeller == res.wijzigTeller;
    }

    // Products flag 2: registered at this check-in, not to be asked again.
    int32_t ProductenGeregistreerd(const JaarNr& res)
    {
        WIN_rsv_res_hfd kop = hfd_.Record(res);
        kop.productStatus = 2;
        ++kop.wijzigTeller;
        hfd_.Store(res, kop);
        return kop.wijzigTeller;
    }

    int32_t NieuwNummer() { return inCheck_.RecordCount(jaar_) + 1; }
    WIN_rsv_incheck LeesInCheck(int32_t nr) { return inCheck_.Record(jaar_, nr); }
    void SchrijfInCheck(int32_t nr, const WIN_rsv_incheck& rcd) { inCheck_.Store(jaar_, nr, rcd); }

    // Takes every person out of the chain (their records keep their texts for
    // the persons that stay) and returns their numbers.
    std::vector<int32_t> MaakPersonenLos(int32_t eerste)
    {
        std::vector<int32_t> los;
        const int32_t aantal = persoon_.RecordCount();
        for (int32_t nr = eerste; nr > 0 && nr <= aantal && int32_t(los.size()) < aantal;) {
            WIN_rsv_persoon rcd = persoon_.Record(nr);
            const int32_t volgende = rcd.volgende;
            rcd.vorige = rcd.volgende = 0;
            persoon_.Store(nr, rcd);
            los.push_back(nr);
            nr = volgende;
        }
        return los;
    }

    // Stores the persons as a new chain; a person without a number gets the next one.
    int32_t SchrijfPersonen(std::vector<brlib::stPersoon>& personen)
    {
        int32_t eerste = 0;
        int32_t laatste = 0;
        for (brlib::stPersoon& p : personen) {
            WIN_rsv_persoon rcd{};
            if (p.recNr == 0)
                p.recNr = persoon_.RecordCount() + 1;
            else
                rcd = persoon_.Record(p.recNr);
            rcd.recNr = p.recNr;
            rcd.tekstNr = brlib::SchrijfTekstLijstFile(tekst_, JaarNr(0, rcd.tekstNr), p.waarden, p.recNr);
            rcd.relatieNr = p.relatieNr;
            rcd.relatieNr2 = p.relatieSleutel;
            rcd.vorige = rcd.volgende = 0;
            persoon_.Store(p.recNr, rcd);
            persoon_.VoegAchterKetting(p.recNr, 0, eerste, laatste);
        }
        return eerste;
    }

    // A person removed from the list keeps its record, outside any chain; its values go.
    void LaatPersoonVallen(int32_t nr)
    {
        WIN_rsv_persoon rcd = persoon_.Record(nr);
        brlib::LeegTekstLijstFile(tekst_, JaarNr(0, rcd.tekstNr));
        rcd.tekstNr = 0;
        persoon_.Store(nr, rcd);
    }

    void KoppelRegel(int32_t regelNr, int32_t inCheckNr)
    {
        WIN_rsv_res_rgl regel = rgl_.Record(jaar_, regelNr);
        regel.inCheckNr = inCheckNr;
        ++regel.wijzigTeller;
        rgl_.Store(jaar_, regelNr, regel);
    }

private:
    int32_t jaar_;
    RecordCache<WIN_rsv_res_hfd> hfd_{Bestanden::ResHfd, tfPerJaar, false, false};
    RecordCache<WIN_rsv_incheck> inCheck_{Bestanden::InCheck, tfPerJaar, false, false};
    RecordCache<WIN_rsv_res_rgl> rgl_{Bestanden::ResRgl, tfPerJaar, false, false};
    RecordCache<WIN_rsv_persoon> persoon_{Bestanden::Persoon, tfEenBestand, false, false};
    brlib::RecordCacheImpl tekst_{sizeof(brlib::DOS_tkst_dsk_strukt), Bestanden::PersoonTekst, tfEenBestand, false,
                                  false};
};

bool Bevat(const std::vector<brlib::stPersoon>& personen, int32_t nr)
{
    for (const brlib::stPersoon& p : personen)
        if (p.recNr == nr)
            return true;
    return false;
}

// A new check-in record with its till registration.
WIN_rsv_incheck NieuweInCheck(const JaarNr& sleutel, bool producten)
{
    WIN_rsv_incheck rcd{};
    const TDateTime moment = NuMetTijd();
    rcd.ZetInCheckDatum(moment);
    const JaarNr registratie = Tillra::RegistratieAccess::MaakIncheckReg(moment, sleutel);
    rcd.kassaJaar = static_cast<uint16_t>(registratie.jaar);
    rcd.kassaNr = registratie.nr;
    rcd.productenGeregistreerd = producten ? 1 : 0;
    return rcd;
}

}  // namespace

InCheckUitkomst InCheckOpslaan(brlib::RsvReservering& res, const InCheckOpdracht& opdracht)
{
    SlotActie actie({QStringLiteral("rsv")});
    if (!actie.Locked())
        return InCheckUitkomst::GeenSlot;
    brlib::stRes& kamer = res.kamerRegels.at(opdracht.kamer);
    const int32_t jaar = res.sleutel.jaar;
    InCheckSchrijver schrijver(jaar);
    if (!schrijver.KopOngewijzigd(res))
        return InCheckUitkomst::Gewijzigd;
    logboek::NoteerReservering(QStringLiteral("Inchecken"), res.sleutel);

    const bool nieuw = kamer.inCheck.sleutel.IsLeeg();
    int32_t wijzigTeller = res.wijzigTeller;
    const bool producten = nieuw && opdracht.registreerProducten;
    if (producten)
        wijzigTeller = schrijver.ProductenGeregistreerd(res.sleutel);

    const int32_t nr = nieuw ? schrijver.NieuwNummer() : kamer.inCheck.sleutel.nr;
    WIN_rsv_incheck rcd = nieuw ? NieuweInCheck(JaarNr(jaar, nr), producten) : schrijver.LeesInCheck(nr);
    const std::vector<int32_t> los = nieuw ? std::vector<int32_t>{} : schrijver.MaakPersonenLos(rcd.eerstePersoon);
    std::vector<brlib::stPersoon> personen = opdracht.personen;
    rcd.eerstePersoon = schrijver.SchrijfPersonen(personen);
    for (int32_t oud : los)
        if (!Bevat(personen, oud))
            schrijver.LaatPersoonVallen(oud);
    ++rcd.wijzigTeller;
    rcd.hfdNr = res.sleutel.nr;
    rcd.rglNr = kamer.regelNr;
    schrijver.SchrijfInCheck(nr, rcd);
    schrijver.KoppelRegel(kamer.regelNr, nr);
    brlib::RsvChangeUpdateCount();
    actie.Commit();

    res.wijzigTeller = wijzigTeller;
    if (producten)
        res.productStatus = 2;
    kamer.inCheck.sleutel = JaarNr(jaar, nr);
    kamer.inCheck.wijzigTeller = rcd.wijzigTeller;
    kamer.inCheck.inCheckTijd = rcd.InCheckDatum();
    kamer.inCheck.productenGeregistreerd = rcd.productenGeregistreerd != 0;
    kamer.inCheck.kassaRegistratie =
        rcd.kassaJaar || rcd.kassaNr ? JaarNr(rcd.kassaJaar, rcd.kassaNr) : JaarNr();
    kamer.inCheck.personen = personen;
    return InCheckUitkomst::Opgeslagen;
}

}  // namespace incheck
