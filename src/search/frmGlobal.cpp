#include "search/frmGlobal.h"

#include "dialogs/ElementDialog.h"
#include "dialogs/FolderBrowser.h"
#include "platform/Prompter.h"
#include "search/BlinkingLabel.h"
#include "search/MultiFileReplace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

const QString frmGlobal::kPatterns
    = QStringLiteral("*.htm;*.html;*.shtml;*.ht3;*.ht2;*.txt;*.doc;*.rtf;*.wri;*.cgi;*.class;*.pl;*.qlt");

namespace {

// How often a long run lets the window repaint.
constexpr qint64 kRepaintMs = 50;

QPushButton* plainButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = named<QPushButton>(name, caption, parent);
    // Enter in a field must not start rewriting files.
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmGlobal::frmGlobal(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter)
{
    setObjectName(QStringLiteral("frmGlobal"));
    setWindowTitle(QStringLiteral("Global Find and Replace"));
    setModal(true);
    centreWhenFirstShown(*this);

    lblFind = named<QLabel>("lblFind", QStringLiteral("Find:"), this);
    txtFind = named<QLineEdit>("txtFind", this);
    lblReplace = named<QLabel>("lblReplace", QStringLiteral("Replace With:"), this);
    txtReplace = named<QLineEdit>("txtReplace", this);
    browser_ = new FolderBrowser(this, kPatterns, QDir::homePath());
    Drive1 = browser_->Drive1;
    Dir1 = browser_->Dir1;
    File1 = browser_->File1;
    File1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Command1 = plainButton("Command1", QStringLiteral("&Add Selected Files"), this);
    lblItems = named<QLabel>("lblItems", QStringLiteral("Selected Files:"), this);
    List1 = named<QListWidget>("List1", this);
    cmdReplace = plainButton("cmdReplace", QStringLiteral("&Replace Text"), this);
    cmdCancel = plainButton("cmdCancel", QStringLiteral("&Done"), this);
    lblCaseSensitive = named<QLabel>("lblCaseSensitive", QStringLiteral("Replacements are case sensitive!"), this);
    Timer1 = makeBlinking(lblCaseSensitive);
    ProgressBar1 = named<QProgressBar>("ProgressBar1", this);
    ProgressBar1->setRange(0, kProgressSteps);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    for (QListWidget* list : {Dir1, File1})
        list->setMinimumSize(180, 220);
    List1->setMinimumWidth(320);

    auto* fields = new QGridLayout;
    fields->addWidget(lblFind, 0, 0);
    fields->addWidget(txtFind, 0, 1);
    fields->addWidget(lblReplace, 1, 0);
    fields->addWidget(txtReplace, 1, 1);
    auto* lists = new QGridLayout;
    lists->addWidget(Drive1, 0, 0);
    lists->addWidget(Dir1, 1, 0);
    lists->addWidget(File1, 1, 1);
    lists->addWidget(Command1, 2, 1);
    auto* chosen = new QVBoxLayout;
    chosen->addWidget(lblItems);
    chosen->addWidget(List1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdReplace);
    buttons->addWidget(cmdCancel);
    chosen->addLayout(buttons);
    auto* middle = new QHBoxLayout;
    middle->addLayout(lists, 1);
    middle->addLayout(chosen, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(fields);
    column->addLayout(middle, 1);
    column->addWidget(lblCaseSensitive);
    column->addWidget(ProgressBar1);

    setTabOrder(txtFind, txtReplace);
    setTabOrder(txtReplace, Drive1);
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, File1);
    setTabOrder(File1, Command1);
    setTabOrder(Command1, List1);
    setTabOrder(List1, cmdReplace);
    setTabOrder(cmdReplace, cmdCancel);

    connect(browser_, &FolderBrowser::placeUnavailable, this, [this] {
        prompter_.message(this, {kShortTitle, QStringLiteral("Drive not available"), PromptIcon::Exclamation,
                                 PromptButtons::Ok});
    });
    connect(File1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { addPaths({browser_->filePath(item->text())}); });
    connect(Command1, &QPushButton::clicked, this, [this] { addPaths(browser_->selectedFilePaths()); });
    connect(List1, &QListWidget::itemDoubleClicked, this, [](QListWidgetItem* item) { delete item; });
    connect(cmdReplace, &QPushButton::clicked, this, &frmGlobal::replaceText);
    connect(cmdCancel, &QPushButton::clicked, this, &frmGlobal::reject);
}

QStringList frmGlobal::listedPaths() const
{
    QStringList paths;
    for (int i = 0; i < List1->count(); ++i)
        paths << List1->item(i)->text();
    return paths;
}

void frmGlobal::addPaths(const QStringList& paths)
{
    // No duplicate check: a file listed twice is worked on twice.
    List1->addItems(paths);
}

void frmGlobal::replaceText()
{
    if (busy_)
        return;
    const QString find = txtFind->text();
    if (find.isEmpty()) {
        prompter_.message(this, {kShortTitle, QStringLiteral("Type the text to find first."), PromptIcon::Exclamation,
                                 PromptButtons::Ok});
        return;
    }

    setBusy(true);
    ProgressBar1->setValue(0);
    double fraction = 0;
    QElapsedTimer sincePaint;
    sincePaint.start();
    const MultiFileReplaceReport report
        = replaceInFiles(listedPaths(), find, txtReplace->text(), [&](qsizetype, double now) {
              fraction = now;
              if (sincePaint.elapsed() < kRepaintMs)
                  return;
              ProgressBar1->setValue(qRound(fraction * kProgressSteps));
              // Paint and blink, but leave clicks and keys waiting: the run is not re-entered.
              QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
              sincePaint.restart();
          });
    ProgressBar1->setValue(qRound(fraction * kProgressSteps));
    // Input made during the run reaches disabled controls and is dropped.
    QApplication::processEvents();
    setBusy(false);

    if (!report.failures.isEmpty()) {
        QStringList lines;
        for (const FileFailure& failure : report.failures)
            lines << failure.message;
        lines.removeDuplicates();
        const QString text = QStringLiteral("These files were left as they were:\r") + lines.join(QLatin1Char('\r'));
        prompter_.message(this, {kShortTitle, text, PromptIcon::Exclamation, PromptButtons::Ok});
    }
    prompter_.message(this, {kShortTitle, QStringLiteral("Finished!"), PromptIcon::Information, PromptButtons::Ok});
}

void frmGlobal::setBusy(bool busy)
{
    busy_ = busy;
    for (QWidget* control : std::initializer_list<QWidget*>{txtFind, txtReplace, Drive1, Dir1, File1, Command1,
                                                             List1, cmdReplace, cmdCancel})
        control->setEnabled(!busy);
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void frmGlobal::reject()
{
    if (!busy_)
        QDialog::reject();
}

void frmGlobal::showEvent(QShowEvent* event)
{
    Timer1->start();
    QDialog::showEvent(event);
}

void frmGlobal::hideEvent(QHideEvent* event)
{
    Timer1->stop();
    QDialog::hideEvent(event);
}

void frmGlobal::closeEvent(QCloseEvent* event)
{
    if (busy_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void showMultiFileReplace(Prompter& prompter, QWidget* parent)
{
    frmGlobal dialog(prompter, parent);
    prompter.modal(dialog);
}
