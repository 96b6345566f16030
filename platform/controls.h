#pragma once
// Screens are data: a table of control rows, topmost first, each with its name,
// kind, rectangle in twips and looks. buildControls() turns such a table into
// widgets inside a container; the code that gives the screen its behaviour then
// finds the widgets by name with child<>().
//
// Every member has a default, so a row names only what differs from it:
//   {.name = "Label23", .kind = ControlKind::Label, .rect = {4200, 120, 1335, 375}, .text = "About"}
#include <span>
#include <string_view>

#include <QCursor>
#include <QImage>
#include <QWidget>

#include "platform/twips.h"
#include "platform/widgets.h"

namespace ayat {

enum class ControlKind { Label, Picture, Hotspot, Button };

struct ControlRow {
    const char* name = "";
    ControlKind kind = ControlKind::Label;
    Twips rect{};
    const char* text = nullptr;       // label text, or button caption (none for most buttons); UTF-8, as every text
    FontSpec font{};                  // empty family: the window's default font
    int foreground = kDefaultColour;  // 0xRRGGBB
    int background = kDefaultColour;  // 0xRRGGBB
    bool transparent = false;         // label: no background; button: no face
    bool bordered = false;            // label: the single border
    bool hidden = false;
    const char* pictureKey = nullptr;  // asset key of a picture or a button's icon
    Picture::Use use = Picture::Use::Stretched;
    const char* tooltip = nullptr;
    bool focusOnClick = true;              // button: takes the focus when clicked with the mouse
    const char* accessibleName = nullptr;  // what a screen reader announces, where the control shows no text
};

// What supplies the builder with the images its pictures and buttons show, and
// with the pointer shown over hotspots: the asset store (assets/loader.h).
class ImageSource {
public:
    virtual ~ImageSource() = default;
    // The decoded picture for a key; a null image if it could not be had.
    virtual QImage image(std::string_view key) const = 0;
    // The pointer shown over hotspots.
    virtual QCursor hotspotPointer() const = 0;
};

// Creates the controls of a table inside container, so that the first one listed
// lies above all the others. Returns nothing: find the controls by name.
void buildControls(QWidget* container, std::span<const ControlRow> topmostFirst, const ImageSource& images);

// The child of container with this object name and widget type. A name that a
// screen table does not hold is a programming error: it aborts with a message.
QWidget* findControl(const QWidget* container, std::string_view name);

template <class W>
W* child(const QWidget* container, std::string_view name)
{
    W* w = qobject_cast<W*>(findControl(container, name));
    if (!w)
        qFatal("control %.*s has another kind", int(name.size()), name.data());
    return w;
}

}  // namespace ayat
