#pragma once
// The writes of the open action to one file, held in memory as whole pages
// until the action commits. A page starts as the file's committed bytes (zeros
// beyond its end) and takes every write of the action on top.

#include <cstdint>
#include <map>
#include <vector>
#include <QString>

#include "host/records/FileSystem.h"

namespace brlib {

class FileOverlay {
public:
    static constexpr int64_t kPageSize = 4096;

    // Opens the committed file (if it exists) to read original pages from.
    FileOverlay(FileSystem& fs, QString path);
    ~FileOverlay();
    FileOverlay(const FileOverlay&) = delete;
    FileOverlay& operator=(const FileOverlay&) = delete;

    const QString& Path() const { return path_; }
    bool Existed() const { return handle_ >= 0; }
    int64_t OriginalSize() const { return originalSize_; }
    int64_t Size() const { return size_; }

    void Write(int64_t offset, const void* data, int64_t length);
    // The page's bytes as the action left them, or null when it wrote none.
    const char* Page(int64_t page) const;
    const std::map<int64_t, std::vector<char>>& Pages() const { return pages_; }

    // The committed bytes of [offset, offset + length), zeros beyond the end.
    // Throws EBrRuntime when the file cannot be read.
    void ReadOriginal(int64_t offset, char* buffer, int64_t length) const;

private:
    std::vector<char>& PageForWrite(int64_t page);

    FileSystem& fs_;
    QString path_;
    int handle_ = -1;
    int64_t originalSize_ = 0;
    int64_t size_ = 0;
    std::map<int64_t, std::vector<char>> pages_;
};

}  // namespace brlib
