#pragma once
// An administration directory made from fuzzer bytes, for the targets that
// read record files. The bytes are a row of files: one byte picks the file
// name (of the record, text-list and till files, the 2026 ones in their year
// folder), two bytes (little-endian) give the length, then the contents.
// The directory is emptied and filled again for every input, and is the
// current administration with a fresh workstation on it. The corpus seeds
// were made from the demo administration in this form.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <QString>

#include "host/records/Werkstation.h"

class FuzzAdministratie {
public:
    FuzzAdministratie(const uint8_t* data, size_t size);
    ~FuzzAdministratie();

private:
    std::unique_ptr<brlib::WerkstationScope> scope_;
};

// Writes `size` bytes to `pad` (made or emptied first).
void SchrijfBestand(const QString& pad, const uint8_t* data, size_t size);
// A scratch folder of this process, made on first use.
QString FuzzMap();
