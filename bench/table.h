// The results of a benchmark run: one row per figure, with its reference and
// target, the statistics the figures are made of, and the printed table.
// Every measure returns rows; main prints them all at the end as one table.
#pragma once

#include <chrono>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

namespace bench {

inline constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

struct Row {
  std::string measure;
  double value = kNone;  // NaN: could not be measured
  std::string unit;
  std::string reference;  // what the ratio compares with, value and unit included
  double ratio = kNone;   // value / reference
  double limit = kNone;   // the target is value < limit, in the row's unit
};

// The median and a percentile (0..100, nearest rank) of a sample; NaN when empty.
double Median(std::vector<double> sample);
double Percentile(std::vector<double> sample, double percent);

// A number as the table shows it: about three significant digits.
std::string Format(double value);

// Prints the rows as one aligned table, then the notes one per line.
void PrintTable(const std::vector<Row>& rows, const std::vector<std::string>& notes);

// Wall-clock seconds on the steady clock, for timing loops.
inline double Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// CPU seconds of the calling thread: for loops that only compute, where the
// time other programs take the core from us must not count.
inline double ThreadCpuNow() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace bench
