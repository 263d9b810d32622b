#include "naming/store_file.h"

#include <sys/stat.h>

namespace naming {

std::filesystem::path NativePath(const std::string& path) {
#if defined(_WIN32)
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
#else
    return std::filesystem::path(path);
#endif
}

#if defined(_WIN32)

FileStamp ReadFileStamp(const std::string& path) {
    std::error_code ec;
    const auto native = NativePath(path);
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(native, ec);
    if (ec) return {};
    stamp.modified = std::filesystem::last_write_time(native, ec).time_since_epoch().count();
    return ec ? FileStamp{} : stamp;
}

#else

FileStamp ReadFileStamp(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return {};
    FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.inode = static_cast<std::uint64_t>(info.st_ino);
    stamp.size = static_cast<std::uint64_t>(info.st_size);
#if defined(__APPLE__)
    const auto& modified = info.st_mtimespec;
    const auto& changed = info.st_ctimespec;
#else
    const auto& modified = info.st_mtim;
    const auto& changed = info.st_ctim;
#endif
    stamp.modified = std::int64_t(modified.tv_sec) * 1'000'000'000 + modified.tv_nsec;
    stamp.changed = std::int64_t(changed.tv_sec) * 1'000'000'000 + changed.tv_nsec;
    return stamp;
}

#endif

std::string DatabaseUri(const std::string& path, const std::string& query) {
    std::string uri = "file:";
    std::string plain = path;
#if defined(_WIN32)
    for (char& c : plain)
        if (c == '\\') c = '/';
    if (plain.size() > 1 && plain[1] == ':') plain.insert(plain.begin(), '/'); // C:/ -> /C:/
#endif
    // An absolute path gets an empty authority, so that "//x" is never read as a host.
    if (!plain.empty() && plain[0] == '/') uri += "//";
    static const char hex[] = "0123456789ABCDEF";
    for (unsigned char c : plain) {
        const bool keep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
                          c == '/' || c == ':';
        if (keep) {
            uri += char(c);
        } else {
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 15];
        }
    }
    return query.empty() ? uri : uri + "?" + query;
}

} // namespace naming
