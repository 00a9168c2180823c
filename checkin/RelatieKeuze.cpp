#include "checkin/RelatieKeuze.h"

#include <memory>

#include "host/relations/BestSource.h"
#include "host/relations/SelecteerRelatie.h"

namespace incheck {

namespace {

std::optional<Relatiekaart> LeesKaart(int32_t sleutel)
{
    auto kaart = std::make_shared<TBestSource>(QStringLiteral("best"));
    if (!kaart->ReadRecord(sleutel))
        return std::nullopt;
    return Relatiekaart{kaart->RelatieNr(), [kaart](int nr) { return kaart->GetField(nr); }};
}

}  // namespace

RelatieKeuze& HostRelatieKeuze()
{
    static RelatieKeuze keuze{&SelecteerRelatie, &LeesKaart};
    return keuze;
}

}  // namespace incheck
