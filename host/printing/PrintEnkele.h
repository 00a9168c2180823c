#pragma once
// Printing one object (a reservation, ...) with the layout registered under a
// key: the registry's factory makes the data source, the layout file of the
// key gives the document. Every problem is told to the user in a message box
// titled "Afdrukken"; the functions then return false (nullopt).

#include <optional>
#include <vector>
#include <QString>

#include "host/base/JaarNr.h"
#include "host/printing/LayoutVuller.h"

namespace Printing {

// Asks for the printer and prints; under a GridUitvoerScope it asks nothing
// and writes "<map>/<key> <yy-nnnnn>.pdf" instead. False when cancelled too.
bool PrintEnkele(const QString& key, const JaarNr& nummer);
// Writes the document into the PDF file `bestand`.
bool PdfEnkele(const QString& key, const JaarNr& nummer, const QString& bestand);
// The filled document, as it would be drawn.
std::optional<std::vector<GevuldeRegel>> VulEnkele(const QString& key, const JaarNr& nummer);

// "26-00042": a key as it may appear in a file name.
QString BestandsNummer(const JaarNr& nummer);

}  // namespace Printing
