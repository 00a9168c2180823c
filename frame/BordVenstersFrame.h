#pragma once
// The frame's side of bord::BordVensters: the board's details, check-in and
// overview open through the module's dialog functions, the reports and the
// settings directly. Every board the frame creates gets it.

#include "board/BordVensters.h"

const bord::BordVensters& FrameBordVensters();
