#pragma once
// The picture buttons of the main window's tool strip (new, open, save, print, cut, copy,
// paste): a drawn picture that sinks while the left button is held and shows help meanwhile.

#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;

enum class ToolPicture { New, Open, Save, Print, Cut, Copy, Paste };

// Logical size of every picture and of the button showing it.
inline constexpr int kToolPictureWidth = 24;
inline constexpr int kToolPictureHeight = 22;

// The picture in its released (raised) or pressed (sunken) form, 24 x 22 logical pixels,
// drawn for the given device pixel ratio (a ratio <= 0 counts as 1).
QPixmap drawToolPicture(ToolPicture picture, bool pressed, qreal devicePixelRatio);

class PictureButton : public QWidget {
    Q_OBJECT
public:
    PictureButton(ToolPicture picture, const QString& name, const QString& upName, const QString& downName,
                  const QString& helpText, QWidget* parent = nullptr);

    ToolPicture picture() const { return picture_; }
    QString helpText() const { return helpText_; }
    bool isPressed() const { return pressed_; }
    // What the button shows now: the up image's picture or, while held, the down image's.
    QPixmap shownPicture() const;

    QSize sizeHint() const override;

signals:
    // The help text while the button is held, an empty text once it is let go.
    void statusText(const QString& text);
    // Left button released over the button after being pressed on it.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void renderPictures(qreal ratio);
    // Lets go without a click when the release can no longer reach the button.
    void abandonPress();

    ToolPicture picture_;
    QString helpText_;
    QLabel* up_ = nullptr;
    QLabel* down_ = nullptr;
    bool pressed_ = false;
};
