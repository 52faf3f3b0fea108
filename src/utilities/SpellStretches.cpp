#include "utilities/SpellStretches.h"

#include "document/AccentedEntities.h"

#include <QHash>
#include <QVarLengthArray>

std::vector<TextStretch> spellStretches(QStringView text)
{
    std::vector<TextStretch> stretches;
    const qsizetype length = text.size();
    qsizetype start = 0;
    while (start + 1 < length) {
        const qsizetype tag = text.indexOf(u'<', start);
        if (tag < 0) {
            stretches.push_back({start, length - start});
            break;
        }
        stretches.push_back({start, tag - start});
        const qsizetype close = text.indexOf(u'>', tag);
        // Without a ">" the rest is one unfinished tag: starting again from the top would
        // never end.
        if (close < 0)
            break;
        start = close + 1;
    }
    return stretches;
}

namespace {

constexpr QChar kApostrophe = u'\'';
constexpr QChar kRightQuote = u'\u2019';
// Entity names are short; a longer run after "&" is no entity.
constexpr qsizetype kMaxEntityLength = 10;

const QHash<QString, QChar>& namedLetters()
{
    static const QHash<QString, QChar> letters = [] {
        QHash<QString, QChar> h;
        for (ushort code = 192; code <= 255; ++code) {
            const QString entity = accentedEntity(QChar(code));
            if (!entity.isEmpty())
                h.insert(entity.mid(1, entity.size() - 2), QChar(code));
        }
        const std::pair<const char*, ushort> more[] = {
            {"ETH", 0xD0}, {"szlig", 0xDF}, {"THORN", 0xDE}, {"eth", 0xF0}, {"thorn", 0xFE},
            {"OElig", 0x152}, {"oelig", 0x153}, {"Scaron", 0x160}, {"scaron", 0x161}, {"Yuml", 0x178},
            {"apos", '\''}, {"rsquo", 0x2019}};
        for (const auto& [name, code] : more)
            h.insert(QLatin1String(name), QChar(code));
        return h;
    }();
    return letters;
}

bool isApostrophe(QChar c) { return c == kApostrophe || c == kRightQuote; }
bool isLetter(QChar c) { return c.isLetter() || c.isMark(); }

// One character of a word as read: an entity counts as the character it stands for.
struct Unit {
    QChar ch;             // null: an entity that is no letter
    qsizetype length = 1;
};

Unit unitAt(QStringView text, qsizetype i)
{
    if (text[i] == u'&') {
        const EntityLetter e = entityLetterAt(text.mid(i));
        if (e.length > 0)
            return {e.letter, e.length};
    }
    return {text[i], 1};
}

} // namespace

EntityLetter entityLetterAt(QStringView text)
{
    if (text.isEmpty() || text[0] != u'&')
        return {};
    const qsizetype end = text.left(kMaxEntityLength + 2).indexOf(u';');
    if (end < 2)
        return {};
    const QStringView name = text.mid(1, end - 1);
    for (QChar c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'#')
            return {};
    QChar letter;
    if (name[0] == u'#') {
        bool ok = false;
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        const uint code = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
        if (ok && code <= 0xFFFF)
            letter = QChar(char16_t(code));
    } else {
        letter = namedLetters().value(name.toString());
    }
    if (!isLetter(letter) && !isApostrophe(letter))
        letter = QChar();
    return {letter, end + 1};
}

std::vector<SpellWord> spellWords(QStringView stretch)
{
    std::vector<SpellWord> words;
    bool sentence = true;
    const qsizetype n = stretch.size();
    qsizetype i = 0;
    while (i < n) {
        Unit u = unitAt(stretch, i);
        if (!isLetter(u.ch) && !u.ch.isDigit()) {
            if (u.ch == u'.' || u.ch == u'!' || u.ch == u'?')
                sentence = true;
            i += u.length;
            continue;
        }
        SpellWord w;
        w.start = i;
        w.sentenceStart = sentence;
        bool digit = false;
        QVarLengthArray<QChar, 48> letters;
        qsizetype end = i;
        while (end < n) {
            u = unitAt(stretch, end);
            if (isApostrophe(u.ch)) {
                // An apostrophe belongs to the word only between letters ("don't").
                const qsizetype after = end + u.length;
                if (after >= n || !isLetter(unitAt(stretch, after).ch))
                    break;
            } else if (u.ch.isDigit()) {
                digit = true;
            } else if (!isLetter(u.ch)) {
                break;
            }
            letters.append(u.ch);
            w.hasEntity = w.hasEntity || u.length > 1;
            end += u.length;
        }
        w.length = end - i;
        sentence = false;
        if (!digit) {
            w.word = QString(letters.constData(), letters.size());
            words.push_back(std::move(w));
        }
        i = end;
    }
    return words;
}
