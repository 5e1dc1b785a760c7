#include "gui/common/clipboard_keeper.h"

#include <QClipboard>
#include <QGuiApplication>
#include <ostream>

#ifdef GLEANER_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace gleaner {
namespace {

// Whether a window owns the freedesktop CLIPBOARD_MANAGER selection.
bool X11ManagerRuns() {
#ifdef GLEANER_HAVE_XCB
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return false;
  const char name[] = "CLIPBOARD_MANAGER";
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, std::strlen(name), name), nullptr);
  if (atom == nullptr) return false;
  bool owned = false;
  if (atom->atom != XCB_ATOM_NONE) {
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    owned = owner != nullptr && owner->owner != XCB_NONE;
    std::free(owner);
  }
  std::free(atom);
  return owned;
#else
  return false;
#endif
}

}  // namespace

TClipboardKeeper ClipboardKeeper() {
  const QString platform = QGuiApplication::platformName();
  const QClipboard& clipboard = *QGuiApplication::clipboard();
  if (platform == "xcb") {
    if (!clipboard.ownsClipboard()) return TClipboardKeeper::NotOurs;
    return X11ManagerRuns() ? TClipboardKeeper::Manager : TClipboardKeeper::None;
  }
  // A clipboard kept inside the program itself.
  if (platform == "offscreen" || platform == "minimal") {
    return clipboard.text().isEmpty() ? TClipboardKeeper::NotOurs : TClipboardKeeper::None;
  }
  return TClipboardKeeper::Unknown;
}

void WarnIfClipboardGoes(std::ostream& err, const std::string& program) {
  if (ClipboardKeeper() != TClipboardKeeper::None) return;
  err << program << ": no clipboard manager is running: the clipboard's content goes as " << program
      << " ends\n";
}

}  // namespace gleaner
