#pragma once
// The host's grid: a table whose columns come from a .gvl layout file (see
// GvlLayout.h) and whose rows a form fills by column name:
//
//   gvGrid->CheckIniFileName(GvlPath() + "/Tlr/RsvKamer.gvl");
//   gvGrid->Execute([&] {
//       for (const stKamer& k : kamers) {
//           gvGrid->FillNewCol("nr", &k.nr);
//           gvGrid->FillNewCol("omschr", &k.omschr);
//           gvGrid->EndGroup();
//       }
//   });
//
// Rows are counted from 0 (the header is no row); a row number out of range
// is ignored. FillNewCol copies the value. TDateTime is a double, so dates
// go through FillNewColDatum / SetCellValueDatum / GetCellValueDatum.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include <QStringList>
#include <QTableView>
#include <QTimer>

#include "host/base/TDateTime.h"
#include "host/ui/GvlLayout.h"

class GridModel;
class QPrinter;

class TGridView : public QTableView {
    Q_OBJECT
public:
    explicit TGridView(QWidget* parent = nullptr);
    ~TGridView() override;

    // Binds the layout file (backslashes allowed; a relative name is taken
    // in the SetIniDir directory) and drops the rows. False when the file is
    // missing; the grid then works with the filled columns.
    void SetIniDir(const QString& map);
    bool CheckIniFileName(const QString& bestand);
    const QString& IniFileName() const { return bestand_; }

    void ResetGrid();
    int Execute(const std::function<void()>& vul);  // returns the number of rows
    void EndGroup();

    void FillNewCol(const QString& kolom, const QString* waarde);
    void FillNewCol(const QString& kolom, const std::string* waarde);
    void FillNewCol(const QString& kolom, const int* waarde);
    void FillNewCol(const QString& kolom, const long* waarde);
    void FillNewCol(const QString& kolom, const long long* waarde);
    void FillNewCol(const QString& kolom, const double* waarde);
    void FillNewColDatum(const QString& kolom, const TDateTime* waarde);

    bool SetCellValue(const QString& kolom, int rij, const QString& waarde);
    bool SetCellValue(const QString& kolom, int rij, int64_t waarde);
    bool SetCellValue(const QString& kolom, int rij, double waarde);
    bool SetCellValueDatum(const QString& kolom, int rij, TDateTime waarde);
    // False (and `waarde` untouched) when the column or row does not exist or
    // the cell holds no number where one is asked.
    bool GetCellValue(const QString& kolom, int rij, QString* waarde) const;
    bool GetCellValue(const QString& kolom, int rij, int* waarde) const;
    bool GetCellValue(const QString& kolom, int rij, int64_t* waarde) const;
    bool GetCellValue(const QString& kolom, int rij, double* waarde) const;
    bool GetCellValueDatum(const QString& kolom, int rij, TDateTime* waarde) const;
    QString GetCells(int kolom, int rij) const;  // the text as shown

    int GetKolomNummer(const QString& kolom) const;  // -1 when unknown
    QString KolomTitel(int kolom) const;
    int KolomAantal() const;
    void KolomZichtbaar(const QString& kolom, bool zichtbaar);
    bool IsKolomZichtbaar(const QString& kolom) const;
    int KolomBreedte(const QString& kolom) const;
    void ZetKolomBreedte(const QString& kolom, int breedte);

    int RijAantal() const;
    int HuidigeRij() const;  // -1 when no row is current
    void FocusRij(int rij, const QString& kolom = {});
    int RijAchtervoegen();  // returns the new row
    void RijVerwijderen(int rij);
    int RijGroep(int rij) const;
    void ZetRijHoogte(int hoogte);

    // Editable columns (layout "bewerkbaar=ja") can be changed only in edit
    // mode; `direct` opens the editor on the current cell at once.
    void SetEditMode(bool aan, bool direct = false);
    bool EditMode() const { return editMode_; }

    // Printing: two heading lines above the table; Print asks for a printer
    // (or, under a GridUitvoerScope, writes a PDF without asking).
    void PrintZetKopRegels(const QString& titel, const QString& regel = {});
    QStringList KopRegels() const { return kopRegels_; }
    void SetPrinterInstRegKey(const QString& sleutel);
    bool Print();
    bool PrintNaar(QPrinter& printer) const;
    bool PrintPdf(const QString& bestand) const;

    // CSV for a spreadsheet (see GridExport.h); Export() asks for the file.
    bool Export();
    bool Export(const QString& bestand) const;

    std::vector<int> ZichtbareKolommen() const;  // in the order on screen

signals:
    void OnVullenGereed(bool leeg);
    void OnResetGrid(bool leeg);
    void OnEditModeChanged(bool aan);
    void OnCelGewijzigd(const QString& kolom, int rij);
    void OnDblClick(int rij);

private:
    void Vul(const QString& kolom, const QVariant& waarde);
    bool ZetCel(const QString& kolom, int rij, const QVariant& waarde);
    QVariant Cel(const QString& kolom, int rij) const;
    void PasKolommenToe();
    void SluitEditor();
    void BreedteGewijzigd(int kolom, int nieuw);
    void BewaarBreedtes();
    QString UitvoerNaam() const;

    GridModel* model_;
    QString iniDir_;
    QString bestand_;
    QStringList kopRegels_;
    QString printerSleutel_;
    QTimer bewaarTimer_;
    bool editMode_ = false;
    bool kolommenToepassen_ = false;
};
