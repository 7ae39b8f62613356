#include "gui/shell/wayland_keymap.h"

#ifdef TAPQUILL_HAVE_WAYLAND
#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstring>
#endif

namespace tq {

#ifdef TAPQUILL_HAVE_WAYLAND
namespace {

// A compositor answers within a few round trips; one that does not is not
// waited for longer than this.
constexpr int kTimeoutMs = 1000;
constexpr uint32_t kKeymapXkbV1 = 1;  // WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1

struct Client {
  wl_seat* seat = nullptr;
  wl_keyboard* keyboard = nullptr;
  bool hasKeyboard = false;
  bool keymapSeen = false;
  std::optional<std::string> keymap;
};

void KeymapEvent(void* data, wl_keyboard*, uint32_t format, int32_t fd, uint32_t size) {
  auto* client = static_cast<Client*>(data);
  client->keymapSeen = true;
  if (format == kKeymapXkbV1 && size > 0) {
    void* map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (map != MAP_FAILED) {
      // The text ends with a NUL inside the given size.
      const char* text = static_cast<const char*>(map);
      client->keymap = std::string(text, strnlen(text, size));
      munmap(map, size);
    }
  }
  close(fd);
}
void EnterEvent(void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {}
void LeaveEvent(void*, wl_keyboard*, uint32_t, wl_surface*) {}
void KeyEvent(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t) {}
void ModifiersEvent(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {}
void RepeatEvent(void*, wl_keyboard*, int32_t, int32_t) {}

const wl_keyboard_listener kKeyboardListener = {KeymapEvent, EnterEvent,     LeaveEvent,
                                                KeyEvent,    ModifiersEvent, RepeatEvent};

void Capabilities(void* data, wl_seat* seat, uint32_t capabilities) {
  auto* client = static_cast<Client*>(data);
  if (!(capabilities & WL_SEAT_CAPABILITY_KEYBOARD) || client->keyboard) return;
  client->hasKeyboard = true;
  client->keyboard = wl_seat_get_keyboard(seat);
  wl_keyboard_add_listener(client->keyboard, &kKeyboardListener, client);
}
void SeatName(void*, wl_seat*, const char*) {}
const wl_seat_listener kSeatListener = {Capabilities, SeatName};

void Global(void* data, wl_registry* registry, uint32_t name, const char* interface,
            uint32_t version) {
  auto* client = static_cast<Client*>(data);
  if (client->seat || std::strcmp(interface, wl_seat_interface.name) != 0) return;
  // Version 2 has the seat's name event; nothing newer is needed.
  const uint32_t bound = version < 2 ? version : 2;
  client->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, bound));
  wl_seat_add_listener(client->seat, &kSeatListener, client);
}
void GlobalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistryListener = {Global, GlobalRemove};

// One round trip that gives up after the timeout instead of blocking.
bool RoundTrip(wl_display* display, int& remainingMs) {
  bool finished = false;
  static const wl_callback_listener kDone = {[](void* data, wl_callback* callback, uint32_t) {
    *static_cast<bool*>(data) = true;
    wl_callback_destroy(callback);
  }};
  wl_callback* done = wl_display_sync(display);
  wl_callback_add_listener(done, &kDone, &finished);
  while (!finished && remainingMs > 0) {
    if (wl_display_dispatch_pending(display) < 0) break;
    if (finished) break;
    if (wl_display_flush(display) < 0) break;
    if (wl_display_prepare_read(display) != 0) continue;
    pollfd p{wl_display_get_fd(display), POLLIN, 0};
    const int waitMs = remainingMs < 50 ? remainingMs : 50;
    if (poll(&p, 1, waitMs) > 0) {
      if (wl_display_read_events(display) < 0) break;
    } else {
      wl_display_cancel_read(display);
      remainingMs -= waitMs;
    }
  }
  if (!finished) wl_callback_destroy(done);
  return finished;
}

}  // namespace

std::optional<std::string> WaylandKeymapText() {
  wl_display* display = wl_display_connect(nullptr);
  if (!display) return std::nullopt;
  Client client;
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistryListener, &client);
  int remaining = kTimeoutMs;
  // Globals, then the seat's capabilities, then the keyboard's keymap.
  for (int trip = 0; trip < 3 && !client.keymapSeen; ++trip)
    if (!RoundTrip(display, remaining)) break;
  if (client.keyboard) wl_keyboard_destroy(client.keyboard);
  if (client.seat) wl_seat_destroy(client.seat);
  wl_registry_destroy(registry);
  wl_display_disconnect(display);
  return client.keymap;
}

#else

std::optional<std::string> WaylandKeymapText() {
  return std::nullopt;
}

#endif

}  // namespace tq
