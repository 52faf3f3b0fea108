#pragma once
// What the dialog tests share: readable text in failures, a main window fixture that opens a
// dialog, finds its controls and gives it documents to insert into, and a scripted image chooser.

#include "support/TestApp.h"

#include "dialogs/frmImage.h"
#include "document/DocumentEditor.h"
#include "document/frmTemplate.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include <ostream>

// Failures show the text rather than its code units.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Queues the image chooser's answer: go to folder, pick the file called name, press OK.
inline void answerImageChooser(ScriptedPrompter& prompter, const QString& folder, const QString& name)
{
    prompter.answerModal([folder, name](QDialog& dialog) {
        auto& chooser = dynamic_cast<frmImage&>(dialog);
        EXPECT_TRUE(chooser.setFolderPath(folder));
        const QList<QListWidgetItem*> items = chooser.File1->findItems(name, Qt::MatchExactly);
        EXPECT_EQ(items.size(), 1) << name.toStdString();
        if (!items.isEmpty())
            chooser.File1->setCurrentItem(items.first());
        chooser.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        return chooser.result();
    });
}

// The main window with the dialogs it opens; every scripted answer must be asked for.
class DialogAppTest : public AppTest {
protected:
    void TearDown() override { EXPECT_EQ(prompter.pending(), 0u) << "a scripted answer was never asked for"; }

    // The shown dialog of type D.
    template <typename D> D* shown()
    {
        D* found = nullptr;
        for (D* d : window->findChildren<D*>())
            if (d->isVisible())
                found = d;
        EXPECT_NE(found, nullptr);
        return found;
    }
    // Opens D through a menu command.
    template <typename D> D* openByCommand(const QString& command)
    {
        trigger(command);
        return shown<D>();
    }
    // Opens D as the main window opens its dialogs, by name.
    template <typename D> D* openDialog(const char* name)
    {
        window->showDialog(QString::fromUtf8(name), [](DialogHost& h) { return new D(h); });
        QApplication::processEvents();
        return shown<D>();
    }

    template <typename T> T* control(QWidget* dialog, const char* name)
    {
        T* w = dialog->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Lets a closed dialog be deleted; true when it is gone.
    static bool closedAndGone(QObject* dialog) { return isDeleted(QPointer<QObject>(dialog)); }

    // The named controls Tab visits, in order, from the dialog round to the dialog again; a
    // box's inner editor counts as the box.
    static QStringList tabOrder(QWidget* dialog)
    {
        QStringList names;
        for (QWidget* w = dialog->nextInFocusChain(); w && w != dialog; w = w->nextInFocusChain()) {
            if (!(w->focusPolicy() & Qt::TabFocus))
                continue;
            QWidget* control = qobject_cast<QComboBox*>(w->parentWidget()) ? w->parentWidget() : w;
            if (!control->objectName().isEmpty() && !control->objectName().startsWith(QLatin1String("qt_"))
                && (names.isEmpty() || names.last() != control->objectName()))
                names << control->objectName();
        }
        return names;
    }

    static QStringList entries(const QComboBox* box)
    {
        QStringList all;
        for (int i = 0; i < box->count(); ++i)
            all << box->itemText(i);
        return all;
    }

    // A new document holding "a Word b" with Word selected.
    frmTemplate* documentWithSelection(const QByteArray& lineBreak = "\n")
    {
        trigger(QStringLiteral("mnuNew"));
        window->activeDocument()->setLineBreak(lineBreak);
        editor()->setWholeText(QStringLiteral("a Word b"));
        editor()->setSelection(2, 4);
        return window->activeDocument();
    }

    // The same text saved at files/web/sub/page.html, opened, Word selected.
    void openSavedDocument()
    {
        QDir(files.path()).mkpath(QStringLiteral("web/sub"));
        prompter.answerOpen(writeFile(QStringLiteral("web/sub/page.html"), "a Word b"));
        trigger(QStringLiteral("mnuOpen"));
        ASSERT_TRUE(editor());
        editor()->setSelection(2, 4);
    }

    // A saved document site/index.htm holding text, with an empty folder subfolder beside it.
    void openSiteDocument(const QByteArray& text, const QString& subfolder)
    {
        site = QDir(files.path()).canonicalPath() + QStringLiteral("/site");
        QDir().mkpath(site + QLatin1Char('/') + subfolder);
        writeFile(QStringLiteral("site/index.htm"), text);
        prompter.answerOpen(site + QStringLiteral("/index.htm"));
        trigger(QStringLiteral("mnuOpen"));
        ASSERT_TRUE(editor());
    }

    // Every character of the range shows in the tag colour a fresh settings store gives.
    void expectTagColour(int from, int length)
    {
        for (int i = from; i < from + length; ++i)
            ASSERT_EQ(editor()->colorAt(i), QColor(0, 0, 255)) << "at " << i;
    }

    QString site; // the folder of openSiteDocument
};
