#include "reservation/KamerGrid.h"

#include "host/ui/TGridView.h"

QString VerplaatstTekst(const brlib::stRes& regel)
{
    if (regel.verplaatstNaar < 1)
        return {};
    return QStringLiteral("*VERPLAATST NAAR ") + QString::number(regel.verplaatstNaar) + QStringLiteral("*");
}

void VulKamerGrid(TGridView& grid, const std::vector<brlib::stRes>& regels)
{
    grid.Execute([&] {
        for (const brlib::stRes& regel : regels) {
            grid.FillNewColDatum(QStringLiteral("begindat"), &regel.begin);
            grid.FillNewColDatum(QStringLiteral("einddat"), &regel.eind);
            grid.FillNewCol(QStringLiteral("kamernr"), &regel.kamerNr);
            grid.FillNewCol(QStringLiteral("kamertype"), &regel.kamerType);
            grid.FillNewCol(QStringLiteral("prijs"), &regel.prijs);
            grid.FillNewCol(QStringLiteral("bedrag"), &regel.bedrag);
            grid.FillNewCol(QStringLiteral("tariefcode"), &regel.tariefCode);
            if (regel.verplaatstNaar > 0) {
                const QString opm = VerplaatstTekst(regel);
                grid.FillNewCol(QStringLiteral("opm"), &opm);
            } else {
                grid.FillNewCol(QStringLiteral("personen"), &regel.personen);
            }
            grid.EndGroup();
        }
    });
}

void LeesPersonen(const TGridView& grid, std::vector<brlib::stRes>& regels)
{
    for (int rij = 0; rij < static_cast<int>(regels.size()); ++rij) {
        int personen = 0;
        if (regels[rij].verplaatstNaar <= 0 && grid.GetCellValue(QStringLiteral("personen"), rij, &personen))
            regels[rij].personen = personen;
    }
}
