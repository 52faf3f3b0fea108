#pragma once
// A document window: one editor holding an HTML document as plain text, the file it came
// from, and whether it changed since it was loaded or saved.

#include "document/DiskStamp.h"
#include "document/DocumentFile.h"

#include <QWidget>

class DocumentEditor;

// What a document window needs from the main window.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    virtual QString tagColor() const = 0;
    virtual QString textColor() const = 0;
    virtual bool convertCharacters() const = 0;
    // The window is closing: the host asks to save it when modified. Returns false when the
    // window must stay open (its text could not be saved).
    virtual bool documentClosing(class frmTemplate* document) = 0;
    virtual void documentClosed(class frmTemplate* document) = 0;
    virtual void editorRightClicked(class frmTemplate* document, const QPoint& globalPosition) = 0;
};

class frmTemplate : public QWidget {
    Q_OBJECT
public:
    frmTemplate(DocumentHost& host, QWidget* parent = nullptr);

    DocumentEditor* txtInput;

    // Full path of the document's file; empty for a document never saved.
    QString caption() const { return caption_; }
    void setCaption(const QString& path);

    bool isModified() const { return modified_; }
    void setModified(bool modified);

    // The document's file as it was when last loaded or saved.
    DiskStamp diskStamp() const { return diskStamp_; }
    void setDiskStamp(const DiskStamp& stamp) { diskStamp_ = stamp; }

    bool inTag() const { return inTag_; }
    // Its window has been closed (it may not be deleted yet).
    bool isClosed() const { return closed_; }

    // How the document's file is written back.
    TextEncoding encoding() const { return encoding_; }
    void setEncoding(TextEncoding encoding) { encoding_ = encoding; }
    QByteArray lineBreak() const;
    void setLineBreak(const QByteArray& lineBreak);

    // Reads the file into the editor, in the text colour, as Open does, and takes its encoding
    // and line break. Empty on success, else the sentence of the failure.
    QString loadFile(const QString& path);
    // Sets the whole text, in the text colour, with the encoding and line break it came with.
    void loadContent(DocumentContent content);

Q_SIGNALS:
    void captionChanged(const QString& caption);
    void modifiedChanged(bool modified);
    // The window closed: its text was saved or given up.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool onTypedCharacter(QChar c);

    DocumentHost& host_;
    QString caption_;
    bool modified_ = false;
    bool inTag_ = false;
    bool closed_ = false;
    TextEncoding encoding_ = TextEncoding::Utf8;
    DiskStamp diskStamp_;
};
