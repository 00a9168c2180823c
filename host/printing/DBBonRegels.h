#pragma once
// The rows of a repeating product block: one row per till product line, the
// amounts including tax at the date the source is given (the reservation's
// begin). Fields: "*aantal", "*omschrijving", "*bereiding" (the preparation
// methods, joined with ", "), "*prijs" and "*bedrag"; a text line answers its
// text as "*omschrijving" and leaves the others empty.

#include <vector>

#include "host/base/TDateTime.h"
#include "host/printing/DataBron.h"
#include "host/tillra/BonRegel.h"

class DBBonRegels : public Printing::DataBron {
public:
    void SetRegels(const std::vector<Tillra::t_BonRegel>& regels, TDateTime datum);

    std::vector<t_Veld> GetVelden() const override;
    void ClearSelectie() override;
    bool GaNaar(int positie) override;
    int Aantal() const override { return static_cast<int>(regels_.size()); }
    bool GetTekst(const QString& code, QString& tekst) override;
    bool GetBedrag(const QString& code, double& bedrag) override;
    bool GetGetal(const QString& code, int& getal) override;
    QString ObjectNaam(bool meervoud, bool hoofdletter) const override;

private:
    const Tillra::t_BonRegel* Huidige() const;

    std::vector<Tillra::t_BonRegel> regels_;
    TDateTime datum_ = 0;
    int huidig_ = -1;
};
