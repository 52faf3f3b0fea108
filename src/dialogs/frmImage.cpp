#include "dialogs/frmImage.h"

#include "dialogs/DialogHost.h"
#include "platform/HtmlView.h"
#include "platform/Prompter.h"
#include "platform/WholeFile.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

const QString frmImage::kPictures = QStringLiteral("*.gif;*.jpg");
const QString frmImage::kMovies = QStringLiteral("*.dcr;*.dir");

QString imagePreviewPage(const QString& path)
{
    // Percent-encoded, then escaped for the attribute: spaces, quotes, "#", "&" and non-ASCII
    // names all reach the picture.
    const QString source = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded).toHtmlEscaped();
    return QStringLiteral("<html><body><title>Image Preview</title></body><img width=100 height=100  src=\"") + source
        + QStringLiteral("\"></html>");
}

QString imagePreviewPagePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/scrivant/img.htm");
}

frmImage::frmImage(DialogHost& host, QWidget* parent)
    : ElementDialog(QStringLiteral("frmImage"), QStringLiteral("Select Image"), host)
{
    // Shown modally by a dialog, which owns it for that time.
    if (parent)
        setParent(parent, windowFlags());
    setAttribute(Qt::WA_DeleteOnClose, false);
    setModal(true);

    // The host remembers the folder between runs; home stands in for the chooser's own starting
    // place when that folder is gone or cannot be read.
    browser_ = new FolderBrowser(this, kPictures, host.imageFolder());
    File1 = browser_->File1;
    Dir1 = browser_->Dir1;
    Drive1 = browser_->Drive1;
    cboFiles = typingBox("cboFiles", this);
    HTML1 = named<HtmlView>("HTML1", this);
    HTML1->setFixedSize(120, 120);
    cmdOK = makeOkButton(QStringLiteral("&OK"));
    cmdCancel = makeCancelButton(QStringLiteral("&Cancel"));

    for (QListWidget* list : {File1, Dir1})
        list->setMinimumSize(180, 200);

    auto* side = new QVBoxLayout;
    side->addWidget(HTML1, 0, Qt::AlignHCenter);
    side->addStretch();
    side->addWidget(cmdOK);
    side->addWidget(cmdCancel);
    auto* grid = new QGridLayout(this);
    grid->addWidget(File1, 0, 0);
    grid->addWidget(Dir1, 0, 1);
    grid->addLayout(side, 0, 2, 2, 1);
    grid->addWidget(cboFiles, 1, 0);
    grid->addWidget(Drive1, 1, 1);

    cboFiles->addItems({kPictures, kMovies});
    cboFiles->setEditText(kPictures);
    setTabOrder(File1, cboFiles);
    setTabOrder(cboFiles, Dir1);
    setTabOrder(Dir1, Drive1);

    connect(cboFiles, &QComboBox::editTextChanged, browser_, &FolderBrowser::setPatterns);
    // A click or the arrow keys: whichever selects a file previews it. The list taking the
    // focus makes its first file current without selecting it, and that is no choice.
    connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!File1->selectedItems().isEmpty())
            fileClicked();
    });
}

QString frmImage::chosenPath() const
{
    // The list holds one choice at a time.
    const QList<QListWidgetItem*> chosen = File1->selectedItems();
    return browser_->filePath(chosen.isEmpty() ? QString() : chosen.first()->text());
}

void frmImage::fileClicked()
{
    // The preview is a convenience: a page that cannot be written simply shows nothing new.
    const QString page = imagePreviewPagePath();
    QDir().mkpath(QFileInfo(page).path());
    if (!writeWholeFile(page, (imagePreviewPage(chosenPath()) + QLatin1Char('\n')).toUtf8()).isEmpty())
        return;
    HTML1->load(QUrl::fromLocalFile(page));
}

void frmImage::accept()
{
    SelectedImage = chosenPath();
    host_.setImageFolder(browser_->folderPath());
    ElementDialog::accept();
}

void frmImage::reject()
{
    SelectedImage.clear();
    ElementDialog::reject();
}

std::optional<QString> chooseImage(DialogHost& host, QWidget* parent)
{
    frmImage chooser(host, parent);
    host.prompter().modal(chooser);
    if (chooser.SelectedImage.isEmpty())
        return std::nullopt;
    return chooser.SelectedImage;
}
