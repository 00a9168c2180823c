#include "host/records/TekstLijst.h"

#include <cstring>
#include <vector>

#include "host/base/EBrRuntime.h"
#include "host/records/RecordCacheImpl.h"
#include "host/records/TekstLijstCodering.h"

namespace brlib {

namespace {

using Rec = DOS_tkst_dsk_strukt;
constexpr int kTekst = sizeof(Rec::tekst);

// One text-list file of one year, read and written record by record.
class TekstBestand {
public:
    TekstBestand(RecordCacheImpl& cache, int32_t jaar) : cache_(cache), jaar_(jaar)
    {
        if (cache.RecordSize() != int(sizeof(Rec)))
            Fout(QStringLiteral("Geen tekstbestand"), 0);
    }

    Rec Lees(int32_t nr)
    {
        if (nr < 1 || nr > cache_.RecordCount(jaar_))
            Fout(QStringLiteral("Verwijzing buiten het bestand naar record"), nr);
        Rec rec;
        std::memcpy(&rec, cache_.Record(jaar_, nr), sizeof rec);
        return rec;
    }

    void Schrijf(int32_t nr, const Rec& rec) { cache_.Store(jaar_, nr, &rec); }

    // The records of list `nr` in order, checked to belong to it.
    std::vector<int32_t> Keten(int32_t nr)
    {
        std::vector<int32_t> keten;
        const int32_t max = cache_.RecordCount(jaar_);
        for (int32_t x = nr; x != 0; x = Lees(x).volgende) {
            if (x == 1 || Lees(x).lijst != nr || int32_t(keten.size()) >= max)
                Fout(QStringLiteral("Beschadigde tekstlijst %1 bij record").arg(nr), x);
            keten.push_back(x);
        }
        return keten;
    }

    int32_t Nieuw()
    {
        Rec kop = Kop();
        if (kop.volgende == 0)
            return cache_.RecordCount(jaar_) + 1;
        const int32_t vrij = kop.volgende;
        const Rec rec = Lees(vrij);
        if (vrij == 1 || rec.lijst != 0)
            Fout(QStringLiteral("Beschadigde vrije lijst bij record"), vrij);
        kop.volgende = rec.volgende;
        Schrijf(1, kop);
        return vrij;
    }

    void GeefVrij(int32_t nr)
    {
        Rec kop = Kop();
        Rec rec{};
        rec.volgende = kop.volgende;
        Schrijf(nr, rec);
        kop.volgende = nr;
        Schrijf(1, kop);
    }

    [[noreturn]] void Fout(const QString& tekst, int32_t nr) const
    {
        throw EBrRuntime(QStringLiteral("%1 %2\nBestand: %3.%4 jaar = %5")
                             .arg(tekst).arg(nr).arg(cache_.NaamDeel1(), cache_.NaamDeel2()).arg(jaar_),
                         QStringLiteral("TekstLijstFile"));
    }

private:
    Rec Kop()
    {
        if (cache_.RecordCount(jaar_) >= 1)
            return Lees(1);
        const Rec kop{};
        Schrijf(1, kop);
        return kop;
    }

    RecordCacheImpl& cache_;
    int32_t jaar_;
};

void VulKeten(TekstBestand& bestand, const std::vector<int32_t>& keten, const QByteArray& bytes, int32_t eigenaar)
{
    for (size_t i = 0; i < keten.size(); ++i) {
        Rec rec{};
        rec.volgende = i + 1 < keten.size() ? keten[i + 1] : 0;
        rec.lijst = keten.front();
        rec.eigenaar = eigenaar;
        const qsizetype begin = qsizetype(i) * kTekst;
        rec.lengte = uint16_t(std::min<qsizetype>(kTekst, bytes.size() - begin));
        std::memcpy(rec.tekst, bytes.constData() + begin, rec.lengte);
        bestand.Schrijf(keten[i], rec);
    }
}

RecordCacheImpl Cache(const QString& naam, const JaarNr& sleutel, bool schrijven)
{
    return RecordCacheImpl(sizeof(Rec), naam, sleutel.jaar != 0 ? tfPerJaar : tfEenBestand, !schrijven, !schrijven);
}

}  // namespace

QStringList LeesTekstLijstFile(RecordCacheImpl& cache, const JaarNr& sleutel)
{
    if (sleutel.nr == 0)
        return {};
    TekstBestand bestand(cache, sleutel.jaar);
    QByteArray bytes;
    for (int32_t nr : bestand.Keten(sleutel.nr)) {
        const Rec rec = bestand.Lees(nr);
        bytes.append(rec.tekst, std::min<int>(rec.lengte, kTekst));
    }
    const auto regels = DecodeerRegels(bytes);
    if (!regels)
        bestand.Fout(QStringLiteral("Beschadigde tekst in tekstlijst"), sleutel.nr);
    return *regels;
}

int32_t SchrijfTekstLijstFile(RecordCacheImpl& cache, const JaarNr& sleutel, const QStringList& regels, int32_t eigenaar)
{
    if (regels.isEmpty()) {
        LeegTekstLijstFile(cache, sleutel);
        return 0;
    }
    TekstBestand bestand(cache, sleutel.jaar);
    const QByteArray bytes = CodeerRegels(regels);
    const size_t nodig = std::max<size_t>(1, (bytes.size() + kTekst - 1) / kTekst);
    std::vector<int32_t> keten = sleutel.nr != 0 ? bestand.Keten(sleutel.nr) : std::vector<int32_t>{};
    while (keten.size() > nodig) {
        bestand.GeefVrij(keten.back());
        keten.pop_back();
    }
    while (keten.size() < nodig) {
        // Mark a new record at once, so the next Nieuw does not hand it out again.
        const int32_t nr = bestand.Nieuw();
        Rec bezet{};
        bezet.lijst = keten.empty() ? nr : keten.front();
        bestand.Schrijf(nr, bezet);
        keten.push_back(nr);
    }
    VulKeten(bestand, keten, bytes, eigenaar);
    return keten.front();
}

void LeegTekstLijstFile(RecordCacheImpl& cache, const JaarNr& sleutel)
{
    if (sleutel.nr == 0)
        return;
    TekstBestand bestand(cache, sleutel.jaar);
    for (int32_t nr : bestand.Keten(sleutel.nr))
        bestand.GeefVrij(nr);
}

QStringList LeesTekstLijstFile(const QString& naam, const JaarNr& sleutel)
{
    RecordCacheImpl cache = Cache(naam, sleutel, false);
    return LeesTekstLijstFile(cache, sleutel);
}

int32_t SchrijfTekstLijstFile(const QString& naam, const JaarNr& sleutel, const QStringList& regels, int32_t eigenaar)
{
    RecordCacheImpl cache = Cache(naam, sleutel, true);
    return SchrijfTekstLijstFile(cache, sleutel, regels, eigenaar);
}

void LeegTekstLijstFile(const QString& naam, const JaarNr& sleutel)
{
    RecordCacheImpl cache = Cache(naam, sleutel, true);
    LeegTekstLijstFile(cache, sleutel);
}

}  // namespace brlib
