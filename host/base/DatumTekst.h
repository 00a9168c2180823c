#pragma once
// Dates as text, with Dutch day and month names. FormatDateTime takes the
// format letters the forms use:
//   d dd ddd dddd   day, two-digit day, short name ("ma"), long name ("maandag")
//   m mm mmm mmmm   month, two-digit month, short name ("mrt"), long name ("maart")
//   yy yyyy         year in two or four digits
//   h hh n nn s ss  hour, minute, second
// Text between single or double quotes is copied as it is; any other character too.

#include <QString>

#include "host/base/TDateTime.h"

QString FormatDateTime(const QString& formaat, TDateTime d);

QString KorteDagNaam(int isoDag);  // 1 = Monday
QString LangeDagNaam(int isoDag);
QString KorteMaandNaam(int maand);  // 1 = January
QString LangeMaandNaam(int maand);
