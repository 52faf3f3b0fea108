#include "utilities/frmSpell.h"

#include "dialogs/ElementDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

frmSpell::frmSpell(const QString& word, std::function<QStringList()> suggest, QWidget* parent)
    : QDialog(parent), suggest_(std::move(suggest))
{
    setObjectName(QStringLiteral("frmSpell"));
    setWindowTitle(QStringLiteral("Spelling"));
    setModal(true);
    centreWhenFirstShown(*this, [this] { moveClear(); });

    lblNotInDictionary = captionLabel("lblNotInDictionary", QStringLiteral("Not in Dictionary:"), this);
    txtNotInDictionary = named<QLineEdit>("txtNotInDictionary", word, this);
    txtNotInDictionary->setReadOnly(true);
    lblChangeTo = captionLabel("lblChangeTo", QStringLiteral("C&hange To:"), this);
    txtChangeTo = named<QLineEdit>("txtChangeTo", word, this);
    lblChangeTo->setBuddy(txtChangeTo);
    txtChangeTo->setFocus();
    lblSuggestions = captionLabel("lblSuggestions", QStringLiteral("Suggestio&ns:"), this);
    lstSuggestions = named<QListWidget>("lstSuggestions", this);
    lblSuggestions->setBuddy(lstSuggestions);
    lstSuggestions->setMinimumSize(200, 140);

    cmdChange = named<QPushButton>("cmdChange", QStringLiteral("&Change"), this);
    cmdChange->setDefault(true);
    cmdChangeAll = sideButton("cmdChangeAll", QStringLiteral("Change A&ll"), this);
    cmdIgnore = sideButton("cmdIgnore", QStringLiteral("&Ignore"), this);
    cmdIgnoreAll = sideButton("cmdIgnoreAll", QStringLiteral("I&gnore All"), this);
    cmdAdd = sideButton("cmdAdd", QStringLiteral("&Add to Dictionary"), this);
    cmdCancel = sideButton("cmdCancel", QStringLiteral("Cancel"), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblNotInDictionary, 0, 0);
    grid->addWidget(txtNotInDictionary, 0, 1);
    grid->addWidget(lblChangeTo, 1, 0);
    grid->addWidget(txtChangeTo, 1, 1);
    grid->addWidget(lblSuggestions, 2, 0, Qt::AlignTop);
    grid->addWidget(lstSuggestions, 2, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdChange, cmdChangeAll, cmdIgnore, cmdIgnoreAll, cmdAdd, cmdCancel})
        buttons->addWidget(b);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 3, 1);

    const std::pair<QPushButton*, Choice> choices[] = {
        {cmdChange, Choice::Change}, {cmdChangeAll, Choice::ChangeAll}, {cmdIgnore, Choice::Ignore},
        {cmdIgnoreAll, Choice::IgnoreAll}, {cmdAdd, Choice::Add}, {cmdCancel, Choice::Cancel}};
    for (const auto& [button, c] : choices)
        connect(button, &QPushButton::clicked, this, [this, c] { choose(c); });
    connect(lstSuggestions, &QListWidget::currentTextChanged, txtChangeTo, &QLineEdit::setText);
    connect(lstSuggestions, &QListWidget::itemDoubleClicked, this, [this] { choose(Choice::Change); });
}

QString frmSpell::replacement() const
{
    return txtChangeTo->text();
}

void frmSpell::fillSuggestions()
{
    if (filled_)
        return;
    filled_ = true;
    const QStringList list = suggest_ ? suggest_() : QStringList();
    const bool typed = txtChangeTo->text() != txtNotInDictionary->text();
    lstSuggestions->addItems(list);
    // What the user typed meanwhile stays.
    if (!list.isEmpty() && !typed)
        lstSuggestions->setCurrentRow(0);
}

void frmSpell::moveClear()
{
    const QRect frame = frameGeometry();
    if (clear_.isNull() || !frame.intersects(clear_) || !screen())
        return;
    const QRect screenArea = screen()->availableGeometry();
    const int below = clear_.bottom() + kGap;
    const int above = clear_.top() - kGap - frame.height();
    if (below + frame.height() <= screenArea.bottom())
        move(frame.left(), below);
    else if (above >= screenArea.top())
        move(frame.left(), above);
}

void frmSpell::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // After the first painting, so that the window is seen before the suggestions are sought.
    if (!painted_) {
        painted_ = true;
        QTimer::singleShot(0, this, &frmSpell::fillSuggestions);
    }
}

void frmSpell::choose(Choice choice)
{
    choice_ = choice;
    if (choice == Choice::Cancel)
        reject();
    else
        accept();
}
