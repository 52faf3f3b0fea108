#pragma once
// The built-in page skeleton that Default Template and the New button start from.

#include <QByteArray>
#include <QString>

// Eleven lines joined by the document's line break, none after the last.
QString defaultTemplate(const QByteArray& lineBreak);
