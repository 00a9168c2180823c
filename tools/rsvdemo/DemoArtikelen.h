#pragma once
// The demo hotel's till articles (breakfast, meals, drinks, parking, tourist
// tax) and the product-selection buttons for them in "artsel.cfg".

// Writes into the current administration; false (after a Dutch message on
// stderr) when an article could not be stored or the file not written.
bool MaakDemoArtikelen();
