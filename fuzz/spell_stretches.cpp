// The spell check's cutting of a document into the stretches between tags and of a stretch
// into words, on any text: every stretch and word lies inside what it was cut from, in order,
// and a word holds no digit. Input: the document, decoded as the editor decodes it.

#include "FuzzInput.h"

#include "utilities/SpellStretches.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QString text = fuzz::utf8(fuzz::fields(data, size, 1)[0]);
    qsizetype end = 0;
    for (const TextStretch& s : spellStretches(text)) {
        fuzz::check(s.start >= end && s.length >= 0 && s.start + s.length <= text.size(), "stretch: out of order or bounds",
                    QString::number(s.start), QString::number(s.length));
        end = s.start + s.length;
        const QStringView stretch = QStringView(text).mid(s.start, s.length);
        qsizetype wordEnd = 0;
        for (const SpellWord& w : spellWords(stretch)) {
            fuzz::check(w.start >= wordEnd && w.length > 0 && w.start + w.length <= stretch.size(),
                        "word: out of order or bounds", QString::number(w.start), QString::number(w.length));
            wordEnd = w.start + w.length;
            fuzz::check(!w.word.isEmpty() && std::none_of(w.word.cbegin(), w.word.cend(), [](QChar c) { return c.isDigit(); }),
                        "word: empty or with a digit", w.word);
        }
    }
    const EntityLetter letter = entityLetterAt(text);
    fuzz::check(letter.length >= 0 && letter.length <= text.size(), "entity: length", QString::number(letter.length));
    return 0;
}
