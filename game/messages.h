// The texts the game shows: the stage message beside the board and the
// certificate text. Plain UTF-8, CR LF between lines, exactly as the player
// must see them.
#pragma once

#include <string>

#include "game/zupi.h"

namespace zupi {

// The stage's short name, "洞窟 1-A" or "洞窟 1-B": the first line of its
// message.
std::string StageName(Integer level, bool dark);

// "洞窟 1-A", an empty line, and the difficulty line of the lit stage; or, for
// the dark stage, the same cave line with "-B", an empty line, the reminder
// that it is the map of the lit stage, and the warning to mind the walls.
std::string StageMessage(Integer level, bool dark);

// Two lines: the level reached, and the award.
std::string CertificateText(Integer level);

}  // namespace zupi
