#include "host/brlib/ResRecords.h"

#include "store/RecordTekst.h"

namespace brlib {

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
