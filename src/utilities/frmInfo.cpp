#include "utilities/frmInfo.h"

#include "utilities/WebTimer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmInfo::frmInfo(DialogHost& host, WebTimerState& state, SettingsStore& settings)
    : ElementDialog(QStringLiteral("frmInfo"), QStringLiteral("Web Timer - Info"), host), state_(state),
      settings_(settings)
{
    txtInfo = named<QPlainTextEdit>("txtInfo", this);
    txtInfo->setMinimumSize(320, 200);
    cmdClose = sideButton("cmdClose", QStringLiteral("C&lose"), this);
    cmdSave = sideButton("cmdSave", QStringLiteral("&Save Chages"), this);
    cmdCopy = sideButton("cmdCopy", QStringLiteral("&Copy"), this);
    cmdClearData = sideButton("cmdClearData", QStringLiteral("Clear &Data"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtInfo, 1);
    layout->addLayout(buttonRow({cmdSave, cmdCopy, cmdClearData, cmdClose}));

    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdSave, &QPushButton::clicked, this, &frmInfo::save);
    connect(cmdCopy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(txtInfo->toPlainText()); });
    connect(cmdClearData, &QPushButton::clicked, txtInfo, &QPlainTextEdit::clear);
}

void frmInfo::showLog()
{
    // The box breaks lines at LF; the log keeps CR LF between them.
    txtInfo->setPlainText(QString(state_.TimerLog).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void frmInfo::appendLine(const QString& line)
{
    txtInfo->appendPlainText(line);
}

void frmInfo::save()
{
    state_.TimerLog = txtInfo->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    writeTimerLog(settings_, state_.TimerLog);
}
