#pragma once
// The demo hotel's till articles (breakfast, meals, drinks, parking, tourist
// tax) and the product-selection buttons for them in "artsel.cfg".

#include <cstdint>
#include <utility>
#include <vector>

#include "host/base/TDateTime.h"
#include "host/tillra/BonRegel.h"

// Writes into the current administration; false (after a Dutch message on
// stderr) when an article could not be stored or the file not written.
bool MaakDemoArtikelen();

// Product lines of the demo's articles: one line per (article number, quantity), priced at `moment`.
std::vector<Tillra::t_BonRegel> DemoProducten(const std::vector<std::pair<int32_t, double>>& artikelen,
                                              TDateTime moment);
