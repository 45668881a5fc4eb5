/* A pointer for a compositor whose seat has none: reads lines from stdin and plays them on a
 * virtual pointer of the compositor's own protocol, answering "ok" once the compositor has
 * taken each one.
 *   move X Y    the pointer to X, Y of the output's layout (absolute, in logical pixels)
 *   press       the left button down
 *   release     the left button up
 * The pointer stays on the seat until stdin closes. */
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <linux/input-event-codes.h>
#include <stdio.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

static struct wl_seat* seat;
static struct zwlr_virtual_pointer_manager_v1* manager;
static struct wl_output* output;
static int outputWidth, outputHeight;

static void outputGeometry(void* data, struct wl_output* o, int32_t x, int32_t y, int32_t pw, int32_t ph,
                           int32_t subpixel, const char* make, const char* model, int32_t transform)
{
    (void)data, (void)o, (void)x, (void)y, (void)pw, (void)ph, (void)subpixel, (void)make, (void)model,
        (void)transform;
}

static void outputMode(void* data, struct wl_output* o, uint32_t flags, int32_t width, int32_t height, int32_t refresh)
{
    (void)data, (void)o, (void)refresh;
    if (flags & WL_OUTPUT_MODE_CURRENT) {
        outputWidth = width;
        outputHeight = height;
    }
}

static void outputDone(void* data, struct wl_output* o) { (void)data, (void)o; }
static void outputScale(void* data, struct wl_output* o, int32_t factor) { (void)data, (void)o, (void)factor; }

static const struct wl_output_listener outputListener = {
    .geometry = outputGeometry, .mode = outputMode, .done = outputDone, .scale = outputScale};

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    (void)data, (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0 && !seat)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
    else if (strcmp(interface, wl_output_interface.name) == 0 && !output) {
        output = wl_registry_bind(registry, name, &wl_output_interface, 1);
        wl_output_add_listener(output, &outputListener, NULL);
    }
}

static void globalRemove(void* data, struct wl_registry* registry, uint32_t name) { (void)data, (void)registry, (void)name; }

static const struct wl_registry_listener registryListener = {.global = global, .global_remove = globalRemove};

static uint32_t now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

int main(void)
{
    struct wl_display* display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "no compositor to connect to\n");
        return 1;
    }
    wl_registry_add_listener(wl_display_get_registry(display), &registryListener, NULL);
    wl_display_roundtrip(display);
    wl_display_roundtrip(display);
    if (!seat || !manager || !outputWidth) {
        fprintf(stderr, "the compositor offers no virtual pointer, seat or output\n");
        return 1;
    }
    struct zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    setvbuf(stdout, NULL, _IOLBF, 0);
    char line[128];
    while (fgets(line, sizeof line, stdin)) {
        unsigned x, y;
        if (sscanf(line, "move %u %u", &x, &y) == 2)
            zwlr_virtual_pointer_v1_motion_absolute(pointer, now(), x, y, (uint32_t)outputWidth, (uint32_t)outputHeight);
        else if (strncmp(line, "press", 5) == 0)
            zwlr_virtual_pointer_v1_button(pointer, now(), BTN_LEFT, WL_POINTER_BUTTON_STATE_PRESSED);
        else if (strncmp(line, "release", 7) == 0)
            zwlr_virtual_pointer_v1_button(pointer, now(), BTN_LEFT, WL_POINTER_BUTTON_STATE_RELEASED);
        else {
            printf("?\n");
            continue;
        }
        zwlr_virtual_pointer_v1_frame(pointer);
        if (wl_display_roundtrip(display) < 0)
            return 1;
        printf("ok\n");
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
