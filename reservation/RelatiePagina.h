#pragma once
// The "Relatie" page of the details form: the guest-data grid of the person
// shown (the main guest, or with "Voor-registratie" down the person of a
// room), the relation number and the relation picker. It edits the form's
// hand-over block and pre-registrations in place.

#include <cstdint>
#include <vector>
#include <QObject>

#include "host/brlib/Res.h"
#include "reservation/ResGegevens.h"

class GastGrid;
class QButtonGroup;
class QLabel;
class QPushButton;
class QWidget;
class TGridView;

struct RelatiePaginaDelen {
    TGridView* gvGrid;
    QWidget* pnlVoorReg;
    QPushButton* btnVoorReg;
    QPushButton* btnSelRel;
    QLabel* flblRelNr;
};

class RelatiePagina : public QObject {
    Q_OBJECT
public:
    RelatiePagina(const RelatiePaginaDelen& delen, ResGegevens& gegevens, std::vector<brlib::stVoorReg>& voorRegs,
                  const QString& titel);

    // After every load: the rows, the room buttons of `kamers` (once, for a
    // stored reservation) and the person shown before, or the main guest.
    void Laad(const std::vector<brlib::stRes>& kamers);
    // New and edit mode: the grid takes input and is stored before the person
    // changes and before the form collects.
    void ZetBewerkbaar(bool bewerkbaar, bool direct = false);
    void BewaarGrid();
    void ToonPersoon(int32_t sleutel);
    int32_t GetoondePersoon() const { return sleutel_; }

private:
    void BouwKamerKnoppen(const std::vector<brlib::stRes>& kamers);
    void btnVoorRegClick(bool neer);
    void btnSelRelClick();
    int32_t IngedrukteKamer() const;

    RelatiePaginaDelen d_;
    GastGrid* grid_;
    ResGegevens& gegevens_;
    std::vector<brlib::stVoorReg>& voorRegs_;
    QString titel_;
    QButtonGroup* kamerKnoppen_;
    int32_t sleutel_ = 0;
    bool bewerkbaar_ = false;
};
