// Loading and saving properties files: the shipped factory.prp and generated
// files of 10,000 and 100,000 lines with many units per property.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "units/prp_file.h"

namespace {

std::filesystem::path factoryFile() {
    const char* source = std::getenv("ZENTRA_SOURCE_DIR");
    const std::filesystem::path root =
        source ? std::filesystem::path(source)
               : std::filesystem::path(__FILE__).parent_path().parent_path();
    return root / "resources" / "factory.prp";
}

std::filesystem::path scratch(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("zentra-prp-bench-" + name);
}

// A database whose file has about `lines` lines: 500 units and 20 constants per property.
zentra::PropertyDatabase generated(long lines) {
    zentra::PropertyDatabase db;
    zentra::addBuiltInContent(db);
    long written = 7;
    for (int p = 0; written < lines; ++p) {
        zentra::Property& property = zentra::addProperty(db, "property " + std::to_string(p));
        ++written;
        for (int u = 0; u < 500 && written < lines; ++u, ++written) {
            zentra::setUnit(property, "unit " + std::to_string(u) + " µ", 1.0 + u * 0.37,
                            u % 4 ? 0.0 : -273.15);
        }
        for (int c = 0; c < 20 && written < lines; ++c, ++written) {
            zentra::setConstant(property, "constant " + std::to_string(c), 6.02e23 * c);
        }
    }
    return db;
}

const std::filesystem::path& generatedFile(long lines) {
    static std::map<long, std::filesystem::path> files;
    auto it = files.find(lines);
    if (it == files.end()) {
        zentra::PropertyDatabase db = generated(lines);
        const auto path = scratch(std::to_string(lines) + ".prp");
        if (!zentra::saveDatabase(db, path)) std::abort();
        it = files.emplace(lines, path).first;
    }
    return it->second;
}

void load(benchmark::State& state, const std::filesystem::path& path) {
    for (auto _ : state) {
        zentra::PropertyDatabase db;
        zentra::addBuiltInContent(db);
        if (!zentra::loadDatabase(
                db, path, [](std::string_view, std::string_view) {}, 0)) {
            state.SkipWithError("load failed");
        }
        benchmark::DoNotOptimize(db.properties.size());
    }
}

void BM_LoadFactory(benchmark::State& state) {
    load(state, factoryFile());
}
BENCHMARK(BM_LoadFactory)->Unit(benchmark::kMicrosecond);

void BM_SaveFactory(benchmark::State& state) {
    zentra::PropertyDatabase db;
    zentra::addBuiltInContent(db);
    zentra::loadDatabase(db, factoryFile(), {}, 0);
    const auto path = scratch("factory-out.prp");
    for (auto _ : state) {
        if (!zentra::saveDatabase(db, path)) state.SkipWithError("save failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveFactory)->Unit(benchmark::kMicrosecond);

void BM_LoadGenerated(benchmark::State& state) {
    load(state, generatedFile(state.range(0)));
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadGenerated)
    ->Arg(10000)
    ->Arg(30000)
    ->Arg(100000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BM_SaveGenerated(benchmark::State& state) {
    zentra::PropertyDatabase db = generated(state.range(0));
    const auto path = scratch("out-" + std::to_string(state.range(0)) + ".prp");
    for (auto _ : state) {
        if (!zentra::saveDatabase(db, path)) state.SkipWithError("save failed");
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveGenerated)
    ->Arg(10000)
    ->Arg(30000)
    ->Arg(100000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (long lines : {10000L, 30000L, 100000L})
        std::filesystem::remove(scratch(std::to_string(lines) + ".prp"));
    return 0;
}
