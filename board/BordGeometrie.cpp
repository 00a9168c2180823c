#include "board/BordGeometrie.h"

#include <algorithm>

#include "board/BordToestand.h"

namespace bord {

void BordGeometrie::ZetRaster(int kamers, int rijHoogte)
{
    rijen_ = 1 + std::max(0, kamers);
    rijHoogte_ = std::max(1, rijHoogte);
    topRij_ = MinTopRij();
}

void BordGeometrie::ZetClientGrootte(int breedte, int hoogte)
{
    breedte_ = std::max(0, breedte);
    hoogte_ = std::max(0, hoogte);
    ZetTopRij(topRij_);
}

void BordGeometrie::PasDagKolommen()
{
    const int vast = KolomBreedte(0) + KolomBreedte(1);
    const int breedte = std::max(0, breedte_ - vast) / kZichtbareDagen;
    dagBreedte_ = breedte - breedte % 2;
}

int BordGeometrie::Kolommen() const
{
    return kVasteKolommen + kZichtbareDagen;
}

int BordGeometrie::KolomBreedte(int kolom) const
{
    if (kolom == 0)
        return kKolomBreedte;
    return kolom == 1 ? 2 * kKolomBreedte : dagBreedte_;
}

int BordGeometrie::KolomLinks(int kolom) const
{
    int links = 0;
    for (int vast = 0; vast < std::min(kolom, kVasteKolommen); ++vast)
        links += KolomBreedte(vast);
    return links + std::max(0, kolom - kVasteKolommen) * dagBreedte_;
}

QRect BordGeometrie::CelRect(int kolom, int rij) const
{
    if (rij == 0)
        return QRect(KolomLinks(kolom), 0, KolomBreedte(kolom), kKopHoogte);
    if (rij < topRij_)
        return QRect();
    const int boven = kKopHoogte + (rij - topRij_) * rijHoogte_;
    return QRect(KolomLinks(kolom), boven, KolomBreedte(kolom), rijHoogte_);
}

int BordGeometrie::ZichtbareRijen() const
{
    return std::max(0, hoogte_ - kKopHoogte) / rijHoogte_;
}

int BordGeometrie::LaatsteZichtbareRij() const
{
    const int deels = (std::max(0, hoogte_ - kKopHoogte) + rijHoogte_ - 1) / rijHoogte_;
    return std::min(rijen_ - 1, topRij_ + deels - 1);
}

int BordGeometrie::MaxTopRij() const
{
    return std::max(MinTopRij(), rijen_ - ZichtbareRijen());
}

void BordGeometrie::ZetTopRij(int rij)
{
    topRij_ = std::clamp(rij, MinTopRij(), MaxTopRij());
}

int BordGeometrie::KolomOp(int x) const
{
    if (x < 0)
        return -1;
    for (int kolom = 0; kolom < Kolommen(); ++kolom)
        if (x < KolomLinks(kolom) + KolomBreedte(kolom))
            return kolom;
    return -1;
}

int BordGeometrie::RijOp(int y) const
{
    if (y < 0)
        return -1;
    if (y < kKopHoogte)
        return 0;
    const int rij = topRij_ + (y - kKopHoogte) / rijHoogte_;
    return rij < rijen_ ? rij : -1;
}

CelTreffer BordGeometrie::Raak(QPoint p) const
{
    CelTreffer treffer;
    const int kolom = KolomOp(p.x());
    const int rij = RijOp(p.y());
    if (kolom < 0 || rij < 0)
        return treffer;
    const QRect cel = CelRect(kolom, rij);
    treffer.kolom = kolom;
    treffer.rij = rij;
    // Twice the offset compares with the width without losing the odd pixel.
    treffer.rechts = 2 * (p.x() - cel.left()) >= cel.width();
    return treffer;
}

}  // namespace bord
