#include "host/printing/Dbl2Str.h"

#include "host/ui/GridCel.h"

QString Dbl2Str(double waarde, int breedte, int decimalen, bool duizendtallen)
{
    QString formaat = duizendtallen ? QStringLiteral("#,##0") : QStringLiteral("0");
    if (decimalen > 0)
        formaat += u'.' + QString(decimalen, u'0');
    return FormatGetal(waarde, formaat).rightJustified(breedte, u' ');
}
