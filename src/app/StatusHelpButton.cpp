#include "app/StatusHelpButton.h"

#include <QMouseEvent>

StatusHelpButton::StatusHelpButton(const QString& name, const QString& caption, const QString& helpText,
                                   QWidget* parent)
    : QPushButton(caption, parent), helpText_(helpText)
{
    setObjectName(name);
    setFocusPolicy(Qt::TabFocus);
}

void StatusHelpButton::showHelp(bool on)
{
    if (helpText_.isEmpty() || on == showing_)
        return;
    showing_ = on;
    Q_EMIT statusText(on ? helpText_ : QString());
}

void StatusHelpButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        showHelp(true);
    QPushButton::mousePressEvent(event);
}

void StatusHelpButton::mouseReleaseEvent(QMouseEvent* event)
{
    // The help goes before the command runs; a release off the button runs nothing.
    if (event->button() == Qt::LeftButton)
        showHelp(false);
    QPushButton::mouseReleaseEvent(event);
}

void StatusHelpButton::hideEvent(QHideEvent* event)
{
    showHelp(false);
    QPushButton::hideEvent(event);
}

void StatusHelpButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        showHelp(false);
    QPushButton::changeEvent(event);
}
