#include "platform/controls.h"

#include <ranges>

#include <QPalette>

namespace ayat {
namespace {

QString utf8(const char* s) { return s ? QString::fromUtf8(s) : QString(); }

QWidget* makeWidget(QWidget* container, const ControlRow& c, const ImageSource& images)
{
    switch (c.kind) {
    case ControlKind::Label: {
        auto* label = new Label(container);
        label->setFont(makeFont(c.font));
        label->setColours(c.foreground, c.background);
        label->setTransparent(c.transparent);
        label->setBordered(c.bordered);
        label->setText(utf8(c.text));
        return label;
    }
    case ControlKind::Picture: {
        auto* picture = new Picture(c.use, container);
        if (c.pictureKey)
            picture->setImage(images.image(c.pictureKey));
        return picture;
    }
    case ControlKind::Hotspot: {
        auto* hotspot = new Hotspot(container);
        hotspot->setCursor(images.hotspotPointer());
        return hotspot;
    }
    case ControlKind::Button: {
        auto* button = new PictureButton(container);
        button->setFont(makeFont(c.font));
        if (c.foreground != kDefaultColour) {
            QPalette p = button->palette();
            p.setColor(QPalette::ButtonText, QColor::fromRgb(QRgb(c.foreground)));
            button->setPalette(p);
        }
        button->setText(utf8(c.text));
        if (c.pictureKey)
            button->setImage(images.image(c.pictureKey));
        button->setTransparentFace(c.transparent);
        button->setFocusOnClick(c.focusOnClick);
        if (c.tooltip)
            button->setToolTip(utf8(c.tooltip));
        return button;
    }
    }
    return nullptr;
}

}  // namespace

void buildControls(QWidget* container, std::span<const ControlRow> topmostFirst, const ImageSource& images)
{
    // Each new child lies above the ones made before it, so the table is made
    // from its last row up.
    for (const ControlRow& c : std::views::reverse(topmostFirst)) {
        QWidget* w = makeWidget(container, c, images);
        w->setObjectName(utf8(c.name));
        w->setGeometry(toPixels(c.rect));
        if (c.accessibleName)
            w->setAccessibleName(utf8(c.accessibleName));
        else if (c.tooltip)
            w->setAccessibleName(utf8(c.tooltip));
        w->setVisible(!c.hidden);
    }
}

QWidget* findControl(const QWidget* container, std::string_view name)
{
    const QString wanted = QString::fromUtf8(name.data(), qsizetype(name.size()));
    for (QObject* o : container->children()) {
        if (o->isWidgetType() && o->objectName() == wanted)
            return static_cast<QWidget*>(o);
    }
    qFatal("no control named %s", qPrintable(wanted));
}

}  // namespace ayat
