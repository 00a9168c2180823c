#pragma once
// Mailing a reservation: its document (layout "rsv") as a PDF attachment of a
// new message in the desktop's mail program (through xdg-email). Without a
// mail program, or when it refuses, the message is saved as an .eml file in
// the user's documents folder, which any mail program opens. The user is told
// where the message went; false when none was made (also told).

#include "host/base/JaarNr.h"

bool EmailReservering(const JaarNr& nummer);
