#pragma once
// The spell checker the spell check asks about words: a dictionary and the user's own words.

#include <QString>
#include <QStringList>
#include <optional>

class SpellChecker {
public:
    virtual ~SpellChecker() = default;
    // The word is spelt right, as the dictionary or the user's own words have it.
    virtual bool isKnown(const QString& word) = 0;
    virtual QStringList suggestions(const QString& word) = 0;
    // Adds the word to the user's own words, kept between runs. On failure returns the reason
    // (the words known so far stay as they are).
    virtual std::optional<QString> addWord(const QString& word) = 0;
};
