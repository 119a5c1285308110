// The three windows as the game flow loads and unloads them. The program's
// entry point installs one Forms as the flow's Windows.
#pragma once

#include "game/windows.h"

namespace zupi {

class Forms : public Windows {
 public:
  // Unloads whatever is still loaded.
  ~Forms() override;

  GameWindow& LoadForm1() override;
  void UnloadForm1() override;
  CertificateWindow& LoadForm2() override;
  void UnloadForm2() override;
  TitleWindow& LoadForm3() override;
  void UnloadForm3() override;
};

}  // namespace zupi
