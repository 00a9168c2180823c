#pragma once
// A refused input of a master-data dialog: which field to focus and the Dutch
// warning to show. The rules live beside the write paths so that the forms
// and the tests use the same ones.

#include <optional>
#include <QString>

template <class Veld>
struct Afkeuring {
    Veld veld;
    QString tekst;
};

template <class Veld>
using Controle = std::optional<Afkeuring<Veld>>;
