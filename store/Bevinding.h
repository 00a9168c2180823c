#pragma once
// One finding of the integrity check: where (file, year, record) and what.

#include <cstdint>
#include <vector>
#include <QString>

struct Bevinding {
    QString bestand;
    int32_t jaar = 0;    // 0 for a single file
    int32_t record = 0;  // 0 when the finding is about the file as a whole
    QString wat;

    // "rsv_resrgl.dat, jaar 2026, record 5: <wat>"
    QString Regel() const;
};

class Rapport {
public:
    void Meld(const QString& bestand, int32_t jaar, int32_t record, const QString& wat)
    {
        bevindingen_.push_back({bestand, jaar, record, wat});
    }
    const std::vector<Bevinding>& Bevindingen() const { return bevindingen_; }
    std::vector<Bevinding> Neem() { return std::move(bevindingen_); }

private:
    std::vector<Bevinding> bevindingen_;
};
