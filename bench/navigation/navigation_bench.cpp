// Building the navigation tree of a config.ini whose items are chained by "rodic", each section
// written twice: the tree holds one node per item, so the time grows with the file.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/ini/inifile.h"
#include "presentation/navigation/navigation.h"

namespace {

std::string chainedItems(int levels) {
    std::string text;
    for (int level = 1; level <= levels; ++level) {
        for (int copy = 0; copy < 2; ++copy) {
            text += "[polozka " + std::to_string(level) + "]\r\n";
            if (level > 1) {
                text += "rodic=polozka " + std::to_string(level - 1) + "\r\n";
            }
            text += "text0=Polozka " + std::to_string(level) + "\r\nurl0=stranky\\polozka" +
                    std::to_string(level) + ".html\r\n";
        }
    }
    return text;
}

size_t nodeCount(const std::vector<std::unique_ptr<expo::presentation::NavNode>>& nodes) {
    size_t count = nodes.size();
    for (const auto& node : nodes) {
        count += nodeCount(node->children);
    }
    return count;
}

void BM_ChainedRepeatedItems(benchmark::State& state) {
    const expo::IniFile config = expo::IniFile::fromText(chainedItems(state.range(0)));
    size_t nodes = 0;
    for (auto _ : state) {
        const auto tree =
            expo::presentation::buildNavigationTree(config, config.sections(), 0, false);
        nodes = nodeCount(tree.roots());
        benchmark::DoNotOptimize(nodes);
    }
    state.counters["nodes"] = static_cast<double>(nodes);
}
BENCHMARK(BM_ChainedRepeatedItems)->Arg(20)->Arg(22)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
