#pragma once
// The on-screen keypad of touch-screen tills. This platform leaves on-screen
// input to the desktop's own keyboard, so binding a form changes nothing; the
// call exists so that forms can bind it as the till settings ask.

class QWidget;

struct BrlKeyPad {
    static void Bind(QWidget* form);
};
