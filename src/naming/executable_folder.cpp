#include "naming/executable_folder.h"

#if defined(_WIN32)
#include <windows.h>
#elif defined(__APPLE__)
#include <climits>
#include <cstdlib>
#include <mach-o/dyld.h>
#else
#include <unistd.h>
#endif

#include <vector>

namespace naming {
namespace {

#if defined(_WIN32)

std::string ExecutablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
        if (size == 0) return {};
        if (size < buffer.size()) {
            const int bytes = WideCharToMultiByte(CP_UTF8, 0, buffer.data(), int(size), nullptr, 0,
                                                  nullptr, nullptr);
            std::string path(static_cast<size_t>(bytes), '\0');
            WideCharToMultiByte(CP_UTF8, 0, buffer.data(), int(size), path.data(), bytes, nullptr,
                                nullptr);
            return path;
        }
        buffer.resize(buffer.size() * 2); // the name was cut short
    }
}

#elif defined(__APPLE__)

std::string ExecutablePath() {
    uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::vector<char> buffer(size + 1);
    if (_NSGetExecutablePath(buffer.data(), &size) != 0) return {};
    char resolved[PATH_MAX];
    if (!realpath(buffer.data(), resolved)) return buffer.data();
    return resolved;
}

#else

std::string ExecutablePath() {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t size = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (size < 0) return {};
        if (static_cast<size_t>(size) < buffer.size()) return std::string(buffer.data(), size);
        buffer.resize(buffer.size() * 2); // the link may have been cut short
    }
}

#endif

bool IsSeparator(char c) {
#if defined(_WIN32)
    if (c == '\\') return true;
#endif
    return c == '/';
}

} // namespace

std::string ExecutableFolder() {
    std::string path = ExecutablePath();
    size_t end = path.size();
    while (end > 0 && !IsSeparator(path[end - 1]))
        --end;
    if (end == 0) return {};
    // Keep the root itself ("/" or "C:\") when the program sits there.
    if (end > 1 && path[end - 2] != ':') --end;
    path.resize(end);
    return path;
}

std::string NameStoreInFolder(const std::string& folder) {
    std::string base = folder;
    if (!base.empty() && IsSeparator(base.back())) base.pop_back();
    return base + "/./config/tarnwick.dat";
}

} // namespace naming
