// TfrmRsvOvRes: weeks, months, rows and the legend.

#include <QLayout>
#include <QToolButton>

#include "board/BordDatums.h"
#include "board/BordGrid.h"
#include "board/Rsvovresunit.h"

void TfrmRsvOvRes::VerbindNavigatie()
{
    const auto naar = [this](auto stap) { return [this, stap] { GoToDate(stap(toestand_.startDatum)); }; };
    connect(boven_.btnMinWeek, &QToolButton::clicked, this, naar([](TDateTime s) { return s - 7; }));
    connect(boven_.btnPlusWeek, &QToolButton::clicked, this, naar([](TDateTime s) { return s + 7; }));
    connect(boven_.btnMinMaand, &QToolButton::clicked, this,
            naar([this](TDateTime s) { return bord::MaandStap(s, -1, toestand_.isoWeek); }));
    connect(boven_.btnPlusMaand, &QToolButton::clicked, this,
            naar([this](TDateTime s) { return bord::MaandStap(s, 1, toestand_.isoWeek); }));
    connect(gridKnoppen_.btnUp, &QToolButton::clicked, this, [this] { SchuifRijen(-1, false); });
    connect(gridKnoppen_.btnDown, &QToolButton::clicked, this, [this] { SchuifRijen(1, false); });
    connect(gridKnoppen_.btnPgUp, &QToolButton::clicked, this, [this] { SchuifRijen(-1, true); });
    connect(gridKnoppen_.btnPgDn, &QToolButton::clicked, this, [this] { SchuifRijen(1, true); });
}

void TfrmRsvOvRes::GoToDate(TDateTime datum)
{
    const TimerPauze pauze(*this);
    toestand_.geselecteerd = toestand_.aangewezen = JaarNr();
    ShowSelected(JaarNr());
    SetStartDate(datum);
    LaadItems();
    Refresh(true);
}

void TfrmRsvOvRes::ZetRijKnoppen()
{
    const bool omhoog = geometrie_.KanOmhoog();
    const bool omlaag = geometrie_.KanOmlaag();
    gridKnoppen_.btnUp->setEnabled(omhoog);
    gridKnoppen_.btnPgUp->setEnabled(omhoog);
    gridKnoppen_.btnDown->setEnabled(omlaag);
    gridKnoppen_.btnPgDn->setEnabled(omlaag);
}

void TfrmRsvOvRes::SchuifRijen(int richting, bool pagina)
{
    if (pagina)
        geometrie_.SchuifPagina(richting);
    else
        geometrie_.Schuif(richting);
    ToonRijen();
    ZetRijKnoppen();
    Refresh(false);
}

void TfrmRsvOvRes::ToonLegenda(bool zichtbaar)
{
    gridKnoppen_.btnLegenda->setChecked(zichtbaar);
    pnlLegenda->setVisible(zichtbaar);
    // The grid gets its new width now, and with it fitted day columns.
    layout()->activate();
}
