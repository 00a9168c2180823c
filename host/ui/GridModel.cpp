#include "host/ui/GridModel.h"

#include <QColor>

#include "host/ui/GridCel.h"

void GridModel::ZetKolommen(std::vector<GvlKolom> kolommen, bool uitLayout)
{
    beginResetModel();
    kolommen_ = std::move(kolommen);
    uitLayout_ = uitLayout;
    rijen_.clear();
    openRij_ = -1;
    groepOpen_ = false;
    endResetModel();
}

int GridModel::KolomNummer(const QString& naam) const
{
    for (size_t i = 0; i < kolommen_.size(); ++i)
        if (kolommen_[i].naam.compare(naam, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

int GridModel::KolomVoor(const QString& naam)
{
    const int bestaand = KolomNummer(naam);
    if (bestaand >= 0)
        return bestaand;
    const int nieuw = columnCount();
    if (!vullen_)
        beginInsertColumns({}, nieuw, nieuw);
    GvlKolom kolom;
    kolom.naam = naam;
    kolom.titel = naam;
    kolom.zichtbaar = !uitLayout_;
    kolommen_.push_back(kolom);
    for (Rij& rij : rijen_)
        rij.cellen.resize(kolommen_.size());
    if (!vullen_)
        endInsertColumns();
    return nieuw;
}

void GridModel::BeginVullen()
{
    beginResetModel();
    rijen_.clear();
    openRij_ = -1;
    groepOpen_ = false;
    groep_ = 0;
    vullen_ = true;
}

void GridModel::EindeVullen()
{
    vullen_ = false;
    EindeGroep();
    endResetModel();
}

int GridModel::OpenRij()
{
    if (openRij_ >= 0)
        return openRij_;
    if (!groepOpen_)
        ++groep_;
    groepOpen_ = true;
    const int nieuw = rowCount();
    if (!vullen_)
        beginInsertRows({}, nieuw, nieuw);
    rijen_.push_back(Rij{groep_, std::vector<QVariant>(kolommen_.size())});
    if (!vullen_)
        endInsertRows();
    openRij_ = nieuw;
    return nieuw;
}

void GridModel::Vul(const QString& naam, const QVariant& waarde)
{
    const int kolom = KolomVoor(naam);
    if (openRij_ >= 0 && rijen_[openRij_].cellen[kolom].isValid())
        openRij_ = -1;  // the next row of the same group
    const int rij = OpenRij();
    rijen_[rij].cellen[kolom] = waarde;
    if (!vullen_)
        emit dataChanged(index(rij, kolom), index(rij, kolom));
}

void GridModel::EindeGroep()
{
    openRij_ = -1;
    groepOpen_ = false;
}

void GridModel::Leeg()
{
    BeginVullen();
    EindeVullen();
}

int GridModel::RijAchtervoegen()
{
    EindeGroep();
    const int rij = OpenRij();
    EindeGroep();
    return rij;
}

bool GridModel::RijVerwijderen(int rij)
{
    if (rij < 0 || rij >= rowCount())
        return false;
    EindeGroep();
    beginRemoveRows({}, rij, rij);
    rijen_.erase(rijen_.begin() + rij);
    endRemoveRows();
    return true;
}

QVariant GridModel::Waarde(int kolom, int rij) const
{
    if (kolom < 0 || kolom >= columnCount() || rij < 0 || rij >= rowCount())
        return {};
    return rijen_[rij].cellen[kolom];
}

bool GridModel::ZetWaarde(int kolom, int rij, const QVariant& waarde)
{
    if (kolom < 0 || kolom >= columnCount() || rij < 0 || rij >= rowCount())
        return false;
    rijen_[rij].cellen[kolom] = waarde;
    emit dataChanged(index(rij, kolom), index(rij, kolom));
    return true;
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rijen_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(kolommen_.size());
}

Qt::Alignment GridModel::UitlijningVan(int kolom, const QVariant& cel) const
{
    switch (kolommen_[kolom].uitlijning) {
    case Uitlijning::Links: return Qt::AlignLeft | Qt::AlignVCenter;
    case Uitlijning::Rechts: return Qt::AlignRight | Qt::AlignVCenter;
    case Uitlijning::Midden: return Qt::AlignCenter;
    case Uitlijning::Standaard: break;
    }
    return (IsGetalCel(cel) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const QVariant& cel = rijen_[index.row()].cellen[index.column()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return CelTekst(cel, kolommen_[index.column()].formaat);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(UitlijningVan(index.column(), cel));
    case Qt::BackgroundRole:
        // Every other group shaded, so that the rows of one group read as one.
        return rijen_[index.row()].groep % 2 == 0 ? QVariant(QColor(0xF2, 0xF2, 0xF2)) : QVariant();
    }
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < columnCount())
        return kolommen_[section].titel;
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.isValid() && bewerkModus_ && kolommen_[index.column()].bewerkbaar)
        f |= Qt::ItemIsEditable;
    return f;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    QVariant& cel = rijen_[index.row()].cellen[index.column()];
    const auto nieuw = CelUitTekst(value.toString(), cel);
    if (!nieuw) {
        emit OngeldigeInvoer(value.toString());
        return false;
    }
    cel = *nieuw;
    emit dataChanged(index, index);
    emit CelBewerkt(index.column(), index.row());
    return true;
}
