// Statistics and the printed table. Columns are padded by characters, not
// bytes, so units such as "µs" keep the table aligned.
#include "bench/table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace bench {
namespace {

// Characters in a UTF-8 string: every byte that does not continue one.
std::size_t Width(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Pad(const std::string& text, std::size_t width, bool right) {
  const std::string fill(width > Width(text) ? width - Width(text) : 0, ' ');
  return right ? fill + text : text + fill;
}

// Targets are round numbers: no trailing zeros.
std::string FormatLimit(double limit) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", limit);
  return text;
}

std::string Verdict(const Row& row) {
  if (std::isnan(row.limit)) return "-";
  if (std::isnan(row.value)) return "n/a";
  return row.value < row.limit ? "yes" : "NO";
}

std::vector<std::string> Cells(const Row& row) {
  const std::string target = std::isnan(row.limit) ? "-" : "< " + FormatLimit(row.limit) + " " + row.unit;
  return {row.measure,
          std::isnan(row.value) ? "n/a" : Format(row.value),
          row.unit,
          row.reference.empty() ? "-" : row.reference,
          std::isnan(row.ratio) ? "-" : Format(row.ratio),
          target,
          Verdict(row)};
}

}  // namespace

double Median(std::vector<double> sample) { return Percentile(std::move(sample), 50.0); }

double Percentile(std::vector<double> sample, double percent) {
  if (sample.empty()) return kNone;
  std::sort(sample.begin(), sample.end());
  if (percent == 50.0 && sample.size() % 2 == 0) {
    const std::size_t upper = sample.size() / 2;
    return (sample[upper - 1] + sample[upper]) / 2;
  }
  const auto rank = static_cast<std::size_t>(std::ceil(percent / 100.0 * static_cast<double>(sample.size())));
  return sample[std::clamp<std::size_t>(rank, 1, sample.size()) - 1];
}

std::string Format(double value) {
  if (std::isnan(value)) return "n/a";
  char text[32];
  const double size = std::fabs(value);
  if (size >= 100 || size == 0)
    std::snprintf(text, sizeof text, "%.0f", value);
  else if (size >= 10)
    std::snprintf(text, sizeof text, "%.1f", value);
  else if (size >= 0.1)
    std::snprintf(text, sizeof text, "%.2f", value);
  else
    std::snprintf(text, sizeof text, "%.2g", value);
  return text;
}

void PrintTable(const std::vector<Row>& rows, const std::vector<std::string>& notes) {
  const std::vector<std::string> header = {"measure", "value", "unit", "reference", "ratio", "target", "ok?"};
  // Numbers line up on the right, words on the left.
  const std::vector<bool> right = {false, true, false, false, true, false, false};
  std::vector<std::vector<std::string>> table = {header};
  for (const Row& row : rows) table.push_back(Cells(row));

  std::vector<std::size_t> widths(header.size(), 0);
  for (const auto& line : table)
    for (std::size_t c = 0; c < line.size(); ++c) widths[c] = std::max(widths[c], Width(line[c]));

  std::size_t total = 0;
  for (std::size_t w : widths) total += w + 2;
  for (std::size_t r = 0; r < table.size(); ++r) {
    std::string out;
    for (std::size_t c = 0; c < header.size(); ++c) out += Pad(table[r][c], widths[c], right[c]) + "  ";
    out.erase(out.find_last_not_of(' ') + 1);
    std::printf("%s\n", out.c_str());
    if (r == 0) std::printf("%s\n", std::string(total - 2, '-').c_str());
  }
  for (const std::string& note : notes) std::printf("%s\n", note.c_str());
  std::fflush(stdout);
}

}  // namespace bench
