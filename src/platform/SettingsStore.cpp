#include "platform/SettingsStore.h"

#include "platform/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringDecoder>

QString IniSettingsStore::defaultFolder()
{
    const QByteArray overridden = qgetenv("SCRIVANT_CONFIG_DIR");
    if (!overridden.isEmpty())
        return QString::fromLocal8Bit(overridden);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/scrivant");
}

IniSettingsStore::IniSettingsStore(QString folder) : folder_(std::move(folder)) {}

IniSettingsStore::~IniSettingsStore()
{
    flush();
}

QString IniSettingsStore::fileFor(const QString& app) const
{
    return folder_ + QLatin1Char('/') + app + QStringLiteral(".ini");
}

QString escapeIniValue(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out;
}

QString unescapeIniValue(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\') || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        const QChar n = text[++i];
        switch (n.unicode()) {
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case 't': out += QLatin1Char('\t'); break;
        case 'x': {
            bool ok = false;
            const int code = text.mid(i + 1, 2).toInt(&ok, 16);
            if (ok && i + 2 < text.size()) {
                out += QChar(code);
                i += 2;
            } else {
                out += n;
            }
            break;
        }
        default: out += n; // "\\" and anything unknown stand for themselves
        }
    }
    return out;
}

std::optional<SettingsSections> parseSettingsFile(const QByteArray& bytes)
{
    // A file that is not UTF-8 text is not ours: keep the defaults. Stateless, so that a
    // sequence cut off at the end of the file counts as an error too.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError() || bytes.contains('\0'))
        return std::nullopt;
    SettingsSections sections;
    QString section;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).toString();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || line.startsWith(QLatin1Char(';')))
            continue;
        sections[section][line.left(eq).toString()] = unescapeIniValue(line.mid(eq + 1).toString());
    }
    return sections;
}

QString settingsFileText(const SettingsSections& sections)
{
    QString text;
    for (const auto& [section, keys] : sections) {
        text += QLatin1Char('[') + section + QStringLiteral("]\n");
        for (const auto& [key, value] : keys)
            text += key + QLatin1Char('=') + escapeIniValue(value) + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    return text;
}

IniSettingsStore::AppData& IniSettingsStore::load(const QString& app) const
{
    auto it = apps_.find(app);
    if (it != apps_.end())
        return *it;
    AppData& data = apps_[app];
    QFile file(fileFor(app));
    if (!file.exists())
        return data;
    // Whatever it holds, a file that cannot be read is not written over: one stray byte would
    // otherwise cost every setting, the FTP histories and a kept password with them.
    data.unread = true;
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return data;
    // A file made private once stays private when it is written again.
    data.ownerOnly = !(file.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther));
    if (std::optional<SettingsSections> sections = parseSettingsFile(file.readAll())) {
        data.sections = std::move(*sections);
        data.unread = false;
    }
    return data;
}

QString IniSettingsStore::read(const QString& app, const QString& section, const QString& key,
                               const QString& defaultValue) const
{
    const SettingsSections& sections = load(app).sections;
    const auto s = sections.find(section);
    if (s == sections.end())
        return defaultValue;
    const auto k = s->second.find(key);
    return k == s->second.end() ? defaultValue : k->second;
}

void IniSettingsStore::write(const QString& app, const QString& section, const QString& key,
                             const QString& value)
{
    AppData& data = load(app);
    data.sections[section][key] = value;
    data.dirty = true;
}

void IniSettingsStore::flush()
{
    for (auto it = apps_.begin(); it != apps_.end(); ++it) {
        if (!it->dirty)
            continue;
        QDir().mkpath(folder_);
        if (it->unread) {
            const QString aside = fileFor(it.key()) + QLatin1String(kUnreadSuffix);
            QFile::remove(aside);
            if (!QFile::rename(fileFor(it.key()), aside))
                continue;
            // What it may have held stays private.
            it->ownerOnly = true;
            it->unread = false;
        }
        // Private from the start when it is to be, so it is never readable by others.
        if (writeWholeFile(fileFor(it.key()), settingsFileText(it->sections).toUtf8(), it->ownerOnly).isEmpty())
            it->dirty = false;
    }
}

void IniSettingsStore::restrictToOwner(const QString& app)
{
    load(app).ownerOnly = true;
    if (QFile::exists(fileFor(app)))
        QFile::setPermissions(fileFor(app), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
