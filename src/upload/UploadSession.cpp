#include "upload/UploadSession.h"

#include "platform/FtpClient.h"
#include "upload/UploadRules.h"

#include <QMetaObject>

UploadSession::UploadSession(FtpClient& client, QObject* parent) : QObject(parent), client_(client)
{
    connect(&client_, &FtpClient::finished, this, &UploadSession::stepFinished);
}

void UploadSession::start(const UploadRequest& request)
{
    request_ = request;
    nextFile_ = 0;
    QString refused;
    if (!isSafeRemoteText(request.folder))
        refused = QStringLiteral("The remote folder contains a line break");
    for (const QString& file : request.files)
        if (refused.isEmpty() && !isSafeRemoteText(remoteFileName(file)))
            refused = QStringLiteral("The remote name of %1 contains a line break").arg(file.simplified());
    if (!refused.isEmpty()) {
        stage_ = Stage::Sending;
        QMetaObject::invokeMethod(this, [this, refused] { end(false, refused); }, Qt::QueuedConnection);
        return;
    }
    stage_ = Stage::Opening;
    client_.open(request.server, request.user, request.password);
}

void UploadSession::stepFinished(bool ok, const QString& error)
{
    if (stage_ == Stage::Idle)
        return;
    if (!ok) {
        end(false, error);
        return;
    }
    if (stage_ == Stage::Opening && !request_.folder.isEmpty()) {
        stage_ = Stage::ChangingFolder;
        client_.changeDirectory(request_.folder);
        return;
    }
    stage_ = Stage::Sending;
    sendNext();
}

void UploadSession::sendNext()
{
    if (nextFile_ >= request_.files.size()) {
        end(true, QString());
        return;
    }
    const QString file = request_.files.at(nextFile_++);
    client_.sendFile(file, remoteFileName(file));
}

void UploadSession::end(bool ok, const QString& error)
{
    stage_ = Stage::Idle;
    client_.quit();
    if (ok)
        emit succeeded();
    else
        emit failed(error);
}
