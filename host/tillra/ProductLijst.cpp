#include "host/tillra/ProductLijst.h"

#include "host/tillra/Afronding.h"
#include "host/tillra/ArtikelSource.h"
#include "host/tillra/KassaBon.h"

namespace Tillra {

int VoegProductToe(std::vector<t_BonRegel>& regels, int alleenLezen, ArtikelSource& artikelen, int32_t artikelNr,
                   TDateTime moment)
{
    if (!artikelen.ReadKaartNr(artikelNr))
        return -1;
    for (int i = std::max(alleenLezen, 0); i < static_cast<int>(regels.size()); ++i) {
        if (regels[i].artikelNr == artikelNr && !regels[i].IsTekstRegel()) {
            regels[i].aantal = rondaf(regels[i].aantal, 0) + 1;
            return i;
        }
    }
    t_BonRegel regel;
    regel.VulVanArtKaart(artikelen, moment);
    regels.push_back(regel);
    return static_cast<int>(regels.size()) - 1;
}

QString TotaalRegel(const std::vector<t_BonRegel>& regels, TDateTime moment)
{
    double aantal = 0;
    for (const t_BonRegel& regel : regels)
        aantal += regel.aantal;
    return QStringLiteral("Aantal producten: %1  |  Totaal bedrag: %2 %3")
        .arg(QString::number(rondaf(aantal, 0), 'f', 0), QString(QChar(0x20AC)),
             QString::number(TotaalBedrag(regels, moment), 'f', 2));
}

}  // namespace Tillra
