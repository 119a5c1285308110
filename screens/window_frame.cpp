// Frame extents through the X11 conventions for window managers: a manager
// that says so in _NET_SUPPORTED computes the frame it will draw around a
// window when asked with _NET_REQUEST_FRAME_EXTENTS, and writes it to the
// window's _NET_FRAME_EXTENTS, which it keeps current once the window is
// managed. Talks xcb on the toolkit's own connection.
#include "screens/window_frame.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QRect>
#include <QThread>
#include <QWidget>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#ifdef GROTZEL_X11  // set by the build where xcb is there
#include <xcb/xcb.h>
#endif

namespace zupi {
namespace {

// How long a manager may take to answer a request for the extents; it
// answers at once unless the machine is very busy.
constexpr std::chrono::milliseconds kAnswerTime{1000};
constexpr std::chrono::milliseconds kAskAgainAfter{100};

// What the toolkit knows of the frame: nothing before the window is shown.
QMargins ToolkitFrameMargins(const QWidget& window) {
  const QRect outer = window.frameGeometry();
  const QRect inner = window.geometry();
  return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                  outer.bottom() - inner.bottom());
}

#ifdef GROTZEL_X11

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  const auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
  std::free(reply);
  return atom;
}

// The 32-bit items of a property; empty when it is missing or of another
// type, or the window is gone (the error comes back here, not to the
// toolkit's event queue).
std::vector<uint32_t> Items(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                            uint32_t count) {
  const auto cookie = xcb_get_property(c, 0, window, property, type, 0, count);
  xcb_generic_error_t* error = nullptr;
  xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, &error);
  std::free(error);
  std::vector<uint32_t> items;
  if (reply != nullptr && reply->type == type && reply->format == 32) {
    const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
    items.assign(data, data + xcb_get_property_value_length(reply) / 4);
  }
  std::free(reply);
  return items;
}

xcb_window_t RootOf(xcb_connection_t* c, xcb_window_t window) {
  xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr);
  const xcb_window_t root = tree ? tree->root : xcb_window_t(XCB_WINDOW_NONE);
  std::free(tree);
  return root;
}

// The check window of a live, standards-following manager that offers to
// tell extents before mapping; none (0) otherwise. A manager leaves a check
// window that names itself; a stale one left by a manager that died does
// not.
xcb_window_t ManagerTellingExtents(xcb_connection_t* c, xcb_window_t root) {
  const xcb_atom_t check = Atom(c, "_NET_SUPPORTING_WM_CHECK");
  const std::vector<uint32_t> own = Items(c, root, check, XCB_ATOM_WINDOW, 1);
  if (own.size() != 1 || Items(c, own[0], check, XCB_ATOM_WINDOW, 1) != own) return 0;
  const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
  for (uint32_t atom : Items(c, root, Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096))
    if (atom == request) return own[0];
  return 0;
}

void RequestExtents(xcb_connection_t* c, xcb_window_t root, xcb_window_t window) {
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
  xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(c);
}

// _NET_FRAME_EXTENTS holds left, right, top, bottom.
std::optional<QMargins> ReadExtents(xcb_connection_t* c, xcb_window_t window, xcb_atom_t extents) {
  const std::vector<uint32_t> e = Items(c, window, extents, XCB_ATOM_CARDINAL, 4);
  if (e.size() != 4) return std::nullopt;
  return QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3]));
}

// The manager's answer for a window not yet mapped, awaited briefly.
std::optional<QMargins> AskForExtents(xcb_connection_t* c, xcb_window_t root, xcb_window_t id, xcb_atom_t extents) {
  // The answer is a property change, and the toolkit owns the event queue:
  // look at the property until it is there. A manager that is still
  // starting drops requests, so ask again now and then.
  const QDeadlineTimer deadline(kAnswerTime);
  QDeadlineTimer askAgain(0);
  while (!deadline.hasExpired()) {
    if (askAgain.hasExpired()) {
      RequestExtents(c, root, id);
      askAgain.setRemainingTime(kAskAgainAfter);
    }
    if (auto told = ReadExtents(c, id, extents)) return told;
    QThread::msleep(2);
  }
  return std::nullopt;
}

// Nothing when the window system is not X11 or no manager answers. Each
// manager is asked once for each kind of window (its title-bar buttons):
// the game window is made anew every game, and a manager that answers late
// or never would hold up every centring.
std::optional<QMargins> X11FrameExtents(QWidget& window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (c == nullptr) return std::nullopt;
  const auto id = static_cast<xcb_window_t>(window.winId());  // created, still hidden
  const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
  if (auto known = ReadExtents(c, id, extents)) return known;
  const xcb_window_t root = RootOf(c, id);
  const xcb_window_t manager = ManagerTellingExtents(c, root);
  if (manager == 0) return std::nullopt;
  static std::map<std::pair<xcb_window_t, int>, std::optional<QMargins>> answers;
  const auto kind = std::pair(manager, window.windowFlags().toInt());
  if (const auto answer = answers.find(kind); answer != answers.end()) return answer->second;
  return answers[kind] = AskForExtents(c, root, id, extents);
}

#else

std::optional<QMargins> X11FrameExtents(QWidget&) { return std::nullopt; }

#endif

}  // namespace

QMargins FrameExtents(QWidget& window) {
  if (auto extents = X11FrameExtents(window)) return *extents;
  return ToolkitFrameMargins(window);
}

void MoveFrameTo(QWidget& window, QPoint frameTopLeft, const QMargins& extents) {
  if (!CanPlaceWindows()) return;
  // The client area's place: the window is asked to stay where it is put,
  // and the manager draws the frame around it.
  window.setGeometry(QRect(frameTopLeft + QPoint(extents.left(), extents.top()), window.size()));
}

bool CanPlaceWindows() { return !QGuiApplication::platformName().startsWith("wayland"); }

}  // namespace zupi
