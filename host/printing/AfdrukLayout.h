#pragma once
// A print layout file ("<key>.lay" in the layout directory GvlPath() + "/Tlr").
// Plain UTF-8 text, one line of the file per printed line:
//
//   # text                   a comment, not printed
//   @tabs 0 30 60 150r       tab stops in mm from the left margin for the lines
//                            that follow; "r" aligns the column's text to end
//                            at its stop. Without @tabs there is one stop at 0.
//   @vet text / @groot text  the line in bold / as a heading
//   @lijn                    a horizontal rule
//   @ruimte                  half a line of space
//   @herhaal CODE            the lines up to "@einde" are printed once per row
//   @einde                   of the sub-source of CODE (a repeating field)
//   anything else            printed as it is; a tab character moves to the
//                            next stop, {CODE} is the field's text value
//
// A field whose value holds line breaks makes its cell that many lines high,
// so "{*res_kamernr}" lists every room under the one before. An unknown field
// prints nothing.

#include <optional>
#include <vector>
#include <QString>

namespace Printing {

struct TabStop {
    double mm = 0;
    bool rechts = false;
};

struct AfdrukRegel {
    enum Soort { Tekst, Lijn, Ruimte, Blok };
    Soort soort = Tekst;
    QString tekst;
    bool vet = false;
    bool groot = false;
    std::vector<TabStop> tabs;
    QString blokCode;                // Blok: the repeating field
    std::vector<AfdrukRegel> blok;   // Blok: the lines repeated per row
};

struct AfdrukLayout {
    std::vector<AfdrukRegel> regels;
};

// nullopt, with the reason in `fout` (Dutch, with the line number), when the
// text is not a layout.
std::optional<AfdrukLayout> OntleedLayout(const QString& tekst, QString& fout);
std::optional<AfdrukLayout> LeesLayout(const QString& bestand, QString& fout);
// Where the layout of `key` lives.
QString LayoutBestand(const QString& key);

}  // namespace Printing
