#pragma once
// A console reporter that also keeps each benchmark's CPU time (the median when repetitions are
// asked for), so a program can print the ratio of our code to the library floor it stands on.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace korvo_bench {

class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const std::string name = run.run_name.str();
      if (run.run_type == Run::RT_Iteration && !medians_.count(name)) {
        times_[name] = run.GetAdjustedCPUTime();
        realTimes_[name] = run.GetAdjustedRealTime();
      }
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians_.insert(name);
        times_[name] = run.GetAdjustedCPUTime();
        realTimes_[name] = run.GetAdjustedRealTime();
      }
    }
  }

  // Prints "<label> = X.XXx (CPU time)" for ours / baseline when both ran.
  void printRatio(const char* label, const std::string& ours, const std::string& baseline) const {
    print(times_, label, ours, baseline, "CPU time");
  }
  // The same with wall-clock time: for work done in other processes or waiting on a server.
  void printRealTimeRatio(const char* label, const std::string& ours, const std::string& baseline) const {
    print(realTimes_, label, ours, baseline, "real time");
  }

 private:
  static void print(const std::map<std::string, double>& times, const char* label, const std::string& ours,
                    const std::string& baseline, const char* unit) {
    auto a = times.find(ours);
    auto b = times.find(baseline);
    if (a != times.end() && b != times.end() && b->second > 0)
      std::printf("%s = %.2fx (%s)\n", label, a->second / b->second, unit);
  }
  std::map<std::string, double> times_;
  std::map<std::string, double> realTimes_;
  std::set<std::string> medians_;
};

}  // namespace korvo_bench
