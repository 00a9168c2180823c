#pragma once
// Builds and places the controls of the details form. The form keeps them as
// named members and gives them their behaviour; this unit only lays them out.

class TfrmRsvResGeg;

void BouwResGegControls(TfrmRsvResGeg& f);
