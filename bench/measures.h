// The benchmarks, one function per figure of the table. Each returns its
// rows and may add a note that qualifies them. All but the cave generator
// need the QApplication that main creates (on the offscreen platform).
#pragma once

#include <string>
#include <vector>

#include "bench/table.h"

namespace bench {

using Notes = std::vector<std::string>;

// MakeCave per difficulty, µs per cave.
std::vector<Row> MeasureMakeCave(Notes& notes);

// One lit candle tick on a shown game window, µs.
std::vector<Row> MeasureCandleTick(Notes& notes);

// Key-down on the board to the board repainted with the icon on its new
// cell, inside a real game's stage wait; median and 99th percentile, ms.
std::vector<Row> MeasureKeyToPaint(Notes& notes);

// CPU used by the stage wait, Wait and the title wait, beside a busy loop.
std::vector<Row> MeasureWaitCpu(Notes& notes);

// Peak memory over a title and a game, MB, and the growth of resident
// memory over many games, kB, each from a child process.
std::vector<Row> MeasureMemory(Notes& notes);
// The child's side: plays that game and prints "peakKiB baselineKiB level",
// or, for the growth, those games and prints "firstKiB lastKiB games".
int RunMemoryChild(bool growth);

// PlayWave's cost with a live and a stuck sound server, µs, and a step's
// time from PlayWave to the sound server's sink, ms.
std::vector<Row> MeasureSound(Notes& notes);

// Launch of the real program to its title window on the bench's Xvfb, ms.
std::vector<Row> MeasureStartUp(Notes& notes);

}  // namespace bench
