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

private:
    QString helpText_;
};
