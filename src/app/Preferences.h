#pragma once
// The application-wide values kept between runs: read when the main window loads, written
// when it closes. Key names live here and nowhere else.

#include "app/RecentFiles.h"

#include <QString>
#include <array>
#include <optional>

class SettingsStore;

namespace settings {
inline const QString kApp = QStringLiteral("The Corvane Scrivant");
inline const QString kTimerApp = QStringLiteral("Web Timer");
inline const QString kWindowOptions = QStringLiteral("Window Options");
inline const QString kProgramOptions = QStringLiteral("Program Options");
inline const QString kBrowserOptions = QStringLiteral("Browser Options");
inline const QString kMenuArray = QStringLiteral("Menu Array Values");
inline const QString kUserTools = QStringLiteral("User Tools");
inline const QString kFtp = QStringLiteral("FTP");
inline const QString kDates = QStringLiteral("Dates");
// "MenuArray(" + "3" + ")"
QString indexedKey(const QString& prefix, int index);
} // namespace settings

struct UserButton {
    QString caption; // myButton(n)
    QString opening; // myCmd(n)
    QString closing; // myCmdTwo(n)
};
// The ten user buttons of the floating tool bar, 0 to 9.
using UserButtons = std::array<UserButton, 10>;

struct Preferences {
    QString textColor;                       // empty: no colour chosen
    QString fontSize = QStringLiteral("10");
    bool fontBold = false;
    QString fontName = QStringLiteral("Arial");
    QString userTemplate;
    QString tagColor = QStringLiteral("16711680"); // pure blue as 0x00BBGGRR
    QString templateWindowState = QStringLiteral("0");
    bool lowerCase = false;
    bool convertCharacters = true;
    QString background;
    bool reloadFlag = false;
    QString imageFolder;
    // Main window geometry in twips; absent until a normal-state exit stored it.
    std::optional<int> height, width, left, top;
    std::optional<int> windowState;          // 0 normal, 1 minimised, 2 maximised
    bool toolBar = true;
    bool colorTagsOnOpening = false;
    bool localPreview = true;
    bool webTimer = false;
    QString browser;
    RecentFiles recent;
    QString recentNumber;                    // TheNum: kept and written back unchanged
    UserButtons userButtons;

    // Values that cannot be applied (wrong type, out of range) keep the design value.
    void load(const SettingsStore& store);
    // writeGeometry is false when the window is minimised or maximised.
    void save(SettingsStore& store, bool writeGeometry) const;
};

// Twips are the stored unit of window geometry: 15 to a pixel at 96 dpi.
constexpr int kTwipsPerPixel = 15;

// One coordinate of a window kept under Window Options, in pixels; none when it is missing or
// unreadable.
std::optional<int> storedPixels(const SettingsStore& store, const QString& key);
void storePixels(SettingsStore& store, const QString& key, int pixels);
