#pragma once
// The page skeleton that Default Template and the New button start from, as the tests expect
// it: written out here independently of the program's own copy.

#include <QStringList>

inline const QStringList kPageSkeleton = {
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
