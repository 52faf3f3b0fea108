#include "document/AccentedEntities.h"

QString accentedEntity(QChar c)
{
    // Codes 192 to 255; empty names are the characters left as they are
    // (208, 215, 222, 223, 240, 247, 254).
    static const char* const names[64] = {
        "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
        "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
        "",       "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "",
        "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "",       "",
        "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
        "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
        "",       "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "",
        "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "",       "yuml",
    };
    const ushort code = c.unicode();
    if (code < 192 || code > 255 || names[code - 192][0] == '\0')
        return {};
    return QLatin1Char('&') + QLatin1String(names[code - 192]) + QLatin1Char(';');
}
