#pragma once
// Where an upload goes: the server and protocol, and the path and address of a remote file.

#include <QString>

enum class UploadProtocol { Ftp, Ftps, Sftp };

struct ServerAddress {
    UploadProtocol protocol = UploadProtocol::Ftp;
    QString host; // as typed; an IPv6 address without its brackets
    int port = 0; // 0: the protocol's own
};

// The path of name in folder as the protocol's commands take it: for FTP relative to where the
// log-in starts unless folder begins with "/"; for SFTP always absolute, "/~/" being that
// starting folder. An empty name gives the folder itself.
QString remotePath(UploadProtocol protocol, const QString& folder, const QString& name);

// The address of name in folder on the server, percent-encoded: folder is relative to where
// the log-in starts unless it begins with "/"; an empty folder is that starting folder. An
// empty name gives the folder itself (ending in "/").
QString remoteUrl(const ServerAddress& server, const QString& folder, const QString& name);

// The name a file is sent under until it is complete: hidden, and beside the real one.
QString temporaryRemoteName(const QString& name);
