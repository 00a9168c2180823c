#include "host/brlib/ResRecords.h"

#include "store/RecordTekst.h"

namespace brlib {

namespace {

// The value under `label` (any case); -1 as index when no label is `label`.
int LabelIndex(const QStringList& labels, const char* label)
{
    for (int i = 0; i < labels.size(); ++i)
        if (labels[i].compare(QLatin1String(label), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString Waarde(const stPersoon& persoon, const QStringList& labels, const char* label)
{
    const int i = LabelIndex(labels, label);
    return i < 0 ? QString() : persoon.waarden.value(i).trimmed();
}

}  // namespace

WIN_rsv_persoon stPersoon::GetRcd() const
{
    WIN_rsv_persoon rcd{};
    rcd.recNr = recNr;
    rcd.relatieNr = relatieNr;
    rcd.relatieNr2 = relatieSleutel;
    return rcd;
}

QString stPersoon::GetNaam(const QStringList& labels) const
{
    const QString naam = LabelIndex(labels, "Naam") < 0 ? waarden.value(0).trimmed() : Waarde(*this, labels, "Naam");
    const QString voornaam = Waarde(*this, labels, "Voornaam");
    return voornaam.isEmpty() ? naam : naam + QStringLiteral(", ") + voornaam;
}

QString stPersoon::GetPlaats(const QStringList& labels) const { return Waarde(*this, labels, "Woonplaats"); }

WIN_rsv_incheck stInCheck::GetRcd() const
{
    WIN_rsv_incheck rcd{};
    rcd.ZetInCheckDatum(inCheckTijd);
    rcd.uitgecheckt = uitgecheckt ? 1 : 0;
    rcd.ZetUitCheckDatum(uitCheckTijd);
    rcd.wijzigTeller = wijzigTeller;
    rcd.kassaJaar = static_cast<uint16_t>(kassaRegistratie.jaar);
    rcd.kassaNr = kassaRegistratie.nr;
    rcd.productenGeregistreerd = productenGeregistreerd ? 1 : 0;
    rcd.geannuleerd = geannuleerd ? 1 : 0;
    return rcd;
}

WIN_rsv_voorreg stVoorReg::GetRcd() const
{
    WIN_rsv_voorreg rcd{};
    rcd.kamerNr = kamerNr;
    rcd.relatieNr = relatieNr;
    rcd.relatieKaartNr = relatieSleutel;
    return rcd;
}

WIN_rsv_res_rgl stRes::GetRcd() const
{
    WIN_rsv_res_rgl rcd{};
    rcd.hfdNr = resSleutel.nr;
    rcd.ZetBeginDatum(begin);
    rcd.ZetEindDatum(eind);
    rcd.dagNr = static_cast<uint16_t>(DagNr(begin));
    rcd.kamerNr = kamerNr;
    rcd.prijs = prijs;
    rcd.bedrag = bedrag;
    ZetTekst(rcd.tariefCode, tariefCode);
    ZetTekst(rcd.tariefTekst2, tariefTekst2);
    rcd.wijzigTeller = wijzigTeller;
    rcd.inCheckNr = inCheck.sleutel.nr;
    rcd.soort = static_cast<uint16_t>(soort);
    rcd.personen = static_cast<uint16_t>(personen);
    rcd.verplaatstNaar = verplaatstNaar;
    return rcd;
}

stRes RegelUitRecord(JaarNr res, int32_t nr, const WIN_rsv_res_rgl& rcd)
{
    stRes regel;
    regel.regelNr = nr;
    regel.resSleutel = res;
    regel.wijzigTeller = rcd.wijzigTeller;
    regel.begin = rcd.BeginDatum();
    regel.eind = rcd.EindDatum();
    regel.kamerNr = rcd.kamerNr;
    regel.verplaatstNaar = rcd.verplaatstNaar;
    regel.prijs = rcd.prijs;
    regel.bedrag = rcd.bedrag;
    regel.tariefCode = LeesTekst(rcd.tariefCode);
    regel.tariefTekst2 = LeesTekst(rcd.tariefTekst2);
    regel.soort = rcd.soort;
    regel.personen = rcd.personen;
    if (rcd.inCheckNr > 0)
        regel.inCheck.sleutel = JaarNr(res.jaar, rcd.inCheckNr);
    return regel;
}

stInCheck InCheckUitRecord(JaarNr sleutel, const WIN_rsv_incheck& rcd)
{
    stInCheck inCheck;
    inCheck.sleutel = sleutel;
    inCheck.wijzigTeller = rcd.wijzigTeller;
    inCheck.inCheckTijd = rcd.InCheckDatum();
    inCheck.uitgecheckt = rcd.uitgecheckt != 0;
    inCheck.uitCheckTijd = rcd.UitCheckDatum();
    if (rcd.kassaJaar != 0 || rcd.kassaNr != 0)
        inCheck.kassaRegistratie = JaarNr(rcd.kassaJaar, rcd.kassaNr);
    inCheck.productenGeregistreerd = rcd.productenGeregistreerd != 0;
    inCheck.geannuleerd = rcd.geannuleerd != 0;
    return inCheck;
}

}  // namespace brlib
