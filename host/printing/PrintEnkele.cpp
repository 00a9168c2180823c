#include "host/printing/PrintEnkele.h"

#include <memory>
#include <QApplication>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include "host/printing/DataBron.h"
#include "host/printing/LayoutRegistry.h"
#include "host/printing/LayoutTekenaar.h"
#include "host/ui/GridUitvoer.h"
#include "host/ui/Messages.h"

namespace Printing {

namespace {

const QString kTitel = QStringLiteral("Afdrukken");

// A document ready to draw: the source that filled it names the print job.
struct Document {
    std::unique_ptr<DataBron> bron;
    std::vector<GevuldeRegel> regels;
};

std::optional<Document> MaakDocument(const QString& key, const JaarNr& nummer)
{
    Document doc{LayoutRegistry::GetObject().Create(key, QString()), {}};
    if (!doc.bron) {
        ErrorMsg(QStringLiteral("Er is geen afdruklayout \"") + key + QStringLiteral("\" geregistreerd."), kTitel);
        return std::nullopt;
    }
    QString fout;
    const std::optional<AfdrukLayout> layout = LeesLayout(LayoutBestand(key), fout);
    if (!layout) {
        ErrorMsg(QStringLiteral("De afdruklayout \"") + key + QStringLiteral("\" kan niet gelezen worden.\n") + fout,
                 kTitel);
        return std::nullopt;
    }
    doc.bron->SelectObject(nummer);
    if (!doc.bron->Eerste()) {
        ErrorMsg(doc.bron->ObjectNaam(false, true) + u' ' + nummer.String(2, 5) +
                     QStringLiteral(" is niet gevonden."),
                 kTitel);
        return std::nullopt;
    }
    doc.regels = VulLayout(*layout, *doc.bron);
    return doc;
}

bool Teken(const Document& doc, QPagedPaintDevice& apparaat)
{
    if (TekenLayouts({doc.regels}, apparaat))
        return true;
    ErrorMsg(QStringLiteral("Afdrukken is mislukt."), kTitel);
    return false;
}

bool NaarPdf(const Document& doc, const QString& bestand)
{
    QPdfWriter pdf(bestand);
    pdf.setResolution(300);
    pdf.setTitle(doc.bron->GetPrintOpdrachtNaam());
    pdf.setCreator(QStringLiteral("Reservering"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    if (TekenLayouts({doc.regels}, pdf))
        return true;
    ErrorMsg(QStringLiteral("Kan het bestand \"") + bestand +
                 QStringLiteral("\" niet schrijven. Controleer of de schijf vol is of het bestand in gebruik is."),
             kTitel);
    return false;
}

}  // namespace

QString BestandsNummer(const JaarNr& nummer) { return nummer.String(2, 5).replace(u'/', u'-'); }

std::optional<std::vector<GevuldeRegel>> VulEnkele(const QString& key, const JaarNr& nummer)
{
    std::optional<Document> doc = MaakDocument(key, nummer);
    if (!doc)
        return std::nullopt;
    return std::move(doc->regels);
}

bool PdfEnkele(const QString& key, const JaarNr& nummer, const QString& bestand)
{
    const std::optional<Document> doc = MaakDocument(key, nummer);
    return doc && NaarPdf(*doc, bestand);
}

bool PrintEnkele(const QString& key, const JaarNr& nummer)
{
    const std::optional<Document> doc = MaakDocument(key, nummer);
    if (!doc)
        return false;
    if (const QString* map = GridUitvoerScope::Actief())
        return NaarPdf(*doc, *map + u'/' + key + u' ' + BestandsNummer(nummer) + QStringLiteral(".pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(doc->bron->GetPrintOpdrachtNaam());
    QPrintDialog dialoog(&printer, QApplication::activeWindow());
    if (dialoog.exec() != QDialog::Accepted)
        return false;
    const bool gelukt = Teken(*doc, printer);
    doc->bron->SetAfgedrukt(gelukt);
    return gelukt;
}

}  // namespace Printing
