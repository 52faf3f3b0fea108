#pragma once
// What the frames, form-elements and list-box dialogs insert, as functions of their fields
// alone. Every line break inside the text is the one passed in, so the caller can use the
// document's own.

#include <QString>
#include <QStringList>

// An opening and a closing text to wrap the selection in.
struct TagPair {
    QString opening;
    QString closing;
    bool operator==(const TagPair&) const = default;
};

struct FramesetFields {
    QString rows;
    QString cols;
};
TagPair framesetText(const FramesetFields& fields, const QString& lineBreak);

enum class FrameScrolling { Unset, Yes, No, Auto };

struct FrameFields {
    QString src;
    QString name;
    QString marginWidth;
    QString marginHeight;
    FrameScrolling scrolling = FrameScrolling::Unset;
    bool noResize = false;
};
// A single tag: the closing text is always empty.
TagPair frameText(const FrameFields& fields, const QString& lineBreak);

TagPair noFramesText(const QString& lineBreak);

// The form template posting to action.
TagPair formTemplateText(const QString& action, const QString& lineBreak);

// The caption that turns the form element into a text area rather than an input.
inline const QString kTextAreaCaption = QStringLiteral("Text Area");

struct FormElementFields {
    QString caption; // the element chosen last, as shown in the dialog
    QString type;    // written after TYPE= for inputs
    QString name;
    QString value;
    QString size;
    QString maxLength;
    QString rows;
    QString columns;
};
// Every filled field is written, whether or not the chosen element shows it. No line break.
TagPair formElementText(const FormElementFields& fields);

struct ListBoxFields {
    QString name;
    bool multiple = false;
    QString size;
    QStringList entries; // the option list in order
};
// The options stop at the first empty entry; an entry of a single space is skipped.
TagPair listBoxText(const ListBoxFields& fields, const QString& lineBreak);
