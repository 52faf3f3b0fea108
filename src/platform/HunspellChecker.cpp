#include "platform/HunspellChecker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <future>
#include <hunspell.hxx>
#include <mutex>

namespace {

std::shared_ptr<Hunspell> readDictionary()
{
    const QString dic = HunspellChecker::dictionaryPath();
    const QString aff = dic.left(dic.size() - 4) + QStringLiteral(".aff");
    if (!QFileInfo(dic).isReadable() || !QFileInfo(aff).isReadable())
        return nullptr;
    return std::make_shared<Hunspell>(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData());
}

std::shared_future<std::shared_ptr<Hunspell>>& loading()
{
    static std::shared_future<std::shared_ptr<Hunspell>> future;
    return future;
}

bool isCapitalized(const QString& word)
{
    return word.size() > 1 && word[0].isUpper() && word.mid(1) == word.mid(1).toLower();
}

} // namespace

QString HunspellChecker::dictionaryPath()
{
    return QStringLiteral("/usr/share/hunspell/en_US.dic");
}

void HunspellChecker::preload()
{
    static std::once_flag once;
    std::call_once(once, [] { loading() = std::async(std::launch::async, readDictionary).share(); });
}

std::shared_ptr<Hunspell> HunspellChecker::dictionary()
{
    preload();
    return loading().get();
}

HunspellChecker::HunspellChecker(std::shared_ptr<Hunspell> dictionary, QString userWordsPath)
    : dictionary_(std::move(dictionary)), userWordsPath_(std::move(userWordsPath))
{
    QFile file(userWordsPath_);
    if (userWordsPath_.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString word = line.trimmed();
        if (!word.isEmpty())
            remember(word);
    }
}

HunspellChecker::~HunspellChecker() = default;

bool HunspellChecker::isUserWord(const QString& word) const
{
    if (userWords_.isEmpty())
        return false;
    // As the dictionary does: a word of small letters is also right capitalized or in capitals.
    return userWords_.contains(word) || (isCapitalized(word) && userWords_.contains(word.toLower()))
        || (word == word.toUpper() && userCapitals_.contains(word));
}

bool HunspellChecker::isKnown(const QString& word)
{
    if (!dictionary_)
        return isUserWord(word);
    auto found = answers_.constFind(word);
    if (found == answers_.constEnd())
        found = answers_.insert(word, dictionary_->spell(word.toStdString()));
    return *found || isUserWord(word);
}

QStringList HunspellChecker::suggestions(const QString& word)
{
    QStringList list;
    if (dictionary_)
        for (const std::string& s : dictionary_->suggest(word.toStdString()))
            list << QString::fromStdString(s);
    return list;
}

std::optional<QString> HunspellChecker::addWord(const QString& word)
{
    if (!userWordsPath_.isEmpty()) {
        QDir().mkpath(QFileInfo(userWordsPath_).absolutePath());
        QFile file(userWordsPath_);
        if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
            return file.errorString();
        // A list edited by hand may lack its last line break: the word must not join that line.
        QByteArray line = word.toUtf8() + '\n';
        if (file.size() > 0 && file.seek(file.size() - 1) && file.read(1) != "\n")
            line.prepend('\n');
        if (file.write(line) < 0 || !file.flush())
            return file.errorString();
    }
    remember(word);
    return std::nullopt;
}

void HunspellChecker::remember(const QString& word)
{
    userWords_.insert(word);
    userCapitals_.insert(word.toUpper());
}
