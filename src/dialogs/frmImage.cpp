#include "dialogs/frmImage.h"

#include "dialogs/DialogHost.h"
#include "platform/HtmlView.h"
#include "platform/Prompter.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

const QString frmImage::kPictures = QStringLiteral("*.gif;*.jpg");
const QString frmImage::kMovies = QStringLiteral("*.dcr;*.dir");

namespace {

constexpr int kPathRole = Qt::UserRole;

// A folder can be shown when its entries can be both listed and reached.
bool isUsableFolder(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

} // namespace

bool matchesImagePattern(const QString& fileName, const QString& patterns)
{
    bool any = false;
    for (QString pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        pattern = pattern.trimmed();
        if (pattern.isEmpty())
            continue;
        any = true;
        // Names need not contain a dot here, so "*.*" means every file as it always did.
        if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*"))
            return true;
        // Case is ignored: pictures copied from cameras and other systems often carry
        // upper-case extensions (LOGO.GIF), and a chooser that hid them would look broken.
        const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(pattern),
                                          QRegularExpression::CaseInsensitiveOption);
        if (wildcard.match(fileName).hasMatch())
            return true;
    }
    return !any;
}

QString joinImagePath(const QString& folder, const QString& fileName)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

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

bool isUserVolume(const QString& rootPath, const QByteArray& fileSystemType)
{
    static const QList<QByteArray> pseudoTypes = {
        "proc",     "sysfs",   "devtmpfs", "devpts",    "tmpfs",       "cgroup",     "cgroup2",
        "securityfs", "pstore", "debugfs", "tracefs",   "mqueue",      "hugetlbfs",  "configfs",
        "fusectl",  "bpf",     "autofs",   "binfmt_misc", "efivarfs",  "nsfs",       "ramfs",
        "rpc_pipefs", "squashfs", "fuse.portal", "fuse.gvfsd-fuse",
    };
    if (rootPath == QLatin1String("/") || pseudoTypes.contains(fileSystemType))
        return false;
    if (rootPath.startsWith(QLatin1String("/run/media/")))
        return true;
    static const QStringList systemFolders = {
        QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev"), QStringLiteral("/run"),
        QStringLiteral("/boot"), QStringLiteral("/snap"), QStringLiteral("/etc"), QStringLiteral("/var"),
        QStringLiteral("/usr"),
    };
    for (const QString& system : systemFolders)
        if (rootPath == system || rootPath.startsWith(system + QLatin1Char('/')))
            return false;
    return true;
}

frmImage::frmImage(DialogHost& host, QWidget* parent)
    : ElementDialog(QStringLiteral("frmImage"), QStringLiteral("Select Image"), host)
{
    // Shown modally by a dialog, which owns it for that time.
    if (parent)
        setParent(parent, windowFlags());
    setAttribute(Qt::WA_DeleteOnClose, false);
    setModal(true);

    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    Dir1 = new QListWidget(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->installEventFilter(this);
    cboFiles = new QComboBox(this);
    cboFiles->setObjectName(QStringLiteral("cboFiles"));
    cboFiles->setEditable(true);
    cboFiles->setInsertPolicy(QComboBox::NoInsert);
    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    HTML1 = new HtmlView(this);
    HTML1->setObjectName(QStringLiteral("HTML1"));
    HTML1->setFixedSize(120, 120);
    cmdOK = makeOkButton(QStringLiteral("&OK"));
    cmdCancel = makeCancelButton(QStringLiteral("&Cancel"));
    // makeOkButton closes at once; OK here first takes the choice.
    disconnect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdOK, &QPushButton::clicked, this, &frmImage::confirm);

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

    fillPlaces();
    // Home stands in for the chooser's own starting place when the remembered folder is gone
    // or cannot be read.
    folder_ = QDir::cleanPath(QDir::homePath());
    if (!isUsableFolder(folder_))
        folder_ = QStringLiteral("/");
    pattern_ = kPictures;
    cboFiles->addItems({kPictures, kMovies});
    cboFiles->setEditText(kPictures);
    if (!setFolderPath(host.imageFolder())) {
        fillFolders();
        fillFiles();
    }

    connect(Drive1, &QComboBox::activated, this, &frmImage::placeChosen);
    connect(Dir1, &QListWidget::itemActivated, this, &frmImage::folderActivated);
    connect(cboFiles, &QComboBox::editTextChanged, this, [this](const QString& text) {
        pattern_ = text;
        fillFiles();
    });
    // A click or the arrow keys: whichever makes a file the current one previews it.
    connect(File1, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            fileClicked();
    });
}

