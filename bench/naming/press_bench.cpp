// One press of the suggestion button against the store the build makes: with the connection
// already open (every press after the first), and the first press of a run, which opens the
// connection and derives the key from the password.
#include "naming/name_query.h"
#include "naming/name_store.h"
#include "naming/suggestion.h"

#include <benchmark/benchmark.h>

namespace {

const std::string kStore = std::string(BABYNAME_BUILD_DIR) + "/config/tarnwick.dat";

class CountingSink : public naming::SuggestionSink {
public:
    void Clear() override { cells = 0; }
    void AddRow() override {}
    void SetCaption(const std::string& text) override { cells += !text.empty(); }
    void AddSubItem(const std::string& text) override { cells += !text.empty(); }
    int cells = 0;
};

void BM_PressWithOpenConnection(benchmark::State& state) {
    naming::NameStore store;
    store.SetConnection(kStore, naming::kNameStorePassword);
    naming::NameQuery query(store);
    CountingSink sink;
    naming::SuggestNames(query, "王", "男", "三字", sink); // connects
    for (auto _ : state) {
        naming::SuggestNames(query, "王", "男", "三字", sink);
        benchmark::DoNotOptimize(sink.cells);
    }
}
BENCHMARK(BM_PressWithOpenConnection)->Unit(benchmark::kMicrosecond);

void BM_FirstPress(benchmark::State& state) {
    for (auto _ : state) {
        naming::NameStore store;
        store.SetConnection(kStore, naming::kNameStorePassword);
        naming::NameQuery query(store);
        CountingSink sink;
        naming::SuggestNames(query, "王", "男", "三字", sink);
        benchmark::DoNotOptimize(sink.cells);
    }
}
BENCHMARK(BM_FirstPress)->Unit(benchmark::kMillisecond);

} // namespace
