#include "board/BordDeelLaden.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <iterator>

#include "board/BordDatums.h"
#include "board/BordLaden.h"
#include "board/BordRegelLezer.h"
#include "host/records/Werkstation.h"

namespace bord {

namespace {

// The room numbers of the shown rows as a flat table: asked once per line of the window.
class ZichtbareKamers {
public:
    ZichtbareKamers(const BordToestand& t, RijBereik rijen)
    {
        if (rijen.eerste >= rijen.voorbij)
            return;
        laag_ = hoog_ = t.kamers[size_t(rijen.eerste)].kamerNr;
        for (int r = rijen.eerste; r < rijen.voorbij; ++r) {
            laag_ = std::min(laag_, t.kamers[size_t(r)].kamerNr);
            hoog_ = std::max(hoog_, t.kamers[size_t(r)].kamerNr);
        }
        bits_.assign(size_t(int64_t(hoog_) - laag_ + 1), false);
        for (int r = rijen.eerste; r < rijen.voorbij; ++r)
            bits_[size_t(t.kamers[size_t(r)].kamerNr - laag_)] = true;
    }

    bool Bevat(int32_t kamerNr) const
    {
        return kamerNr >= laag_ && kamerNr <= hoog_ && !bits_.empty() && bits_[size_t(kamerNr - laag_)];
    }

private:
    int32_t laag_ = 0;
    int32_t hoog_ = -1;
    std::vector<bool> bits_;
};

// The rest's lines estimated from the shown rows' share of rooms and days, so
// that its list does not grow by copying: it holds most of the board's memory.
size_t GeschatteRest(const BordToestand& t, RijBereik rijen, int gelezenDagen)
{
    const double kamers = double(t.kamers.size()) / std::max(1, rijen.voorbij - rijen.eerste);
    const double dagen = double(2 * kLaadDagen) / gelezenDagen;
    return static_cast<size_t>(1.1 * double(t.items.size()) * kamers * dagen);
}

RijBereik Begrensd(RijBereik rijen, int kamers)
{
    return {std::clamp(rijen.eerste, 0, kamers), std::clamp(rijen.voorbij, 0, kamers)};
}

bool LoontDeels(const BordToestand& t, RijBereik rijen, int drempel)
{
    const int kamers = static_cast<int>(t.kamers.size());
    const bool modus = t.nieuwModus || t.verplaatsModus != 0 || t.periodeModus != 0 || t.groepModus != 0;
    return !modus && !t.HeeftNieuweRegels() && kamers >= drempel && rijen.voorbij - rijen.eerste < kamers;
}

}  // namespace

struct DeelLader::Rest {
    BordToestand deel;   // only its items, extras and extras' index are used
    size_t geschat = 0;  // lines expected in the rest
    std::unique_ptr<BordRegelLezer> lezer;
    std::atomic<bool> stop{false};
    std::exception_ptr fout;
};

DeelLader::DeelLader() = default;

DeelLader::~DeelLader() { Stop(); }

void DeelLader::Laad(BordToestand& toestand, RijBereik gevraagd, std::function<void()> gelezen)
{
    Stop();
    const RijBereik rijen = Begrensd(gevraagd, static_cast<int>(toestand.kamers.size()));
    if (!LoontDeels(toestand, rijen, drempel_)) {
        LoadItems(toestand);
        return;
    }
    const int start = DagGetal(toestand.startDatum);
    const int eindeZicht = start + kZichtbareDagen;
    const auto zichtbaar = std::make_shared<const ZichtbareKamers>(toestand, rijen);
    const auto vooraan = [zichtbaar, eindeZicht](int32_t kamerNr, int aankomst) {
        return aankomst < eindeZicht && zichtbaar->Bevat(kamerNr);
    };
    auto rest = NieuweRest(toestand);
    BordRegelLezer& lezer = *rest->lezer;
    lezer.ZetKeuze(vooraan);
    for (int d = start - kLaadDagen; d < eindeZicht; ++d)
        lezer.LeesDag(d);
    VulVoorRegistraties(toestand.extras, lezer.MetVoorRegistratie());
    // The thread reads the whole window again from the chunks read so far.
    lezer.ZetDoel(rest->deel);
    lezer.ZetKeuze([vooraan](int32_t kamerNr, int aankomst) { return !vooraan(kamerNr, aankomst); });
    rest->geschat = GeschatteRest(toestand, rijen, eindeZicht - (start - kLaadDagen));
    rest_ = std::move(rest);
    geladen_ = rijen;
    draad_ = std::thread(&DeelLader::LeesRest, rest_.get(), start, std::move(gelezen));
}

void DeelLader::LeesRest(Rest* rest, int start, const std::function<void()>& gelezen)
{
    // The previous load is emptied here, its lists kept for the rest.
    rest->deel.items.clear();
    rest->deel.extras.clear();
    rest->deel.extraIndex.clear();
    rest->deel.items.reserve(rest->geschat);
    try {
        for (int d = start - kLaadDagen; d < start + kLaadDagen && !rest->stop; ++d)
            rest->lezer->LeesDag(d);
    } catch (...) {
        rest->fout = std::current_exception();
    }
    if (!rest->stop && gelezen)
        gelezen();
}

std::unique_ptr<DeelLader::Rest> DeelLader::NieuweRest(BordToestand& toestand)
{
    // The previous load's lists go to the thread, which empties them and reads
    // the rest into them: the lines are freed there, and their memory is used
    // again instead of being given back and faulted in anew.
    auto rest = std::make_unique<Rest>();
    std::swap(rest->deel.items, toestand.items);
    std::swap(rest->deel.extras, toestand.extras);
    std::swap(rest->deel.extraIndex, toestand.extraIndex);
    // A workstation of its own: the thread then shares no open action, lock or
    // overlay with what the GUI thread reads and writes meanwhile.
    const std::shared_ptr<brlib::Werkstation> hier = brlib::Werkstation::Huidig();
    const brlib::WerkstationScope eigen(std::make_shared<brlib::Werkstation>(hier->AdminDir(), hier->Fs()));
    rest->lezer = std::make_unique<BordRegelLezer>(toestand);
    return rest;
}

bool DeelLader::Voltooi(BordToestand& toestand)
{
    if (!rest_)
        return false;
    draad_.join();
    const std::unique_ptr<Rest> rest = std::move(rest_);
    BordToestand& deel = rest->deel;
    VulVoorRegistraties(deel.extras, rest->lezer->MetVoorRegistratie());
    rest->lezer.reset();
    // The rest is by far the larger part: the shown rows' lines and reservations
    // join it rather than the other way round, so that nothing is held twice or
    // indexed again. Item numbers change; the caller rebuilds the cells.
    deel.items.insert(deel.items.end(), std::make_move_iterator(toestand.items.begin()),
                      std::make_move_iterator(toestand.items.end()));
    for (brlib::stExtraRes& extra : toestand.extras) {
        if (deel.extraIndex.emplace(extra.resSleutel, static_cast<int>(deel.extras.size())).second)
            deel.extras.push_back(std::move(extra));
    }
    toestand.items = std::move(deel.items);
    toestand.extras = std::move(deel.extras);
    toestand.extraIndex = std::move(deel.extraIndex);
    if (rest->fout)
        std::rethrow_exception(rest->fout);
    return true;
}

void DeelLader::Stop()
{
    if (!rest_)
        return;
    rest_->stop = true;
    draad_.join();
    rest_.reset();
}

}  // namespace bord
