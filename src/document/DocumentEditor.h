#pragma once
// The document's editor: a Scintilla control offering the operations the program uses on a
// document, with positions counted in characters. Characters are coloured through a small
// pool of styles keyed by their format; every insertion (typed, pasted or inserted) takes
// the current insertion format.

#include "document/ByteRange.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QFont>
#include <array>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

struct CharFormat {
    std::optional<QColor> color; // none: the editor's default text colour
    QString family;              // empty: the editor's font
    int pointSize = 0;           // 0: the editor's size
    std::optional<bool> bold;    // none: as the editor's font
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const CharFormat& other) const = default;
};

class DocumentEditor : public QsciScintilla {
    Q_OBJECT
public:
    explicit DocumentEditor(QWidget* parent = nullptr);

    // Whole text.
    QString wholeText() const;
    QByteArray textBytes() const; // UTF-8, byte for byte as held
    // Replaces the whole text; every character gets the current insertion format.
    // The undo history starts afresh.
    void setTextBytes(const QByteArray& utf8);
    // The same in pieces, as a file is read, so that its text is never held twice.
    void beginLoad(qint64 expectedBytes);
    void appendLoaded(const char* bytes, qsizetype size);
    void endLoad();
    // Counts the texts loaded: work spread over event loops can tell its text was replaced.
    quint64 loadCount() const { return loads_; }
    void setWholeText(const QString& text);
    int characterCount() const;

    // Selection, in characters from 0.
    int selStart() const;
    int selLength() const;
    void setSelStart(int position);  // collapses the selection at position
    void setSelLength(int length);   // extends from selStart
    void setSelection(int start, int length);
    QString selText() const;
    // Replaces the whole text as one step that can be undone, in the insertion format.
    void replaceAllText(const QString& text);
    void replaceAllBytes(const QByteArray& utf8);
    // Replaces the selection and leaves the caret after the new text with nothing selected.
    void replaceSelection(const QString& text);
    void replaceSelectionBytes(const QByteArray& utf8);
    // Replaces each of the ranges (in order, not overlapping) by the same bytes in one step
    // that can be undone. Text between them keeps its format; each replacement takes the
    // format of the character before it, as typed text would. Returns the byte position just
    // after the last replacement. Linear in the size of the span, however many ranges.
    long replaceByteRanges(const std::vector<ByteRange>& ranges, const QByteArray& replacement);

    // Colour of the selection, or of the text typed next when nothing is selected.
    // Returns false, changing nothing, when the colour text cannot be applied.
    bool setSelColor(const QString& colorText);
    void setSelColor(const QColor& color);
    // Italic, underline and strike-through of the selection, or of the text typed next.
    void setSelAttributes(bool italic, bool underline, bool strikeOut);
    // Font name, size and boldness of the selection, or of the text typed next.
    void setSelFont(const QString& family, int pointSize, bool bold);
    // Colour of the text inserted next at the selection, leaving the selected text as it is.
    bool setInsertionColor(const QString& colorText);
    QColor colorAt(int position) const;
    CharFormat formatAt(int position) const;

    // Editor-wide display settings.
    void setBaseFont(const QString& family, int pointSize, bool bold);
    void setBackColor(const QColor& color);
    QFont baseFont() const { return baseFont_; }

    // Line break written by Enter.
    void setLineBreak(const QByteArray& lineBreak);
    QByteArray lineBreak() const { return lineBreak_; }

    // Gives up the editor's own bindings of these keys, so that they reach the menus.
    void releaseKeys(const QList<QKeySequence>& keys);

    // Changes between these undo as one. The caret is brought into view once, when the
    // outermost step ends.
    void beginUndoStep();
    void endUndoStep();
    bool canUndo() const;
    // The text as it is now counts as saved: the next change emits textEdited again.
    void markSaved();

    // Wrapping long lines costs a layout of the whole text; larger documents do not wrap.
    static constexpr qsizetype kWrapLimit = 2 * 1024 * 1024;

