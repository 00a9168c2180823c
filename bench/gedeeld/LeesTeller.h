#pragma once
// What a benchmark reads and holds: a file system that counts the record
// layer's reads on their way to the platform's, and the counters every
// benchmark reports with its time (reads and bytes per iteration, the peak
// memory of the process). scripts/bench puts them in its table.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>

#include "host/records/FileSystem.h"

class LeesTeller final : public brlib::FileSystem {
public:
    // Atomic: a board's second reading thread counts through the same file system.
    std::atomic<int64_t> lezingen = 0;
    std::atomic<int64_t> bytes = 0;

    int Open(const QString& path, Mode mode) override { return echt_.Open(path, mode); }
    void Close(int handle) override { echt_.Close(handle); }
    int64_t Read(int handle, int64_t offset, void* buffer, int64_t length) override;
    int Write(int handle, int64_t offset, const void* data, int64_t length) override
    {
        return echt_.Write(handle, offset, data, length);
    }
    int Sync(int handle) override { return echt_.Sync(handle); }
    int SyncAll(const std::vector<int>& handles) override { return echt_.SyncAll(handles); }
    int64_t Size(int handle) override { return echt_.Size(handle); }
    int Truncate(int handle, int64_t size) override { return echt_.Truncate(handle, size); }
    int TryLock(int handle) override { return echt_.TryLock(handle); }
    void Unlock(int handle) override { echt_.Unlock(handle); }
    bool Exists(const QString& path) override { return echt_.Exists(path); }
    int MakeDir(const QString& path) override { return echt_.MakeDir(path); }
    int SyncDir(const QString& path) override { return echt_.SyncDir(path); }
    int Remove(const QString& path) override { return echt_.Remove(path); }
    QStringList ListDir(const QString& path) override { return echt_.ListDir(path); }

private:
    brlib::FileSystem& echt_ = brlib::RealFileSystem();
};

// The program's counter, put in place by the first call (before any workstation
// is made, so that all of them read through it).
LeesTeller& Teller();

// Counts from construction; Sluit sets the counters "lezingen", "bytes_gelezen"
// (per iteration) and "piek_mb" on the benchmark.
class Telling {
public:
    Telling();
    void Sluit(benchmark::State& state) const;

private:
    int64_t lezingen_;
    int64_t bytes_;
};
