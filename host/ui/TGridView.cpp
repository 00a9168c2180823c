#include "host/ui/TGridView.h"

#include <QDir>
#include <QHeaderView>
#include <QLineEdit>

#include "host/ui/GridCel.h"
#include "host/ui/GridModel.h"
#include "host/ui/Messages.h"

TGridView::TGridView(QWidget* parent) : QTableView(parent), model_(new GridModel(this))
{
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsMovable(true);
    bewaarTimer_.setSingleShot(true);
    bewaarTimer_.setInterval(500);
    connect(&bewaarTimer_, &QTimer::timeout, this, &TGridView::BewaarBreedtes);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int kolom, int, int nieuw) { BreedteGewijzigd(kolom, nieuw); });
    connect(model_, &QAbstractItemModel::modelReset, this, &TGridView::PasKolommenToe);
    connect(model_, &QAbstractItemModel::columnsInserted, this, &TGridView::PasKolommenToe);
    connect(model_, &GridModel::CelBewerkt, this, [this](int kolom, int rij) {
        emit OnCelGewijzigd(model_->Kolommen()[kolom].naam, rij);
    });
    connect(model_, &GridModel::OngeldigeInvoer, this, [this](const QString& tekst) {
        WarningMsg(QStringLiteral("\"") + tekst + QStringLiteral("\" is geen geldige waarde."), window()->windowTitle());
    });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit OnDblClick(index.row()); });
}

TGridView::~TGridView()
{
    if (bewaarTimer_.isActive())
        BewaarBreedtes();
}

void TGridView::SetIniDir(const QString& map) { iniDir_ = QString(map).replace(u'\\', u'/'); }

bool TGridView::CheckIniFileName(const QString& bestand)
{
    bestand_ = QString(bestand).replace(u'\\', u'/');
    if (QDir::isRelativePath(bestand_) && !iniDir_.isEmpty())
        bestand_ = iniDir_ + u'/' + bestand_;
    auto kolommen = LeesGvl(bestand_);
    if (kolommen)
        LeesWerkplekBreedtes(bestand_, *kolommen);
    model_->ZetKolommen(kolommen.value_or(std::vector<GvlKolom>{}), kolommen.has_value());
    return kolommen.has_value();
}

void TGridView::PasKolommenToe()
{
    kolommenToepassen_ = true;
    const auto& kolommen = model_->Kolommen();
    for (size_t i = 0; i < kolommen.size(); ++i) {
        setColumnHidden(static_cast<int>(i), !kolommen[i].zichtbaar);
        setColumnWidth(static_cast<int>(i), kolommen[i].breedte);
    }
    kolommenToepassen_ = false;
}

void TGridView::BreedteGewijzigd(int kolom, int nieuw)
{
    if (kolommenToepassen_ || nieuw <= 0 || kolom >= model_->columnCount())
        return;
    model_->Kolom(kolom).breedte = nieuw;
    if (!bestand_.isEmpty())
        bewaarTimer_.start();
}

void TGridView::BewaarBreedtes()
{
    bewaarTimer_.stop();
    // Losing a column width is no reason to bother the user.
    SchrijfWerkplekBreedtes(bestand_, model_->Kolommen());
}

void TGridView::ResetGrid()
{
    model_->Leeg();
    emit OnResetGrid(true);
}

int TGridView::Execute(const std::function<void()>& vul)
{
    model_->BeginVullen();
    vul();
    model_->EindeVullen();
    if (RijAantal() > 0)
        FocusRij(0);
    emit OnVullenGereed(RijAantal() == 0);
    return RijAantal();
}

void TGridView::EndGroup() { model_->EindeGroep(); }

void TGridView::Vul(const QString& kolom, const QVariant& waarde) { model_->Vul(kolom, waarde); }

void TGridView::FillNewCol(const QString& kolom, const QString* waarde) { Vul(kolom, *waarde); }
void TGridView::FillNewCol(const QString& kolom, const std::string* waarde)
{
    Vul(kolom, QString::fromStdString(*waarde));
}
void TGridView::FillNewCol(const QString& kolom, const int* waarde) { Vul(kolom, qlonglong(*waarde)); }
void TGridView::FillNewCol(const QString& kolom, const long* waarde) { Vul(kolom, qlonglong(*waarde)); }
void TGridView::FillNewCol(const QString& kolom, const long long* waarde) { Vul(kolom, qlonglong(*waarde)); }
void TGridView::FillNewCol(const QString& kolom, const double* waarde) { Vul(kolom, *waarde); }
void TGridView::FillNewColDatum(const QString& kolom, const TDateTime* waarde) { Vul(kolom, DatumCel(*waarde)); }

bool TGridView::ZetCel(const QString& kolom, int rij, const QVariant& waarde)
{
    return model_->ZetWaarde(kolom, rij, waarde);
}

QVariant TGridView::Cel(const QString& kolom, int rij) const
{
    return model_->Waarde(GetKolomNummer(kolom), rij);
}

