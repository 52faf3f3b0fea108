// The rules of upload that need no server: remote names, histories, the server box and the
// addresses and paths files are sent to.

#include "platform/FtpAddress.h"
#include "upload/UploadRules.h"

#include <gtest/gtest.h>

namespace {

TEST(UploadRules, RemoteNameIsTheTextAfterTheLastSlashOrBackslash)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/home/ann/site/index.html", "index.html"}, {"C:\\web\\page.htm", "page.htm"},
        {"page.htm", "page.htm"},                    {"/mixed\\dir/a\\b.htm", "b.htm"},
        {"/home/ann/site/", ""},                     {"", ""},
    };
    for (const auto& [entry, name] : cases)
        EXPECT_EQ(remoteFileName(QString::fromUtf8(entry)), QString::fromUtf8(name)) << entry;
}

TEST(UploadRules, HistoryPutsTheNewTextOnTopKeepingEqualEntriesAndNoEmptyOne)
{
    QStringList history;
    for (const char* typed : {"a.example", "b.example", "b.example", "", "a.example"})
        history = withHistoryEntry(history, QString::fromUtf8(typed));
    EXPECT_EQ(history, (QStringList{"a.example", "b.example", "b.example", "a.example"}));
}

TEST(UploadRules, LineBreaksAndNulInRemoteTextAreRefused)
{
    EXPECT_TRUE(isSafeRemoteText(QStringLiteral("my page (1).htm")));
    for (const QString& bad : {QStringLiteral("a\r\nDELE b"), QStringLiteral("a\nb"), QStringLiteral("a\rb"),
                              QStringLiteral("a") + QChar(0)})
        EXPECT_FALSE(isSafeRemoteText(bad)) << bad.toStdString();
}

TEST(UploadRules, ServerBoxTakesHostPortAndTheThreeSchemes)
{
    struct Case {
        const char* text;
        UploadProtocol protocol;
        const char* host;
        int port;
    };
    const Case good[] = {
        {"ftp.example.com", UploadProtocol::Ftp, "ftp.example.com", 0},
        {" ftp.example.com:2121 ", UploadProtocol::Ftp, "ftp.example.com", 2121},
        {"ftp://127.0.0.1/", UploadProtocol::Ftp, "127.0.0.1", 0},
        {"FTPS://secure.example:990", UploadProtocol::Ftps, "secure.example", 990},
        {"sftp://host", UploadProtocol::Sftp, "host", 0},
        {"[::1]:21", UploadProtocol::Ftp, "::1", 21},
    };
    for (const Case& c : good) {
        const auto address = parseServerAddress(QString::fromUtf8(c.text));
        ASSERT_TRUE(address) << c.text;
        EXPECT_EQ(address->protocol, c.protocol) << c.text;
        EXPECT_EQ(address->host, QString::fromUtf8(c.host)) << c.text;
        EXPECT_EQ(address->port, c.port) << c.text;
    }
    for (const char* bad : {"", "http://host", "user:pw@host", "host/path", "host:0", "host:70000", "host\r\nx", "a b"}) {
        QString error;
        EXPECT_FALSE(parseServerAddress(QString::fromUtf8(bad), &error)) << bad;
        EXPECT_FALSE(error.isEmpty()) << bad;
    }
}

TEST(UploadRules, AddressesAreRelativeToTheLogInFolderUnlessAbsoluteAndEncoded)
{
    const ServerAddress ftp{UploadProtocol::Ftps, QStringLiteral("h"), 2121};
    const ServerAddress sftp{UploadProtocol::Sftp, QStringLiteral("::1"), 0};
    struct Case {
        const ServerAddress* server;
        const char* folder;
        const char* name;
        const char* url;
        const char* path;
    };
    const Case cases[] = {
        {&ftp, "", "a.htm", "ftp://h:2121/a.htm", "a.htm"},
        {&ftp, "www/sub/", "my page#1.htm", "ftp://h:2121/www/sub/my%20page%231.htm", "www/sub/my page#1.htm"},
        {&ftp, "/var/www", "a.htm", "ftp://h:2121/%2F/var/www/a.htm", "/var/www/a.htm"},
        {&ftp, "www", "", "ftp://h:2121/www/", "www/"},
        {&sftp, "", "a.htm", "sftp://[::1]/~/a.htm", "/~/a.htm"},
        {&sftp, "/srv/web", "a.htm", "sftp://[::1]/srv/web/a.htm", "/srv/web/a.htm"},
        {&sftp, "", "", "sftp://[::1]/~/", "/~/"},
    };
    for (const Case& c : cases) {
        const QString folder = QString::fromUtf8(c.folder), name = QString::fromUtf8(c.name);
        EXPECT_EQ(remoteUrl(*c.server, folder, name), QString::fromUtf8(c.url)) << c.folder << " " << c.name;
        EXPECT_EQ(remotePath(c.server->protocol, folder, name), QString::fromUtf8(c.path)) << c.folder << " " << c.name;
    }
}

} // namespace
