#include "dialogs/FileReference.h"

#include "dialogs/DialogHost.h"
#include "platform/Prompter.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

const QString kFilterHtmlText = QStringLiteral("All Files (*.*)|*.*|"
                                               "HTML Files (*.htm);(*.html)|*.htm;*.html|"
                                               "Text Files (*.txt)|*.txt|");
const QString kFilterHtmlGraphicText = QStringLiteral("All Files (*.*)|*.*|"
                                                      "HTML Files (*.htm);(*.html)|*.htm;*.html|"
                                                      "Graphic Files (*.jpg);(*.gif);(*.bmp)|*.jpg;*.jpeg;*.gif;*.bmp|"
                                                      "Text Files (*.txt)|*.txt|");
const QString kFilterAllFiles = QStringLiteral("All Files (*.*)|*.*|");

namespace {

const QChar kBackslash = QLatin1Char('\\');
const QChar kSlash = QLatin1Char('/');

// The file dialog opens on the second filter (HTML files where there is one).
constexpr int kInitialFilter = 1;

} // namespace

QString RelativePath(const QString& documentPath, const QString& filePath, Prompter& prompter, QWidget* parent)
{
    const RelativeReference reference = relativeReference(documentPath, filePath);
    if (reference.rootMissing)
        prompter.message(parent, {kShortTitle,
                                  QStringLiteral("You must save this document before selecting a path to an image."),
                                  PromptIcon::Information, PromptButtons::Ok});
    return reference.text;
}

QCheckBox* makeForwardSlashBox(QWidget* parent)
{
    auto* box = new QCheckBox(QStringLiteral("Forward Slashes"), parent);
    box->setObjectName(QStringLiteral("chkForwardSlash"));
    box->setChecked(true);
    return box;
}

QToolButton* makeFindFileButton(const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(button->style()->standardIcon(QStyle::SP_DirOpenIcon));
    button->setAutoRaise(true);
    button->setAccessibleName(QStringLiteral("Find File"));
    return button;
}

bool findFileByDialog(DialogHost& host, QWidget* parent, QLineEdit* target, const QCheckBox* forwardSlash,
                      const FindFileOptions& options)
{
    if (options.emptyFirst)
        target->clear();

    const std::optional<QString> documentPath = host.activeDocumentPath();
    // The reference is relative to the document, so its folder is where the search starts.
    QString startIn;
    if (documentPath && !documentPath->isEmpty())
        startIn = QFileInfo(*documentPath).path() + kSlash;

    const std::optional<QString> chosen =
        host.prompter().openFile(parent, {QStringLiteral("Open"), startIn, options.filter, kInitialFilter});
    if (!chosen)
        return false;
    if (options.stopOnEmptyName && chosen->isEmpty())
        return false;
    // Without a document there is nothing to be relative to; that ends it without a word.
    const std::optional<QString> document = host.activeDocumentPath();
    if (!document)
        return false;

    target->setText(RelativePath(*document, *chosen, host.prompter(), parent));
    if (options.afterSet)
        options.afterSet();
    if (forwardSlash && forwardSlash->isChecked()) {
        QString text = target->text();
        ReplaceChar(text, kBackslash, kSlash);
        target->setText(text);
    }
    return true;
}

std::optional<QString> chosenImageReference(DialogHost& host, QWidget* parent, const ImageChooser& choose,
                                            bool forwardSlashes)
{
    const std::optional<QString> chosen = choose ? choose() : std::nullopt;
    if (!chosen || chosen->isEmpty())
        return std::nullopt; // cancelled
    const std::optional<QString> document = host.activeDocumentPath();
    if (!document) {
        host.prompter().message(parent, {kProgramTitle,
                                         QStringLiteral("Please save document before selecting the relative path to an image."),
                                         PromptIcon::Exclamation, PromptButtons::Ok});
        return std::nullopt;
    }
    QString reference = RelativePath(*document, *chosen, host.prompter(), parent);
    if (forwardSlashes)
        ReplaceChar(reference, kBackslash, kSlash);
    return reference;
}

bool findFileByChooser(DialogHost& host, QWidget* parent, QLineEdit* target, const QCheckBox* forwardSlash,
                       const ImageChooser& choose)
{
    const std::optional<QString> reference =
        chosenImageReference(host, parent, choose, forwardSlash && forwardSlash->isChecked());
    if (!reference)
        return false;
    target->setText(*reference);
    return true;
}

void applyForwardSlashes(bool checked, const QList<QLineEdit*>& boxes)
{
    for (QLineEdit* box : boxes) {
        QString text = box->text();
        if (checked)
            ReplaceChar(text, kBackslash, kSlash);
        else
            ReplaceChar(text, kSlash, kBackslash);
        box->setText(text);
    }
}

void connectForwardSlashes(QCheckBox* check, const QList<QLineEdit*>& boxes)
{
    QObject::connect(check, &QCheckBox::toggled, check, [boxes](bool checked) { applyForwardSlashes(checked, boxes); });
}
