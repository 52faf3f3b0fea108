#include "dialogs/RelativeReference.h"

#include <QStringView>

namespace {

const QChar kBackslash = QLatin1Char('\\');
const QChar kSlash = QLatin1Char('/');

// Windows-form paths ("C:\Web\Logo.gif") fold case and lose drive, colon and backslash;
// POSIX paths keep their case, since Linux names are case-sensitive, and lose the leading "/".
struct PathForm {
    bool foldCase;
    QChar separator;
};
const PathForm kWindowsForm{true, kBackslash};
const PathForm kPosixForm{false, kSlash};

PathForm formOf(const QString& documentPath, const QString& filePath)
{
    const QString& sample = filePath.isEmpty() ? documentPath : filePath;
    return sample.startsWith(kSlash) ? kPosixForm : kWindowsForm;
}

// Drops the root part; false, leaving the path as it is, when it has none to drop.
bool dropRoot(QString& path, const PathForm& form)
{
    if (form.separator == kSlash) {
        if (!path.startsWith(kSlash))
            return false;
        path.remove(0, 1);
        return true;
    }
    if (path.size() < 3)
        return false;
    path.remove(0, 3);
    return true;
}

} // namespace

void ReplaceChar(QString& text, QChar search, QChar replacement)
{
    text.replace(search, replacement, Qt::CaseSensitive);
}

RelativeReference relativeReference(const QString& documentPath, const QString& filePath)
{
    const PathForm form = formOf(documentPath, filePath);
    const QChar sep = form.separator;
    QString file = form.foldCase ? filePath.toLower() : filePath;
    QString document = form.foldCase ? documentPath.toLower() : documentPath;

    // Each root is dropped on its own: the drives are never compared, and a missing one (a
    // never-saved document) still leaves a usable reference, which the caller reports.
    bool failed = !dropRoot(file, form);
    failed = !dropRoot(document, form) || failed;

    // Strip the folders both paths share; the document's remaining folders are the levels to
    // climb. Whole names with their separator are compared, so "web\" never matches "web2\".
    // A separator leading what is left (a doubled one after the root) is no level.
    qsizetype levels = 0;
    for (;;) {
        const qsizetype p = file.indexOf(sep) + 1;
        const qsizetype q = document.indexOf(sep) + 1;
        if (QStringView(file).left(p) != QStringView(document).left(q)) {
            levels = QStringView(document).mid(1).count(sep);
            break;
        }
        file.remove(0, p);
        document.remove(0, q);
        if (p == 0)
            break;
    }

    if (sep != kBackslash)
        ReplaceChar(file, sep, kBackslash);
    return {QStringLiteral("..\\").repeated(levels) + file, failed};
}
