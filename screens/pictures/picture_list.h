// The game's pictures and the names of their files in screens/pictures/.
// This is the one list of them: the build makes these files the program's
// resources, the windows load them by it (picture_files.h), the painter in
// tools/pictures draws them by it, and the tests check them by it.
#pragma once

#include <array>
#include <string_view>

namespace zupi {

enum class Picture {
  ProgramIcon,
  BoardIcon,
  ZupiNormal,
  ZupiStartled,
  ZupiHurt,
  ZupiWink,
  CandleUnlit,
  CandleFlame,
  CandleFlameLeft,
  Title,
  Certificate,
};

struct PictureFile {
  Picture picture;
  std::string_view name;
};

// In the order of the enumeration.
inline constexpr std::array<PictureFile, 11> kPictureFiles = {{
    {Picture::ProgramIcon, "program_icon.png"},  // 32 x 32, transparent around the face
    {Picture::BoardIcon, "board_icon.png"},      // 20 x 20, transparent around the head
    {Picture::ZupiNormal, "zupi_normal.png"},    // 100 x 200 each, transparent around the figure
    {Picture::ZupiStartled, "zupi_startled.png"},
    {Picture::ZupiHurt, "zupi_hurt.png"},
    {Picture::ZupiWink, "zupi_wink.png"},
    {Picture::CandleUnlit, "candle_unlit.png"},  // 50 x 50 each
    {Picture::CandleFlame, "candle_flame.png"},
    {Picture::CandleFlameLeft, "candle_flame_left.png"},
    {Picture::Title, "title.png"},              // 300 x 100
    {Picture::Certificate, "certificate.png"},  // 350 x 400
}};

constexpr bool InEnumerationOrder() {
  for (std::size_t i = 0; i < kPictureFiles.size(); ++i)
    if (static_cast<std::size_t>(kPictureFiles[i].picture) != i) return false;
  return true;
}
static_assert(InEnumerationOrder() && kPictureFiles.size() == std::size_t(Picture::Certificate) + 1);

// "zupi_normal.png" for Picture::ZupiNormal.
constexpr std::string_view PictureFileName(Picture picture) {
  return kPictureFiles[static_cast<std::size_t>(picture)].name;
}

}  // namespace zupi
