// The slot that holds the loaded game window.
#include "game/game_screen.h"

namespace zupi {
namespace {
GameScreen* current = nullptr;
}

GameScreen* CurrentGameScreen() { return current; }
void SetGameScreen(GameScreen* screen) { current = screen; }

}  // namespace zupi