void frmImage::fillPlaces()
{
    QList<QPair<QString, QString>> places = {{QStringLiteral("/"), QStringLiteral("/")},
                                             {QDir::homePath(), QDir::homePath()}};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || !isUserVolume(root, volume.fileSystemType())
            || !QFileInfo(root).isDir() || root == QDir::homePath())
            continue;
        const QString name = volume.displayName();
        places.append({name.isEmpty() || name == root ? root : root + QStringLiteral(" [") + name + QLatin1Char(']'),
                       root});
    }
    for (const auto& [text, path] : places)
        Drive1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), text, path);
}

bool frmImage::setFolderPath(const QString& path)
{
    if (!isUsableFolder(path))
        return false;
    folder_ = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    fillFolders();
    fillFiles();
    return true;
}

void frmImage::fillFolders()
{
    // The place holding the folder, the longest that does.
    {
        const QSignalBlocker blocker(Drive1);
        int best = -1;
        qsizetype bestLength = -1;
        for (int i = 0; i < Drive1->count(); ++i) {
            const QString place = Drive1->itemData(i, kPathRole).toString();
            const bool holds = place == QLatin1String("/") || folder_ == place
                || folder_.startsWith(place + QLatin1Char('/'));
            if (holds && place.size() > bestLength) {
                best = i;
                bestLength = place.size();
            }
        }
        Drive1->setCurrentIndex(best);
    }

    // The folders from the root down to the current one, then those inside it.
    const QSignalBlocker blocker(Dir1);
    Dir1->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);
    const QStringList names = folder_.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path = QStringLiteral("/");
    auto* root = new QListWidgetItem(open, QStringLiteral("/"), Dir1);
    root->setData(kPathRole, path);
    int depth = 1;
    for (const QString& name : names) {
        path = joinImagePath(path, name);
        auto* item = new QListWidgetItem(open, QString(depth * 2, QLatin1Char(' ')) + name, Dir1);
        item->setData(kPathRole, path);
        ++depth;
    }
    Dir1->setCurrentRow(Dir1->count() - 1);
    const QDir dir(folder_);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(closed, QString(depth * 2, QLatin1Char(' ')) + name, Dir1);
        item->setData(kPathRole, joinImagePath(folder_, name));
    }
}

void frmImage::fillFiles()
{
    const QSignalBlocker blocker(File1);
    File1->clear();
    const QDir dir(folder_);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (matchesImagePattern(name, pattern_))
            File1->addItem(name);
}

QStringList frmImage::listedFiles() const
{
    QStringList names;
    for (int i = 0; i < File1->count(); ++i)
        names << File1->item(i)->text();
    return names;
}

void frmImage::placeChosen(int index)
{
    // A place that cannot be read (no medium, no permission) leaves the chooser where it was.
    if (!setFolderPath(Drive1->itemData(index, kPathRole).toString()))
        fillFolders();
}

void frmImage::folderActivated(QListWidgetItem* item)
{
    if (item)
        setFolderPath(item->data(kPathRole).toString());
}

QString frmImage::chosenPath() const
{
    // The current file is the chosen one; the list holds one choice at a time.
    const QListWidgetItem* file = File1->currentItem();
    return joinImagePath(folder_, file ? file->text() : QString());
}

void frmImage::fileClicked()
{
    // The preview is a convenience: a page that cannot be written simply shows nothing new.
    const QString page = imagePreviewPagePath();
    QDir().mkpath(QFileInfo(page).path());
    QSaveFile file(page);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write((imagePreviewPage(chosenPath()) + QLatin1Char('\n')).toUtf8());
    if (!file.commit())
        return;
    HTML1->load(QUrl::fromLocalFile(page));
}

void frmImage::confirm()
{
    SelectedImage = chosenPath();
    host_.setImageFolder(folder_);
    accept();
}

void frmImage::reject()
{
    SelectedImage.clear();
    ElementDialog::reject();
}

bool frmImage::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the folder list opens the folder, as a double click does, instead of also
    // pressing OK.
    if (watched == Dir1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            folderActivated(Dir1->currentItem());
            return true;
        }
    }
    return ElementDialog::eventFilter(watched, event);
}

std::optional<QString> chooseImage(DialogHost& host, QWidget* parent)
{
    frmImage chooser(host, parent);
    host.prompter().modal(chooser);
    if (chooser.SelectedImage.isEmpty())
        return std::nullopt;
    return chooser.SelectedImage;
}
