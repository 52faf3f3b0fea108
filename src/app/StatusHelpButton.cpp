#include "app/StatusHelpButton.h"

#include <QMouseEvent>

StatusHelpButton::StatusHelpButton(const QString& name, const QString& caption, const QString& helpText,
                                   QWidget* parent)
    : QPushButton(caption, parent), helpText_(helpText)
{
    setObjectName(name);
    setFocusPolicy(Qt::TabFocus);
}

void StatusHelpButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !helpText_.isEmpty())
        Q_EMIT statusText(helpText_);
    QPushButton::mousePressEvent(event);
}

void StatusHelpButton::mouseReleaseEvent(QMouseEvent* event)
{
    // The help goes before the command runs; a release off the button runs nothing.
    if (event->button() == Qt::LeftButton && !helpText_.isEmpty())
        Q_EMIT statusText(QString());
    QPushButton::mouseReleaseEvent(event);
}
