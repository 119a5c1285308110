// Which drawing paints which of the game's pictures.
#include "pictures.h"

namespace pictures {

QImage DrawPicture(zupi::Picture picture) {
  using zupi::Picture;
  switch (picture) {
    case Picture::ProgramIcon: return DrawProgramIcon();
    case Picture::BoardIcon: return DrawBoardIcon();
    case Picture::ZupiNormal: return DrawZupi(Reaction::kNormal);
    case Picture::ZupiStartled: return DrawZupi(Reaction::kStartled);
    case Picture::ZupiHurt: return DrawZupi(Reaction::kHurt);
    case Picture::ZupiWink: return DrawZupi(Reaction::kWink);
    case Picture::CandleUnlit: return DrawCandle(Flame::kUnlit);
    case Picture::CandleFlame: return DrawCandle(Flame::kUpright);
    case Picture::CandleFlameLeft: return DrawCandle(Flame::kBentLeft);
    case Picture::Title: return DrawTitle();
    case Picture::Certificate: return DrawCertificate();
  }
  return {};
}

}  // namespace pictures
