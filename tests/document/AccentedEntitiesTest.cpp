#include "document/AccentedEntities.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// The HTML 2.0 ISO Latin-1 names of the accented letters, written out from the standard's
// list (not from the program's table).
const std::map<char16_t, const char*> kEntities = {
    {u'À', "Agrave"}, {u'Á', "Aacute"}, {u'Â', "Acirc"},  {u'Ã', "Atilde"}, {u'Ä', "Auml"},
    {u'Å', "Aring"},  {u'Æ', "AElig"},  {u'Ç', "Ccedil"}, {u'È', "Egrave"}, {u'É', "Eacute"},
    {u'Ê', "Ecirc"},  {u'Ë', "Euml"},   {u'Ì', "Igrave"}, {u'Í', "Iacute"}, {u'Î', "Icirc"},
    {u'Ï', "Iuml"},   {u'Ñ', "Ntilde"}, {u'Ò', "Ograve"}, {u'Ó', "Oacute"}, {u'Ô', "Ocirc"},
    {u'Õ', "Otilde"}, {u'Ö', "Ouml"},   {u'Ø', "Oslash"}, {u'Ù', "Ugrave"}, {u'Ú', "Uacute"},
    {u'Û', "Ucirc"},  {u'Ü', "Uuml"},   {u'Ý', "Yacute"}, {u'à', "agrave"}, {u'á', "aacute"},
    {u'â', "acirc"},  {u'ã', "atilde"}, {u'ä', "auml"},   {u'å', "aring"},  {u'æ', "aelig"},
    {u'ç', "ccedil"}, {u'è', "egrave"}, {u'é', "eacute"}, {u'ê', "ecirc"},  {u'ë', "euml"},
    {u'ì', "igrave"}, {u'í', "iacute"}, {u'î', "icirc"},  {u'ï', "iuml"},   {u'ñ', "ntilde"},
    {u'ò', "ograve"}, {u'ó', "oacute"}, {u'ô', "ocirc"},  {u'õ', "otilde"}, {u'ö', "ouml"},
    {u'ø', "oslash"}, {u'ù', "ugrave"}, {u'ú', "uacute"}, {u'û', "ucirc"},  {u'ü', "uuml"},
    {u'ý', "yacute"}, {u'ÿ', "yuml"},
};

} // namespace

TEST(AccentedEntity, namesEachOfTheFiftySevenLetters)
{
    ASSERT_EQ(kEntities.size(), 57u);
    for (const auto& [code, name] : kEntities) {
        SCOPED_TRACE(int(code));
        EXPECT_EQ(accentedEntity(QChar(code)), QStringLiteral("&%1;").arg(QLatin1String(name)));
    }
}

TEST(AccentedEntity, leavesEveryOtherCharacterAlone)
{
    // Eth, multiplication sign, Thorn, sharp s, eth, division sign, thorn, and the codes
    // just outside the range.
    for (const char16_t code : {208, 215, 222, 223, 240, 247, 254, 191, 256}) {
        SCOPED_TRACE(int(code));
        EXPECT_EQ(accentedEntity(QChar(code)), QString());
    }
    // Nor anything else in the basic plane (look-alike letters such as U+0152 or U+1EBD included).
    for (int code = 0; code <= 0xFFFF; ++code) {
        if (!kEntities.contains(char16_t(code))) {
            ASSERT_EQ(accentedEntity(QChar(char16_t(code))), QString()) << code;
        }
    }
}
