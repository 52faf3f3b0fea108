#include "app/PictureButton.h"

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include <initializer_list>
#include <vector>

namespace {

// Colours of the classic 16-colour display palette, the only ones the pictures use, so they
// stay 16-colour images at any ratio (nothing is antialiased).
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kOlive = 0xff808000;
constexpr QRgb kNavy = 0xff000080;
constexpr QRgb kSilver = 0xffc0c0c0;
constexpr QRgb kGrey = 0xff808080;
constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kLime = 0xff00ff00;
constexpr QRgb kYellow = 0xffffff00;
constexpr QRgb kWhite = 0xffffffff;

// Drawing in whole logical pixels: rectangles cover exactly the pixels they name and lines run
// through pixel centres, so a ratio of 2 doubles every pixel instead of smearing it.
class Sketch {
public:
    explicit Sketch(QPainter& painter) : p_(painter) {}

    void fill(int x, int y, int w, int h, QRgb colour) { p_.fillRect(QRect(x, y, w, h), QColor(colour)); }

    // A filled rectangle with a one-pixel black border, the border included in w x h.
    void box(int x, int y, int w, int h, QRgb inside)
    {
        fill(x, y, w, h, kBlack);
        fill(x + 1, y + 1, w - 2, h - 2, inside);
    }

    void line(int x1, int y1, int x2, int y2, QRgb colour)
    {
        p_.setPen(pen(colour));
        p_.drawLine(centre(x1, y1), centre(x2, y2));
    }

    // A filled polygon with a black border through the given corner pixels.
    void shape(std::initializer_list<QPoint> corners, QRgb inside)
    {
        std::vector<QPointF> points;
        for (const QPoint& c : corners)
            points.push_back(centre(c.x(), c.y()));
        p_.setPen(pen(kBlack));
        p_.setBrush(QColor(inside));
        p_.drawPolygon(points.data(), int(points.size()));
    }

    // A filled ellipse inside the given pixels, without border.
    void disc(int x, int y, int w, int h, QRgb colour)
    {
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor(colour));
        p_.drawEllipse(QRect(x, y, w, h));
    }

private:
    static QPointF centre(int x, int y) { return {x + 0.5, y + 0.5}; }
    static QPen pen(QRgb colour) { return QPen(QColor(colour), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin); }

    QPainter& p_;
};

// A sheet with its top right corner folded over; text lines are drawn by the caller.
void page(Sketch& s, int left, int top, int right, int bottom, int fold)
{
    s.shape({{left, top}, {right - fold, top}, {right, top + fold}, {right, bottom}, {left, bottom}}, kWhite);
    s.shape({{right - fold, top}, {right - fold, top + fold}, {right, top + fold}}, kSilver);
}

// The pictures, each within 16 x 16 pixels from the origin.
void drawNew(Sketch& s)
{
    page(s, 2, 0, 13, 15, 4);
}

void drawOpen(Sketch& s)
{
    s.shape({{0, 14}, {0, 3}, {1, 2}, {5, 2}, {6, 3}, {12, 3}, {12, 7}}, kOlive);
    s.shape({{0, 14}, {3, 7}, {15, 7}, {12, 14}}, kYellow);
}

void drawSave(Sketch& s)
{
    s.shape({{0, 0}, {15, 0}, {15, 15}, {1, 15}, {0, 14}}, kNavy);
    s.fill(3, 1, 10, 7, kWhite); // label
    s.fill(4, 3, 8, 1, kGrey);
    s.fill(4, 5, 8, 1, kGrey);
    s.box(4, 10, 8, 6, kSilver); // metal shutter
    s.fill(8, 11, 2, 3, kNavy);
}

void drawPrint(Sketch& s)
{
    s.box(4, 0, 8, 6, kWhite); // paper going in
    s.box(0, 5, 16, 7, kSilver);
    s.fill(1, 6, 14, 1, kWhite);
    s.fill(1, 10, 14, 1, kGrey);
    s.fill(12, 8, 2, 1, kLime); // power lamp
    s.box(3, 10, 10, 6, kWhite); // printed sheet
    s.fill(5, 12, 6, 1, kGrey);
    s.fill(5, 14, 4, 1, kGrey);
}

void drawCut(Sketch& s)
{
    // Blades crossing at the pivot, each a dark edge with a lighter face.
    s.line(4, 0, 9, 9, kBlack);
    s.line(5, 0, 10, 9, kGrey);
    s.line(11, 0, 6, 9, kBlack);
    s.line(10, 0, 5, 9, kGrey);
    s.fill(7, 6, 2, 2, kBlack); // pivot
    // Finger rings.
    for (int x : {0, 9}) {
        s.disc(x, 9, 7, 7, kBlack);
        s.disc(x + 1, 10, 5, 5, kRed);
        s.disc(x + 2, 11, 3, 3, kSilver);
    }
}

void drawCopy(Sketch& s)
{
    page(s, 0, 0, 9, 11, 3);
    for (int y : {4, 6, 8})
        s.fill(2, y, 5, 1, kNavy);
    page(s, 6, 4, 15, 15, 3);
    for (int y : {8, 10, 12})
        s.fill(8, y, 6, 1, kNavy);
}

