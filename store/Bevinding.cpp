#include "store/Bevinding.h"

QString Bevinding::Regel() const
{
    QString regel = bestand;
    if (jaar != 0)
        regel += ", jaar " + QString::number(jaar);
    if (record != 0)
        regel += ", record " + QString::number(record);
    return regel + ": " + wat;
}
