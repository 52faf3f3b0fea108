#pragma once
// Cuts a document into what the spell check reads: the stretches of text between tags, and
// the words of a stretch, an entity inside a word read as the letter it stands for.

#include <QString>
#include <QStringView>
#include <vector>

// A piece of the text, in characters from 0.
struct TextStretch {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const TextStretch&) const = default;
};

// The stretches between tags, in order. A tag runs from "<" to the next ">"; a "<" with no
// ">" after it ends the text. A stretch may be empty (two tags side by side). The pass stops
// once fewer than two characters are left, so a single last character is never read.
std::vector<TextStretch> spellStretches(QStringView text);

struct SpellWord {
    qsizetype start = 0;  // in the stretch, in characters
    qsizetype length = 0; // of the word as written, entities included
    QString word;         // as read: "caf&eacute;" reads "café"
    bool sentenceStart = false; // first word of the stretch, or after ".", "!" or "?"
    bool hasEntity = false;
    bool operator==(const SpellWord&) const = default;
};

// The words of a stretch: letters, with apostrophes between them. Words holding a digit are
// no words to check, nor is the name of an entity that is no letter.
std::vector<SpellWord> spellWords(QStringView stretch);

// The letter (or apostrophe) an entity at the start of text stands for, and its length;
// a null character when the text starts with no such entity.
struct EntityLetter {
    QChar letter;
    qsizetype length = 0;
};
EntityLetter entityLetterAt(QStringView text);