    // Called for each character the user types, before it is inserted; returning true
    // suppresses the character.
    using TypedCharacterHandler = std::function<bool(QChar)>;
    void setTypedCharacterHandler(TypedCharacterHandler handler) { typedHandler_ = std::move(handler); }

    // Raw positions, for code that works on the bytes.
    long toBytePosition(int charPosition) const;
    int toCharPosition(long bytePosition) const;
    long byteLength() const;

    int styleFor(const CharFormat& format);
    const CharFormat& styleFormat(int style) const { return styles_[style]; }
    // Sets the style of a range of bytes.
    void applyStyle(long byteStart, long byteLength, int style);
    // The style of each byte of a range, and setting them back in one go.
    QByteArray styleBytes(long byteStart, long byteLength) const;
    void setStyleBytes(long byteStart, const char* styles, long byteLength);
    // The style every character has, when it is known that they all share one.
    std::optional<int> uniformStyle() const { return uniformStyle_; }
    // The style of the byte at a position.
    int styleAt(long bytePosition) const;
    // A pointer to the text, valid until the next change.
    const char* characterPointer() const;
    // The same as a view of all its bytes.
    std::string_view textView() const;

public Q_SLOTS:
    void undo() override;
    void redo() override;
    void paste() override;

Q_SIGNALS:
    // The text changed since it was loaded or last marked saved.
    void textEdited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void placeSelection(long anchor, long caret);
    void onModified(int position, int type, const char* text, int length, int, int, int, int, int, int);
    int insertionStyleAt(long bytePosition) const;
    void changeSelectionFormat(const std::function<void(CharFormat&)>& change);
    void markStrikeOut(long byteStart, long length, bool on);
    static constexpr int kStrikeIndicator = 8;
    bool hasStrikeOut_ = false;
    std::optional<int> uniformStyle_ = 0;
    quint64 loads_ = 0;
    // Gives text inserted in [start, end) the insertion format.
    void styleInsertion(long start, long end);
    // Runs an edit whose inserted ranges only Scintilla knows, with its insertion reports on.
    // They stay off otherwise: each report costs a count of the text before it.
    template <typename Edit> void withInsertReports(Edit edit);
    // Runs an edit that inserts at the selection, and styles what it inserted.
    template <typename Edit> void insertingAtSelection(Edit edit);
    // The same for the Tab key, which may re-indent lines instead.
    template <typename Edit> void typingTab(Edit edit);
    // One selection, not rectangular.
    bool hasOneSelection() const;
    // The whole text is about to be replaced: a format chosen for the caret moves to the start.
    void moveInsertionFormatToStart();
    void applyStyleLook(int style);
    void restyleAll();
    // A new style of the pool with this format; -1 when the pool is full.
    int newStyle(const CharFormat& format);
    // A style that looks like this one: runs on long lines alternate between them. -1 when
    // the pool has no room for it.
    int twinOf(int style);
    // Writes the styles of [start, start + length): the given bytes, or else one style
    // throughout; on long lines the runs are cut into pieces Scintilla remembers.
    void writeStyles(long start, long length, const char* styles, int style);
    // Sizes Scintilla's caches of measures and layouts for a longest line of this many bytes.
    void useCachesFor(long longestLine);
    void markAllStyled();
    // The caret's line is long enough to need care in laying it out.
    bool caretOnLongLine() const;

    std::vector<CharFormat> styles_;
    int nextStyle_ = 1;
    std::array<short, 256> twin_;           // the twin of each style, -1 when it has none
    std::array<unsigned char, 256> primary_; // the style each twin stands in for
    long longestLine_ = 0;                   // the longest line found while styling
    int positionCache_ = 0;
    int layoutCache_ = -1;
    // A format chosen for the insertion point: it holds while the caret stays at position.
    struct InsertionFormat {
        int style;
        long position;
    };
    std::optional<InsertionFormat> insertion_;
    int undoDepth_ = 0;
    int loadStyle_ = 0; // the format a text being loaded takes
    bool caretToShow_ = false; // the caret moved within an undo step
    QFont baseFont_;
    std::optional<QColor> background_;
    QByteArray lineBreak_ = "\n";
    TypedCharacterHandler typedHandler_;
};
