#pragma once
// The two halves of the step list and what they share.

#include <vector>

#include "host/base/JaarNr.h"
#include "tests/schrijfpaden/SchrijfPaden.h"

std::vector<SchrijfPad> ReserveringPaden();
std::vector<SchrijfPad> StamPaden();

// The demo reservation of 2026 whose guest data begins with the line `gast`
// (a surname for a booking on a relation card); EBrRuntime when missing.
JaarNr ResVan(const char* gast);
