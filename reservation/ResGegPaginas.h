#pragma once
// The pages of the details form: relation and guest data, extra text, rooms
// and products.

class QTabWidget;
class TfrmRsvResGeg;

void MaakPaginas(TfrmRsvResGeg& f);
// The controls of the "Producten" page (ResGegProductOpbouw.cpp).
void MaakProductPagina(TfrmRsvResGeg& f);
void ZetTabHoogte(QTabWidget& paginas, int hoogte);
