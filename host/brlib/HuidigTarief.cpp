#include "host/brlib/HuidigTarief.h"

#include <cmath>
#include <map>
#include <vector>

namespace brlib {

namespace {

struct Blok {
    int soort = -1;  // index in matrix.soorten; -1: no rate for this night
    int nachten = 1;
    double bedrag = 0;
};

double OpCenten(double bedrag) { return std::round(bedrag * 100.0) / 100.0; }

int PeriodeVan(const stMatrix& matrix, TDateTime nacht)
{
    const std::vector<stPeriode>& periodes = matrix.soorten.front().periodes;
    int gevonden = 0;
    for (size_t p = 0; p < periodes.size(); ++p)
        if (periodes[p].begin <= nacht)
            gevonden = static_cast<int>(p);
    return gevonden;
}

// Step 2: the largest per-N-days block (N >= 2) that fits in `over` nights.
Blok GrootsteBlok(const stMatrix& matrix, int periode, int over)
{
    Blok blok;
    for (size_t s = 0; s < matrix.soorten.size(); ++s) {
        const stMatrixSoort& soort = matrix.soorten[s];
        const int n = soort.soort.aantalDagen;
        if (n >= 2 && n <= over && soort.bedragen[periode] != 0 && (blok.soort < 0 || n > blok.nachten))
            blok = {static_cast<int>(s), n, soort.bedragen[periode]};
    }
    return blok;
}

// Step 3: a single night, on a flagged weekday or per day.
Blok EnkeleNacht(const stMatrix& matrix, int periode, TDateTime nacht)
{
    for (bool weekDag : {true, false})
        for (size_t s = 0; s < matrix.soorten.size(); ++s) {
            const stMatrixSoort& soort = matrix.soorten[s];
            const bool past = weekDag ? soort.soort.IsWeekDag() && soort.soort.GeldtOp(nacht)
                                      : soort.soort.aantalDagen == 1;
            if (past && soort.bedragen[periode] != 0)
                return {static_cast<int>(s), 1, soort.bedragen[periode]};
        }
    return {};
}

std::vector<Blok> Blokken(const stMatrix& matrix, TDateTime begin, int nachten)
{
    std::vector<Blok> blokken;
    for (int i = 0; i < nachten;) {
        const TDateTime nacht = begin + i;
        const int periode = PeriodeVan(matrix, nacht);
        Blok blok = GrootsteBlok(matrix, periode, nachten - i);
        if (blok.soort < 0)
            blok = EnkeleNacht(matrix, periode, nacht);
        blokken.push_back(blok);
        i += blok.nachten;
    }
    return blokken;
}

// The rate type that priced the most nights; the earliest used on a tie.
int MeesteNachten(const std::vector<Blok>& blokken)
{
    std::map<int, int> nachten;
    for (const Blok& blok : blokken)
        if (blok.soort >= 0)
            nachten[blok.soort] += blok.nachten;
    int beste = -1;
    for (const Blok& blok : blokken)
        if (blok.soort >= 0 && (beste < 0 || nachten[blok.soort] > nachten[beste]))
            beste = blok.soort;
    return beste;
}

}  // namespace

bool RsvBepaalHuidigTarief(stResTarief& regel)
{
    const TDateTime begin = DateOf(regel.begin);
    const int nachten = static_cast<int>(std::lround(DateOf(regel.eind) - begin));
    regel.prijs = regel.bedrag = 0;
    regel.tariefCode.clear();
    regel.tariefTekst2.clear();
    if (nachten < 1 || regel.matrix.Leeg() || regel.matrix.AantalPeriodes() == 0)
        return false;

    const std::vector<Blok> blokken = Blokken(regel.matrix, begin, nachten);
    bool volledig = true;
    for (const Blok& blok : blokken) {
        regel.bedrag += blok.bedrag;
        volledig = volledig && blok.soort >= 0;
    }
    regel.bedrag = OpCenten(regel.bedrag);
    regel.prijs = OpCenten(regel.bedrag / nachten);
    if (const int soort = MeesteNachten(blokken); soort >= 0)
        regel.tariefCode = regel.matrix.soorten[soort].soort.code;
    regel.tariefTekst2 = regel.matrix.soorten.front().periodes[PeriodeVan(regel.matrix, begin)].omschr;
    return volledig;
}

}  // namespace brlib
