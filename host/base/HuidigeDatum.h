#pragma once
// Today's date as the module sees it. Normally the system date; a test fixes
// it with HuidigeDatumVast, and RSV_VANDAAG=yyyy-mm-dd fixes it for a whole
// process so that demo runs and screenshots are reproducible.

#include <optional>

#include "host/base/TDateTime.h"

class HuidigeDatum {
public:
    static HuidigeDatum& Object();

    TDateTime Huidige() const;  // today, without a time of day
    TDateTime Nu() const;       // today with the clock's time of day
    int Jaar() const;           // the year of Huidige()

    void ZetVast(TDateTime datum);
    void Los();  // back to the system date (or RSV_VANDAAG)

private:
    friend class HuidigeDatumVast;
    HuidigeDatum();
    std::optional<TDateTime> vast_;
};

// Fixes today's date for the lifetime of the object and restores the previous one.
class HuidigeDatumVast {
public:
    explicit HuidigeDatumVast(TDateTime datum);
    ~HuidigeDatumVast();
    HuidigeDatumVast(const HuidigeDatumVast&) = delete;
    HuidigeDatumVast& operator=(const HuidigeDatumVast&) = delete;

private:
    std::optional<TDateTime> vorige_;
};
