#include "reservation/GastNaamScan.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "host/base/EBrRuntime.h"
#include "host/base/RecordCodepage.h"
#include "host/records/TekstLijst.h"
#include "host/records/TekstLijstCodering.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResHfd.h"

namespace zoek {

namespace {

using Tekst = brlib::DOS_tkst_dsk_strukt;

// Lower-cases ASCII into `uit`; false as soon as a byte is not ASCII.
bool AsciiKlein(QByteArrayView tekst, QByteArray& uit)
{
    uit.resize(tekst.size());
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const char c = tekst[i];
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
        uit[i] = c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
    }
    return true;
}

std::vector<Tekst> LeesTeksten(int32_t jaar)
{
    RecordCache<Tekst> cache(Bestanden::ResGegTekst, brlib::tfPerJaar, true, true);
    std::vector<Tekst> teksten(cache.RecordCount(jaar));
    for (int32_t nr = 1; nr <= int32_t(teksten.size());) {
        const int32_t gelezen = cache.Records(jaar, nr, int32_t(teksten.size()) - nr + 1, &teksten[nr - 1]);
        if (gelezen < 1) {
            teksten.resize(nr - 1);
            break;
        }
        nr += gelezen;
    }
    return teksten;
}

[[noreturn]] void Beschadigd(int32_t jaar, int32_t lijst, int32_t nr)
{
    throw EBrRuntime(QStringLiteral("Beschadigde tekstlijst %1 bij record %2\nBestand: %3 jaar = %4")
                         .arg(lijst).arg(nr).arg(QString::fromLatin1(Bestanden::ResGegTekst)).arg(jaar),
                     QStringLiteral("ScanGastNamen"));
}

// The first line of a list; its bytes are gathered in `buffer` only when the
// line runs over into the next record of the chain.
class EersteRegels {
public:
    explicit EersteRegels(int32_t jaar) : jaar_(jaar), teksten_(LeesTeksten(jaar)) {}

    std::optional<QByteArrayView> Van(int32_t lijst)
    {
        buffer_.clear();
        const int32_t aantal = int32_t(teksten_.size());
        int32_t stappen = 0;
        for (int32_t x = lijst; x != 0;) {
            if (x < 2 || x > aantal || teksten_[x - 1].lijst != lijst || ++stappen > aantal)
                Beschadigd(jaar_, lijst, x);
            const Tekst& rec = teksten_[x - 1];
            const QByteArrayView deel(rec.tekst, std::min<qsizetype>(rec.lengte, sizeof rec.tekst));
            if (buffer_.isEmpty()) {
                qsizetype pos = 0;
                if (const auto regel = brlib::LeesRegelBytes(deel, pos))
                    return regel;
            }
            buffer_.append(deel);
            qsizetype pos = 0;
            if (const auto regel = brlib::LeesRegelBytes(buffer_, pos))
                return regel;
            x = rec.volgende;
        }
        if (!buffer_.isEmpty())
            Beschadigd(jaar_, lijst, lijst);
        return std::nullopt;
    }

private:
    int32_t jaar_;
    std::vector<Tekst> teksten_;
    QByteArray buffer_;
};

}  // namespace

NaamFilter::NaamFilter(const QString& naam) : naam_(naam.toLower())
{
    if (!AsciiKlein(naam_.toUtf8(), asciiNaam_))
        asciiNaam_.clear();
}

bool NaamFilter::Past(QByteArrayView regel) const
{
    if (naam_.isEmpty())
        return true;
    if (!asciiNaam_.isEmpty() && AsciiKlein(regel, buffer_))
        return QByteArrayView(buffer_).contains(asciiNaam_);
    return DecodeRecordText(regel.data(), regel.size()).toLower().contains(naam_);
}

void ScanGastNamen(int32_t jaar, const GastNaamCallback& callback)
{
    EersteRegels regels(jaar);
    RecordCache<WIN_rsv_res_hfd>(Bestanden::ResHfd, brlib::tfPerJaar, true, true)
        .Scan(jaar, 1, [&](int32_t, int32_t nr, const WIN_rsv_res_hfd& kop) {
            if (kop.resGegTekst > 0)
                if (const auto regel = regels.Van(kop.resGegTekst))
                    callback(nr, kop, *regel);
            return true;
        });
}

}  // namespace zoek
