#include "document/DocumentEditor.h"

#include "document/ColorText.h"
#include "document/DocumentFile.h"
#include "document/LongLines.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QKeyEvent>

#include <algorithm>
#include <array>

namespace {

constexpr int kFirstReservedStyle = 32; // STYLE_DEFAULT .. STYLE_LASTPREDEFINED
constexpr int kLastReservedStyle = 39;
constexpr int kStyleCount = 256;

int eolModeFor(const QByteArray& lineBreak)
{
    if (lineBreak == "\r\n")
        return QsciScintillaBase::SC_EOL_CRLF;
    if (lineBreak == "\r")
        return QsciScintillaBase::SC_EOL_CR;
    return QsciScintillaBase::SC_EOL_LF;
}

} // namespace

DocumentEditor::DocumentEditor(QWidget* parent) : QsciScintilla(parent), styles_(kStyleCount)
{
    twin_.fill(-1);
    for (int style = 0; style < kStyleCount; ++style)
        primary_[size_t(style)] = static_cast<unsigned char>(style);
    setObjectName(QStringLiteral("txtInput"));
    setUtf8(true);
    SendScintilla(SCI_SETLEXER, 0); // styles are ours alone
    SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
    SendScintilla(SCI_SETEOLMODE, SC_EOL_LF);
    for (int margin = 0; margin < 5; ++margin)
        setMarginWidth(margin, 0);
    setWrapMode(WrapWord);
    // Caches of measured runs and of line layouts, grown when a long line turns up.
    useCachesFor(0);
    setTabWidth(8);
    setCaretLineVisible(false);
    setBraceMatching(NoBraceMatch);
    setAutoIndent(false);
    viewport()->setCursor(Qt::IBeamCursor);
    // Scintilla styles cannot strike through: an indicator draws it.
    SendScintilla(SCI_INDICSETSTYLE, kStrikeIndicator, INDIC_STRIKE);
    SendScintilla(SCI_INDICSETFORE, kStrikeIndicator, QColor(Qt::black));
    baseFont_ = QFont(QStringLiteral("Arial"), 10);
    setBaseFont(baseFont_.family(), 10, false);
    // Change reports are off: the accessibility layer counts every character before each
    // change it is told about, which makes each keystroke linear in the document's size.
    SendScintilla(SCI_SETMODEVENTMASK, 0);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this, &DocumentEditor::onModified);
    connect(this, &QsciScintillaBase::SCN_SAVEPOINTLEFT, this, &DocumentEditor::textEdited);
    // A colour chosen for the insertion point holds only while the caret stays there.
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int) {
        if (insertion_ && SendScintilla(SCI_GETSELECTIONSTART) != insertion_->position)
            insertion_.reset();
        markAllStyled();
    });
}

template <typename Edit> void DocumentEditor::withInsertReports(Edit edit)
{
    // Added to whatever reports someone else asked for meanwhile, and given back as they were.
    const long before = SendScintilla(SCI_GETMODEVENTMASK);
    SendScintilla(SCI_SETMODEVENTMASK, before | SC_MOD_INSERTTEXT);
    edit();
    SendScintilla(SCI_SETMODEVENTMASK, before);
}

bool DocumentEditor::hasOneSelection() const
{
    return SendScintilla(SCI_GETSELECTIONS) == 1 && !SendScintilla(SCI_SELECTIONISRECTANGLE);
}

template <typename Edit> void DocumentEditor::insertingAtSelection(Edit edit)
{
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    edit();
    // The new text replaced the selection and the caret stands after it, also when it was
    // typed over the characters that followed.
    const long end = SendScintilla(SCI_GETCURRENTPOS);
    if (end > start)
        styleInsertion(start, end);
}

template <typename Edit> void DocumentEditor::typingTab(Edit edit)
{
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long firstLine = SendScintilla(SCI_LINEFROMPOSITION, start);
    const long lastLine = SendScintilla(SCI_LINEFROMPOSITION, SendScintilla(SCI_GETSELECTIONEND));
    edit();
    // Over several lines, or within a line's indentation, Tab re-indents the lines instead of
    // typing at the caret: only their leading white space changed.
    for (long line = firstLine; line <= lastLine; ++line) {
        const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, line);
        applyStyle(lineStart, SendScintilla(SCI_GETLINEINDENTPOSITION, line) - lineStart, insertionStyleAt(lineStart));
    }
    const long end = SendScintilla(SCI_GETCURRENTPOS);
    if (firstLine == lastLine && end > start)
        styleInsertion(start, end);
}

