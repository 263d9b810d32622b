#include "utf8_text.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

std::vector<char32_t> DecodeUtf8(const std::string& text) {
    std::vector<char32_t> out;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra;
        char32_t cp;
        if (lead < 0x80) {
            extra = 0;
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            throw std::runtime_error("bad UTF-8 lead byte in \"" + text + "\"");
        }
        if (i + extra >= text.size())
            throw std::runtime_error("truncated UTF-8 in \"" + text + "\"");
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                throw std::runtime_error("bad UTF-8 continuation in \"" + text + "\"");
            cp = (cp << 6) | (next & 0x3F);
        }
        static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            throw std::runtime_error("invalid UTF-8 code point in \"" + text + "\"");
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

std::set<char32_t> ReadCharacterSet(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path + ": cannot be read");
    std::set<char32_t> chars;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        for (char32_t cp : DecodeUtf8(line))
            chars.insert(cp);
    }
    return chars;
}

std::string SourceDir() {
    if (const char* dir = std::getenv("BABYNAME_SOURCE_DIR"); dir && *dir) return dir;
    return BABYNAME_SOURCE_DIR_FALLBACK;
}
