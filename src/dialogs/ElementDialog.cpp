#include "dialogs/ElementDialog.h"

#include "dialogs/DialogHost.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

ElementDialog::ElementDialog(const QString& name, const QString& title, DialogHost& host)
    : QDialog(host.ownerWindow()), host_(host)
{
    setObjectName(name);
    setWindowTitle(title);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    centreWhenFirstShown(*this);
}

QPushButton* ElementDialog::makeOkButton(const QString& caption)
{
    auto* button = named<QPushButton>("cmdOK", caption, this);
    button->setDefault(true);
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);
    return button;
}

QPushButton* ElementDialog::makeCancelButton(const QString& caption)
{
    auto* button = sideButton("cmdCancel", caption, this);
    connect(button, &QPushButton::clicked, this, &QDialog::reject);
    return button;
}

namespace {
// Watches for the window's first Show, before the window itself handles it, and then goes.
class FirstShow : public QObject {
public:
    FirstShow(QWidget& window, std::function<void()> then) : QObject(&window), window_(window), then_(std::move(then))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Show) {
            window_.removeEventFilter(this);
            centreOnScreen(window_);
            if (then_)
                then_();
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> then_;
};
} // namespace

void centreWhenFirstShown(QWidget& window, std::function<void()> then)
{
    new FirstShow(window, std::move(then));
}

void centreOnScreen(QWidget& window)
{
    window.adjustSize();
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    // Centre the whole window, frame included, where the frame is already known.
    const QSize outer = window.frameGeometry().size();
    window.move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

QComboBox* typingBox(const char* name, QWidget* parent)
{
    auto* box = named<QComboBox>(name, parent);
    box->setEditable(true);
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QComboBox* choiceBox(const char* name, const QStringList& entries, bool editable, QWidget* parent)
{
    QComboBox* box = editable ? typingBox(name, parent) : named<QComboBox>(name, parent);
    box->addItems(entries);
    // Adding entries picks the first: undo that.
    box->setCurrentIndex(-1);
    if (editable)
        box->clearEditText();
    return box;
}

QLabel* captionLabel(const char* name, const QString& caption, QWidget* parent)
{
    auto* label = named<QLabel>(name, caption, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* sideButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = named<QPushButton>(name, caption, parent);
    button->setAutoDefault(false);
    return button;
}

int addFieldRows(QGridLayout& grid, int row, std::initializer_list<std::pair<QLabel*, QWidget*>> rows)
{
    for (const auto& [label, field] : rows) {
        label->setBuddy(field);
        grid.addWidget(label, row, 0);
        grid.addWidget(field, row, 1);
        ++row;
    }
    return row;
}

QHBoxLayout* sideBySide(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    return row;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons)
{
    QHBoxLayout* row = sideBySide(buttons);
    row->insertStretch(0);
    return row;
}

AttributeText& AttributeText::add(const QString& name, const QString& value, Quoting quoting)
{
    if (value.isEmpty())
        return *this;
    text_ += QLatin1Char(' ') + name + QLatin1Char('=');
    text_ += quoting == Quoted ? QLatin1Char('"') + value + QLatin1Char('"') : value;
    return *this;
}

AttributeText& AttributeText::raw(const QString& text)
{
    text_ += text;
    return *this;
}