// --- positions ---------------------------------------------------------------------------

long DocumentEditor::byteLength() const
{
    return SendScintilla(SCI_GETLENGTH);
}

int DocumentEditor::characterCount() const
{
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    return int(SendScintilla(SCI_INDEXPOSITIONFROMLINE, lines, SC_LINECHARACTERINDEX_UTF16));
}

long DocumentEditor::toBytePosition(int charPosition) const
{
    if (charPosition <= 0)
        return 0;
    const long line = SendScintilla(SCI_LINEFROMINDEXPOSITION, charPosition, SC_LINECHARACTERINDEX_UTF16);
    const long lineStartChar = SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF16);
    const long lineStartByte = SendScintilla(SCI_POSITIONFROMLINE, line);
    const long offset = charPosition - lineStartChar;
    if (offset <= 0)
        return lineStartByte;
    const long position = SendScintilla(SCI_POSITIONRELATIVECODEUNITS, lineStartByte, offset);
    // Past the end Scintilla answers 0.
    return position > 0 ? position : byteLength();
}

int DocumentEditor::toCharPosition(long bytePosition) const
{
    if (bytePosition <= 0)
        return 0;
    const long line = SendScintilla(SCI_LINEFROMPOSITION, bytePosition);
    const long lineStartByte = SendScintilla(SCI_POSITIONFROMLINE, line);
    const long lineStartChar = SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF16);
    return int(lineStartChar + SendScintilla(SCI_COUNTCODEUNITS, lineStartByte, bytePosition));
}

// --- text ----------------------------------------------------------------------------------

QByteArray DocumentEditor::textBytes() const
{
    return QByteArray(characterPointer(), byteLength());
}

QString DocumentEditor::wholeText() const
{
    return textFromUtf8(textBytes());
}

void DocumentEditor::setTextBytes(const QByteArray& utf8)
{
    beginLoad(utf8.size());
    appendLoaded(utf8.constData(), utf8.size());
    endLoad();
}

void DocumentEditor::beginLoad(qint64 expectedBytes)
{
    ++loads_;
    moveInsertionFormatToStart();
    loadStyle_ = insertionStyleAt(0);
    // Not collected for undo, which would keep a copy of the old text and then of the new
    // until the history is emptied.
    SendScintilla(SCI_SETUNDOCOLLECTION, 0L);
    SendScintilla(SCI_CLEARALL);
    useCachesFor(0);
    // Unwrapped while the text goes in: wrapping as it grows would lay it out at every piece.
    setWrapMode(WrapNone);
    // Room made at once, as growing the buffer piece by piece would copy it each time. Two
    // bytes over: reading the text in place needs one spare byte after it, and without it
    // Scintilla would copy the whole buffer to make room.
    SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(std::max<qint64>(expectedBytes, 0) + 2));
}

void DocumentEditor::appendLoaded(const char* bytes, qsizetype size)
{
    // At the end without moving the caret: following it would scroll, which lays out the
    // whole of a long line before anything is shown.
    SendScintilla(SCI_APPENDTEXT, size, bytes);
}

void DocumentEditor::endLoad()
{
    SendScintilla(SCI_SETUNDOCOLLECTION, 1L);
    const long length = byteLength();
    setWrapMode(length > kWrapLimit ? WrapNone : WrapWord);
    applyStyle(0, length, loadStyle_);
    uniformStyle_ = loadStyle_;
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETEMPTYSELECTION, 0);
}

void DocumentEditor::setWholeText(const QString& text)
{
    setTextBytes(text.toUtf8());
}

// --- selection -----------------------------------------------------------------------------

int DocumentEditor::selStart() const
{
    return toCharPosition(SendScintilla(SCI_GETSELECTIONSTART));
}

int DocumentEditor::selLength() const
{
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    if (end <= start)
        return 0;
    return toCharPosition(end) - toCharPosition(start);
}

