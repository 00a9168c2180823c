#pragma once
// Base of every data source that fills a print layout. The print engine owns
// the source for one print run and deletes it through this base.

namespace Printing {

class DataBron {
public:
    DataBron() = default;
    DataBron(const DataBron&) = delete;
    DataBron& operator=(const DataBron&) = delete;
    virtual ~DataBron() = default;
};

}  // namespace Printing
