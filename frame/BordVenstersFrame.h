#pragma once
// The frame's side of bord::BordVensters: the board's details and check-in
// open through the module's dialog functions. Every board the frame creates
// gets it.

#include "board/BordVensters.h"

const bord::BordVensters& FrameBordVensters();
