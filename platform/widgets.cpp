#include "platform/widgets.h"

#include <cmath>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <qdrawutil.h>

#include "platform/keyboard_focus.h"

namespace ayat {

QFont makeFont(const FontSpec& spec)
{
    const FontSpec s = spec.family
        ? spec
        : FontSpec{defaultFontSpec().family, spec.points > 0 ? spec.points : defaultFontSpec().points, spec.bold,
                   spec.italic};
    QFont font(QString::fromUtf8(s.family));
    // Points at the design resolution of 96 dots per inch: 18 pt is 24 pixels.
    font.setPixelSize(int(std::lround(s.points * 96.0 / 72.0)));
    font.setBold(s.bold);
    font.setItalic(s.italic);
    font.setStyleStrategy(QFont::PreferAntialias);
#ifdef _WIN32
    // Letters as wide as their design, as Linux's desktops (slight hinting) lay
    // them out and as the labels were measured there. Windows' default full
    // hinting rounds each letter's width up: "Sayings in the Qur'an" in the bold
    // serif then needs more than its label's 197 pixels and wraps (seen under
    // Wine 8, in the tests' offscreen platform and in the windows platform).
    font.setHintingPreference(QFont::PreferVerticalHinting);
#endif
    return font;
}

FontSpec defaultFontSpec()
{
    // A small sans serif, as desktop dialogs use; the longest verse fits its box in it.
    return FontSpec{.family = "Arial", .points = 8.25};
}

void setFixedFrame(QWidget* window)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint);
}

QPalette classicPalette()
{
    QPalette p;
    const QColor face(0xC0, 0xC0, 0xC0);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Window, face);
        p.setColor(g, QPalette::Button, face);
        p.setColor(g, QPalette::Light, Qt::white);
        p.setColor(g, QPalette::Midlight, QColor(0xDF, 0xDF, 0xDF));
        p.setColor(g, QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
        p.setColor(g, QPalette::Dark, QColor(0x80, 0x80, 0x80));
        p.setColor(g, QPalette::Shadow, Qt::black);
        p.setColor(g, QPalette::Base, Qt::white);
        p.setColor(g, QPalette::WindowText, g == QPalette::Disabled ? QColor(0x80, 0x80, 0x80) : Qt::black);
        p.setColor(g, QPalette::ButtonText, g == QPalette::Disabled ? QColor(0x80, 0x80, 0x80) : Qt::black);
        p.setColor(g, QPalette::Text, Qt::black);
        p.setColor(g, QPalette::Highlight, QColor(0x00, 0x00, 0x80));
        p.setColor(g, QPalette::HighlightedText, Qt::white);
        p.setColor(g, QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
        p.setColor(g, QPalette::ToolTipText, Qt::black);
    }
    return p;
}

namespace {

// Watches a window for its first paint, then queues the call and goes.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget* window, std::function<void()> then) : QObject(window), then_(std::move(then))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace

void afterFirstFrame(QWidget* window, std::function<void()> then) { new FirstFrameWatch(window, std::move(then)); }

void drawSingleBorder(QPainter& painter, const QRect& outer, const QPalette& palette)
{
    // The 3-D sunken border of a text field: grey and white outside, black and
    // light grey inside.
    qDrawWinPanel(&painter, outer, palette, true);
}

// ---- Panel ----------------------------------------------------------------

Panel::Panel(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void Panel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    drawSingleBorder(p, rect(), palette());
}

// ---- Label ----------------------------------------------------------------

Label::Label(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
}

void Label::setBordered(bool on)
{
    bordered_ = on;
    update();
}

void Label::setTransparent(bool on)
{
    transparent_ = on;
    setAutoFillBackground(!on);
    update();
}

void Label::setColours(int foreground, int background)
{
    QPalette p = palette();
    if (foreground != kDefaultColour)
        p.setColor(QPalette::WindowText, QColor::fromRgb(QRgb(foreground)));
    if (background != kDefaultColour)
        p.setColor(QPalette::Window, QColor::fromRgb(QRgb(background)));
    setPalette(p);
}

QRect Label::textArea() const
{
    return bordered_ ? rect().adjusted(kSingleBorder, kSingleBorder, -kSingleBorder, -kSingleBorder) : rect();
}

QStringList Label::lines() const { return wrapAtSpaces(text(), QFontMetrics(font()), textArea().width()); }

QStringList Label::wrapAtSpaces(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    const QStringList words = text.split(QLatin1Char(' '));
    QString line;
    bool started = false;  // the line holds something, spaces of the text's start included
    auto breakWord = [&](QString word) {
        // A word wider than the line goes on lines of its own, broken between characters.
        while (metrics.horizontalAdvance(word) > width && word.size() > 1) {
            int n = word.size() - 1;
            while (n > 1 && metrics.horizontalAdvance(word.left(n)) > width)
                --n;
            lines << word.left(n);
            word = word.mid(n);
        }
        return word;
    };
    for (const QString& word : words) {
        if (!started) {
            line = word;
            started = true;
            if (metrics.horizontalAdvance(line) > width)
                line = breakWord(line);
            continue;
        }
        const QString candidate = line + QLatin1Char(' ') + word;
        if (metrics.horizontalAdvance(candidate) <= width || word.isEmpty()) {
            line = candidate;
        } else {
            lines << line;
            line = breakWord(word);
        }
    }
    if (started && !(line.isEmpty() && !lines.isEmpty()))
        lines << line;
    return lines;
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!transparent_)
        p.fillRect(rect(), palette().color(QPalette::Window));
    if (bordered_)
        drawSingleBorder(p, rect(), palette());
    const QRect area = textArea();
    p.setClipRect(area);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm(font());
    int y = area.top();
    for (const QString& line : wrapAtSpaces(text(), fm, area.width())) {
        if (y >= area.bottom())
            break;
        p.drawText(QRect(area.left(), y, area.width(), fm.height()), Qt::AlignLeft | Qt::AlignTop, line);
        y += fm.height();
    }
}

