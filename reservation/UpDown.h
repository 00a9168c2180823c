#pragma once
// An up-down: two small arrow buttons beside an edit field that step the
// number in it within a range; the field itself stays free to type into.

#include <QWidget>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QWidget* ouder, QLineEdit* veld, int min, int max);

    int Positie() const { return positie_; }
    // Clamped into the range and shown in the field.
    void ZetPositie(int positie);
    int Min() const { return min_; }
    int Max() const { return max_; }

signals:
    void Gewijzigd(int positie);

private:
    void Stap(int stap);

    QLineEdit* veld_;
    int min_;
    int max_;
    int positie_;
};
