#pragma once
// Base of every data source that fills a print layout. The print engine owns
// the source for one print run, deletes it through this base and calls the
// virtual operations below; they are declared in the engine's slot order, so
// a new operation goes at the end.
//
// A source holds a selection of objects and a current position in it. Fields
// are asked by code for the current object; a source that has no current
// object and shows its codes answers "[code]", so a layout can be checked
// without data.

#include <utility>
#include <vector>
#include <QString>
#include <QStringList>

#include "host/base/JaarNr.h"

class QImage;
class QSettings;

namespace Printing {

class DataBron {
public:
    // One field a layout may use.
    struct t_Veld {
        t_Veld(int type, QString omschrijving, QString code, bool herhalend, int codeSoort, QStringList waarden)
            : type(type), omschrijving(std::move(omschrijving)), code(std::move(code)), herhalend(herhalend),
              codeSoort(codeSoort), waarden(std::move(waarden))
        {
        }
        int type;                 // veldTekst, veldBedrag, veldGetal or veldRegels
        QString omschrijving;
        QString code;
        bool herhalend;           // a block of rows from the sub-source of the code
        int codeSoort;
        QStringList waarden;      // the values a user may pick from; empty for free values
    };
    enum VeldType { veldTekst = 0, veldGetal = 1, veldBedrag = 2, veldRegels = 5 };

    DataBron() = default;
    DataBron(const DataBron&) = delete;
    DataBron& operator=(const DataBron&) = delete;

    virtual ~DataBron() = default;
    virtual std::vector<t_Veld> GetVelden() const { return {}; }
    virtual void BeginPrint() {}
    virtual void EindPrint() {}
    virtual void ClearSelectie() {}
    virtual void ZetFilter(const QString& filter) {}
    virtual void ZetSortering(const QString& sortering) {}
    virtual void SetSelectie(const std::vector<JaarNr>& selectie) {}
    // Selects `lijst` and goes to its first object; false when it is empty.
    virtual bool SelecteerIL(const std::vector<JaarNr>& lijst);
    // Only `object`.
    virtual void SelectObject(const JaarNr& object);
    // The first object of the selection; false when there is none.
    virtual bool Eerste();
    // The object after the one Eerste or Volgende went to last.
    virtual bool Volgende();
    virtual bool GaNaar(int positie) { return false; }
    virtual int Aantal() const { return 0; }
    // False, with `tekst` unchanged, for a code the source does not know.
    virtual bool GetTekst(const QString& code, QString& tekst) { return false; }
    virtual bool GetBedrag(const QString& code, double& bedrag) { return false; }
    virtual const QImage* GetAfbeelding(const QString& code) { return nullptr; }
    virtual bool GetGetal(const QString& code, int& getal) { return false; }
    // The source of a repeating field's rows; null when the code has none.
    virtual DataBron* GetSubBron(const QString& code) { return nullptr; }
    virtual bool KanPrinten() const { return true; }
    virtual void SaveSettings(QSettings& settings) const;
    virtual void LoadSettings(QSettings& settings);
    virtual QString SaveSettingsXML() const;
    virtual void LoadSettingsXML(const QString& xml);
    // "reservering", "Reserveringen", ...: how the engine names the objects.
    virtual QString ObjectNaam(bool meervoud, bool hoofdletter) const { return {}; }
    virtual int GetSoort() const { return 0; }
    // The engine marks a source whose run reached the printer.
    virtual void SetAfgedrukt(bool afgedrukt) {}
    virtual bool IsAfgedrukt() const { return false; }
    virtual int GetLayoutNr() const { return 0; }
    virtual QString GetVersie() const { return QStringLiteral("0"); }
    // The layout of one row of a repeating block; empty when the layout file gives it.
    virtual QString GetRegelLayout() const { return {}; }
    // The name of the print job in the printer's queue.
    virtual QString GetPrintOpdrachtNaam() const { return ObjectNaam(false, true); }
    // Called after the show-codes setting changed.
    virtual void DispCodeChange() {}
    // Read what a run needs: all of the selection, one position, one object or a list.
    virtual bool DoeLeesData();
    virtual bool DoeLeesData(int positie);
    virtual bool DoeLeesData(const JaarNr& object);
    virtual bool DoeLeesData(const std::vector<JaarNr>& objecten);

    bool GetDispCodes() const { return dispCodes_; }
    void SetDispCodes(bool tonen);

protected:
    // `enkelvoud` or `meervoud`, with a capital first letter when asked.
    static QString Naam(const QString& enkelvoud, const QString& meervoud, bool alsMeervoud, bool hoofdletter);

private:
    bool dispCodes_ = false;
    int volgende_ = 0;
};

}  // namespace Printing
