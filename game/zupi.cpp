// Storage for the shared game state declared in zupi.h.
#include "game/zupi.h"

namespace zupi {

bool IsDark = false;
bool IsRunning = false;
CaveGrid CaveMap;
Integer Level = 0;
Integer PosX = 0;
Integer PosY = 0;
Integer HitCount = 0;
Integer StageResult = 0;

}  // namespace zupi
