#pragma once
// The spelling window: the word the dictionary does not know, suggestions, and what to do
// with it. Shown modally, once for each word it asks about.

#include <QDialog>
#include <QRect>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmSpell : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Change, ChangeAll, Ignore, IgnoreAll, Add, Cancel };

    // suggest is asked once the window has shown: finding suggestions can take longer than
    // the user should wait for the window.
    frmSpell(const QString& word, std::function<QStringList()> suggest, QWidget* parent = nullptr);

    QLabel* lblNotInDictionary;
    QLineEdit* txtNotInDictionary;
    QLabel* lblChangeTo;
    QLineEdit* txtChangeTo;
    QLabel* lblSuggestions;
    QListWidget* lstSuggestions;
    QPushButton* cmdChange;
    QPushButton* cmdChangeAll;
    QPushButton* cmdIgnore;
    QPushButton* cmdIgnoreAll;
    QPushButton* cmdAdd;
    QPushButton* cmdCancel;

    Choice choice() const { return choice_; }
    QString replacement() const;
    // Fills the suggestions unless they are there already; the first one goes to Change To.
    void fillSuggestions();
    // The window opens where it leaves this part of the screen (the word asked about) in view.
    void keepClear(const QRect& globalArea) { clear_ = globalArea; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void choose(Choice choice);
    void moveClear();
    static constexpr int kGap = 8; // pixels between the word and the window

    std::function<QStringList()> suggest_;
    Choice choice_ = Choice::Cancel;
    bool filled_ = false;
    bool painted_ = false;
    QRect clear_;
};
