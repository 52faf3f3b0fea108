#include "document/Templates.h"

#include <QStringList>

QString defaultTemplate(const QByteArray& lineBreak)
{
    static const QStringList lines = {
        QStringLiteral("<!--This document was created with The Corvane Scrivant-->"),
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("<TITLE></TITLE>"),
        QStringLiteral("</HEAD>"),
        QStringLiteral("<BODY>"),
        QString(),
        QString(),
        QStringLiteral("</BODY>"),
        QString(),
        QStringLiteral("</HTML>"),
    };
    return lines.join(QString::fromLatin1(lineBreak));
}
