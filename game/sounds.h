// The four sound effects, by the bare file names the sound player is given.
// The files lie outside the program; only these names and the moments at
// which they play are the game's. This is the one list of them: the build
// reads the names from here (game/CMakeLists.txt) to make and install the
// files, and the tests go through kAllSounds.
#pragma once

#include <array>
#include <string_view>

namespace zupi {

inline constexpr std::string_view kNiroropWav = "nirorop.wav";  // start button, back to the start
inline constexpr std::string_view kPororinWav = "pororin.wav";  // goal, certificate heading
inline constexpr std::string_view kDongWav = "dong.wav";        // bump, title, certificate title
inline constexpr std::string_view kZupiwlkWav = "zupiwlk.wav";  // every step

inline constexpr std::array kAllSounds = {kNiroropWav, kPororinWav, kDongWav, kZupiwlkWav};

}  // namespace zupi