void DocumentEditor::setSelection(int start, int length)
{
    const int count = characterCount();
    start = std::clamp(start, 0, count);
    length = std::clamp(length, 0, count - start);
    const long anchor = toBytePosition(start);
    const long caret = length == 0 ? anchor : toBytePosition(start + length);
    placeSelection(anchor, caret);
    insertion_.reset();
}

void DocumentEditor::placeSelection(long anchor, long caret)
{
    if (undoDepth_ == 0) {
        SendScintilla(SCI_SETSEL, anchor, caret);
        return;
    }
    // Scrolling to the caret lays out its line: a long line would be laid out again at each
    // move within the step, so it is shown once, when the step ends.
    SendScintilla(SCI_CLEARSELECTIONS);
    SendScintilla(SCI_SETSELECTION, caret, anchor);
    caretToShow_ = true;
}

void DocumentEditor::setSelStart(int position)
{
    setSelection(position, 0);
}

void DocumentEditor::setSelLength(int length)
{
    setSelection(selStart(), length);
}

QString DocumentEditor::selText() const
{
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    if (end <= start)
        return {};
    const char* data = reinterpret_cast<const char*>(SendScintilla(SCI_GETRANGEPOINTER, start, end - start));
    return textFromUtf8(QByteArrayView(data, end - start));
}

void DocumentEditor::replaceAllText(const QString& text)
{
    replaceAllBytes(text.toUtf8());
}

void DocumentEditor::replaceAllBytes(const QByteArray& utf8)
{
    moveInsertionFormatToStart();
    SendScintilla(SCI_SETSEL, 0, byteLength());
    replaceSelectionBytes(utf8);
}

void DocumentEditor::moveInsertionFormatToStart()
{
    // The format belongs to the caret, and the new text starts where the old one did; a format
    // chosen anywhere else no longer applies.
    if (insertion_ && insertion_->position == SendScintilla(SCI_GETSELECTIONSTART))
        insertion_->position = 0;
    else
        insertion_.reset();
}

void DocumentEditor::replaceSelection(const QString& text)
{
    replaceSelectionBytes(text.toUtf8());
}

void DocumentEditor::replaceSelectionBytes(const QByteArray& bytes)
{
    SendScintilla(SCI_TARGETFROMSELECTION);
    const long start = SendScintilla(SCI_GETTARGETSTART);
    // Length-counted, so NUL characters survive.
    SendScintilla(SCI_REPLACETARGET, bytes.size(), bytes.constData());
    const long end = start + bytes.size();
    styleInsertion(start, end);
    placeSelection(end, end);
    if (undoDepth_ == 0)
        SendScintilla(SCI_SCROLLCARET);
}

long DocumentEditor::replaceByteRanges(const std::vector<ByteRange>& ranges, const QByteArray& replacement)
{
    if (ranges.empty())
        return SendScintilla(SCI_GETSELECTIONEND);
    // One replacement of the whole span: Scintilla recounts a line's characters at every
    // change, so many small edits on one long line would be quadratic.
    const long spanStart = ranges.front().start;
    const long spanEnd = ranges.back().end;
    const long spanLength = spanEnd - spanStart;
    const std::optional<int> uniform = uniformStyle_;
    const QByteArray oldStyles = uniform ? QByteArray() : styleBytes(spanStart, spanLength);
    const char* text = characterPointer();
    const int firstStyle = insertionStyleAt(spanStart);

    QByteArray newText;
    QByteArray newStyles;
    qsizetype kept = spanLength;
    for (const ByteRange& r : ranges)
        kept -= r.end - r.start;
    newText.reserve(kept + qsizetype(ranges.size()) * replacement.size());
    newStyles.reserve(newText.capacity());
    long position = spanStart;
    long lastEnd = spanStart;
    for (const ByteRange& r : ranges) {
        newText.append(text + position, r.start - position);
        if (uniform)
            newStyles.append(r.start - position, char(*uniform));
        else
            newStyles.append(oldStyles.constData() + (position - spanStart), r.start - position);
        const char style = newStyles.isEmpty() ? char(firstStyle) : newStyles.back();
        newText.append(replacement);
        newStyles.append(replacement.size(), style);
        position = r.end;
        lastEnd = spanStart + long(newText.size());
    }

    SendScintilla(SCI_SETTARGETRANGE, spanStart, spanEnd);
    SendScintilla(SCI_REPLACETARGET, newText.size(), newText.constData());
    const bool stillUniform = uniform && std::all_of(newStyles.cbegin(), newStyles.cend(),
                                                     [&](char c) { return c == char(*uniform); });
    setStyleBytes(spanStart, newStyles.constData(), newStyles.size());
    if (stillUniform)
        uniformStyle_ = uniform;
    if (hasStrikeOut_) {
        // The indicator went with the replaced span: draw it again from the styles.
        for (qsizetype i = 0; i < newStyles.size();) {
            qsizetype j = i;
            while (j < newStyles.size() && newStyles[j] == newStyles[i])
                ++j;
            markStrikeOut(spanStart + i, j - i, styles_[static_cast<unsigned char>(newStyles[i])].strikeOut);
            i = j;
        }
    }
    return lastEnd;
}

