#pragma once
// The commands that ask one question in an input box and insert the answer between fixed
// texts, the fixed inserts of the same submenus, and the date text of Insert Date.

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

// What an empty answer (or Cancel) does.
enum class EmptyAnswer {
    Insert,  // the attribute goes in with an empty value
    Nothing, // nothing is inserted
    Refuse,  // a message says so and nothing is inserted
};

struct PromptInsert {
    QString control; // objectName of the menu item or button
    QString prompt;  // empty: nothing is asked
    QString title;   // empty: the short title
    QString before;  // the opening text is before + answer + after
    QString after;
    QString closing;
    EmptyAnswer empty = EmptyAnswer::Insert;
};

// Every prompted command and fixed insert of the Internet Explorer submenu, Base Font Size,
// Image Map, Map Area and the Anchor button.
const std::vector<PromptInsert>& promptCommands();

// The opening text a row inserts for the answer; none when it inserts nothing.
std::optional<QString> promptOpening(const PromptInsert& row, const QString& answer);

// The message Anchor shows for an empty name.
extern const QString kNoAnchorMessage;

// The date as Insert Date writes it: full weekday, full month, two-digit day, four-digit year,
// with the names of the locale.
QString dateText(const QDate& date, const QLocale& locale = QLocale());
