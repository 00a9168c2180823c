#pragma once
// The data source of the reservation document (print layout "rsv"). It offers
// no fields yet: a print run with it fills nothing.

#include "host/printing/DataBron.h"

class DBReservering : public Printing::DataBron {
public:
    DBReservering() = default;
};
