#pragma once
// How a form shows the relation number of its guest: the number on a field
// background, or an empty label on the button colour when there is none.

#include <cstdint>

class QLabel;

void ToonRelatieNr(QLabel& label, int32_t relatieNr);
