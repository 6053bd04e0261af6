#pragma once
// The console report of a benchmark program that also keeps each benchmark's real time (the
// median when repeated), so that the program can print measured / yardstick ratios at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace expo::bench {

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median) {
                seconds_[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints measured / yardstick for a pair that ran (a filter may have left either out).
    void ratio(const char* what, const std::string& measured, const std::string& yardstick,
               const char* target) const {
        const auto m = seconds_.find(measured);
        const auto y = seconds_.find(yardstick);
        if (m == seconds_.end() || y == seconds_.end()) {
            return;
        }
        std::printf("  %-34s %10.3f ms / %10.3f ms = %6.2f   (target %s)\n", what, m->second * 1e3,
                    y->second * 1e3, m->second / y->second, target);
    }

    // The real time of `name` in seconds, 0 when it did not run.
    double seconds(const std::string& name) const {
        const auto it = seconds_.find(name);
        return it == seconds_.end() ? 0 : it->second;
    }

  private:
    std::map<std::string, double> seconds_;
};

}  // namespace expo::bench
