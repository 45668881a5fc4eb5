#pragma once
// A dialog described as a constant table, the way the game's screens are laid out:
// each control has an id, a kind, a text and a rectangle in dialog units.

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace platform {

// Result codes of a modal run, and the ids of the standard buttons.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
// Controls that are never looked up share this id.
constexpr int IDC_STATIC = -1;

enum class ControlKind {
    PushButton,
    DefaultPushButton,
    RadioPushButton, // push-like auto radio button
    Static,          // one line of text
    Edit,
    UpDown,          // arrows attached to the control before it
    ListView,        // report view
    GroupBox,
    Picture,         // bitmap resource given by `resource`
    Icon,            // icon resource given by `resource`
    Frame,           // black frame or separator line
    Custom,          // a widget the dialog supplies itself (segment display, ticker)
};

// Style flags; combine with |.
enum ControlFlag : std::uint32_t {
    NoFlags = 0,
    Centered = 1u << 0,
    Sunken = 1u << 1,  // sunken client edge
    Hidden = 1u << 2,
    TabStop = 1u << 3, // forces a tab stop on a kind that has none by default
    StaticEdge = 1u << 4,
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text; // UTF-8
    int x, y, width, height; // dialog units
    std::uint32_t flags = NoFlags;
    int resource = 0; // bitmap or icon id of Picture and Icon controls
};

struct DialogTemplate {
    int id;
    const char* caption; // UTF-8
    int width, height;   // dialog units
    int fontPointSize;   // of the template's font; a CJK-capable sans stands in for its face
    bool systemMenu;
    std::vector<ControlTemplate> controls;
};

} // namespace platform
