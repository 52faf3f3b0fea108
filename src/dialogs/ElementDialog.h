#pragma once
// The common shape of the element dialogs: modeless, owned by the main window, centred on the
// screen when shown, Enter presses OK and Esc presses Cancel. Also the named controls and rows
// every dialog is built from, and the one way every dialog writes an attribute that is present
// only when its field is filled.

#include <QDialog>
#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>

class DialogHost;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

class ElementDialog : public QDialog {
    Q_OBJECT
public:
    ElementDialog(const QString& name, const QString& title, DialogHost& host);

    // Makes an OK and a Cancel button with their names; OK is the default button.
    QPushButton* makeOkButton(const QString& caption = QStringLiteral("OK"));
    QPushButton* makeCancelButton(const QString& caption = QStringLiteral("Cancel"));

protected:
    DialogHost& host_;
};

// Creates a dialog control carrying its name as objectName: named<QLineEdit>("txtURL", this).
template <typename Widget, typename... Args> Widget* named(const char* name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Sizes the window to its contents and centres it, frame included, on its screen.
void centreOnScreen(QWidget& window);
// Does so the first time the window is shown, then runs `then`; later showings leave it where
// the user put it.
void centreWhenFirstShown(QWidget& window, std::function<void()> then = {});

// A box to type into with a list to pick from: what is typed stays as typed (no entry
// completes it or changes its case) and is never added to the list.
QComboBox* typingBox(const char* name, QWidget* parent);
// A list of fixed entries that starts with nothing chosen; when editable, a typing box.
QComboBox* choiceBox(const char* name, const QStringList& entries, bool editable, QWidget* parent);

// A caption shown as written (a "<BODY>" in it stays text), carrying its name.
QLabel* captionLabel(const char* name, const QString& caption, QWidget* parent);

// A button beside the fields: Enter in a box presses the default button, never this one.
QPushButton* sideButton(const char* name, const QString& caption, QWidget* parent);

// Lays each label and the field it names side by side, one pair a row from row on; returns
// the row after the last.
int addFieldRows(QGridLayout& grid, int row, std::initializer_list<std::pair<QLabel*, QWidget*>> rows);

// Widgets in a row, as they are given (a Find File picture and its label).
QHBoxLayout* sideBySide(std::initializer_list<QWidget*> widgets);
// The buttons that end a dialog, kept to the right.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);

// Builds a tag's attribute list: " NAME=value" or " NAME=\"value\"", only for filled fields.
class AttributeText {
public:
    enum Quoting { Bare, Quoted };
    AttributeText& add(const QString& name, const QString& value, Quoting quoting);
    // Appends text as it is (a keyword attribute, a fixed fragment).
    AttributeText& raw(const QString& text);
    const QString& text() const { return text_; }

private:
    QString text_;
};
