#pragma once
// Grid layout files (.gvl). A small INI-like text file, one section per
// column in display order; ';' or '#' starts a comment line:
//
//   [begindat]               column name, as the form fills it (case-insensitive)
//   titel=Aankomst           caption; default the column name
//   breedte=80               width in pixels; default 80
//   formaat=dd-mm-yyyy       dates: FormatDateTime letters; numbers: "0", "0.00",
//                            "#,##0.00" (Dutch: decimal comma, thousands dot)
//   uitlijning=rechts        links | rechts | midden; default numbers right, else left
//   zichtbaar=ja             ja | nee; default ja
//   bewerkbaar=nee           ja | nee; default nee (editable only in edit mode)
//   vet=ja                   ja | nee; bold text, default nee
//   kleur=#E0E0E0            background of the cells, default none
//
// A section with "kolom=<name>" is no column of its own but a variant of that
// column: a cell filled under the variant's name shows in the named column
// with the variant's format, editability, bold and colour. So "artoms_ro"
// (kolom=artoms, bewerkbaar=nee) fills a read-only cell of "artoms", and
// "status1_clr" (kolom=status1, kleur=...) a coloured cell of "status1".
//
// The shipped layouts lie under GvlPath() + "/Tlr". Column widths the user
// changes are kept per workstation in a file of the same name under
// MachineSettings::WerkplekDir() + "/gvl", holding only "breedte" lines.

#include <optional>
#include <vector>
#include <QString>

enum class Uitlijning { Standaard, Links, Rechts, Midden };

struct GvlKolom {
    QString naam;
    QString titel;
    int breedte = 80;
    QString formaat;
    Uitlijning uitlijning = Uitlijning::Standaard;
    bool zichtbaar = true;
    bool bewerkbaar = false;
    bool vet = false;
    QString kleur;
    QString kolom;  // set for a variant of that column
};

// Root of the layout directories: $RSV_GVL_PATH, else <executable dir>/../share/gvl.
QString GvlPath();

// The columns of a layout file, in order; nullopt when the file cannot be read.
std::optional<std::vector<GvlKolom>> LeesGvl(const QString& bestand);

// The per-workstation file that keeps the user's widths for `bestand`.
QString WerkplekGvl(const QString& bestand);
void LeesWerkplekBreedtes(const QString& bestand, std::vector<GvlKolom>& kolommen);
bool SchrijfWerkplekBreedtes(const QString& bestand, const std::vector<GvlKolom>& kolommen);
