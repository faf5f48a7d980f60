#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace runtime {

// Stored window layouts: constant tables of controls. Positions and sizes are
// in twips; colours are 0x00BBGGRR values.

using Colour = std::uint32_t;

struct FontSpec {
    const char *family;
    double points;
    int weight = 400; // 400 normal, 600 semi-bold, 700 bold
    bool italic = false;
};

enum class ControlKind {
    CommandButton, // a push button; "&" in its caption marks the access key
    Label,         // plain text, shown exactly as given
    TextBox,       // one line of text; read-only in this program
    Frame,         // a captioned group box that holds other controls
    PictureBox,    // a coloured panel that holds other controls
    Image,         // shows a picture unscaled from its top-left corner
};

enum class Alignment { Left, Centre };

struct ControlLayout {
    ControlKind kind;
    const char *name;
    const char *container = nullptr; // nullptr: the window's client area
    const char *caption = "";        // caption or text
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    const FontSpec *font = nullptr; // nullptr: the runtime's default font
    std::optional<Colour> foreColour = {};
    std::optional<Colour> backColour = {};
    Alignment alignment = Alignment::Left;
    bool autoSize = false; // a label that sizes itself to its text
    bool border = false;   // a single-line border, opaque background
    bool enabled = true;
    bool visible = true;
    bool cancel = false;        // the button that Esc presses
    int tabIndex = -1;          // -1: none
    const char *picture = nullptr; // resource path of an image's picture
};

enum class BorderStyle {
    None,        // no border, no title bar, no window buttons
    FixedDialog, // a title bar with the close button; fixed size
};

// Controls are listed back to front: a later control is drawn over an
// earlier one that it overlaps.
struct FormLayout {
    const char *caption = "";
    BorderStyle border = BorderStyle::None;
    int clientWidth = 0;
    int clientHeight = 0;
    const char *picture = nullptr; // background, painted unscaled at the top left
    const char *icon = nullptr;
    std::span<const ControlLayout> controls = {};
};

} // namespace runtime