bool TGridView::SetCellValue(const QString& kolom, int rij, const QString& waarde) { return ZetCel(kolom, rij, waarde); }
bool TGridView::SetCellValue(const QString& kolom, int rij, int64_t waarde) { return ZetCel(kolom, rij, qlonglong(waarde)); }
bool TGridView::SetCellValue(const QString& kolom, int rij, double waarde) { return ZetCel(kolom, rij, waarde); }
bool TGridView::SetCellValueDatum(const QString& kolom, int rij, TDateTime waarde)
{
    return ZetCel(kolom, rij, DatumCel(waarde));
}

bool TGridView::GetCellValue(const QString& kolom, int rij, QString* waarde) const
{
    const int nr = GetKolomNummer(kolom);
    if (nr < 0 || rij < 0 || rij >= RijAantal())
        return false;
    *waarde = GetCells(nr, rij);
    return true;
}

bool TGridView::GetCellValue(const QString& kolom, int rij, double* waarde) const
{
    const QVariant cel = Cel(kolom, rij);
    const auto getal = IsGetalCel(cel) ? std::optional<double>(cel.toDouble()) : LeesGetal(cel.toString());
    if (!getal)
        return false;
    *waarde = *getal;
    return true;
}

bool TGridView::GetCellValue(const QString& kolom, int rij, int64_t* waarde) const
{
    const QVariant cel = Cel(kolom, rij);
    if (cel.typeId() == QMetaType::LongLong) {
        *waarde = cel.toLongLong();
        return true;
    }
    double getal = 0;
    if (!GetCellValue(kolom, rij, &getal))
        return false;
    *waarde = static_cast<int64_t>(getal);
    return true;
}

bool TGridView::GetCellValue(const QString& kolom, int rij, int* waarde) const
{
    int64_t getal = 0;
    if (!GetCellValue(kolom, rij, &getal))
        return false;
    *waarde = static_cast<int>(getal);
    return true;
}

bool TGridView::GetCellValueDatum(const QString& kolom, int rij, TDateTime* waarde) const
{
    const QVariant cel = Cel(kolom, rij);
    if (cel.typeId() != QMetaType::QDateTime)
        return false;
    *waarde = CelDatum(cel);
    return true;
}

QString TGridView::GetCells(int kolom, int rij) const
{
    return model_->data(model_->index(rij, kolom), Qt::DisplayRole).toString();
}

int TGridView::GetKolomNummer(const QString& kolom) const { return model_->KolomNummer(kolom); }

QString TGridView::KolomTitel(int kolom) const
{
    return model_->headerData(kolom, Qt::Horizontal, Qt::DisplayRole).toString();
}

int TGridView::KolomAantal() const { return model_->columnCount(); }

void TGridView::KolomZichtbaar(const QString& kolom, bool zichtbaar)
{
    const int nr = GetKolomNummer(kolom);
    if (nr < 0)
        return;
    model_->Kolom(nr).zichtbaar = zichtbaar;
    setColumnHidden(nr, !zichtbaar);
}

bool TGridView::IsKolomZichtbaar(const QString& kolom) const
{
    const int nr = GetKolomNummer(kolom);
    return nr >= 0 && model_->Kolommen()[nr].zichtbaar;
}

int TGridView::KolomBreedte(const QString& kolom) const
{
    const int nr = GetKolomNummer(kolom);
    return nr < 0 ? 0 : columnWidth(nr);
}

void TGridView::ZetKolomBreedte(const QString& kolom, int breedte)
{
    const int nr = GetKolomNummer(kolom);
    if (nr >= 0)
        setColumnWidth(nr, breedte);
}

int TGridView::RijAantal() const { return model_->rowCount(); }

int TGridView::HuidigeRij() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void TGridView::FocusRij(int rij, const QString& kolom)
{
    if (rij < 0 || rij >= RijAantal())
        return;
    const int nr = GetKolomNummer(kolom);
    const int kolomNr = nr >= 0 ? nr : qMax(0, horizontalHeader()->logicalIndexAt(0));
    setCurrentIndex(model_->index(rij, kolomNr));
    scrollTo(currentIndex());
}

int TGridView::RijAchtervoegen() { return model_->RijAchtervoegen(); }

void TGridView::RijVerwijderen(int rij) { model_->RijVerwijderen(rij); }

int TGridView::RijGroep(int rij) const
{
    return rij >= 0 && rij < RijAantal() ? model_->Groep(rij) : 0;
}

void TGridView::ZetRijHoogte(int hoogte) { verticalHeader()->setDefaultSectionSize(hoogte); }

void TGridView::SetEditMode(bool aan, bool direct)
{
    const bool gewijzigd = aan != editMode_;
    if (!aan)
        SluitEditor();
    editMode_ = aan;
    model_->ZetBewerkModus(aan);
    if (aan && direct && currentIndex().isValid())
        edit(currentIndex());
    if (gewijzigd)
        emit OnEditModeChanged(aan);
}

void TGridView::SluitEditor()
{
    // Leaving edit mode keeps what the user typed, like leaving the cell would.
    if (state() != QAbstractItemView::EditingState)
        return;
    if (auto* editor = viewport()->findChild<QLineEdit*>()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}