// ---- Picture --------------------------------------------------------------

Picture::Picture(Use use, QWidget* parent) : QWidget(parent), use_(use)
{
    if (use_ == Use::Stretched)
        setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Picture::setImage(const QImage& image)
{
    // A stretched picture covers its whole rectangle: it has no transparent pixels.
    image_ = use_ == Use::Stretched && image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_RGB32) : image;
    scaled_ = QPixmap();
    update();
}

void Picture::resizeEvent(QResizeEvent*) { scaled_ = QPixmap(); }

void Picture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (use_ == Use::NaturalSize) {
        // Unscaled where the picture was drawn for the screen's ratio; a picture
        // drawn for another ratio is scaled smoothly to its size in the window.
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (!image_.isNull())
            p.drawImage(QPoint(0, 0), image_);
        return;
    }
    drawSingleBorder(p, rect(), palette());
    const QRect inside = rect().adjusted(kSingleBorder, kSingleBorder, -kSingleBorder, -kSingleBorder);
    if (image_.isNull() || inside.isEmpty())
        return;
    // Scaled to the device pixels of the area, so that a picture drawn at twice
    // the size keeps its detail on a screen of ratio 2.
    const qreal ratio = devicePixelRatioF();
    const QSize device = (QSizeF(inside.size()) * ratio).toSize();
    if (scaled_.size() != device) {
        // Width and height are scaled independently: the picture fills the area exactly.
        QImage scaled = image_.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        scaled_ = QPixmap::fromImage(std::move(scaled));
    }
    p.drawPixmap(inside.topLeft(), scaled_);
}

// ---- Hotspot --------------------------------------------------------------

Hotspot::Hotspot(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void Hotspot::mousePressEvent(QMouseEvent* e)
{
    pressed_ = e->button() == Qt::LeftButton;
    e->accept();
}

void Hotspot::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (click)
        emit clicked();
}

// ---- PictureButton --------------------------------------------------------

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) { setFocusPolicy(Qt::StrongFocus); }

void PictureButton::setImage(const QImage& image)
{
    image_ = image;
    update();
}

void PictureButton::setTransparentFace(bool on)
{
    transparentFace_ = on;
    update();
}

void PictureButton::setFocusOnClick(bool on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::TabFocus); }

QRect PictureButton::captionRect() const
{
    if (text().isEmpty())
        return {};
    const QFontMetrics fm(font());
    return QRect(0, 0, width(), fm.height());
}

QRect PictureButton::pictureRect() const
{
    const QSize s = image_.deviceIndependentSize().toSize();
    const QRect caption = captionRect();
    const int total = s.height() + (caption.isNull() ? 0 : caption.height());
    const int top = (height() - total) / 2;
    return QRect((width() - s.width()) / 2, top, s.width(), s.height());
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const bool down = isDown();
    if (!transparentFace_) {
        p.fillRect(rect(), palette().color(QPalette::Button));
        qDrawWinButton(&p, rect(), palette(), down);
    } else if (down) {
        // A transparent face shows that it is pressed by a thin sunken edge.
        qDrawShadeRect(&p, rect(), palette(), true, 1);
    }
    const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
    QRect pic = pictureRect();
    // At its own size: unscaled where the picture was drawn for the screen's ratio.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!image_.isNull())
        p.drawImage(pic.topLeft() + shift, image_);
    if (!text().isEmpty()) {
        QRect caption = captionRect();
        caption.moveTop(pic.bottom() + 1);
        p.setFont(font());
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(caption.translated(shift), Qt::AlignHCenter | Qt::AlignTop, text());
    }
    if (showsKeyboardFocus(this))  // keyboard focus: the clear ring, once the keyboard moved the focus
        drawFocusRing(p, rect());
}

void PictureButton::keyPressEvent(QKeyEvent* e)
{
    // Return and Enter press a focused button, as they do on the classic desktop.
    if (!e->isAutoRepeat() && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

}  // namespace ayat
