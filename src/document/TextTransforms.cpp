#include "document/TextTransforms.h"

#include "document/DocumentEditor.h"
#include "platform/Prompter.h"

#include <new>

namespace {

void sayFinished(const TransformTarget& target)
{
    target.prompter.message(target.parent, {kShortTitle, QStringLiteral("Finished!"), PromptIcon::Information,
                                            PromptButtons::Ok});
}

// Runs a replacing edit; when it cannot be done (no document, not enough memory) says failure,
// and in every case then "Finished!".
template <typename Edit> bool finishing(const TransformTarget& target, const QString& failure, Edit edit)
{
    bool done = false;
    try {
        done = edit();
    } catch (const std::bad_alloc&) {
    }
    if (!done)
        target.prompter.message(target.parent, {kShortTitle, failure, PromptIcon::Critical, PromptButtons::Ok});
    sayFinished(target);
    return done;
}

} // namespace

bool ReplaceInSelection(const TransformTarget& target, const QString& text, const QString& find,
                        const QString& replacement)
{
    return finishing(target, QStringLiteral("The document is too large for this function!\rTry breaking it up."), [&] {
        const QString result = replaceLoop(text, find, replacement);
        if (!target.editor)
            return false;
        target.editor->setInsertionColor(target.textColor);
        target.editor->replaceSelection(result);
        return true;
    });
}

bool ReplaceInDocument(const TransformTarget& target, const QByteArray& text, const QByteArray& find,
                       const QByteArray& replacement)
{
    return finishing(target, QStringLiteral("An error occured, try again!"), [&] {
        qsizetype count = 0;
        const QByteArray result = replaceLoop(text, find, replacement, &count);
        if (!target.editor)
            return false;
        // Nothing replaced leaves the document as it is, not modified.
        if (count > 0) {
            target.editor->setInsertionColor(target.textColor);
            target.editor->replaceAllBytes(result);
            // As after setting a new text: the caret goes to the start.
            target.editor->setSelStart(0);
        }
        return true;
    });
}

void addBreaks(const TransformTarget& target, const QByteArray& lineBreak)
{
    const QString br = QString::fromLatin1(lineBreak);
    ReplaceInSelection(target, target.editor ? target.editor->selText() : QString(), br,
                       QStringLiteral("<BR>") + br);
}

void addListTags(const TransformTarget& target, const QByteArray& lineBreak)
{
    const QString br = QString::fromLatin1(lineBreak);
    ReplaceInSelection(target, target.editor ? target.editor->selText() : QString(), br,
                       br + QStringLiteral("<LI>"));
}

void removeTags(const TransformTarget& target)
{
    const PromptAnswer answer =
        target.prompter.message(target.parent, {QStringLiteral("Notice!"),
                                                QStringLiteral("This Option Cannot Be Undone, Continue?"),
                                                PromptIcon::Exclamation, PromptButtons::YesNo});
    if (answer != PromptAnswer::Yes || !target.editor)
        return;
    DocumentEditor& editor = *target.editor;
    try {
        const std::string_view text = editor.textView();
        const int selStart = editor.selStart();
        const int selLength = editor.selLength();
        const std::vector<ByteRange> ranges =
            selLength <= 0 ? tagRangesInText(text)
                           : tagRangesInSelection(text, editor.toBytePosition(selStart),
                                                  editor.toBytePosition(selStart + selLength));
        if (ranges.empty())
            return;
        editor.setFocus();
        const long caret = editor.replaceByteRanges(ranges, QByteArray());
        editor.setSelStart(editor.toCharPosition(caret));
    } catch (const std::bad_alloc&) {
        // What could not be done stays as it was; the command ends without a word.
    }
}

ConversionRule conversionRule(LineEndingConversion conversion)
{
    const QString cr = QStringLiteral("\r");
    const QString lf = QStringLiteral("\n");
    const QString crlf = QStringLiteral("\r\n");
    switch (conversion) {
    case LineEndingConversion::FromMac:
        return {cr, crlf, "\r\n", true};
    case LineEndingConversion::ToMac:
        return {crlf, cr, "\r", false};
    case LineEndingConversion::FromUnix:
        return {lf, crlf, "\r\n", true};
    case LineEndingConversion::ToUnix:
        break;
    }
    return {crlf, lf, "\n", false};
}

bool convertLineEndings(const TransformTarget& target, LineEndingConversion conversion)
{
    const ConversionRule rule = conversionRule(conversion);
    // The editor's own bytes, uncopied: line breaks need no decoding, and the result is a new
    // buffer whenever anything was replaced.
    const QByteArray text = target.editor ? QByteArray::fromRawData(target.editor->characterPointer(),
                                                                   target.editor->byteLength())
                                          : QByteArray();
    return ReplaceInDocument(target, text, rule.find.toLatin1(), rule.replacement.toLatin1());
}