// --- formats and styles ----------------------------------------------------------------------

int DocumentEditor::styleFor(const CharFormat& format)
{
    if (format == CharFormat{})
        return 0;
    for (int style = 1; style < nextStyle_; ++style)
        if (styles_[style] == format && primary_[size_t(style)] == style
            && (style < kFirstReservedStyle || style > kLastReservedStyle))
            return style;
    // Pool exhausted: plain text rather than a wrong colour elsewhere.
    return std::max(newStyle(format), 0);
}

int DocumentEditor::newStyle(const CharFormat& format)
{
    if (nextStyle_ == kFirstReservedStyle)
        nextStyle_ = kLastReservedStyle + 1;
    if (nextStyle_ >= kStyleCount)
        return -1;
    const int style = nextStyle_++;
    styles_[style] = format;
    applyStyleLook(style);
    return style;
}

int DocumentEditor::twinOf(int style)
{
    short& twin = twin_[size_t(style)];
    if (twin < 0) {
        // Formats the user picks come first: twins only speed things up.
        constexpr int kKeptForFormats = 64;
        if (nextStyle_ > kStyleCount - kKeptForFormats)
            return -1;
        const int made = newStyle(styles_[style]);
        if (made < 0)
            return -1;
        twin = short(made);
        primary_[size_t(made)] = static_cast<unsigned char>(style);
    }
    return twin;
}

void DocumentEditor::useCachesFor(long longestLine)
{
    const int positions = longlines::positionCacheFor(longestLine);
    const bool everyLine = longlines::keepEveryLineLayout(longestLine, SendScintilla(SCI_GETLINECOUNT));
    // Setting either empties it: only when it changes.
    if (positions != positionCache_) {
        positionCache_ = positions;
        SendScintilla(SCI_SETPOSITIONCACHE, positions);
    }
    const int level = everyLine ? SC_CACHE_DOCUMENT : SC_CACHE_PAGE;
    if (level != layoutCache_) {
        layoutCache_ = level;
        SendScintilla(SCI_SETLAYOUTCACHE, level);
    }
    longestLine_ = longestLine;
}

void DocumentEditor::writeStyles(long start, long length, const char* styles, int style)
{
    const auto writeAsGiven = [&](long from, long count) {
        SendScintilla(SCI_STARTSTYLING, start + from);
        if (styles)
            SendScintilla(SCI_SETSTYLINGEX, uintptr_t(count), styles + from);
        else
            SendScintilla(SCI_SETSTYLING, count, style);
    };
    std::vector<ByteRange> spans;
    const char* text = nullptr;
    if (length > longlines::kPiece) {
        const long end = start + length;
        const long firstLine = SendScintilla(SCI_LINEFROMPOSITION, start);
        const long lastLine = SendScintilla(SCI_LINEFROMPOSITION, end);
        const long before = start - SendScintilla(SCI_POSITIONFROMLINE, firstLine);
        const long after = std::max(0L, long(SendScintilla(SCI_GETLINEENDPOSITION, lastLine)) - end);
        // Only styles change from here on, so the text stays where it is.
        text = reinterpret_cast<const char*>(SendScintilla(SCI_GETRANGEPOINTER, start, length));
        spans = longlines::longLineSpans(text, length, before, after);
    }
    long written = 0;
    for (const ByteRange& span : spans) {
        if (span.start > written)
            writeAsGiven(written, span.start - written);
        const long lineLength = SendScintilla(SCI_LINELENGTH, SendScintilla(SCI_LINEFROMPOSITION, start + span.start));
        if (lineLength > longestLine_)
            useCachesFor(lineLength);
        const long count = span.end - span.start;
        QByteArray pieces = styles ? QByteArray(styles + span.start, count) : QByteArray(count, char(style));
        longlines::splitRuns(text + span.start, pieces.data(), count, [this](int s) { return twinOf(s); });
        SendScintilla(SCI_STARTSTYLING, start + span.start);
        SendScintilla(SCI_SETSTYLINGEX, uintptr_t(count), pieces.constData());
        written = span.end;
    }
    if (length > written)
        writeAsGiven(written, length - written);
    markAllStyled();
}

