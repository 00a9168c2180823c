#pragma once
// The guest-data grid of the details form: a label column and a "data"
// column on layout "RsvResGeg.gvl". The grid is as high as its rows, and the
// data column takes the width that the label column leaves.

#include <QObject>
#include <QStringList>

class QWidget;
class TGridView;

class GastGrid : public QObject {
    Q_OBJECT
public:
    explicit GastGrid(TGridView& grid);

    // One row per label, every value empty.
    void BouwRijen(const QStringList& labels);
    // Row i shows line i; rows beyond the lines stay empty, lines beyond the rows are not shown.
    void Toon(const QStringList& regels);
    // The values of all rows in row order, including a value still being typed.
    QStringList Waarden();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void PasDataBreedteAan();

    TGridView& grid_;
    QWidget* viewport_;
};
