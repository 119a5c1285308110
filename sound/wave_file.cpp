// The WAV reader: walks the RIFF chunks up to the first "data" chunk, takes
// the format from "fmt ", and reads the samples only after every check has
// passed, so a broken file costs a few small reads and no large buffer.
#include "sound/wave_file.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace zupi {
namespace {

std::uint32_t Le(const char* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

bool Read(std::ifstream& file, char* into, std::streamsize count) {
  return static_cast<bool>(file.read(into, count)) && file.gcount() == count;
}

// Fills the format part of `wave` from a "fmt " chunk; false if unsupported.
bool TakeFormat(const char* fmt, Wave& wave) {
  const std::uint32_t format = Le(fmt, 2);
  wave.channels = static_cast<int>(Le(fmt + 2, 2));
  wave.sampleRate = static_cast<int>(Le(fmt + 4, 4));
  wave.bitsPerSample = static_cast<int>(Le(fmt + 14, 2));
  return format == 1 && (wave.channels == 1 || wave.channels == 2) &&
         (wave.bitsPerSample == 8 || wave.bitsPerSample == 16) && wave.sampleRate >= 1000 && wave.sampleRate <= 192000;
}

}  // namespace

std::optional<Wave> ReadWave(const std::string& path, int maxSeconds) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  file.seekg(0, std::ios::end);
  const std::streamoff fileSize = file.tellg();
  file.seekg(0);
  std::array<char, 16> head{};
  if (!Read(file, head.data(), 12) || std::string_view(head.data(), 4) != "RIFF" ||
      std::string_view(head.data() + 8, 4) != "WAVE")
    return std::nullopt;
  Wave wave;
  bool haveFormat = false;
  for (;;) {
    if (!Read(file, head.data(), 8)) return std::nullopt;
    const std::streamoff size = Le(head.data() + 4, 4);
    const std::string_view id(head.data(), 4);
    if (id == "data") {
      const int frame = wave.channels * wave.bitsPerSample / 8;
      // A part frame at the end, or data that stops before its stated end,
      // means the file was cut or mislabelled: refuse it rather than guess.
      if (!haveFormat || size == 0 || size % frame != 0 || size > fileSize - file.tellg()) return std::nullopt;
      const std::streamoff limit = static_cast<std::streamoff>(maxSeconds) * wave.sampleRate * frame;
      wave.samples.resize(static_cast<std::size_t>(std::min(size, limit)));
      if (!Read(file, reinterpret_cast<char*>(wave.samples.data()), static_cast<std::streamsize>(wave.samples.size())))
        return std::nullopt;
      return wave;
    }
    if (id == "fmt ") {
      std::array<char, 16> fmt{};
      if (size < 16 || !Read(file, fmt.data(), 16) || !TakeFormat(fmt.data(), wave)) return std::nullopt;
      haveFormat = true;
      file.seekg(size - 16 + (size & 1), std::ios::cur);  // chunks pad to even
    } else {
      file.seekg(size + (size & 1), std::ios::cur);
    }
    if (!file) return std::nullopt;
  }
}

}  // namespace zupi
