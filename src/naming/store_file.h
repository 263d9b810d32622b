#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace naming {

// What tells whether a file was changed or replaced: a file written in place changes its
// size or times, a file renamed over it is another file.
struct FileStamp {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modified = 0, changed = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file now; all zero when it cannot be read.
FileStamp ReadFileStamp(const std::string& path);

// The file system's path for a path held as bytes (UTF-8 on Windows).
std::filesystem::path NativePath(const std::string& path);

// The path as a "file:" URI for the database engine, every byte outside the plain ones
// written as %XX, with the given query (without "?") appended.
std::string DatabaseUri(const std::string& path, const std::string& query);

} // namespace naming
