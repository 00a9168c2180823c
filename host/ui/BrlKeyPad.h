#pragma once
// The on-screen keypad of touch-screen tills: digits, the decimal comma,
// backspace, Tab and Enter in a small window that stays above the form. A key
// goes to the widget that has the focus in the form; the keypad itself never
// takes the focus, so the cursor stays where the user was typing.

class QWidget;

struct BrlKeyPad {
    // Binds the keypad to `form` (once; binding again changes nothing). It
    // shows and hides with the form and goes with it.
    static void Bind(QWidget* form);
    // The keypad bound to `form`, or null.
    static QWidget* Of(const QWidget* form);
};
