#include "app/ToolButtons.h"

#include "app/PictureButton.h"
#include "app/StatusHelpButton.h"
#include "commands/TagCommands.h"

#include <QAction>
#include <QHBoxLayout>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

struct Picture {
    ToolPicture picture;
    const char* name;
    const char* up;
    const char* down;
    const char* help;
};

const Picture kPictures[] = {
    {ToolPicture::New, "imgNew", "ImgNewUp", "ImgNewDown", "Creates a new document."},
    {ToolPicture::Open, "imgOpen", "imgOpenUp", "imgOpenDn", "Opens a document."},
    {ToolPicture::Save, "ImgSave", "imgSaveUp", "imgSaveDn", "Saves the current document."},
    {ToolPicture::Print, "imgPrint", "imgPrintUp", "imgPrintDn", "Prints the current document."},
    {ToolPicture::Cut, "imgCut", "imgCutUp", "ImgCutDn", "Cut Text."},
    {ToolPicture::Copy, "imgCopy", "imgCopyUp", "ImgCopyDn", "Copy Text."},
    {ToolPicture::Paste, "imgPaste", "imgPasteUp", "imgPasteDn", "Paste Text."},
};

void styleCaption(StatusHelpButton* button, const QString& name)
{
    if (name != QLatin1String("cmdBold") && name != QLatin1String("cmdItalic") && name != QLatin1String("cmdUnderline"))
        return;
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setStyleHint(QFont::Serif); // whichever serif face the desktop has
    font.setBold(name == QLatin1String("cmdBold"));
    font.setItalic(name == QLatin1String("cmdItalic"));
    font.setUnderline(name == QLatin1String("cmdUnderline"));
    button->setFont(font);
}

} // namespace

ToolButtons::ToolButtons(QWidget* strip, QWidget* panel, QStatusBar* status) : QObject(strip), status_(status)
{
    auto* stripLayout = static_cast<QHBoxLayout*>(strip->layout());
    for (const Picture& p : kPictures) {
        auto* button = new PictureButton(p.picture, QLatin1String(p.name), QLatin1String(p.up),
                                         QLatin1String(p.down), QLatin1String(p.help), strip);
        connect(button, &PictureButton::statusText, this, &ToolButtons::showStatus);
        add(button, QLatin1String(p.name));
        stripLayout->addWidget(button);
        if (p.picture == ToolPicture::Print)
            stripLayout->addSpacing(6);
    }
    stripLayout->addSpacing(6);

    auto* panelLayout = static_cast<QVBoxLayout*>(panel->layout());
    int panelIndex = 0;
    for (const TagButton& b : tagButtons()) {
        QWidget* area = b.area == ButtonArea::ToolStrip ? strip : panel;
        auto* button = new StatusHelpButton(b.name, b.caption, b.helpText, area);
        connect(button, &StatusHelpButton::statusText, this, &ToolButtons::showStatus);
        styleCaption(button, b.name);
        add(button, b.name, b.command);
        if (area == strip) {
            button->setFixedSize(std::max(24, button->fontMetrics().horizontalAdvance(b.caption) + 14), 24);
            stripLayout->addWidget(button);
        } else {
            panelLayout->insertWidget(panelIndex++, button);
        }
    }
    stripLayout->addStretch(1);
}

void ToolButtons::showStatus(const QString& text)
{
    if (text.isEmpty())
        status_->clearMessage();
    else
        status_->showMessage(text);
}

void ToolButtons::add(QWidget* button, const QString& name, const QString& twin)
{
    buttons_.insert(name, {button, twin});
}

void ToolButtons::route(const QString& name, std::function<void()> handler)
{
    auto it = buttons_.find(name);
    Q_ASSERT_X(it != buttons_.end(), "ToolButtons::route", qPrintable(name));
    const auto run = [handler = std::move(handler)] { handler(); };
    if (auto* picture = qobject_cast<PictureButton*>(it->button))
        connect(picture, &PictureButton::clicked, this, run);
    else
        connect(static_cast<QPushButton*>(it->button), &QPushButton::clicked, this, run);
    it->routed = true;
}

void ToolButtons::followTwins(const std::function<QAction*(const QString&)>& action)
{
    for (const Entry& b : std::as_const(buttons_)) {
        if (b.routed)
            continue;
        QAction* twin = b.twin.isEmpty() ? nullptr : action(b.twin);
        b.button->setEnabled(twin && twin->isEnabled());
        if (!twin)
            continue;
        connect(static_cast<QPushButton*>(b.button), &QPushButton::clicked, twin, [twin] {
            if (twin->isEnabled())
                twin->trigger();
        });
        connect(twin, &QAction::enabledChanged, b.button, &QWidget::setEnabled);
    }
}
