#pragma once
// The program's own HTML manual, shown in a window of its own.

#include <QWidget>

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
};