void DocumentEditor::markAllStyled()
{
    // The styles are all ours: left short of the end, Scintilla would count the text as
    // restyled at every repaint and check its layout of a long line anew each time.
    const long length = byteLength();
    if (SendScintilla(SCI_GETENDSTYLED) < length)
        SendScintilla(SCI_STARTSTYLING, length);
}

void DocumentEditor::applyStyleLook(int style)
{
    const CharFormat& format = styles_[style];
    const QByteArray family = (format.family.isEmpty() ? baseFont_.family() : format.family).toUtf8();
    const int size = format.pointSize > 0 ? format.pointSize : baseFont_.pointSize();
    SendScintilla(SCI_STYLESETFONT, style, family.constData());
    SendScintilla(SCI_STYLESETSIZE, style, size > 0 ? size : 10);
    SendScintilla(SCI_STYLESETBOLD, style, format.bold.value_or(baseFont_.bold()));
    SendScintilla(SCI_STYLESETITALIC, style, format.italic);
    SendScintilla(SCI_STYLESETUNDERLINE, style, format.underline);
    SendScintilla(SCI_STYLESETFORE, style, format.color.value_or(QColor(Qt::black)));
    SendScintilla(SCI_STYLESETBACK, style, background_.value_or(QColor(Qt::white)));
}

void DocumentEditor::applyStyle(long byteStart, long length, int style)
{
    if (length <= 0)
        return;
    writeStyles(byteStart, length, nullptr, style);
    markStrikeOut(byteStart, length, styles_[style].strikeOut);
    if (byteStart == 0 && length == byteLength())
        uniformStyle_ = style;
    else if (uniformStyle_ != style)
        uniformStyle_.reset();
}

QByteArray DocumentEditor::styleBytes(long byteStart, long length) const
{
    if (length <= 0)
        return {};
    // Scintilla hands out (character, style) pairs and a closing pair of zeros.
    QByteArray cells(2 * length + 2, '\0');
    SendScintilla(SCI_GETSTYLEDTEXT, byteStart, byteStart + length, cells.data());
    QByteArray styles(length, '\0');
    const char* from = cells.constData();
    char* to = styles.data();
    // A twin reads as the style it stands in for.
    for (long i = 0; i < length; ++i)
        to[i] = char(primary_[static_cast<unsigned char>(from[2 * i + 1])]);
    return styles;
}

void DocumentEditor::setStyleBytes(long byteStart, const char* styles, long length)
{
    if (length <= 0)
        return;
    writeStyles(byteStart, length, styles, 0);
    uniformStyle_.reset();
}

int DocumentEditor::styleAt(long bytePosition) const
{
    return primary_[static_cast<unsigned char>(SendScintilla(SCI_GETSTYLEAT, bytePosition))];
}

const char* DocumentEditor::characterPointer() const
{
    return reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
}

std::string_view DocumentEditor::textView() const
{
    const long length = byteLength();
    return length > 0 ? std::string_view(characterPointer(), size_t(length)) : std::string_view();
}

CharFormat DocumentEditor::formatAt(int position) const
{
    const int style = styleAt(toBytePosition(position));
    return styles_[std::clamp(style, 0, kStyleCount - 1)];
}

QColor DocumentEditor::colorAt(int position) const
{
    return formatAt(position).color.value_or(QColor(Qt::black));
}

bool DocumentEditor::setSelColor(const QString& colorText)
{
    const std::optional<QColor> color = colorFromText(colorText);
    if (!color)
        return false;
    setSelColor(*color);
    return true;
}

