#pragma once
// Tag Color, Text Color, Background and Font of the Window menu: the common dialog, the active
// editor, then the application-wide value kept in the preferences.

#include <QColor>
#include <functional>

class DocumentEditor;
class DocumentWorkspace;
struct Preferences;

class AppearanceCommands {
public:
    AppearanceCommands(DocumentWorkspace& workspace, Preferences& prefs) : workspace_(workspace), prefs_(prefs) {}

    void chooseTagColor();
    void chooseTextColor();
    void chooseBackground();
    void chooseFont();

private:
    // The colour dialog, the active editor, then the stored value; no document or Cancel
    // leaves the stored value as it was.
    void chooseDocumentColor(QString& stored, const QColor& fallback,
                             const std::function<void(DocumentEditor*, const QColor&)>& apply);
    void noDocumentOrCancel();

    DocumentWorkspace& workspace_;
    Preferences& prefs_;
};
