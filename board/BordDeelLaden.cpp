#include "board/BordDeelLaden.h"

#include <algorithm>
#include <atomic>
#include <pthread.h>
#include <sched.h>
#include <exception>
#include <iterator>
#include <latch>
#include <thread>

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

// The rest's lines per shown line read on `dagen` days, from the shown rows'
// share of rooms and days, so that the rest's list does not grow by copying:
// it holds most of the board's memory.
double RestPerRegel(double kamerAandeel, int dagen)
{
    return 1.1 * kamerAandeel * double(2 * kLaadDagen) / std::max(1, dagen);
}

// Adds the lines of `van` and those of its reservations that `naar` lacks.
void VoegToe(BordToestand& naar, BordToestand& van)
{
    naar.items.insert(naar.items.end(), std::make_move_iterator(van.items.begin()),
                      std::make_move_iterator(van.items.end()));
    for (brlib::stExtraRes& extra : van.extras) {
        if (naar.extraIndex.emplace(extra.resSleutel, static_cast<int>(naar.extras.size())).second)
            naar.extras.push_back(std::move(extra));
    }
}

// The cores the process may use; none when the platform does not say.
cpu_set_t ProcesKernen()
{
    cpu_set_t kernen;
    if (sched_getaffinity(0, sizeof kernen, &kernen) != 0)
        CPU_ZERO(&kernen);
    return kernen;
}

// A new thread tends to start on its creator's core and to wait there until
// the scheduler moves it, which takes longer than the shown lines take to
// read: it is sent to the process's other cores, when there are any.
void NaarAndereKern(std::thread& draad, const cpu_set_t& kernen)
{
    const int hier = sched_getcpu();
    if (hier < 0)
        return;
    cpu_set_t andere = kernen;
    CPU_CLR(hier, &andere);
    if (CPU_COUNT(&andere) > 0)
        pthread_setaffinity_np(draad.native_handle(), sizeof andere, &andere);
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

// The shown rows' lines are read by two readers at once, the GUI thread's
// and the thread's, each taking the next day not taken yet (so that a thread
// that starts late costs no more than reading alone); the thread then reads
// the rest of the window from the chunks it has read so far.
struct DeelLader::Rest {
    ~Rest()
    {
        stop = true;
        if (draad.joinable())
            draad.join();
    }

    // Reads the shown lines of the days not taken yet, one day at a time, and
    // counts them for the estimate of the rest.
    void LeesZicht(BordRegelLezer& lezer, const std::vector<brlib::stRes>& items)
    {
        lezer.ZetKeuze(vooraan);
        for (int d = volgendeDag++; d < eindeZicht && !stop; d = volgendeDag++) {
            const size_t voor = items.size();
            lezer.LeesDag(d);
            zichtRegels += items.size() - voor;
            ++zichtDagen;
        }
    }

    BordRegelLezer::Keuze vooraan;
    int van = 0;         // the window's first day
    int eindeZicht = 0;  // the shown lines arrive before this day
    int tot = 0;         // the window's end
    std::atomic<int> volgendeDag{0};  // from `van`
    std::atomic<size_t> zichtRegels{0};
    std::atomic<int> zichtDagen{0};
    double kamerAandeel = 0;  // rooms per shown row
    BordToestand zicht;  // the thread's shown lines
    std::vector<bool> zichtVoorReg;
    std::exception_ptr zichtFout;
    std::latch zichtGelezen{1};
    const cpu_set_t kernen = ProcesKernen();  // given back to the thread once it has read its shown lines
    BordToestand deel;   // only its items, extras and extras' index are used
    std::unique_ptr<BordRegelLezer> lezer;
    std::atomic<bool> stop{false};
    std::exception_ptr fout;
    std::thread draad;
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
    auto rest = NieuweRest(toestand);
    rest->vooraan = [zichtbaar, eindeZicht](int32_t kamerNr, int aankomst) {
        return aankomst < eindeZicht && zichtbaar->Bevat(kamerNr);
    };
    rest->van = rest->volgendeDag = start - kLaadDagen;
    rest->eindeZicht = eindeZicht;
    rest->tot = start + kLaadDagen;
    rest->kamerAandeel = double(toestand.kamers.size()) / std::max(1, rijen.voorbij - rijen.eerste);
    rest->draad = std::thread(&DeelLader::LeesRest, rest.get(), std::move(gelezen));
    NaarAndereKern(rest->draad, rest->kernen);

    BordRegelLezer lezer(toestand);
    rest->LeesZicht(lezer, toestand.items);
    VulVoorRegistraties(toestand.extras, lezer.MetVoorRegistratie());
    rest->zichtGelezen.wait();
    if (rest->zichtFout)
        std::rethrow_exception(rest->zichtFout);
    VulVoorRegistraties(rest->zicht.extras, rest->zichtVoorReg);
    VoegToe(toestand, rest->zicht);
    rest_ = std::move(rest);
    geladen_ = rijen;
}

void DeelLader::LeesRest(Rest* rest, const std::function<void()>& gelezen)
{
    BordRegelLezer& lezer = *rest->lezer;
    try {
        rest->LeesZicht(lezer, rest->zicht.items);
        rest->zichtVoorReg = lezer.MetVoorRegistratie();
    } catch (...) {
        rest->zichtFout = std::current_exception();
    }
    // All days are taken; the GUI thread may still be reading its last.
    const double perRegel = RestPerRegel(rest->kamerAandeel, rest->zichtDagen);
    const size_t geschat = static_cast<size_t>(double(rest->zichtRegels) * perRegel);
    const bool verder = !rest->zichtFout;
    rest->zichtGelezen.count_down();
    if (!verder)
        return;
    if (CPU_COUNT(&rest->kernen) > 0)
        pthread_setaffinity_np(pthread_self(), sizeof rest->kernen, &rest->kernen);
    // The previous load is emptied here, its lists kept for the rest.
    rest->deel.items.clear();
    rest->deel.extras.clear();
    rest->deel.extraIndex.clear();
    rest->deel.items.reserve(geschat);
    lezer.ZetDoel(rest->deel);
    const BordRegelLezer::Keuze vooraan = rest->vooraan;
    lezer.ZetKeuze([vooraan](int32_t kamerNr, int aankomst) { return !vooraan(kamerNr, aankomst); });
    try {
        for (int d = rest->van; d < rest->tot && !rest->stop; ++d)
            lezer.LeesDag(d);
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
    rest->lezer = std::make_unique<BordRegelLezer>(rest->zicht);
    return rest;
}

bool DeelLader::Voltooi(BordToestand& toestand)
{
    if (!rest_)
        return false;
    rest_->draad.join();
    const std::unique_ptr<Rest> rest = std::move(rest_);
    BordToestand& deel = rest->deel;
    VulVoorRegistraties(deel.extras, rest->lezer->MetVoorRegistratie());
    rest->lezer.reset();
    // The rest is by far the larger part: the shown rows' lines and reservations
    // join it rather than the other way round, so that nothing is held twice or
    // indexed again. Item numbers change; the caller rebuilds the cells.
    VoegToe(deel, toestand);
    toestand.items = std::move(deel.items);
    toestand.extras = std::move(deel.extras);
    toestand.extraIndex = std::move(deel.extraIndex);
    if (rest->fout)
        std::rethrow_exception(rest->fout);
    return true;
}

void DeelLader::Stop() { rest_.reset(); }

}  // namespace bord
