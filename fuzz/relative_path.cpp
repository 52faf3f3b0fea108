// RelativePath and ReplaceChar on any pair of paths (document path, then file path, one a
// line), checked against the steps as written: lower-case (Windows form), drop the root,
// strip the common folders, climb what is left of the document's.

#include "FuzzInput.h"

#include "dialogs/RelativeReference.h"

namespace {

struct Expected {
    QString text;
    bool rootMissing = false;
};

Expected reference(QString document, QString file)
{
    const QString& sample = file.isEmpty() ? document : file;
    const bool posix = sample.startsWith(QLatin1Char('/'));
    const QChar sep = posix ? QLatin1Char('/') : QLatin1Char('\\');
    if (!posix) {
        file = file.toLower();
        document = document.toLower();
    }
    Expected out;
    const auto dropRoot = [&](QString& path) {
        const qsizetype root = posix ? (path.startsWith(sep) ? 1 : -1) : (path.size() >= 3 ? 3 : -1);
        if (root < 0)
            out.rootMissing = true;
        else
            path = path.mid(root);
    };
    dropRoot(file);
    dropRoot(document);
    int levels = 0;
    for (;;) {
        const qsizetype p = file.indexOf(sep) + 1; // InStr: 0 when absent
        const qsizetype q = document.indexOf(sep) + 1;
        if (file.left(p) != document.left(q)) {
            for (qsizetype i = 1; i < document.size(); ++i)
                levels += document[i] == sep;
            break;
        }
        file = file.mid(p);
        document = document.mid(q);
        if (p == 0)
            break;
    }
    for (int i = 0; i < levels; ++i)
        out.text += QStringLiteral("..\\");
    for (QChar c : file)
        out.text += c == sep ? QChar(QLatin1Char('\\')) : c;
    return out;
}

void checkReplaceChar(const QString& text, QChar search, QChar replacement)
{
    QString replaced = text;
    ReplaceChar(replaced, search, replacement);
    QString expected;
    for (QChar c : text)
        expected += c == search ? replacement : c;
    fuzz::check(replaced == expected, "ReplaceChar", replaced, expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const auto f = fuzz::fields(data, size, 2);
    const QString document = fuzz::utf8(f[0]);
    const QString file = fuzz::utf8(f[1]);

    const RelativeReference got = relativeReference(document, file);
    const Expected expected = reference(document, file);
    fuzz::check(got.text == expected.text, "RelativePath", got.text, expected.text);
    fuzz::check(got.rootMissing == expected.rootMissing, "RelativePath: root missing");

    // The Forward Slashes box, both ways, on the reference and on what the user might type.
    checkReplaceChar(got.text, QLatin1Char('\\'), QLatin1Char('/'));
    checkReplaceChar(file, QLatin1Char('/'), QLatin1Char('\\'));
    return 0;
}
