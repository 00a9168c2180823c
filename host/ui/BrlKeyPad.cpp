#include "host/ui/BrlKeyPad.h"

void BrlKeyPad::Bind(QWidget*) {}
