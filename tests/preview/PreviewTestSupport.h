#pragma once
// What the preview tests share: the main window with every scripted answer asked for, saved
// documents in folders with awkward names, and the stand-in browser.

#include "support/TestApp.h"

#include "document/DocumentEditor.h"
#include "preview/PreviewCommands.h"

#include <QDir>
#include <QFile>
#include <QTest>

class PreviewAppTest : public AppTest {
protected:
    void TearDown() override { EXPECT_EQ(prompter.pending(), 0u) << "a scripted answer was never asked for"; }

    // A document saved at files/<relative>, opened, holding text.
    QString openSaved(const QString& relative, const QByteArray& text)
    {
        const QString full = files.filePath(relative);
        QDir().mkpath(QFileInfo(full).path());
        writeFile(relative, text);
        prompter.answerOpen(full);
        trigger(QStringLiteral("mnuOpen"));
        return QFileInfo(full).absoluteFilePath();
    }

    // The stand-in browser, installed at a path with a space, chosen as the browser; returns
    // where it records how it was started.
    QString chooseStandInBrowser()
    {
        const QString folder = files.filePath(QStringLiteral("my browser"));
        QDir().mkpath(folder);
        const QString program = folder + QStringLiteral("/stand in");
        QFile::copy(QStringLiteral(SCRIVANT_TESTS_DIR "/preview/stand-in-browser.sh"), program);
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        window->preferences().browser = program;
        window->preferences().reloadFlag = true; // as choosing it by its command does
        const QString record = files.filePath(QStringLiteral("browser-record"));
        qputenv("SCRIVANT_BROWSER_RECORD", QFile::encodeName(record));
        return record;
    }

    // The arguments the stand-in browser was started with, once it has written them.
    QStringList browserArguments(const QString& record)
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(record); }, 10000)) << "the browser never started";
        QStringList lines = QString::fromUtf8(readFile(record)).split(QLatin1Char('\n'));
        lines.removeLast(); // after the last line break
        QFile::remove(record);
        if (lines.isEmpty() || lines.takeFirst().toInt() != lines.size())
            ADD_FAILURE() << "the record is not whole";
        return lines;
    }
};
