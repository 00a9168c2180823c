#include "masterdata/PeriodeOpslag.h"

#include <algorithm>
#include <cstdlib>

#include "host/brlib/Inlezen.h"
#include "logboek/StamVelden.h"
#include "masterdata/StamActie.h"
#include "masterdata/TariefOpslag.h"
#include "store/Bestanden.h"

void LeesPeriodes(int jaar, std::vector<brlib::stPeriode>& lijst)
{
    brlib::InlezenPeriodes(jaar, lijst);
    if (lijst.empty())
        lijst.push_back(brlib::stPeriode::Standaard(jaar));
}

Controle<PeriodeVeld> ControleerPeriode(const std::vector<brlib::stPeriode>& lijst, int rij, TDateTime begin,
                                        const QString& omschr)
{
    if (omschr.trimmed().isEmpty())
        return Afkeuring<PeriodeVeld>{PeriodeVeld::Omschr,
                                      QStringLiteral("Geef een omschrijving op voor deze periode.")};
    for (int i = 0; i < static_cast<int>(lijst.size()); ++i)
        if (i != rij && lijst[i].recNr >= 0 && DateOf(lijst[i].begin) == DateOf(begin))
            return Afkeuring<PeriodeVeld>{PeriodeVeld::Datum,
                                          QStringLiteral("Periode met deze begindatum is al aanwezig!")};
    return std::nullopt;
}

QString VerwijderVraag(const brlib::stPeriode& periode, bool metTarieven)
{
    QString vraag = QStringLiteral("Wilt u periode \"") + periode.omschr + QStringLiteral("\" verwijderen?");
    if (metTarieven)
        vraag += QStringLiteral("\n\nLET OP: Tarieven die gekoppeld zijn aan deze periode worden ook verwijderd!");
    return vraag;
}

TDateTime MarkeerVoorVerwijderen(std::vector<brlib::stPeriode>& lijst, int rij)
{
    const int buur = rij + 1 < static_cast<int>(lijst.size()) ? rij + 1 : rij - 1;
    const TDateTime focus = buur >= 0 ? lijst[buur].begin : lijst[rij].begin;
    // A period that was never stored has no record to clear: it just goes.
    if (lijst[rij].recNr == 0)
        lijst.erase(lijst.begin() + rij);
    else
        lijst[rij].recNr = -std::abs(lijst[rij].recNr);
    return focus;
}

namespace {

void SchrijfPeriode(RecordCache<WIN_rsv_periode>& cache, int jaar, brlib::stPeriode& periode)
{
    if (periode.recNr < 0) {
        const int32_t nr = -periode.recNr;
        cache.Store(jaar, nr, WIN_rsv_periode{});
        VerwijderTarieven(TarievenVanPeriode(jaar, nr));
        return;
    }
    if (periode.recNr == 0)
        periode.recNr = cache.RecordCount(jaar) + 1;
    cache.Store(jaar, periode.recNr, periode.GetRcd());
}

// The file keeps the same end dates as the reader gives.
void ZetEindDatums(int jaar, std::vector<brlib::stPeriode>& lijst)
{
    std::vector<brlib::stPeriode*> blijvend;
    for (brlib::stPeriode& periode : lijst)
        if (periode.recNr >= 0)
            blijvend.push_back(&periode);
    std::stable_sort(blijvend.begin(), blijvend.end(), [](auto* a, auto* b) { return a->begin < b->begin; });
    for (size_t i = 0; i < blijvend.size(); ++i)
        blijvend[i]->eind = i + 1 < blijvend.size() ? blijvend[i + 1]->begin - 1 : EncodeDate(jaar, 12, 31);
}

}  // namespace

bool SlaPeriodesOp(int jaar, std::vector<brlib::stPeriode>& lijst)
{
    std::vector<brlib::stPeriode> kopie = lijst;
    ZetEindDatums(jaar, kopie);
    const bool gelukt = VoerStamActieUit(QStringLiteral("Registreren periodes"), [&] {
        logboek::NoteerStam(QStringLiteral("Periodes"), QStringLiteral("periodes ") + QString::number(jaar),
                            [jaar] { return logboek::PeriodeVelden(jaar); });
        RecordCache<WIN_rsv_periode> cache(Bestanden::Periode, brlib::tfPerJaar, false, false);
        for (brlib::stPeriode& periode : kopie)
            SchrijfPeriode(cache, jaar, periode);
        return QString();
    });
    if (gelukt)
        lijst = kopie;
    return gelukt;
}
