#pragma once
// Small builders for the details form's controls: every control gets its
// name as objectName, so that tests and the host find it.

#include <QString>

class QBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// A push button that never acts on Enter elsewhere in the form.
QPushButton* NieuweKnop(QWidget* ouder, const QString& naam, const QString& tekst);
// A sunken label that shows a value.
QLabel* NieuwWaardeLabel(QWidget* ouder, const QString& naam, Qt::Alignment uitlijning = Qt::AlignLeft);
// A borderless panel with a row (or column) layout without margins.
QWidget* NieuwPaneel(QWidget* ouder, const QString& naam, QBoxLayout*& layout, bool verticaal = false);
