#pragma once
// The "Producten" page of the details form: the product lines of the form's
// hand-over block in a grid, with their totals, added by the product buttons
// and changed through the edit panel. Lines before the read-only count (what
// the till settled) are shown but never changed.

#include <cstdint>
#include <vector>
#include <QObject>

#include "host/base/JaarNr.h"
#include "host/tillra/BonRegel.h"

struct ProductenStand;
class TfrmRsvResGeg;

class ProductPagina : public QObject {
    Q_OBJECT
public:
    // Edits `regels` in place.
    ProductPagina(TfrmRsvResGeg& f, std::vector<Tillra::t_BonRegel>& regels);

    // After every load: a new reservation's lines as handed in, all editable,
    // or a stored reservation's as read (with the till's strip when registered).
    void LaadNieuw();
    void Laad(const ProductenStand& stand);
    // New mode, and edit mode unless the till has closed the products.
    void ZetBewerkbaar(bool bewerkbaar);

    // False for registered products once the room is checked out, or while
    // the till's open bill could not be read (it would be corrected blind).
    bool KanBewerken() const { return kanBewerken_; }
    bool Bewerkbaar() const { return bewerkbaar_; }
    // False when the till's open bill could not be read: the page lacks it.
    bool Volledig() const { return volledig_; }
    // The till registration holding the products; JaarNr(0, 0) when stored only.
    const JaarNr& Registratie() const { return registratie_; }
    int AlleenLezen() const { return alleenLezen_; }
    // The lines the user may change, as they stand.
    std::vector<Tillra::t_BonRegel> BewerkbareRegels() const;

    // A product button: one more of that article (see Tillra::VoegProductToe).
    void VoegToe(int32_t artikelNr);

private:
    enum class Invoer { Prijs, Aantal, Korting };

    void Verbind();
    void VulGrid();
    void VulCellen(int rij);
    void ToonTotaal();
    void ZetKnoppen();
    bool RijBewerkbaar(int rij) const;
    void OpenInvoer(Invoer invoer);
    void SluitInvoer();
    void btnEditOkClick();
    void btnArtDelClick();

    TfrmRsvResGeg& f_;
    std::vector<Tillra::t_BonRegel>& regels_;
    int alleenLezen_ = 0;
    JaarNr registratie_;
    bool kanBewerken_ = true;
    bool volledig_ = true;
    bool bewerkbaar_ = false;
    Invoer invoer_ = Invoer::Aantal;
};
