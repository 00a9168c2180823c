#include "host/brlib/TariefMatrix.h"

#include <algorithm>

#include "host/brlib/Inlezen.h"

namespace brlib {

bool stMatrix::Leeg() const
{
    return std::none_of(soorten.begin(), soorten.end(), [](const stMatrixSoort& s) {
        return std::any_of(s.bedragen.begin(), s.bedragen.end(), [](double b) { return b != 0; });
    });
}

bool stMatrix::ZetBedrag(int rij, double bedrag)
{
    const int perSoort = AantalPeriodes();
    if (rij < 0 || perSoort == 0 || rij / perSoort >= static_cast<int>(soorten.size()))
        return false;
    soorten[rij / perSoort].bedragen[rij % perSoort] = bedrag;
    return true;
}

bool MaakTariefMatrix(int jaar, stMatrix& matrix)
{
    matrix = stMatrix{jaar, {}};
    std::vector<stTariefSoort> soorten;
    InlezenTariefSoorten(soorten);
    std::vector<stPeriode> periodes;
    InlezenPeriodes(jaar, periodes);
    if (soorten.empty() || periodes.empty())
        return false;
    for (const stTariefSoort& soort : soorten)
        matrix.soorten.push_back({soort, soort.code, periodes, std::vector<double>(periodes.size(), 0.0)});
    return true;
}

void VulTariefMatrix(stMatrix& matrix, const std::vector<stTarief>& tarieven)
{
    for (const stTarief& tarief : tarieven)
        for (stMatrixSoort& soort : matrix.soorten) {
            if (soort.soort.recNr != tarief.tariefSoort)
                continue;
            for (size_t p = 0; p < soort.periodes.size(); ++p)
                if (soort.periodes[p].recNr == tarief.periode)
                    soort.bedragen[p] = tarief.bedrag;
        }
}

void MaakTariefLijst(const stMatrix& matrix, std::vector<stTarief>& tarieven)
{
    tarieven.clear();
    for (const stMatrixSoort& soort : matrix.soorten)
        for (size_t p = 0; p < soort.periodes.size(); ++p)
            if (soort.bedragen[p] != 0)
                tarieven.push_back({soort.soort.recNr, soort.periodes[p].recNr, soort.bedragen[p]});
}

}  // namespace brlib
