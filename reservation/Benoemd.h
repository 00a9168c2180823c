#pragma once
// A child control that carries its name as objectName, so that tests and the
// host find it: Benoemd<QPushButton>(paneel, "btnOk", QStringLiteral("OK")).

#include <utility>
#include <QString>
#include <QWidget>

template <class W, class... Args>
W* Benoemd(QWidget* ouder, const char* naam, Args&&... args)
{
    auto* w = new W(std::forward<Args>(args)..., ouder);
    w->setObjectName(QString::fromLatin1(naam));
    return w;
}