void drawPaste(Sketch& s)
{
    s.box(0, 2, 12, 14, kOlive); // board
    s.box(3, 0, 6, 4, kSilver);  // clip
    s.fill(5, 1, 2, 1, kBlack);
    s.box(6, 6, 10, 10, kWhite);
    for (int y : {8, 10})
        s.fill(8, y, 6, 1, kNavy);
    s.fill(8, 12, 4, 1, kNavy);
}

// Raised: light top and left edges, dark bottom and right. Sunken: the other way round.
void drawBevel(Sketch& s, bool pressed)
{
    const int w = kToolPictureWidth;
    const int h = kToolPictureHeight;
    if (pressed) {
        s.fill(0, 0, w, 1, kGrey);
        s.fill(0, 0, 1, h, kGrey);
        s.fill(1, 1, w - 2, 1, kBlack);
        s.fill(1, 1, 1, h - 2, kBlack);
        s.fill(0, h - 1, w, 1, kWhite);
        s.fill(w - 1, 0, 1, h, kWhite);
    } else {
        s.fill(0, 0, w - 1, 1, kWhite);
        s.fill(0, 0, 1, h - 1, kWhite);
        s.fill(1, h - 2, w - 2, 1, kGrey);
        s.fill(w - 2, 1, 1, h - 2, kGrey);
        s.fill(0, h - 1, w, 1, kBlack);
        s.fill(w - 1, 0, 1, h, kBlack);
    }
}

QString accessibleNameOf(ToolPicture picture)
{
    switch (picture) {
    case ToolPicture::New: return QCoreApplication::translate("PictureButton", "New");
    case ToolPicture::Open: return QCoreApplication::translate("PictureButton", "Open");
    case ToolPicture::Save: return QCoreApplication::translate("PictureButton", "Save");
    case ToolPicture::Print: return QCoreApplication::translate("PictureButton", "Print");
    case ToolPicture::Cut: return QCoreApplication::translate("PictureButton", "Cut");
    case ToolPicture::Copy: return QCoreApplication::translate("PictureButton", "Copy");
    case ToolPicture::Paste: return QCoreApplication::translate("PictureButton", "Paste");
    }
    return {};
}

} // namespace

QPixmap drawToolPicture(ToolPicture picture, bool pressed, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image(qRound(kToolPictureWidth * ratio), qRound(kToolPictureHeight * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio); // the painter then works in logical pixels
    image.fill(QColor(kSilver));

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    Sketch sketch(painter);
    drawBevel(sketch, pressed);
    // The picture sits a little right of centre so the pressed one, a pixel further right and
    // down, still clears the bevel.
    painter.translate(pressed ? 5 : 4, pressed ? 4 : 3);
    switch (picture) {
    case ToolPicture::New: drawNew(sketch); break;
    case ToolPicture::Open: drawOpen(sketch); break;
    case ToolPicture::Save: drawSave(sketch); break;
    case ToolPicture::Print: drawPrint(sketch); break;
    case ToolPicture::Cut: drawCut(sketch); break;
    case ToolPicture::Copy: drawCopy(sketch); break;
    case ToolPicture::Paste: drawPaste(sketch); break;
    }
    painter.end();
    return QPixmap::fromImage(image);
}

PictureButton::PictureButton(ToolPicture picture, const QString& name, const QString& upName,
                             const QString& downName, const QString& helpText, QWidget* parent)
    : QWidget(parent), picture_(picture), helpText_(helpText), up_(new QLabel(this)), down_(new QLabel(this))
{
    setObjectName(name);
    up_->setObjectName(upName);
    down_->setObjectName(downName);
    up_->hide();
    down_->hide();

    setFixedSize(kToolPictureWidth, kToolPictureHeight);
    setFocusPolicy(Qt::NoFocus);
    setToolTip(QString()); // the status bar carries the help
    setAccessibleName(accessibleNameOf(picture));
    setAccessibleDescription(helpText);

    const QScreen* where = screen();
    renderPictures(where ? where->devicePixelRatio() : 1.0);
}

QPixmap PictureButton::shownPicture() const
{
    return (pressed_ ? down_ : up_)->pixmap();
}

QSize PictureButton::sizeHint() const
{
    return {kToolPictureWidth, kToolPictureHeight};
}

void PictureButton::renderPictures(qreal ratio)
{
    up_->setPixmap(drawToolPicture(picture_, false, ratio));
    down_->setPixmap(drawToolPicture(picture_, true, ratio));
}

void PictureButton::paintEvent(QPaintEvent*)
{
    // The window may have moved to a screen of another density since the pictures were drawn.
    const qreal ratio = devicePixelRatioF();
    if (!qFuzzyCompare(up_->pixmap().devicePixelRatio(), ratio))
        renderPictures(ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, shownPicture());
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || pressed_) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed_ = true;
    update();
    emit statusText(helpText_);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    // The press grabbed the mouse, so the release arrives here even off the button; only a
    // release over it clicks.
    const bool over = rect().contains(event->position().toPoint());
    pressed_ = false;
    update();
    QPointer<PictureButton> self(this);
    emit statusText(QString());
    if (over && self)
        emit clicked();
}

void PictureButton::hideEvent(QHideEvent* event)
{
    abandonPress();
    QWidget::hideEvent(event);
}

void PictureButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        abandonPress();
    QWidget::changeEvent(event);
}

void PictureButton::abandonPress()
{
    if (!pressed_)
        return;
    pressed_ = false;
    update();
    emit statusText(QString());
}
