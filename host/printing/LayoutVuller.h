#pragma once
// Fills a layout with the field values of a data source's current object:
// every line becomes its cells, one per tab stop, each holding the text lines
// it prints. Drawing (LayoutTekenaar.h) and tests both start from this.

#include <vector>
#include <QStringList>

#include "host/printing/AfdrukLayout.h"

namespace Printing {

class DataBron;

struct GevuldeCel {
    TabStop stop;
    QStringList regels;
};

struct GevuldeRegel {
    AfdrukRegel::Soort soort = AfdrukRegel::Tekst;  // never Blok: a block is unrolled
    bool vet = false;
    bool groot = false;
    std::vector<GevuldeCel> cellen;
};

// Rows of a repeating block come from the sub-source of its code; their
// fields are asked of `bron` itself, which answers them from that sub-source.
std::vector<GevuldeRegel> VulLayout(const AfdrukLayout& layout, DataBron& bron);

// The text of every cell, cell lines joined with "\n", cells with "\t", lines with "\n".
QString GevuldeTekst(const std::vector<GevuldeRegel>& regels);

}  // namespace Printing
