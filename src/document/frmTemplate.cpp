#include "document/frmTemplate.h"

#include "document/AccentedEntities.h"
#include "document/DocumentEditor.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMouseEvent>
#include <QVBoxLayout>

frmTemplate::frmTemplate(DocumentHost& host, QWidget* parent)
    : QWidget(parent), txtInput(new DocumentEditor(this)), host_(host)
{
    setObjectName(QStringLiteral("frmTemplate"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtInput);
    setFocusProxy(txtInput);
    txtInput->viewport()->installEventFilter(this);
    txtInput->setTypedCharacterHandler([this](QChar c) { return onTypedCharacter(c); });
    connect(txtInput, &DocumentEditor::textEdited, this, [this] { setModified(true); });
}

void frmTemplate::setCaption(const QString& path)
{
    caption_ = path;
    setWindowTitle(path);
    Q_EMIT captionChanged(path);
}

void frmTemplate::setModified(bool modified)
{
    modified_ = modified;
    if (!modified)
        txtInput->markSaved();
    Q_EMIT modifiedChanged(modified);
}

QByteArray frmTemplate::lineBreak() const
{
    return txtInput->lineBreak();
}

void frmTemplate::setLineBreak(const QByteArray& lineBreak)
{
    txtInput->setLineBreak(lineBreak);
}

QString frmTemplate::loadFile(const QString& path)
{
    txtInput->setSelColor(host_.textColor());
    txtInput->beginLoad(QFileInfo(path).size());
    const QString error = readDocumentPieces(path, kMaxDocumentSize, [this](const char* bytes, qsizetype size) {
        txtInput->appendLoaded(bytes, size);
    });
    txtInput->endLoad();
    if (!error.isEmpty())
        return error;
    // The editor's own bytes say what the file holds; only a file that is not UTF-8 is
    // converted, and then set again.
    const DocumentContent content =
        documentContent(QByteArray::fromRawData(txtInput->characterPointer(), qsizetype(txtInput->byteLength())));
    if (content.encoding != TextEncoding::Utf8)
        txtInput->setTextBytes(content.utf8);
    setEncoding(content.encoding);
    setLineBreak(content.lineBreak);
    return {};
}

void frmTemplate::loadContent(DocumentContent content)
{
    txtInput->setSelColor(host_.textColor());
    txtInput->setTextBytes(content.utf8);
    setEncoding(content.encoding);
    setLineBreak(content.lineBreak);
}

bool frmTemplate::onTypedCharacter(QChar c)
{
    if (c == QLatin1Char('<'))
        inTag_ = true;
    else if (c == QLatin1Char('>'))
        inTag_ = false;
    // The closing bracket itself still belongs to the tag.
    const bool tagColoured = inTag_ || c == QLatin1Char('>');
    txtInput->setSelColor(tagColoured ? host_.tagColor() : host_.textColor());
    if (!host_.convertCharacters())
        return false;
    const QString entity = accentedEntity(c);
    if (entity.isEmpty())
        return false;
    txtInput->replaceSelection(entity);
    return true;
}

bool frmTemplate::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtInput->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            // After the click has placed the caret, typing continues in the text colour.
            QMetaObject::invokeMethod(this, [this] { txtInput->setSelColor(host_.textColor()); },
                                      Qt::QueuedConnection);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) {
                host_.editorRightClicked(this, mouse->globalPosition().toPoint());
                return true;
            }
        } else if (event->type() == QEvent::ContextMenu) {
            return true; // the Edit menu pops up on release instead
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmTemplate::closeEvent(QCloseEvent* event)
{
    if (closed_) {
        event->accept();
        return;
    }
    if (!host_.documentClosing(this)) {
        event->ignore();
        return;
    }
    closed_ = true;
    event->accept();
    host_.documentClosed(this);
    Q_EMIT closed();
}
