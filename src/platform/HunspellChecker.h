#pragma once
// The spell checker: Hunspell with the installed en_US dictionary, and the user's own words
// in a plain word list (one a line, UTF-8) that survives between runs.

#include "platform/SpellChecker.h"

#include <QHash>
#include <QSet>
#include <memory>
#include <optional>

class Hunspell;

class HunspellChecker : public SpellChecker {
public:
    static QString dictionaryPath(); // the .dic; its .aff lies beside it

    // Starts reading the dictionary in the background, once for the whole program: it takes
    // longer than a user waits for the first question of a check.
    static void preload();
    // The dictionary, waiting for it when it is still being read; none when it cannot be read.
    static std::shared_ptr<Hunspell> dictionary();

    // userWordsPath: the user's word list; empty keeps added words for this run only.
    explicit HunspellChecker(std::shared_ptr<Hunspell> dictionary, QString userWordsPath);
    ~HunspellChecker() override;

    bool isKnown(const QString& word) override;
    QStringList suggestions(const QString& word) override;
    std::optional<QString> addWord(const QString& word) override;

private:
    bool isUserWord(const QString& word) const;
    void remember(const QString& word);

    std::shared_ptr<Hunspell> dictionary_;
    QString userWordsPath_;
    QSet<QString> userWords_;
    QSet<QString> userCapitals_; // the user's words in capitals
    // A document repeats its words: the dictionary is asked once for each.
    QHash<QString, bool> answers_;
};
