// The settings file reader on any bytes: what it reads from a file is written back and read
// again the same, and any value survives escaping. Input: the file.

#include "FuzzInput.h"

#include "platform/SettingsStore.h"

namespace {

// A key the program could write: a line "[key=value]" reads back as a section, so a key that
// starts with "[" whose value's text ends with "]" is one no settings file of ours holds.
bool writable(const SettingsSections& sections)
{
    for (const auto& [section, keys] : sections)
        for (const auto& [key, value] : keys)
            if (key.startsWith(QLatin1Char('[')) && escapeIniValue(value).endsWith(QLatin1Char(']')))
                return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const std::optional<SettingsSections> read = parseSettingsFile(bytes); read && writable(*read)) {
        const std::optional<SettingsSections> again = parseSettingsFile(settingsFileText(*read).toUtf8());
        fuzz::check(again && *again == *read, "settings: written and read again", settingsFileText(*read),
                    again ? settingsFileText(*again) : QStringLiteral("not read"));
    }

    // Any value, lone surrogates and control characters included, comes back as written, on
    // one line.
    for (const QString& value : {fuzz::utf8({reinterpret_cast<const char*>(data), size}),
                                 fuzz::utf16({reinterpret_cast<const char*>(data), size})}) {
        const QString escaped = escapeIniValue(value);
        fuzz::check(!escaped.contains(QLatin1Char('\n')) && !escaped.contains(QLatin1Char('\r')),
                    "settings: an escaped value is one line", escaped);
        fuzz::check(unescapeIniValue(escaped) == value, "settings: escaped and read back", unescapeIniValue(escaped),
                    value);
    }
    return 0;
}
