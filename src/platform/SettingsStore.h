#pragma once
// Per-user settings: (application, section, key) -> text. Every value is text.

#include <QHash>
#include <QString>
#include <map>
#include <optional>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& app, const QString& section, const QString& key,
                         const QString& defaultValue = {}) const = 0;
    virtual void write(const QString& app, const QString& section, const QString& key,
                       const QString& value) = 0;
    // Makes what was written so far permanent; failures are not reported.
    virtual void flush() {}
    // From now on the application's values are readable by the user alone (they hold a secret).
    virtual void restrictToOwner(const QString& app) { (void)app; }
    // The folder that holds the settings, for files kept beside them; empty when there is none.
    virtual QString folder() const { return {}; }
};

// The values of one settings file: section -> key -> value.
using SettingsSections = std::map<QString, std::map<QString, QString>>;

// One INI file per application name in a folder. Values are escaped so that any text,
// line breaks and control characters included, comes back exactly as written.
class IniSettingsStore : public SettingsStore {
public:
    // The folder of the per-user configuration, or $SCRIVANT_CONFIG_DIR when set.
    static QString defaultFolder();

    explicit IniSettingsStore(QString folder = defaultFolder());
    ~IniSettingsStore() override;

    QString read(const QString& app, const QString& section, const QString& key,
                 const QString& defaultValue = {}) const override;
    void write(const QString& app, const QString& section, const QString& key,
               const QString& value) override;
    void flush() override;
    void restrictToOwner(const QString& app) override;
    QString folder() const override { return folder_; }

    QString fileFor(const QString& app) const;

    // A file larger than this is not a settings file of ours: it is ignored.
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;
    // A file that could not be read is kept beside under its name and this ending when the
    // settings are next written.
    static constexpr const char* kUnreadSuffix = ".unread";

private:
    struct AppData {
        SettingsSections sections;
        bool dirty = false;
        bool ownerOnly = false;
        bool unread = false; // a file is there that could not be read: kept aside, not overwritten
    };
    AppData& load(const QString& app) const;

    QString folder_;
    mutable QHash<QString, AppData> apps_;
};

// The INI text form, exposed for tests of odd files.
QString escapeIniValue(const QString& value);
QString unescapeIniValue(const QString& text);
// The values a settings file holds; none when it is not one of ours (not UTF-8 text, or
// holding a NUL), whose values then stay at their defaults.
std::optional<SettingsSections> parseSettingsFile(const QByteArray& bytes);
// The file text that holds sections, read back the same by parseSettingsFile.
QString settingsFileText(const SettingsSections& sections);
