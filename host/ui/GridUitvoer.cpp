#include "host/ui/GridUitvoer.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

#include "host/base/MachineSettings.h"
#include "host/ui/GridExport.h"
#include "host/ui/GridPrint.h"
#include "host/ui/Messages.h"
#include "host/ui/TGridView.h"

namespace {
const QString*& ActieveMap()
{
    static const QString* map = nullptr;
    return map;
}
}

GridUitvoerScope::GridUitvoerScope(const QString& map) : map_(map), vorige_(ActieveMap())
{
    ActieveMap() = &map_;
}

GridUitvoerScope::~GridUitvoerScope() { ActieveMap() = vorige_; }

const QString* GridUitvoerScope::Actief() { return ActieveMap(); }

std::vector<int> TGridView::ZichtbareKolommen() const
{
    std::vector<int> kolommen;
    for (int zicht = 0; zicht < horizontalHeader()->count(); ++zicht) {
        const int kolom = horizontalHeader()->logicalIndex(zicht);
        if (!isColumnHidden(kolom))
            kolommen.push_back(kolom);
    }
    return kolommen;
}

QString TGridView::UitvoerNaam() const
{
    const QString naam = QFileInfo(bestand_).completeBaseName();
    return naam.isEmpty() ? QStringLiteral("overzicht") : naam;
}

void TGridView::PrintZetKopRegels(const QString& titel, const QString& regel)
{
    kopRegels_ = QStringList{titel};
    if (!regel.isEmpty())
        kopRegels_ << regel;
}

void TGridView::SetPrinterInstRegKey(const QString& sleutel) { printerSleutel_ = sleutel; }

QString PrinterInstRegKey(const QString& identiteit)
{
    return QStringLiteral("Software\\") + QCoreApplication::organizationName() + u'\\' +
           QCoreApplication::applicationName() + u'\\' + QCoreApplication::applicationVersion() + u'\\' +
           identiteit;
}

bool TGridView::PrintNaar(QPrinter& printer) const
{
    if (PrintGrid(*this, printer))
        return true;
    ErrorMsg(QStringLiteral("Afdrukken is mislukt."), window()->windowTitle());
    return false;
}

bool TGridView::PrintPdf(const QString& bestand) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(bestand);
    return PrintNaar(printer);
}

bool TGridView::Print()
{
    if (const QString* map = GridUitvoerScope::Actief())
        return PrintPdf(*map + u'/' + UitvoerNaam() + QStringLiteral(".pdf"));
    QPrinter printer(QPrinter::HighResolution);
    // The printer chosen last time for this grid, per workstation.
    const QString sectie = printerSleutel_.isEmpty() ? UitvoerNaam() : printerSleutel_;
    MachineSettings instellingen(sectie);
    const QString naam = instellingen.ReadString(QStringLiteral("Printer"), QString());
    if (!naam.isEmpty())
        printer.setPrinterName(naam);
    QPrintDialog dialoog(&printer, this);
    if (dialoog.exec() != QDialog::Accepted)
        return false;
    instellingen.WriteString(QStringLiteral("Printer"), printer.printerName());
    return PrintNaar(printer);
}

bool TGridView::Export(const QString& bestand) const
{
    QSaveFile f(bestand);
    if (f.open(QIODevice::WriteOnly) && f.write(GridCsv(*this)) >= 0 && f.commit())
        return true;
    ErrorMsg(QStringLiteral("Kan het bestand \"") + bestand +
                 QStringLiteral("\" niet schrijven. Controleer of de schijf vol is of het bestand in gebruik is."),
             window()->windowTitle());
    return false;
}

bool TGridView::Export()
{
    if (const QString* map = GridUitvoerScope::Actief())
        return Export(*map + u'/' + UitvoerNaam() + QStringLiteral(".csv"));
    const QString bestand = QFileDialog::getSaveFileName(this, QStringLiteral("Exporteren"),
                                                         UitvoerNaam() + QStringLiteral(".csv"),
                                                         QStringLiteral("CSV-bestanden (*.csv)"));
    return bestand.isEmpty() ? false : Export(bestand);
}
