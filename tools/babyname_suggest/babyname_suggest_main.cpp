// babyname-suggest [--store PATH] --family TEXT --sex TEXT --length TEXT [--presses N]
// Prints the grids that N presses of the suggestion button give in one run of the program:
// 11 lines of 6 tab-separated cells each, an empty line between grids.
#include "naming/executable_folder.h"
#include "naming/name_query.h"
#include "naming/name_store.h"
#include "naming/suggestion.h"

#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>
#include <vector>

namespace {

class PrintingSink : public naming::SuggestionSink {
public:
    void Clear() override { rows_.clear(); }
    void AddRow() override { rows_.emplace_back(); }
    void SetCaption(const std::string& text) override { rows_.back().push_back(text); }
    void AddSubItem(const std::string& text) override { rows_.back().push_back(text); }

    void Print(std::ostream& out) const {
        for (const auto& row : rows_) {
            for (size_t i = 0; i < row.size(); ++i)
                out << (i ? "\t" : "") << row[i];
            out << '\n';
        }
    }

private:
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

[[noreturn]] void Usage(const std::string& problem) {
    std::cerr << "babyname-suggest: " << problem << "\n"
              << "usage: babyname-suggest [--store PATH] --family TEXT --sex TEXT --length TEXT"
                 " [--presses N]\n";
    std::exit(1);
}

} // namespace

int main(int argc, char** argv) {
    std::string store = DefaultStorePath(argv[0]);
    std::optional<std::string> family, sex, length;
    int presses = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) Usage("missing value after " + option);
        const std::string value = argv[++i];
        if (option == "--store")
            store = value;
        else if (option == "--family")
            family = value;
        else if (option == "--sex")
            sex = value;
        else if (option == "--length")
            length = value;
        else if (option == "--presses") {
            const auto [end, ec] =
                std::from_chars(value.data(), value.data() + value.size(), presses);
            if (ec != std::errc() || end != value.data() + value.size() || presses < 1)
                Usage("--presses takes a whole number of at least 1");
        } else
            Usage("unknown option " + option);
    }
    if (!family || !sex || !length) Usage("--family, --sex and --length are required");

    naming::NameStore connection;
    connection.SetConnection(store, naming::kNameStorePassword);
    naming::NameQuery query(connection);
    PrintingSink sink;
    try {
        for (int press = 0; press < presses; ++press) {
            if (press) std::cout << '\n';
            if (!naming::SuggestNames(query, *family, *sex, *length, sink))
                std::cerr << "babyname-suggest: the sex must be 男 or 女; the grid stays empty\n";
            sink.Print(std::cout);
        }
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "babyname-suggest: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
