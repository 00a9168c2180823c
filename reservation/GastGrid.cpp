#include "reservation/GastGrid.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

#include "host/ui/GvlLayout.h"
#include "host/ui/TGridView.h"

namespace {
const QString kLabel = QStringLiteral("label");
const QString kData = QStringLiteral("data");
constexpr int kRijHoogte = 20;
constexpr int kMinDataBreedte = 60;
}  // namespace

GastGrid::GastGrid(TGridView& grid) : QObject(&grid), grid_(grid), viewport_(grid.viewport())
{
    grid_.SetIniDir(GvlPath() + QStringLiteral("/Tlr"));
    grid_.CheckIniFileName(QStringLiteral("RsvResGeg.gvl"));
    grid_.ZetRijHoogte(kRijHoogte);
    grid_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport_->installEventFilter(this);
    connect(grid_.horizontalHeader(), &QHeaderView::sectionResized, this, [this](int kolom) {
        if (kolom == grid_.GetKolomNummer(kLabel))
            PasDataBreedteAan();
    });
}

void GastGrid::BouwRijen(const QStringList& labels)
{
    const QString leeg;
    grid_.Execute([&] {
        for (const QString& label : labels) {
            grid_.FillNewCol(kLabel, &label);
            grid_.FillNewCol(kData, &leeg);
            grid_.EndGroup();
        }
    });
    const int kop = grid_.horizontalHeader()->sizeHint().height();
    grid_.setMaximumHeight(kop + grid_.RijAantal() * kRijHoogte + 2 * grid_.frameWidth());
    PasDataBreedteAan();
}

void GastGrid::Toon(const QStringList& regels)
{
    for (int rij = 0; rij < grid_.RijAantal(); ++rij)
        grid_.SetCellValue(kData, rij, rij < regels.size() ? regels[rij] : QString());
    grid_.FocusRij(0, kData);
}

QStringList GastGrid::Waarden()
{
    // Leaving edit mode keeps what is typed in the open cell.
    if (grid_.EditMode()) {
        grid_.SetEditMode(false);
        grid_.SetEditMode(true);
    }
    QStringList waarden;
    for (int rij = 0; rij < grid_.RijAantal(); ++rij) {
        QString waarde;
        grid_.GetCellValue(kData, rij, &waarde);
        waarden << waarde;
    }
    return waarden;
}

bool GastGrid::eventFilter(QObject* object, QEvent* event)
{
    // The viewport also narrows when a scroll bar comes or goes. The grid is
    // not asked for its viewport here: the viewport still has events while the
    // grid is being destroyed.
    if (event->type() == QEvent::Resize && object == viewport_)
        PasDataBreedteAan();
    return QObject::eventFilter(object, event);
}

void GastGrid::PasDataBreedteAan()
{
    const int rest = grid_.viewport()->width() - grid_.KolomBreedte(kLabel);
    grid_.ZetKolomBreedte(kData, qMax(kMinDataBreedte, rest));
}
