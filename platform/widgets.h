#pragma once
// The kinds of control that every screen is made of, as small widgets over Qt:
// the panel, the label, the picture, the hotspot and the picture button.
// Their look follows the classic desktop: a grey face, and the single border,
// the 2-pixel sunken border drawn around a text field.
#include <functional>

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QStringList>
#include <QWidget>

class QPainter;
class QFontMetrics;

namespace ayat {

// A font as the screen tables give it: family, size in points, bold, italic.
// An empty family means the window's default font.
struct FontSpec {
    const char* family = nullptr;
    double points = 0;
    bool bold = false;
    bool italic = false;
};

// The font at the design resolution (96 dots per inch), whatever the screen's
// own resolution, so that texts fit their labels as laid out.
QFont makeFont(const FontSpec& spec);

// The window's default font: the verse boxes and the plain labels use it.
FontSpec defaultFontSpec();

// Colour as 0xRRGGBB; kDefaultColour means the platform's own.
inline constexpr int kDefaultColour = -1;

// The single border: width in pixels, and how it is drawn.
inline constexpr int kSingleBorder = 2;
void drawSingleBorder(QPainter& painter, const QRect& outer, const QPalette& palette);

// The classic face palette that every window of the program uses.
QPalette classicPalette();

// Runs `then` once `window` has painted its first frame and that frame is out
// (the call is queued behind the paint); never, if the window goes first. For
// work a window's first frame does not need.
void afterFirstFrame(QWidget* window, std::function<void()> then);

// The thin fixed frame of a top-level window: a title with the window menu,
// minimise and close, and no maximise (the window keeps its size). Window
// systems that honour the hints (X11's window managers through the Motif hints,
// Windows, Qt's own decoration on Wayland) offer no maximise then.
void setFixedFrame(QWidget* window);

// Full-window container: opaque in the face colour, with the single border.
class Panel : public QWidget {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};

// A caption in one font and colours. It wraps at spaces within its width,
// never grows, and clips what does not fit. Optionally bordered or transparent.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    void setBordered(bool on);
    void setTransparent(bool on);
    bool transparent() const { return transparent_; }
    void setColours(int foreground, int background);

    // The rectangle inside the border where the text is drawn.
    QRect textArea() const;
    // The text broken into the lines that the label draws.
    QStringList lines() const;

    // Breaks a text into lines no wider than width, at spaces only; a single word
    // wider than the line is broken between characters. Spaces at the start of the
    // text are kept; the spaces at a line break are dropped.
    static QStringList wrapAtSpaces(const QString& text, const QFontMetrics& metrics, int width);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool bordered_ = false;
    bool transparent_ = false;
};

// Shows one picture: stretched to its rectangle inside the single border, or at
// its natural size from its top-left corner with no border (transparent pixels
// let the container show through). Without a picture it draws its empty face.
// A picture's device pixel ratio gives its size in the window: one drawn at
// twice the size for a screen of ratio 2 takes the same room as its original.
class Picture : public QWidget {
    Q_OBJECT
public:
    enum class Use { Stretched, NaturalSize };

    explicit Picture(Use use, QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    Use use_;
    QImage image_;
    QPixmap scaled_;  // the stretched image, made at the first paint after a change
};

// An invisible area over a scene: it draws nothing, shows its pointer, and
// reports a click of the left mouse button.
class Hotspot : public QWidget {
    Q_OBJECT
public:
    explicit Hotspot(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    bool pressed_ = false;
};

// A push button that shows a picture: above its caption, or centred alone, at the
// picture's size in the window (its pixels over its device pixel ratio).
// Its face may be transparent; it may refuse the focus when clicked with the mouse.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    void setTransparentFace(bool on);
    void setFocusOnClick(bool on);

    // Where the picture is drawn (unscaled, centred), in the button's coordinates.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    QRect captionRect() const;
    QImage image_;
    bool transparentFace_ = false;
};

}  // namespace ayat
