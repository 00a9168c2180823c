#include "bench/gedeeld/LeesTeller.h"

#include <sys/resource.h>

int64_t LeesTeller::Read(int handle, int64_t offset, void* buffer, int64_t length)
{
    const int64_t gelezen = echt_.Read(handle, offset, buffer, length);
    ++lezingen;
    if (gelezen > 0)
        bytes += gelezen;
    return gelezen;
}

LeesTeller& Teller()
{
    static LeesTeller teller;
    static brlib::FileSystemScope scope(teller);
    return teller;
}

Telling::Telling() : lezingen_(Teller().lezingen), bytes_(Teller().bytes) {}

void Telling::Sluit(benchmark::State& state) const
{
    const double keer = state.iterations() > 0 ? double(state.iterations()) : 1.0;
    state.counters["lezingen"] = double(Teller().lezingen - lezingen_) / keer;
    state.counters["bytes_gelezen"] = double(Teller().bytes - bytes_) / keer;
    rusage gebruik{};
    getrusage(RUSAGE_SELF, &gebruik);
    state.counters["piek_mb"] = double(gebruik.ru_maxrss) / 1024.0;
}
