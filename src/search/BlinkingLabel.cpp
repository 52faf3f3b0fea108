#include "search/BlinkingLabel.h"

#include <QLabel>
#include <QTimer>

QTimer* makeBlinking(QLabel* label)
{
    QSizePolicy keepRoom = label->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    label->setSizePolicy(keepRoom);
    auto* timer = new QTimer(label);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(1000);
    QObject::connect(timer, &QTimer::timeout, label, [label] { label->setHidden(!label->isHidden()); });
    return timer;
}
