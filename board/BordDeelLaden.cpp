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

bool LoontDeels(const BordToestand& t, RijBereik rijen, int drempel)
{
    const int kamers = static_cast<int>(t.kamers.size());
    const bool modus = t.nieuwModus || t.verplaatsModus != 0 || t.periodeModus != 0 || t.groepModus != 0;
    rijen.eerste = std::max(rijen.eerste, 0);
    rijen.voorbij = std::min(rijen.voorbij, kamers);
    return !modus && !t.HeeftNieuweRegels() && kamers >= drempel && rijen.voorbij - rijen.eerste < kamers;
}

}  // namespace

struct DeelLader::Rest {
    BordToestand deel;  // only its items, extras and extras' index are used
    std::unique_ptr<BordRegelLezer> lezer;
    std::atomic<bool> stop{false};
    std::exception_ptr fout;
};

DeelLader::DeelLader() = default;

DeelLader::~DeelLader() { Stop(); }

void DeelLader::Laad(BordToestand& toestand, RijBereik rijen, std::function<void()> gelezen)
{
    Stop();
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
    toestand.items.clear();
    toestand.extras.clear();
    toestand.extraIndex.clear();
    {
        BordRegelLezer lezer(toestand);
        lezer.ZetKeuze(vooraan);
        for (int d = start - kLaadDagen; d < eindeZicht; ++d)
            lezer.LeesDag(d);
        VulVoorRegistraties(toestand.extras, lezer.MetVoorRegistratie());
    }
    auto rest = std::make_unique<Rest>();
    {
        // A workstation of its own: the thread then shares no open action,
        // lock or overlay with what the GUI thread reads and writes meanwhile.
        const std::shared_ptr<brlib::Werkstation> hier = brlib::Werkstation::Huidig();
        const brlib::WerkstationScope eigen(std::make_shared<brlib::Werkstation>(hier->AdminDir(), hier->Fs()));
        rest->lezer = std::make_unique<BordRegelLezer>(rest->deel);
    }
    rest->lezer->ZetKeuze([vooraan](int32_t kamerNr, int aankomst) { return !vooraan(kamerNr, aankomst); });
    rest_ = std::move(rest);
    draad_ = std::thread([r = rest_.get(), start, gelezen = std::move(gelezen)] {
        try {
            for (int d = start - kLaadDagen; d < start + kLaadDagen && !r->stop; ++d)
                r->lezer->LeesDag(d);
        } catch (...) {
            r->fout = std::current_exception();
        }
        if (!r->stop && gelezen)
            gelezen();
    });
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
    // The rest is by far the larger part: the shown rows' lines join it rather
    // than the other way round, so that the lines are never held twice.
    // Item numbers change; the caller rebuilds the cells.
    deel.items.insert(deel.items.end(), std::make_move_iterator(toestand.items.begin()),
                      std::make_move_iterator(toestand.items.end()));
    toestand.items = std::move(deel.items);
    for (brlib::stExtraRes& extra : deel.extras) {
        if (toestand.extraIndex.emplace(extra.resSleutel, static_cast<int>(toestand.extras.size())).second)
            toestand.extras.push_back(std::move(extra));
    }
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
