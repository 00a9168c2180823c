#pragma once
// With RSV_SCHERMAFDRUK=<dir> set, a test saves the form it works as
// <dir>/<naam>.png, so that its states can be looked at (and the README's
// pictures made again).

#include <QCoreApplication>
#include <QWidget>

inline void Schermafdruk(QWidget& widget, const QString& naam)
{
    const QString map = qEnvironmentVariable("RSV_SCHERMAFDRUK");
    if (map.isEmpty())
        return;
    // Layouts asked for while the form loaded settle first.
    QCoreApplication::sendPostedEvents();
    widget.grab().save(map + QLatin1Char('/') + naam + QStringLiteral(".png"));
}
