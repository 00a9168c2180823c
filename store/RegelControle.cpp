#include "store/ControleStappen.h"
#include "store/KettingControle.h"

namespace {

// The check-in a line points to belongs to the line's reservation and, when it
// is the line's own, has not been cancelled (cancelling clears the link).
// Split parts of a room share the check-in of the part it was made for.
void TegenInCheck(const JaarBestanden& j, int32_t nr, Rapport& rapport)
{
    const int32_t inCheckNr = j.rgl[nr].inCheckNr;
    if (inCheckNr == 0 || !j.inCheck.leesbaar)
        return;
    if (!j.inCheck.Bestaat(inCheckNr)) {
        rapport.Meld(j.rgl.bestand, j.jaar, nr, "incheck " + ketting_detail::Buiten(j.inCheck, inCheckNr));
        return;
    }
    const WIN_rsv_incheck& inCheck = j.inCheck[inCheckNr];
    const int32_t hfdNr = j.rgl[nr].hfdNr;
    const QString naam = "incheck " + QString::number(inCheckNr);
    if (inCheck.hfdNr != hfdNr)
        rapport.Meld(j.rgl.bestand, j.jaar, nr,
                     naam + " hoort bij reservering " + QString::number(inCheck.hfdNr) + ", de regel bij reservering " +
                         QString::number(hfdNr));
    else if (inCheck.rglNr == nr && inCheck.geannuleerd != 0)
        rapport.Meld(j.rgl.bestand, j.jaar, nr, naam + " van de regel is geannuleerd");
}

}  // namespace

void ControleerRegel(const JaarBestanden& j, int32_t nr, Rapport& rapport)
{
    const TDateTime begin = j.rgl[nr].BeginDatum();
    if (j.rgl[nr].EindDatum() <= begin)
        rapport.Meld(j.rgl.bestand, j.jaar, nr, "einddatum ligt niet na de begindatum");
    // Readers look a line up in the files of the year of its begin date.
    if (Jaar(begin) != j.jaar)
        rapport.Meld(j.rgl.bestand, j.jaar, nr, "begindatum ligt niet in het jaar van zijn reservering");
    TegenInCheck(j, nr, rapport);
}
