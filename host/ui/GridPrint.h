#pragma once
// Draws a grid on a printer (or a PDF): the heading lines, the captions and
// the rows of the visible columns, widths as on screen scaled to the page,
// over as many pages as needed, each with "Pagina n" at the bottom.

class QPrinter;
class TGridView;

bool PrintGrid(const TGridView& grid, QPrinter& printer);
