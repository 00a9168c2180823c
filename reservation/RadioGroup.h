#pragma once
// A titled group of radio buttons with one item index, as the forms keep
// their small number fields (type, nationality, ...): the index of the
// checked item is the stored value.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& naam, const QString& titel, const QStringList& items, QWidget* parent);

    int ItemIndex() const;  // -1 when no item is checked
    // An index outside the items checks none.
    void SetItemIndex(int index);
    int ItemAantal() const;
    QRadioButton* Item(int index) const;

private:
    QButtonGroup* groep_;
};
