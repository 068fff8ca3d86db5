// A pointer and a keyboard for a headless wlroots compositor, which has no
// input devices of its own: one virtual pointer and one virtual keyboard,
// kept for the client's whole run so that the seat keeps both capabilities.
// Commands come one a line on standard input; each is answered "ok" (or
// "error ...") once the compositor has taken it:
//   move X Y      the pointer to logical point (X, Y) of the output layout
//   down | up     the left button
//   click         down and up
//   key CHORD     a key by its keysym name, with "+"-joined modifiers
//                 before it: "alt+p", "k", "Return", "ctrl+shift+Tab"
//   quit
//   wlinput WIDTH HEIGHT   (the output layout's logical size)
#define _GNU_SOURCE
#include <errno.h>
#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include "virtual-keyboard-client.h"
#include "virtual-pointer-client.h"

static struct wl_seat* seat;
static struct zwlr_virtual_pointer_manager_v1* pointerManager;
static struct zwp_virtual_keyboard_manager_v1* keyboardManager;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    (void)data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0 && !seat)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        pointerManager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
    else if (strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        keyboardManager = wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1);
}

static void globalRemove(void* data, struct wl_registry* registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registryListener = {global, globalRemove};

static uint32_t now(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (uint32_t)(ts.tv_sec * 1000 + ts.tv_nsec / 1000000);
}

struct Keyboard {
    struct zwp_virtual_keyboard_v1* device;
    struct xkb_keymap* keymap;
    struct xkb_state* state;
};

// The evdev code of the first key whose unshifted or shifted symbol is
// `sym`, or -1.
static int keyFor(struct xkb_keymap* keymap, xkb_keysym_t sym, int* shifted)
{
    for (xkb_keycode_t code = xkb_keymap_min_keycode(keymap); code <= xkb_keymap_max_keycode(keymap); ++code) {
        for (xkb_level_index_t level = 0; level < 2; ++level) {
            const xkb_keysym_t* syms = NULL;
            const int n = xkb_keymap_key_get_syms_by_level(keymap, code, 0, level, &syms);
            if (n > 0 && syms[0] == sym) {
                *shifted = level == 1;
                return (int)code - 8;
            }
        }
    }
    return -1;
}

static void sendKey(struct Keyboard* keyboard, int code, int pressed)
{
    zwp_virtual_keyboard_v1_key(keyboard->device, now(), (uint32_t)code,
                                pressed ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    xkb_state_update_key(keyboard->state, (xkb_keycode_t)code + 8, pressed ? XKB_KEY_DOWN : XKB_KEY_UP);
    zwp_virtual_keyboard_v1_modifiers(keyboard->device,
                                      xkb_state_serialize_mods(keyboard->state, XKB_STATE_MODS_DEPRESSED),
                                      xkb_state_serialize_mods(keyboard->state, XKB_STATE_MODS_LATCHED),
                                      xkb_state_serialize_mods(keyboard->state, XKB_STATE_MODS_LOCKED),
                                      xkb_state_serialize_layout(keyboard->state, XKB_STATE_LAYOUT_EFFECTIVE));
}

// Presses the chord's modifiers in order, then its key, and lets go in
// reverse. Returns 0, or -1 for a name that is no key of the keymap.
static int chord(struct Keyboard* keyboard, char* spec)
{
    int codes[8];
    int count = 0;
    for (char* name = strtok(spec, "+"); name && count < 8; name = strtok(NULL, "+")) {
        const char* alias = strcmp(name, "alt") == 0     ? "Alt_L"
                            : strcmp(name, "ctrl") == 0  ? "Control_L"
                            : strcmp(name, "shift") == 0 ? "Shift_L"
                                                         : name;
        const xkb_keysym_t sym = xkb_keysym_from_name(alias, XKB_KEYSYM_NO_FLAGS);
        int shifted = 0;
        const int code = sym == XKB_KEY_NoSymbol ? -1 : keyFor(keyboard->keymap, sym, &shifted);
        if (code < 0)
            return -1;
        if (shifted)
            codes[count++] = KEY_LEFTSHIFT;
        if (count < 8)
            codes[count++] = code;
    }
    for (int i = 0; i < count; ++i)
        sendKey(keyboard, codes[i], 1);
    for (int i = count - 1; i >= 0; --i)
        sendKey(keyboard, codes[i], 0);
    return 0;
}

static int setUpKeyboard(struct Keyboard* keyboard)
{
    struct xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const struct xkb_rule_names names = {"evdev", "pc105", "us", "", ""};
    keyboard->keymap = context ? xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS) : NULL;
    if (!keyboard->keymap)
        return -1;
    keyboard->state = xkb_state_new(keyboard->keymap);
    char* text = xkb_keymap_get_as_string(keyboard->keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const size_t size = strlen(text) + 1;
    const int fd = memfd_create("wlinput-keymap", MFD_CLOEXEC);
    if (fd < 0 || write(fd, text, size) != (ssize_t)size)
        return -1;
    free(text);
    keyboard->device = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(keyboardManager, seat);
    zwp_virtual_keyboard_v1_keymap(keyboard->device, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, (uint32_t)size);
    close(fd);
    return 0;
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: wlinput WIDTH HEIGHT\n");
        return 2;
    }
    const unsigned width = (unsigned)atoi(argv[1]);
    const unsigned height = (unsigned)atoi(argv[2]);
    struct wl_display* display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "wlinput: no Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, NULL);
    wl_display_roundtrip(display);
    if (!seat || !pointerManager || !keyboardManager) {
        fprintf(stderr, "wlinput: the compositor offers no seat, virtual pointer or virtual keyboard\n");
        return 1;
    }
    struct zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(pointerManager, seat);
    struct Keyboard keyboard = {0};
    if (setUpKeyboard(&keyboard) != 0) {
        fprintf(stderr, "wlinput: no keymap\n");
        return 1;
    }
    wl_display_roundtrip(display);
    setvbuf(stdout, NULL, _IOLBF, 0);
    printf("ready\n");

    char line[256];
    while (fgets(line, sizeof line, stdin)) {
        line[strcspn(line, "\n")] = '\0';
        unsigned x = 0, y = 0;
        char spec[200];
        int ok = 1;
        if (sscanf(line, "move %u %u", &x, &y) == 2) {
            zwlr_virtual_pointer_v1_motion_absolute(pointer, now(), x, y, width, height);
            zwlr_virtual_pointer_v1_frame(pointer);
        } else if (strcmp(line, "down") == 0 || strcmp(line, "up") == 0 || strcmp(line, "click") == 0) {
            if (line[0] != 'u') {
                zwlr_virtual_pointer_v1_button(pointer, now(), BTN_LEFT, WL_POINTER_BUTTON_STATE_PRESSED);
                zwlr_virtual_pointer_v1_frame(pointer);
            }
            if (line[0] != 'd') {
                zwlr_virtual_pointer_v1_button(pointer, now(), BTN_LEFT, WL_POINTER_BUTTON_STATE_RELEASED);
                zwlr_virtual_pointer_v1_frame(pointer);
            }
        } else if (sscanf(line, "key %199s", spec) == 1) {
            ok = chord(&keyboard, spec) == 0;
        } else if (strcmp(line, "quit") == 0) {
            break;
        } else {
            ok = 0;
        }
        if (wl_display_roundtrip(display) < 0) {
            fprintf(stderr, "wlinput: lost the display: %s\n", strerror(errno));
            return 1;
        }
        if (ok)
            printf("ok\n");
        else
            printf("error %s\n", line);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    zwp_virtual_keyboard_v1_destroy(keyboard.device);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
