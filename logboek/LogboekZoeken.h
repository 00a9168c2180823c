#pragma once
// The audit trail as the Logboek form asks for it: the records of a span of
// days, narrowed to one reservation and one workstation.

#include <optional>
#include <vector>
#include <QString>

#include "logboek/LogboekBestand.h"

namespace logboek {

struct LogboekVraag {
    TDateTime van = 0;       // first day
    TDateTime tot = 0;       // last day, included
    JaarNr reservering;      // JaarNr(0, 0): every record
    QString werkplek;        // empty: every workstation; else a part of its name, ignoring case
};

// Oldest first. EBrRuntime when a trail file cannot be read.
std::vector<LogRegel> ZoekLogboek(const LogboekVraag& vraag);

// A reservation number as users type it: "26/00012", "2026/12", or "12" in `jaar`.
// Empty text gives JaarNr(0, 0); text that is no number gives nothing.
std::optional<JaarNr> LeesResNr(const QString& tekst, int jaar);

}  // namespace logboek
