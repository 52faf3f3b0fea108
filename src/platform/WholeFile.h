#pragma once
// Writing a whole file so that it is either complete or not there at all.

#include <QByteArray>
#include <QString>

class QFileDevice;

// Writes bytes to path through a temporary file in its folder, which takes the path's place
// only once everything is on disk. Returns why it failed (the path then stays as it was), or
// an empty text. ownerOnly makes the file readable by its owner alone from the start.
QString writeWholeFile(const QString& path, const QByteArray& bytes, bool ownerOnly = false);

// Why writing to file failed, to be asked at once after the failing call. Qt reports a write
// cut short by a full disk with no error of its own ("Unknown error"): the system's is used.
QString writeFailure(const QFileDevice& file);
