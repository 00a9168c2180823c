#pragma once
// Where the board's cells are, without a widget: column widths (two fixed room
// columns, 21 day columns fitted to the client width), the header row and the
// room rows from the top row on, the row buttons' bounds, and hit-testing a
// pixel to a cell and the half of it. Grid row r >= 1 is room r - 1.

#include <QPoint>
#include <QRect>

namespace bord {

// A pixel resolved to a grid cell; kolom/rij -1 when outside the cells.
struct CelTreffer {
    int kolom = -1;
    int rij = -1;
    bool rechts = false;  // nearer the right edge, or exactly in the middle
};

class BordGeometrie {
public:
    static constexpr int kKolomBreedte = 32;   // default column width
    static constexpr int kKopHoogte = 16 * 3 - 4;

    // Sizes the grid for `kamers` rooms and rows of `rijHoogte` pixels; the top row goes back to the first room.
    void ZetRaster(int kamers, int rijHoogte);
    void ZetClientGrootte(int breedte, int hoogte);
    // Day columns share what the fixed columns leave, each an even number of pixels.
    void PasDagKolommen();

    int Kolommen() const;          // 2 + 21
    int Rijen() const { return rijen_; }  // 1 + rooms
    int RijHoogte() const { return rijHoogte_; }
    int DagBreedte() const { return dagBreedte_; }
    int KolomBreedte(int kolom) const;
    int KolomLinks(int kolom) const;
    // The cell's rectangle; a room row above the top row has an empty one.
    QRect CelRect(int kolom, int rij) const;
    // Room rows that fit wholly below the header.
    int ZichtbareRijen() const;
    // The last grid row with a pixel on screen.
    int LaatsteZichtbareRij() const;

    int TopRij() const { return topRij_; }
    int MinTopRij() const { return 1; }
    int MaxTopRij() const;
    void ZetTopRij(int rij);  // clamped to [MinTopRij, MaxTopRij]
    void Schuif(int rijen) { ZetTopRij(topRij_ + rijen); }
    void SchuifPagina(int richting) { Schuif(richting * ZichtbareRijen()); }
    bool KanOmhoog() const { return topRij_ > MinTopRij(); }
    bool KanOmlaag() const { return topRij_ < MaxTopRij(); }

    CelTreffer Raak(QPoint p) const;

private:
    int KolomOp(int x) const;
    int RijOp(int y) const;

    int rijen_ = 1;
    int rijHoogte_ = 16;
    int dagBreedte_ = kKolomBreedte;
    int breedte_ = 0;
    int hoogte_ = 0;
    int topRij_ = 1;
};

}  // namespace bord
