#include "styling/CodeTokenizer.h"

#include <gtest/gtest.h>

using namespace CodeTokenizer;

namespace {

// "kind:text" for every token, for compact expectations.
QStringList tokens(const QString& code, const QString& lang)
{
    QStringList out;
    for (const Token& t : scan(code, lang)) out << rawValue(t.kind) + ":" + code.mid(t.range.location, t.range.length);
    return out;
}

} // namespace

TEST(CodeTokenizer, LanguageChoiceAndKeywords)
{
    EXPECT_TRUE(scan("", "swift").isEmpty());
    // Unknown and empty names: "//" and "#" comments, block comments, three quotes.
    for (const QString& lang : {QString("nosuch"), QString(), QString(" js")})
        EXPECT_EQ(tokens("if x // c\n# d\n/* e */ `f`", lang),
                  QStringList({"kw:if", "com:// c", "com:# d", "com:/* e */", "str:`f`"}));
    EXPECT_EQ(tokens("SELECT a FROM t", "SQL"), QStringList({"kw:SELECT", "kw:FROM"}));
    EXPECT_EQ(tokens("none None", "Python"), QStringList({"kw:None"}));
    EXPECT_EQ(tokens("@escaping", "swift"), QStringList()); // the "@" attribute never matches a word
    EXPECT_EQ(tokens("true yes", "yml"), QStringList({"kw:true", "kw:yes"}));
}

TEST(CodeTokenizer, NumbersAndWords)
{
    EXPECT_EQ(tokens("0X1F", "c"), QStringList({"num:0"}));
    EXPECT_EQ(tokens("0x1F 1e10 123abc .5 .", "c"), QStringList({"num:0x1F", "num:1e10", "num:123abc", "num:.5"}));
    EXPECT_EQ(tokens("x1 $y _z", "js"), QStringList());
}

TEST(CodeTokenizer, CommentsAndStrings)
{
    EXPECT_EQ(tokens("a /* b */ c /*/ d", "c"), QStringList({"com:/* b */", "com:/*/ d"}));
    EXPECT_EQ(tokens("'a\nb `c\\\nd` \"e\\\"f\"", "js"), QStringList({"str:'a", "str:`c\\\nd`", "str:\"e\\\"f\""}));
    EXPECT_EQ(tokens("x = \"", "c"), QStringList({"str:\""}));
    EXPECT_EQ(tokens("<p>it's here\nnext</p> <!-- c", "html"), QStringList({"str:'s here", "com:<!-- c"}));
    EXPECT_EQ(tokens("-- note\nselect", "sql"), QStringList({"com:-- note", "kw:select"}));
}

TEST(CodeTokenizer, CrLfEndsCommentsAndStrings)
{
    // A CR LF pair is one character; it still ends a line comment or a quoted string.
    EXPECT_EQ(tokens("// a\r\nreturn 'b\r\nc'", "js"), QStringList({"com:// a", "kw:return", "str:'b", "str:'"}));
}

TEST(CodeTokenizer, OffsetsAreUtf16AcrossGraphemes)
{
    const QString code = QString::fromUtf8("\xF0\x9F\x98\x80 e\xCC\x81 if");
    const QList<Token> t = scan(code, "js");
    ASSERT_EQ(t.size(), 1);
    EXPECT_EQ(t[0].range, TextRange(6, 2)); // emoji (2 units), space, e + accent (2), space
    EXPECT_EQ(t[0].kind, Kind::Keyword);
}

TEST(CodeTokenizer, KindNamesRoundTrip)
{
    EXPECT_EQ(kindFromRawValue("kw"), Kind::Keyword);
    EXPECT_FALSE(kindFromRawValue("x").has_value());
}
