// Reading the game's WAV files: plain PCM, 8- or 16-bit, mono or stereo,
// checked chunk by chunk so that a cut, padded or mislabelled file is
// refused instead of reaching the mixer. Reading never costs more memory
// than the sound's first minute, however large the file says it is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zupi {

// The samples of a WAV file as stored: interleaved, little-endian.
struct Wave {
  int channels = 0;       // 1 or 2
  int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed)
  int sampleRate = 0;     // frames per second
  std::vector<std::uint8_t> samples;
};

// Longest stretch of a sound that is read; the rest of a longer file is
// left on disk. A minute is far beyond any sound effect.
inline constexpr int kMaxWaveSeconds = 60;

// The samples of the WAV file at `path` (bytes in the system's file name
// encoding), at most `maxSeconds` of them; nothing when the file is missing,
// unreadable, not PCM of the kinds above, or shorter than its header says.
std::optional<Wave> ReadWave(const std::string& path, int maxSeconds = kMaxWaveSeconds);

}  // namespace zupi
