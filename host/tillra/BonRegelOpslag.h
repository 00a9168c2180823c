#pragma once
// Storing lists of product lines in the four product-line files of a year.
// Writes are stores of the caller's action (the reservation lock must be
// held); a damaged chain raises EBrRuntime and ends that action.
// The head pair `eerste`/`laatste` is passed by reference: copy it out of a
// packed record into plain variables and back, since a reference to a packed
// field may be misaligned.

#include <cstdint>
#include <vector>

#include "host/tillra/BonRegel.h"
#include "host/tillra/BonRegelBestanden.h"

namespace Tillra {

class ArtikelSource;

// Stores `regels` in order as a new chain owned by `eigenaarNr` and sets
// `eerste`/`laatste` to it (0/0 for no lines).
void OpslaanBonRegels(const std::vector<t_BonRegel>& regels, int32_t jaar, int32_t eigenaarNr, int32_t& eerste,
                      int32_t& laatste, BonRegelBestanden& bestanden);

// Fills `regels` with the chain from `eerste` (0 gives no lines).
void InlezenBonRegels(std::vector<t_BonRegel>& regels, int32_t jaar, int32_t eerste, BonRegelBestanden& bestanden);
// The same; with
// `omschrijvingVanKaart` a line takes the current description of its article
// card, when the card still exists.
void InlezenBonRegels(std::vector<t_BonRegel>& regels, int32_t jaar, int32_t eerste, BonRegelBestanden& bestanden,
                      ArtikelSource& artikelen, bool omschrijvingVanKaart);

// Frees the chain with its texts and preparation methods; `eerste`/`laatste` become 0.
void VerwijderBonRegels(int32_t jaar, int32_t& eerste, int32_t& laatste, BonRegelBestanden& bestanden);

}  // namespace Tillra
