// The one close-request handler that all windows share.
#include "screens/query_unload.h"

#include <QCloseEvent>

#include "game/program_end.h"

namespace zupi {

int UnloadModeOf(const QCloseEvent& event) {
  return event.spontaneous() ? kUnloadByUser : kUnloadByCode;
}

void QueryUnload(QCloseEvent* event, const QueryUnloadHandler& handler) {
  handler(UnloadModeOf(*event));
  event->accept();
}

}  // namespace zupi
