#include "app/Preferences.h"

#include "document/ColorText.h"
#include "platform/SettingsStore.h"

#include <limits>

namespace settings {
QString indexedKey(const QString& prefix, int index)
{
    return prefix + QString::number(index) + QLatin1Char(')');
}
} // namespace settings

using namespace settings;

namespace {

constexpr int kMaxTwips = 16384 * kTwipsPerPixel;

QString trueFalse(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// Applying a value that cannot be converted fails and keeps the current one.
void applyBool(const QString& text, bool& target)
{
    if (text == QLatin1String("True"))
        target = true;
    else if (text == QLatin1String("False"))
        target = false;
}

void applyInt(const QString& text, std::optional<int>& target, int min, int max)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (ok && value >= min && value <= max)
        target = value;
}

void applyNumberText(const QString& text, QString& target, int min, int max)
{
    std::optional<int> value;
    applyInt(text, value, min, max);
    if (value)
        target = QString::number(*value);
}

void applyColor(const QString& text, QString& target)
{
    if (colorFromText(text))
        target = text.trimmed();
}

} // namespace

void Preferences::load(const SettingsStore& store)
{
    const auto window = [&](const QString& key) { return store.read(kApp, kWindowOptions, key); };

    applyColor(window(QStringLiteral("TextColor")), textColor);
    applyNumberText(window(QStringLiteral("TheFontSize")), fontSize, 1, 1000);
    applyBool(window(QStringLiteral("TheFontBold")), fontBold);
    const QString name = window(QStringLiteral("TheFontName"));
    if (!name.trimmed().isEmpty() && name.size() < 256)
        fontName = name;
    userTemplate = window(QStringLiteral("UserTemplate"));
    applyColor(window(QStringLiteral("LinkColor")), tagColor);
    applyNumberText(window(QStringLiteral("TemplateWindowState")), templateWindowState, 0, 2);
    applyBool(window(QStringLiteral("LowerCheck")), lowerCase);
    applyBool(window(QStringLiteral("ConvertC")), convertCharacters);
    applyColor(window(QStringLiteral("Background")), background);
    applyBool(window(QStringLiteral("ReloadFlag")), reloadFlag);
    imageFolder = window(QStringLiteral("TheOpenFile"));
    applyInt(window(QStringLiteral("MainFormHeight")), height, kTwipsPerPixel, kMaxTwips);
    applyInt(window(QStringLiteral("MainFormWidth")), width, kTwipsPerPixel, kMaxTwips);
    applyInt(window(QStringLiteral("MainFormLeft")), left, -kMaxTwips, kMaxTwips);
    applyInt(window(QStringLiteral("MainFormTop")), top, -kMaxTwips, kMaxTwips);
    applyInt(window(QStringLiteral("MainWindowState")), windowState, 0, 2);
    applyBool(window(QStringLiteral("TheToolBar")), toolBar);
    applyBool(window(QStringLiteral("ColorConvert")), colorTagsOnOpening);
    applyBool(window(QStringLiteral("LocalPreview")), localPreview);
    applyBool(store.read(kApp, kProgramOptions, QStringLiteral("WebTimer")), webTimer);
    browser = store.read(kApp, kBrowserOptions, QStringLiteral("Web"));
    for (int i = 0; i < RecentFiles::kCount; ++i)
        recent.set(i, store.read(kApp, kMenuArray, indexedKey(QStringLiteral("MenuArray("), i)));
    recentNumber = QStringLiteral("0");
    applyNumberText(store.read(kApp, kMenuArray, QStringLiteral("TheNum")), recentNumber,
                    std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    for (int i = 0; i < int(userButtons.size()); ++i) {
        UserButton& b = userButtons[size_t(i)];
        b.caption = store.read(kApp, kUserTools, indexedKey(QStringLiteral("myButton("), i));
        b.opening = store.read(kApp, kUserTools, indexedKey(QStringLiteral("myCmd("), i));
        b.closing = store.read(kApp, kUserTools, indexedKey(QStringLiteral("myCmdTwo("), i));
    }
}

void Preferences::save(SettingsStore& store, bool writeGeometry) const
{
    const auto window = [&](const QString& key, const QString& value) {
        store.write(kApp, kWindowOptions, key, value);
    };
    window(QStringLiteral("TextColor"), textColor);
    window(QStringLiteral("TheFontSize"), fontSize);
    window(QStringLiteral("TheFontBold"), trueFalse(fontBold));
    window(QStringLiteral("TheFontName"), fontName);
    window(QStringLiteral("UserTemplate"), userTemplate);
    window(QStringLiteral("LinkColor"), tagColor);
    window(QStringLiteral("TemplateWindowState"), templateWindowState);
    window(QStringLiteral("LowerCheck"), trueFalse(lowerCase));
    window(QStringLiteral("ConvertC"), trueFalse(convertCharacters));
    window(QStringLiteral("Background"), background);
    window(QStringLiteral("ReloadFlag"), trueFalse(reloadFlag));
    window(QStringLiteral("TheOpenFile"), imageFolder);
    if (writeGeometry && height && width && left && top) {
        window(QStringLiteral("MainFormHeight"), QString::number(*height));
        window(QStringLiteral("MainFormWidth"), QString::number(*width));
        window(QStringLiteral("MainFormLeft"), QString::number(*left));
        window(QStringLiteral("MainFormTop"), QString::number(*top));
    }
    if (windowState)
        window(QStringLiteral("MainWindowState"), QString::number(*windowState));
    window(QStringLiteral("TheToolBar"), trueFalse(toolBar));
    window(QStringLiteral("ColorConvert"), trueFalse(colorTagsOnOpening));
    window(QStringLiteral("LocalPreview"), trueFalse(localPreview));
    store.write(kApp, kProgramOptions, QStringLiteral("WebTimer"), trueFalse(webTimer));
    store.write(kApp, kBrowserOptions, QStringLiteral("Web"), browser);
    for (int i = 0; i < RecentFiles::kCount; ++i)
        store.write(kApp, kMenuArray, indexedKey(QStringLiteral("MenuArray("), i), recent.at(i));
    store.write(kApp, kMenuArray, QStringLiteral("TheNum"), recentNumber);
    for (int i = 0; i < int(userButtons.size()); ++i) {
        const UserButton& b = userButtons[size_t(i)];
        store.write(kApp, kUserTools, indexedKey(QStringLiteral("myButton("), i), b.caption);
        store.write(kApp, kUserTools, indexedKey(QStringLiteral("myCmd("), i), b.opening);
        store.write(kApp, kUserTools, indexedKey(QStringLiteral("myCmdTwo("), i), b.closing);
    }
}

std::optional<int> storedPixels(const SettingsStore& store, const QString& key)
{
    bool ok = false;
    const int twips = store.read(settings::kApp, settings::kWindowOptions, key).trimmed().toInt(&ok);
    return ok ? std::optional<int>(twips / kTwipsPerPixel) : std::nullopt;
}

void storePixels(SettingsStore& store, const QString& key, int pixels)
{
    store.write(settings::kApp, settings::kWindowOptions, key, QString::number(pixels * kTwipsPerPixel));
}
