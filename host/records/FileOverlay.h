#pragma once
// The writes of the open action to one file, held in memory as whole pages
// until the action commits. A page starts as the file's committed bytes (zeros
// beyond its end) and takes every write of the action on top. The committed
// bytes come from the workstation's kept chunks where it has them, else from
// the file.

#include <cstdint>
#include <map>
#include <vector>
#include <QString>

#include "host/records/FileSystem.h"

namespace brlib {

struct ChunkSet;

class FileOverlay {
public:
    static constexpr int64_t kPageSize = 4096;

    // `committed`, when given, holds the file's committed size, stamp and
    // chunks for the whole action; otherwise the file is opened at once.
    FileOverlay(FileSystem& fs, QString path, const ChunkSet* committed = nullptr);
    ~FileOverlay();
    FileOverlay(const FileOverlay&) = delete;
    FileOverlay& operator=(const FileOverlay&) = delete;

    const QString& Path() const { return path_; }
    bool Existed() const { return existed_; }
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
    void ReadFile(int64_t offset, char* buffer, int64_t length) const;

    FileSystem& fs_;
    QString path_;
    const ChunkSet* committed_;
    mutable int handle_ = -1;
    bool existed_ = false;
    int64_t originalSize_ = 0;
    int64_t size_ = 0;
    std::map<int64_t, std::vector<char>> pages_;
};

}  // namespace brlib