bool DocumentEditor::setInsertionColor(const QString& colorText)
{
    const std::optional<QColor> color = colorFromText(colorText);
    if (!color)
        return false;
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    CharFormat format = styles_[insertionStyleAt(start)];
    format.color = *color;
    insertion_ = InsertionFormat{styleFor(format), start};
    return true;
}

void DocumentEditor::changeSelectionFormat(const std::function<void(CharFormat&)>& change)
{
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    if (end > start) {
        // Each character keeps its other attributes: map every style present once.
        QByteArray styles = styleBytes(start, end - start);
        std::array<int, kStyleCount> mapped;
        mapped.fill(-1);
        for (char& c : styles) {
            int& target = mapped[static_cast<unsigned char>(c)];
            if (target < 0) {
                CharFormat format = styles_[static_cast<unsigned char>(c)];
                change(format);
                target = styleFor(format);
            }
            c = char(target);
        }
        setStyleBytes(start, styles.constData(), end - start);
    }
    CharFormat format = styles_[insertionStyleAt(start)];
    change(format);
    insertion_ = InsertionFormat{styleFor(format), start};
}

void DocumentEditor::setSelColor(const QColor& color)
{
    changeSelectionFormat([&](CharFormat& f) { f.color = color; });
}

void DocumentEditor::setSelAttributes(bool italic, bool underline, bool strikeOut)
{
    changeSelectionFormat([&](CharFormat& f) {
        f.italic = italic;
        f.underline = underline;
        f.strikeOut = strikeOut;
    });
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    markStrikeOut(start, end - start, strikeOut);
}

void DocumentEditor::setSelFont(const QString& family, int pointSize, bool bold)
{
    changeSelectionFormat([&](CharFormat& f) {
        f.family = family;
        f.pointSize = pointSize;
        f.bold = bold;
    });
}

void DocumentEditor::markStrikeOut(long byteStart, long length, bool on)
{
    if (length <= 0 || (!on && !hasStrikeOut_))
        return;
    hasStrikeOut_ = hasStrikeOut_ || on;
    SendScintilla(SCI_SETINDICATORCURRENT, kStrikeIndicator);
    SendScintilla(on ? SCI_INDICATORFILLRANGE : SCI_INDICATORCLEARRANGE, byteStart, length);
}

int DocumentEditor::insertionStyleAt(long bytePosition) const
{
    if (insertion_ && insertion_->position == bytePosition)
        return insertion_->style;
    // Like typing: text takes the format of the character before it.
    if (bytePosition > 0)
        return styleAt(bytePosition - 1);
    return 0;
}

void DocumentEditor::styleInsertion(long start, long end)
{
    const bool followsChosen = insertion_ && insertion_->position == start;
    applyStyle(start, end - start, insertionStyleAt(start));
    if (followsChosen)
        insertion_->position = end;
}

void DocumentEditor::onModified(int position, int type, const char*, int length, int, int, int, int, int, int)
{
    if (!(type & SC_MOD_INSERTTEXT))
        return;
    // Undone and redone text takes its neighbour's format, not a colour set meanwhile.
    if (type & (SC_PERFORMED_UNDO | SC_PERFORMED_REDO)) {
        applyStyle(position, length, position > 0 ? styleAt(position - 1) : 0);
        return;
    }
    styleInsertion(position, position + length);
}

void DocumentEditor::setBaseFont(const QString& family, int pointSize, bool bold)
{
    baseFont_ = QFont(family, pointSize > 0 ? pointSize : 10);
    baseFont_.setBold(bold);
    const QByteArray name = family.toUtf8();
    SendScintilla(SCI_STYLESETFONT, STYLE_DEFAULT, name.constData());
    SendScintilla(SCI_STYLESETSIZE, STYLE_DEFAULT, baseFont_.pointSize());
    SendScintilla(SCI_STYLESETBOLD, STYLE_DEFAULT, bold);
    restyleAll();
}

void DocumentEditor::setBackColor(const QColor& color)
{
    background_ = color;
    SendScintilla(SCI_STYLESETBACK, STYLE_DEFAULT, color);
    restyleAll();
}

void DocumentEditor::restyleAll()
{
    for (int style = 0; style < nextStyle_; ++style)
        if (style < kFirstReservedStyle || style > kLastReservedStyle)
            applyStyleLook(style);
}

