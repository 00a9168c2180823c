#include "host/tillra/KassaControle.h"

#include <set>

#include "host/records/FindFiles.h"
#include "host/tillra/BonRegelRecords.h"
#include "host/tillra/KassaBestanden.h"
#include "host/tillra/RegistratieRecords.h"
#include "store/Bestanden.h"
#include "store/BestandInhoud.h"
#include "store/KettingControle.h"
#include "store/WinRsvResHfd.h"

namespace Tillra {

namespace {

constexpr int kPerJaar = brlib::tfPerJaar;

// The owners of one kind of product lines: who they are and where their head pair lies.
struct Eigenaar {
    int32_t nr;
    int32_t eerste;
    int32_t laatste;
};

struct RegelSoort {
    QString prefix;
    QString eigenaarNaam;
    QString eigenaarBestand;
    std::vector<Eigenaar> eigenaars;
};

template <class T>
Inhoud<T> Lees(const QString& bestand, int32_t jaar, Rapport& rapport)
{
    return LeesInhoud<T>(bestand.toLatin1().constData(), kPerJaar, jaar, rapport);
}

template <class T, class F>
std::vector<Eigenaar> Eigenaars(const Inhoud<T>& inhoud, F kop)
{
    std::vector<Eigenaar> eigenaars;
    for (int32_t nr = 1; nr <= inhoud.Aantal(); ++nr)
        eigenaars.push_back(kop(nr, inhoud[nr]));
    return eigenaars;
}

std::vector<int32_t> Jaren()
{
    std::set<int32_t> jaren;
    for (const QString& bestand : {QString(Bestanden::ResHfd), QString(KassaBestanden::Registratie),
                                   QString(KassaBestanden::Mutatie), QString(KassaBestanden::RegBoeking),
                                   KassaBestanden::ReserveringRegels + QStringLiteral("bonrgls.dat"),
                                   KassaBestanden::RegistratieRegels + QStringLiteral("bonrgls.dat"),
                                   KassaBestanden::MutatieRegels + QStringLiteral("bonrgls.dat")}) {
        QStringList paden;
        std::vector<int32_t> vanBestand;
        brlib::FindFiles(bestand, kPerJaar, paden, vanBestand);
        jaren.insert(vanBestand.begin(), vanBestand.end());
    }
    return {jaren.begin(), jaren.end()};
}

// Records in use that no chain and no free list reached.
template <class T>
void ControleerWezen(const Inhoud<T>& inhoud, const Plekken& plek, Rapport& rapport)
{
    const T leeg{};
    for (int32_t nr = T{}.ReservedRecs() + 1; nr <= inhoud.Aantal(); ++nr)
        if (plek[nr].isEmpty() && std::memcmp(&inhoud[nr], &leeg, sizeof(T)) != 0)
            rapport.Meld(inhoud.bestand, inhoud.jaar, nr, QStringLiteral("hoort bij geen enkele ketting"));
}

void ControleerRegels(const RegelSoort& soort, int32_t jaar, Rapport& rapport)
{
    const auto regels = Lees<sa_kas_art_rgls2>(soort.prefix + QStringLiteral("bonrgls.dat"), jaar, rapport);
    const auto bw = Lees<bereidingswijze>(soort.prefix + QStringLiteral("bw.dat"), jaar, rapport);
    Plekken plekRegel = regels.LegePlekken();
    Plekken plekBw = bw.LegePlekken();
    ControleerVrijeLijst(regels, plekRegel, rapport);
    ControleerVrijeLijst(bw, plekBw, rapport);
    for (const Eigenaar& e : soort.eigenaars) {
        const QString naam = soort.eigenaarNaam + QLatin1Char(' ') + QString::number(e.nr);
        const KettingKop kop{naam, soort.eigenaarBestand, jaar, e.nr, e.eerste, e.laatste, true};
        for (int32_t nr : LoopKetting(regels, 0, kop, plekRegel, rapport)) {
            if (regels[nr].eigenaar != e.nr)
                rapport.Meld(regels.bestand, jaar, nr, QStringLiteral("staat in de ketting van ") + naam +
                                                           QStringLiteral(" maar hoort bij ") +
                                                           QString::number(regels[nr].eigenaar));
            const KettingKop bwKop{QStringLiteral("regel ") + QString::number(nr), regels.bestand, jaar, nr,
                                   regels[nr].eersteBw, regels[nr].laatsteBw, true};
            LoopKetting(bw, 0, bwKop, plekBw, rapport);
        }
    }
    ControleerWezen(regels, plekRegel, rapport);
    ControleerWezen(bw, plekBw, rapport);
}

void ControleerBoekingen(const Inhoud<sa_kas_registratie>& registraties, int32_t jaar, Rapport& rapport)
{
    const auto boekingen = Lees<sa_kas_reg_boeking>(KassaBestanden::RegBoeking, jaar, rapport);
    Plekken plek = boekingen.LegePlekken();
    for (int32_t nr = 1; nr <= registraties.Aantal(); ++nr) {
        const QString naam = QStringLiteral("registratie ") + QString::number(nr);
        const KettingKop kop{naam, registraties.bestand, jaar, nr, registraties[nr].eerste, registraties[nr].laatste, true};
        for (int32_t lid : LoopKetting(boekingen, 0, kop, plek, rapport))
            if (boekingen[lid].regNr != nr)
                rapport.Meld(boekingen.bestand, jaar, lid, QStringLiteral("staat in de ketting van ") + naam);
    }
    ControleerWezen(boekingen, plek, rapport);
}

void ControleerJaar(int32_t jaar, Rapport& rapport)
{
    const auto hfd = Lees<WIN_rsv_res_hfd>(Bestanden::ResHfd, jaar, rapport);
    const auto registraties = Lees<sa_kas_registratie>(KassaBestanden::Registratie, jaar, rapport);
    const auto mutaties = Lees<sa_kas_mutatie>(KassaBestanden::Mutatie, jaar, rapport);
    const RegelSoort soorten[] = {
        {KassaBestanden::ReserveringRegels, QStringLiteral("reservering"), hfd.bestand,
         Eigenaars(hfd, [](int32_t nr, const WIN_rsv_res_hfd& r) { return Eigenaar{nr, r.eersteProduct, r.laatsteProduct}; })},
        {KassaBestanden::RegistratieRegels, QStringLiteral("registratie"), registraties.bestand,
         Eigenaars(registraties, [](int32_t nr, const sa_kas_registratie& r) { return Eigenaar{nr, r.eersteRegel, r.laatsteRegel}; })},
        {KassaBestanden::MutatieRegels, QStringLiteral("afrekening"), mutaties.bestand,
         Eigenaars(mutaties, [](int32_t nr, const sa_kas_mutatie& r) { return Eigenaar{nr, r.eersteRegel, r.laatsteRegel}; })},
    };
    for (const RegelSoort& soort : soorten)
        ControleerRegels(soort, jaar, rapport);
    ControleerBoekingen(registraties, jaar, rapport);
}

}  // namespace

std::vector<Bevinding> ControleerKassaBestanden()
{
    Rapport rapport;
    for (int32_t jaar : Jaren())
        ControleerJaar(jaar, rapport);
    return rapport.Neem();
}

}  // namespace Tillra
