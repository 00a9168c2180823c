#pragma once
// Room types: the dialog's rule, the in-use check before removal, and the
// write and delete paths of rsv_kamertype.dat together with the type's rates.
// No widgets.

#include <cstdint>
#include <QString>

#include "host/brlib/KamerType.h"
#include "masterdata/Afkeuring.h"

namespace kamertype {
inline const QString kInGebruik = QStringLiteral(
    "Een of meerdere kamers zijn van dit type. U kunt dit type pas verwijderen wanneer dit type niet meer "
    "toegeweZen is aan een of meerdere kamers.");
}  // namespace kamertype

enum class KamerTypeVeld { Code };

// Data mode's check on OK: a code that is not only spaces.
Controle<KamerTypeVeld> ControleerKamerType(const QString& code);

// Some room still has this type; such a type cannot be removed.
bool KamerTypeInGebruik(int32_t kamerTypeNr);

QString VerwijderVraag(const brlib::stKamerType& type);

// Write path (data mode): the record with the stamp check (error "Registreren
// kamertype"), then the type's rates of `jaar` rewritten from its rate list,
// all in one action. On success the item holds its number and new stamp.
bool SchrijfKamerType(brlib::stKamerType& type, int jaar);
// Rates mode: only the rates of `jaar`, in an action of their own.
bool SchrijfKamerTypeTarieven(const brlib::stKamerType& type, int jaar);
// Delete path: the stamp check, the type's rate chains of every year freed, the
// record freed, and rooms of this type left without a type.
bool VerwijderKamerType(const brlib::stKamerType& type);
