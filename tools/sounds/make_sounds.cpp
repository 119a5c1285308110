// Synthesises the game's four sound effects and writes them as mono 16-bit
// PCM WAV files into the folder named on the command line (default: the
// current one). The sounds are built from decaying sine partials and
// filtered noise; noise comes from a fixed-seed generator, so every run
// writes the same bytes. 16-bit PCM is what the game's player can decode.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "game/sounds.h"

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Samples = std::vector<double>;

int ToIndex(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

// A tiny xorshift generator: the standard distributions differ between
// libraries, and the files must not.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double Next() {  // uniform in [-1, 1)
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

// Adds a struck tone at `start` seconds: each partial is (frequency ratio,
// level) and dies away faster the higher it lies, as on a small bell.
void AddBell(Samples& out, double start, double freq, double amp, double decay,
             const std::vector<std::pair<double, double>>& partials) {
  const int first = ToIndex(start);
  const double attack = 0.003;
  for (int i = first; i < static_cast<int>(out.size()); ++i) {
    const double t = static_cast<double>(i - first) / kRate;
    const double rise = std::min(1.0, t / attack);
    double v = 0.0;
    for (const auto& [ratio, level] : partials) {
      v += level * std::exp(-t * ratio / decay) * std::sin(kTwoPi * freq * ratio * t);
    }
    out[i] += amp * rise * v;
  }
}

// Adds a sine whose pitch glides exponentially from `from` to `to` Hz,
// with a quick rise and an exponential fall: the body of a thud.
void AddGlide(Samples& out, double from, double to, double glide, double amp, double decay) {
  double phase = 0.0;
  for (int i = 0; i < static_cast<int>(out.size()); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double freq = to + (from - to) * std::exp(-t / glide);
    phase += kTwoPi * freq / kRate;
    const double rise = std::min(1.0, t / 0.004);
    out[i] += amp * rise * std::exp(-t / decay) * std::sin(phase);
  }
}

// Adds a burst of noise through a two-pole low-pass at `cutoff` Hz, so it
// sounds like a soft scuff rather than a hiss.
void AddScuff(Samples& out, Noise& noise, double cutoff, double amp, double attack, double decay) {
  const double k = 1.0 - std::exp(-kTwoPi * cutoff / kRate);
  double low1 = 0.0;
  double low2 = 0.0;
  for (int i = 0; i < static_cast<int>(out.size()); ++i) {
    const double t = static_cast<double>(i) / kRate;
    low1 += k * (noise.Next() - low1);
    low2 += k * (low1 - low2);
    const double env = std::min(1.0, t / attack) * std::exp(-t / decay);
    out[i] += amp * env * low2;
  }
}

// Scales the sound to the given peak and fades both ends linearly, so that
// the first and last samples are silent and nothing clicks.
void Finish(Samples& s, double peak, double fadeIn, double fadeOut) {
  const double top =
      std::abs(*std::max_element(s.begin(), s.end(), [](double a, double b) { return std::abs(a) < std::abs(b); }));
  const int n = static_cast<int>(s.size());
  const int in = std::max(1, ToIndex(fadeIn));
  const int out = std::max(1, ToIndex(fadeOut));
  for (int i = 0; i < n; ++i) {
    double gain = top > 0.0 ? peak / top : 0.0;
    gain *= std::min({1.0, static_cast<double>(i) / in, static_cast<double>(n - 1 - i) / out});
    s[i] *= gain;
  }
}

const std::vector<std::pair<double, double>> kChime = {{1.0, 1.0}, {2.0, 0.35}, {3.0, 0.12}};
const std::vector<std::pair<double, double>> kMusicBox = {{1.0, 1.0}, {2.0, 0.2}, {4.0, 0.25}};

// Start and return: three quick notes climbing G5, C6, E6.
Samples Nirorop() {
  Samples s(ToIndex(0.75));
  const double notes[] = {783.99, 1046.50, 1318.51};
  for (int i = 0; i < 3; ++i) AddBell(s, 0.085 * i, notes[i], 1.0, 0.16 + 0.06 * i, kChime);
  Finish(s, 0.45, 0.002, 0.08);
  return s;
}

// Goal: a C major arpeggio up two octaves, its top note left to ring.
Samples Pororin() {
  Samples s(ToIndex(1.3));
  const double notes[] = {523.25, 659.26, 783.99, 1046.50, 1318.51, 1567.98};
  for (int i = 0; i < 6; ++i) {
    const bool last = i == 5;
    AddBell(s, 0.075 * i, notes[i], last ? 1.0 : 0.75, last ? 0.35 : 0.12, kMusicBox);
  }
  Finish(s, 0.45, 0.002, 0.15);
  return s;
}

// Bump into rock: a low thud that sags in pitch, with a muffled knock on top.
Samples Dong() {
  Samples s(ToIndex(0.4));
  AddGlide(s, 150.0, 55.0, 0.05, 1.0, 0.09);
  Noise noise(0x5eedd0u);
  AddScuff(s, noise, 600.0, 0.9, 0.002, 0.015);
  Finish(s, 0.6, 0.002, 0.06);
  return s;
}

// A step: a very short, quiet scuff with a hint of a heel.
Samples Zupiwlk() {
  Samples s(ToIndex(0.1));
  Noise noise(0x57e9u);
  AddScuff(s, noise, 1800.0, 1.0, 0.004, 0.018);
  AddGlide(s, 180.0, 120.0, 0.02, 0.1, 0.02);
  Finish(s, 0.18, 0.002, 0.03);
  return s;
}

void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

// Writes a canonical 44-byte-header WAV file; false if it could not.
bool WriteWav(const std::filesystem::path& path, const Samples& s) {
  const auto dataBytes = static_cast<std::uint32_t>(s.size() * 2);
  std::string bytes = "RIFF";
  PutLe(bytes, 36 + dataBytes, 4);
  bytes += "WAVEfmt ";
  PutLe(bytes, 16, 4);         // format chunk size
  PutLe(bytes, 1, 2);          // PCM
  PutLe(bytes, 1, 2);          // mono
  PutLe(bytes, kRate, 4);      // frames per second
  PutLe(bytes, kRate * 2, 4);  // bytes per second
  PutLe(bytes, 2, 2);          // bytes per frame
  PutLe(bytes, 16, 2);         // bits per sample
  bytes += "data";
  PutLe(bytes, dataBytes, 4);
  for (double v : s) {
    const long q = std::clamp(std::lround(v * 32767.0), -32767L, 32767L);
    PutLe(bytes, static_cast<std::uint32_t>(q), 2);
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path dir = argc > 1 ? argv[1] : ".";
  const std::pair<std::string_view, Samples> sounds[] = {
      {zupi::kNiroropWav, Nirorop()},
      {zupi::kPororinWav, Pororin()},
      {zupi::kDongWav, Dong()},
      {zupi::kZupiwlkWav, Zupiwlk()},
  };
  for (const auto& [name, samples] : sounds) {
    if (!WriteWav(dir / name, samples)) {
      std::fprintf(stderr, "make_sounds: cannot write %s\n", (dir / name).c_str());
      return 1;
    }
  }
  return 0;
}
