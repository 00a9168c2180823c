#pragma once
// The rows of a TGridView. Rows are filled column by column by name; a row
// belongs to a group (the rows of one room line, say), and filling a column
// that the open row already has starts the next row of the same group.
// Columns come from the layout, a cell filled under a variant name (see
// GvlLayout.h) takes that variant's style. A name the layout lacks is added at the end,
// hidden when a layout file was read and visible when there was none, so that
// a form never breaks on a missing or older layout file.

#include <vector>
#include <QAbstractTableModel>

#include "host/ui/GvlLayout.h"

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void ZetKolommen(std::vector<GvlKolom> kolommen, bool uitLayout);
    const std::vector<GvlKolom>& Kolommen() const { return kolommen_; }
    GvlKolom& Kolom(int kolom) { return kolommen_[kolom]; }
    int KolomNummer(const QString& naam) const;  // -1 when unknown; a variant gives its column

    void BeginVullen();  // drops the rows; the view is told once, at EindeVullen
    void EindeVullen();
    void Vul(const QString& naam, const QVariant& waarde);
    void EindeGroep();
    void Leeg();

    int RijAchtervoegen();
    bool RijVerwijderen(int rij);
    QVariant Waarde(int kolom, int rij) const;
    bool ZetWaarde(const QString& naam, int rij, const QVariant& waarde);
    int Groep(int rij) const { return rijen_[rij].groep; }

    void ZetBewerkModus(bool aan) { bewerkModus_ = aan; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void CelBewerkt(int kolom, int rij);
    void OngeldigeInvoer(const QString& tekst);

private:
    struct Cel {
        QVariant waarde;
        int variant = -1;
    };
    struct Rij {
        int groep = 0;
        std::vector<Cel> cellen;
    };
    struct Plek {
        int kolom = -1;
        int variant = -1;
    };

    Plek Zoek(const QString& naam) const;
    Plek PlekVoor(const QString& naam);
    int OpenRij();
    const GvlKolom& Stijl(int kolom, const Cel& cel) const;
    Qt::Alignment UitlijningVan(int kolom, const QVariant& waarde) const;

    std::vector<GvlKolom> kolommen_;
    std::vector<GvlKolom> varianten_;
    std::vector<int> variantKolom_;
    std::vector<Rij> rijen_;
    bool uitLayout_ = false;
    bool vullen_ = false;
    bool bewerkModus_ = false;
    int openRij_ = -1;
    int groep_ = 0;
    bool groepOpen_ = false;
};
