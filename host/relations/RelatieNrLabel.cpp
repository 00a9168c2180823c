#include "host/relations/RelatieNrLabel.h"

#include <QLabel>

void ToonRelatieNr(QLabel& label, int32_t relatieNr)
{
    const bool bekend = relatieNr > 0;
    label.setText(bekend ? QString::number(relatieNr) : QString());
    QPalette kleuren = label.palette();
    kleuren.setColor(QPalette::Window, label.window()->palette().color(bekend ? QPalette::Base : QPalette::Button));
    label.setPalette(kleuren);
}