void DocumentEditor::setLineBreak(const QByteArray& lineBreak)
{
    lineBreak_ = lineBreak;
    SendScintilla(SCI_SETEOLMODE, eolModeFor(lineBreak));
}

// --- undo ------------------------------------------------------------------------------------

void DocumentEditor::beginUndoStep()
{
    ++undoDepth_;
    SendScintilla(SCI_BEGINUNDOACTION);
}

void DocumentEditor::endUndoStep()
{
    SendScintilla(SCI_ENDUNDOACTION);
    if (undoDepth_ > 0 && --undoDepth_ == 0 && caretToShow_) {
        caretToShow_ = false;
        SendScintilla(SCI_SCROLLCARET);
    }
}

bool DocumentEditor::canUndo() const
{
    return SendScintilla(SCI_CANUNDO) != 0;
}

void DocumentEditor::releaseKeys(const QList<QKeySequence>& keys)
{
    for (const QKeySequence& sequence : keys) {
        if (sequence.isEmpty())
            continue;
        const int key = sequence[0].toCombined();
        while (QsciCommand* command = standardCommands()->boundTo(key)) {
            if (command->key() == key)
                command->setKey(0);
            else
                command->setAlternateKey(0);
        }
    }
}

void DocumentEditor::markSaved()
{
    SendScintilla(SCI_SETSAVEPOINT);
}

void DocumentEditor::undo()
{
    withInsertReports([this] { QsciScintilla::undo(); });
}

void DocumentEditor::redo()
{
    withInsertReports([this] { QsciScintilla::redo(); });
}

void DocumentEditor::paste()
{
    if (hasOneSelection())
        insertingAtSelection([this] { QsciScintilla::paste(); });
    else
        withInsertReports([this] { QsciScintilla::paste(); });
}

// --- typing ----------------------------------------------------------------------------------

void DocumentEditor::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const bool typesText = plain && text.size() == 1
                           && (text[0].isPrint() || text[0] == QLatin1Char('\r') || text[0] == QLatin1Char('\t'));
    if (typesText && text[0].isPrint() && typedHandler_ && typedHandler_(text[0])) {
        event->accept();
        return;
    }
    const auto edit = [&] { QsciScintilla::keyPressEvent(event); };
    // With several selections, or a rectangular one, the text goes to just one of them: let
    // Scintilla say where. On a long line the character is styled as it goes in, before
    // Scintilla lays the line out to place the caret, which it would otherwise do twice: the
    // count a report costs is less than that second layout even at the end of a 5 MB line.
    if (!typesText || !hasOneSelection() || caretOnLongLine())
        withInsertReports(edit);
    else if (text[0] == QLatin1Char('\t'))
        typingTab(edit);
    else
        insertingAtSelection(edit);
}

bool DocumentEditor::caretOnLongLine() const
{
    const long line = SendScintilla(SCI_LINEFROMPOSITION, SendScintilla(SCI_GETCURRENTPOS));
    return SendScintilla(SCI_LINELENGTH, line) > longlines::kLongLine;
}

void DocumentEditor::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (typedHandler_ && commit.size() == 1 && event->preeditString().isEmpty() && typedHandler_(commit[0])) {
        event->accept();
        return;
    }
    withInsertReports([&] { QsciScintilla::inputMethodEvent(event); });
}

void DocumentEditor::mousePressEvent(QMouseEvent* event)
{
    // A middle click pastes the primary selection.
    withInsertReports([&] { QsciScintilla::mousePressEvent(event); });
}

// Files dragged from a file manager are for the main window to open, not text to insert.
static bool carriesFiles(const QMimeData* data)
{
    return data && data->hasUrls();
}

void DocumentEditor::dragEnterEvent(QDragEnterEvent* event)
{
    if (carriesFiles(event->mimeData()))
        event->ignore();
    else
        QsciScintilla::dragEnterEvent(event);
}

void DocumentEditor::dragMoveEvent(QDragMoveEvent* event)
{
    if (carriesFiles(event->mimeData()))
        event->ignore();
    else
        QsciScintilla::dragMoveEvent(event);
}

void DocumentEditor::dropEvent(QDropEvent* event)
{
    if (carriesFiles(event->mimeData())) {
        event->ignore();
        return;
    }
    withInsertReports([&] { QsciScintilla::dropEvent(event); });
}
