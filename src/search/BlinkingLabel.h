#pragma once
// The warning both replace windows blink: the label is hidden and shown in turn every second
// while the returned timer (named "Timer1") runs, and keeps its room while hidden so that
// nothing around it moves.

class QLabel;
class QTimer;

QTimer* makeBlinking(QLabel* label);
