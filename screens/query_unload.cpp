// The one close-request handler that all windows share.
#include "screens/query_unload.h"

#include <QCloseEvent>

namespace zupi {
namespace {
QueryUnloadHandler handler = nullptr;
}

void SetQueryUnloadHandler(QueryUnloadHandler newHandler) { handler = newHandler; }

int UnloadModeOf(const QCloseEvent& event) {
  return event.spontaneous() ? kUnloadByUser : kUnloadByCode;
}

void QueryUnload(QCloseEvent* event) {
  if (handler != nullptr) handler(UnloadModeOf(*event));
  event->accept();
}

}  // namespace zupi
