#include "host/ui/GridModel.h"

#include <QColor>
#include <QFont>

#include "host/ui/GridCel.h"

namespace {
bool ZelfdeNaam(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
}

void GridModel::ZetKolommen(std::vector<GvlKolom> kolommen, bool uitLayout)
{
    beginResetModel();
    kolommen_.clear();
    varianten_.clear();
    variantKolom_.clear();
    for (GvlKolom& k : kolommen)
        if (k.kolom.isEmpty())
            kolommen_.push_back(std::move(k));
    for (GvlKolom& k : kolommen) {
        const int doel = k.kolom.isEmpty() ? -1 : Zoek(k.kolom).kolom;
        if (doel < 0)
            continue;  // a plain column, or a variant of a column that is not there
        varianten_.push_back(std::move(k));
        variantKolom_.push_back(doel);
    }
    uitLayout_ = uitLayout;
    rijen_.clear();
    openRij_ = -1;
    groepOpen_ = false;
    endResetModel();
}

GridModel::Plek GridModel::Zoek(const QString& naam) const
{
    for (size_t i = 0; i < kolommen_.size(); ++i)
        if (ZelfdeNaam(kolommen_[i].naam, naam))
            return {static_cast<int>(i), -1};
    for (size_t v = 0; v < varianten_.size(); ++v)
        if (ZelfdeNaam(varianten_[v].naam, naam))
            return {variantKolom_[v], static_cast<int>(v)};
    return {};
}

int GridModel::KolomNummer(const QString& naam) const { return Zoek(naam).kolom; }

GridModel::Plek GridModel::PlekVoor(const QString& naam)
{
    const Plek bestaand = Zoek(naam);
    if (bestaand.kolom >= 0)
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
    return {nieuw, -1};
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
    rijen_.push_back(Rij{groep_, std::vector<Cel>(kolommen_.size())});
    if (!vullen_)
        endInsertRows();
    openRij_ = nieuw;
    return nieuw;
}

void GridModel::Vul(const QString& naam, const QVariant& waarde)
{
    const Plek plek = PlekVoor(naam);
    if (openRij_ >= 0 && rijen_[openRij_].cellen[plek.kolom].waarde.isValid())
        openRij_ = -1;  // the next row of the same group
    const int rij = OpenRij();
    rijen_[rij].cellen[plek.kolom] = Cel{waarde, plek.variant};
    if (!vullen_)
        emit dataChanged(index(rij, plek.kolom), index(rij, plek.kolom));
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
    return rijen_[rij].cellen[kolom].waarde;
}

bool GridModel::ZetWaarde(const QString& naam, int rij, const QVariant& waarde)
{
    const Plek plek = Zoek(naam);
    if (plek.kolom < 0 || rij < 0 || rij >= rowCount())
        return false;
    rijen_[rij].cellen[plek.kolom] = Cel{waarde, plek.variant};
    emit dataChanged(index(rij, plek.kolom), index(rij, plek.kolom));
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

const GvlKolom& GridModel::Stijl(int kolom, const Cel& cel) const
{
    return cel.variant >= 0 ? varianten_[cel.variant] : kolommen_[kolom];
}

Qt::Alignment GridModel::UitlijningVan(int kolom, const QVariant& waarde) const
{
    switch (kolommen_[kolom].uitlijning) {
    case Uitlijning::Links: return Qt::AlignLeft | Qt::AlignVCenter;
    case Uitlijning::Rechts: return Qt::AlignRight | Qt::AlignVCenter;
    case Uitlijning::Midden: return Qt::AlignCenter;
    case Uitlijning::Standaard: break;
    }
    return (IsGetalCel(waarde) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Cel& cel = rijen_[index.row()].cellen[index.column()];
    const GvlKolom& stijl = Stijl(index.column(), cel);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return CelTekst(cel.waarde, stijl.formaat.isEmpty() ? kolommen_[index.column()].formaat : stijl.formaat);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(UitlijningVan(index.column(), cel.waarde));
    case Qt::FontRole: {
        if (!stijl.vet)
            return {};
        QFont vet;
        vet.setBold(true);
        return vet;
    }
    case Qt::BackgroundRole:
        if (!stijl.kleur.isEmpty())
            return QColor(stijl.kleur);
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
    if (index.isValid() && bewerkModus_ &&
        Stijl(index.column(), rijen_[index.row()].cellen[index.column()]).bewerkbaar)
        f |= Qt::ItemIsEditable;
    return f;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    QVariant& waarde = rijen_[index.row()].cellen[index.column()].waarde;
    const auto nieuw = CelUitTekst(value.toString(), waarde);
    if (!nieuw) {
        emit OngeldigeInvoer(value.toString());
        return false;
    }
    waarde = *nieuw;
    emit dataChanged(index, index);
    emit CelBewerkt(index.column(), index.row());
    return true;
}
