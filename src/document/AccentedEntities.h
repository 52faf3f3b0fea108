#pragma once
// The accented Latin-1 letters that Convert Characters turns into named entities.

#include <QChar>
#include <QString>

// "&eacute;" for small e acute, and so on; empty for any other character.
QString accentedEntity(QChar c);
