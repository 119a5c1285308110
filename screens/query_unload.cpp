// The one close-request handler that all windows share.
#include "screens/query_unload.h"

#include <QCloseEvent>

#include "game/program_end.h"

namespace zupi {

int UnloadModeOf(bool unloadingByCode) { return unloadingByCode ? kUnloadByCode : kUnloadByUser; }

void QueryUnload(QCloseEvent* event, bool unloadingByCode, const QueryUnloadHandler& handler) {
  handler(UnloadModeOf(unloadingByCode));
  event->accept();
}

}  // namespace zupi
