#pragma once
// The data source of the reservation document (print layout "rsv"): the
// header fields of a reservation, its room lines (one value per line, joined
// with line breaks, so that one field lists every room) and its product lines
// as the repeating block "*regels", answered by a DBBonRegels.

#include <vector>

#include "host/brlib/RsvReservering.h"
#include "host/printing/DBBonRegels.h"
#include "host/printing/DataBron.h"
#include "host/tillra/BonRegel.h"

class DBReservering : public Printing::DataBron {
public:
    DBReservering();

    std::vector<t_Veld> GetVelden() const override;
    void BeginPrint() override {}
    void EindPrint() override {}
    void ClearSelectie() override;
    void ZetFilter(const QString&) override {}
    void ZetSortering(const QString&) override {}
    void SetSelectie(const std::vector<JaarNr>& selectie) override;
    bool GaNaar(int positie) override;
    int Aantal() const override { return static_cast<int>(selectie_.size()); }
    bool GetTekst(const QString& code, QString& tekst) override;
    bool GetBedrag(const QString& code, double& bedrag) override;
    const QImage* GetAfbeelding(const QString&) override { return nullptr; }
    bool GetGetal(const QString& code, int& getal) override;
    DataBron* GetSubBron(const QString& code) override;
    bool KanPrinten() const override { return true; }
    QString ObjectNaam(bool meervoud, bool hoofdletter) const override;
    int GetSoort() const override { return 0; }
    void SetAfgedrukt(bool afgedrukt) override { afgedrukt_ = afgedrukt; }
    bool IsAfgedrukt() const override { return afgedrukt_; }
    int GetLayoutNr() const override { return 0; }
    QString GetVersie() const override { return QStringLiteral("0"); }
    void DispCodeChange() override;

private:
    void Laad(const JaarNr& sleutel);
    QString KamerWaarden(const QString& basis) const;
    double ProductTotaal() const;

    bool afgedrukt_ = false;
    std::vector<JaarNr> selectie_;
    int huidig_ = -1;
    brlib::RsvReservering res_;
    std::vector<Tillra::t_BonRegel> regels_;
    DBBonRegels regelBron_;
};
