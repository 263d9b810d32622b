// babyname-suggest [--store PATH] --family TEXT --sex TEXT --length TEXT [--presses N]
//                  [--readings]
// Prints the grids that N presses of the suggestion button give in one run of the program:
// 11 lines of 6 tab-separated cells each, an empty line between grids. With --readings each
// cell is followed by a space and the full name's reading, where it is known.
#include "naming/executable_folder.h"
#include "naming/name_query.h"
#include "naming/name_store.h"
#include "naming/suggestion.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: babyname-suggest [--store PATH] --family TEXT --sex 男|女 --length 二字|三字"
    " [--presses N] [--readings]\n";

struct Options {
    std::string store;
    std::optional<std::string> family, sex, length;
    int presses = 1;
    bool readings = false;
};

class PrintingSink : public naming::SuggestionSink {
public:
    explicit PrintingSink(bool readings) : readings_(readings) {}
    void Clear() override { rows_.clear(); }
    void AddRow() override { rows_.emplace_back(); }
    void SetCaption(const std::string& text) override { rows_.back().push_back(text); }
    void AddSubItem(const std::string& text) override { rows_.back().push_back(text); }
    void SetCellDetails(const naming::SuggestionDetails& details) override {
        if (readings_ && !details.reading.empty()) rows_.back().back() += ' ' + details.reading;
    }

    void Print(std::ostream& out) const {
        for (const auto& row : rows_) {
            for (size_t i = 0; i < row.size(); ++i)
                out << (i ? "\t" : "") << row[i];
            out << '\n';
        }
    }

private:
    bool readings_;
    std::vector<std::vector<std::string>> rows_;
};

std::string DefaultStorePath(const char* argv0) {
    std::string folder = naming::ExecutableFolder();
    if (folder.empty()) { // the system does not tell: the folder of the name it was run by
        std::error_code ec;
        folder = std::filesystem::absolute(argv0, ec).parent_path().string();
    }
    return naming::NameStoreInFolder(folder);
}

// Every failure is one line on the error output and exit status 1.
[[noreturn]] void Fail(const std::string& problem) {
    std::cerr << "babyname-suggest: " << problem << "\n";
    std::exit(1);
}

// Lost output is a failure: a full disk or a closed output shows here at the latest. The
// caller clears errno before the writes checked; a final check covers the last flush.
void CheckOutput(bool finish) {
    if (finish) errno = 0;
    std::cout.flush();
    if (finish && std::fflush(stdout) != 0) std::cout.setstate(std::ios::badbit);
    if (std::cout && !std::ferror(stdout)) return;
    Fail(std::string("the output could not be written") +
         (errno ? std::string(": ") + std::strerror(errno) : std::string()));
}

int ParsePresses(const std::string& value) {
    int presses = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), presses);
    if (ec != std::errc() || end != value.data() + value.size() || presses < 1)
        Fail("--presses takes a whole number of at least 1");
    return presses;
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    options.store = DefaultStorePath(argv[0]);
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            std::cout << kUsage;
            CheckOutput(true);
            std::exit(0);
        }
        if (option == "--readings") {
            options.readings = true;
            continue;
        }
        if (!option.starts_with("-")) Fail("unexpected argument " + option + " (see --help)");
        const bool takesValue = option == "--store" || option == "--family" || option == "--sex" ||
                                option == "--length" || option == "--presses";
        if (!takesValue) Fail("unknown option " + option + " (see --help)");
        if (i + 1 >= argc) Fail("missing value after " + option);
        const std::string value = argv[++i];
        if (option == "--store") options.store = value;
        if (option == "--family") options.family = value;
        if (option == "--sex") options.sex = value;
        if (option == "--length") options.length = value;
        if (option == "--presses") options.presses = ParsePresses(value);
    }
    return options;
}

void CheckOptions(const Options& options) {
    if (!options.family || !options.sex || !options.length)
        Fail("--family, --sex and --length are required (see --help)");
    // A tab or line break would break the tab-separated grid.
    if (options.family->find_first_of("\t\r\n") != std::string::npos)
        Fail("the family name must not hold a tab or a line break");
    if (!naming::ChooseNameTable(*options.sex, *options.length)) Fail("the sex must be 男 or 女");
}

} // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    CheckOptions(options);

    naming::NameStore connection;
    connection.SetConnection(options.store, naming::kNameStorePassword);
    naming::NameQuery query(connection);
    PrintingSink sink(options.readings);
    try {
        for (int press = 0; press < options.presses; ++press) {
            naming::SuggestNames(query, *options.family, *options.sex, *options.length, sink);
            errno = 0;
            if (press) std::cout << '\n';
            sink.Print(std::cout);
            CheckOutput(false);
        }
    } catch (const std::exception& e) {
        std::cout.flush();
        Fail(e.what());
    }
    CheckOutput(true);
    return 0;
}
