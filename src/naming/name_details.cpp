#include "naming/name_details.h"

namespace naming {

std::string OneLine(std::string_view text, std::size_t maxBytes) {
    if (text.size() > maxBytes) return {};
    std::string line;
    line.reserve(text.size());
    bool pendingSpace = false;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F) {
            pendingSpace = !line.empty();
            continue;
        }
        if (pendingSpace) line += ' ';
        pendingSpace = false;
        line += c;
    }
    return line;
}

std::string TidyReading(std::string_view stored) {
    std::string reading = OneLine(stored, kMaxReadingBytes);
    for (char& c : reading)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return reading;
}

std::string FormatSource(std::string_view stored) {
    const std::string source = OneLine(stored, kMaxSourceBytes);
    constexpr std::string_view open = "《", close = "》";
    if (!source.starts_with(open)) return source;
    const std::size_t end = source.find(close);
    if (end == std::string::npos) return source;
    const std::string work = source.substr(0, end + close.size());
    const std::string line = OneLine(std::string_view(source).substr(work.size()), source.size());
    if (line.empty()) return work;
    return line + "（" + work + "）";
}

std::string JoinReadings(std::string_view family, std::string_view given) {
    if (given.empty()) return {};
    if (family.empty()) return std::string(given);
    std::string reading(family);
    reading += ' ';
    reading += given;
    return reading;
}

std::string DescribeSuggestion(std::string_view fullName, const SuggestionDetails& details) {
    if (fullName.empty()) return {};
    std::string text(fullName);
    for (const std::string* line : {&details.reading, &details.source})
        if (!line->empty()) text += '\n' + *line;
    return text;
}

} // namespace naming
