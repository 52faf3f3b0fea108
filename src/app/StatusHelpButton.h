#pragma once
// A command button that shows its help line in the status bar while the mouse holds it down.

#include <QPushButton>

class StatusHelpButton : public QPushButton {
    Q_OBJECT
public:
    StatusHelpButton(const QString& name, const QString& caption, const QString& helpText, QWidget* parent = nullptr);
    QString helpText() const { return helpText_; }

Q_SIGNALS:
    void statusText(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Hidden or disabled while held, the button never sees the release.
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showHelp(bool on);

    QString helpText_;
    bool showing_ = false;
};
