#include "app/Launch.h"
#include "app/SingleInstance.h"
#include "app/TemplateStore.h"
#include "app/UrlScheme.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>

namespace {
std::optional<QString> textOf(const char* url)
{
    const auto r = UrlScheme::parse(QString::fromUtf8(url));
    EXPECT_TRUE(r.has_value()) << url;
    return r ? r->text : std::nullopt;
}
} // namespace

TEST(UrlScheme, NewDocumentTextIsDecodedTwiceWhereItCanBe)
{
    EXPECT_EQ(textOf("brindlewick://new"), std::nullopt);
    EXPECT_EQ(textOf("brindlewick://new?text=Hello%20World"), "Hello World");
    EXPECT_EQ(textOf("brindlewick://new?text=100%25"), "100%"); // second decoding fails: first stands
    EXPECT_EQ(textOf("brindlewick://new?text=%2541"), "A");
    EXPECT_EQ(textOf("brindlewick://new?title=x&text=a&text=b"), "a");
    EXPECT_EQ(textOf("brindlewick://new?text=a+b"), "a+b");
    EXPECT_EQ(textOf("brindlewick://new?text=%F0%9F%98%80%0A%C3%A9"), QString::fromUtf8("😀\né"));
    EXPECT_EQ(textOf("brindlewick://new?text=%25C3"), "%C3");      // a lone UTF-8 lead byte is no text
    EXPECT_EQ(textOf("brindlewick://new?text"), std::nullopt);     // an item without a value
    EXPECT_EQ(textOf("brindlewick://new?text=%zz"), std::nullopt); // malformed query: a plain new document
    EXPECT_EQ(textOf("brindlewick://new/?text=x#frag"), "x");
}

TEST(UrlScheme, ATextStartingWithAByteOrderMarkKeepsIt)
{
    // U+FEFF is text here, not a mark about the bytes: a decoder would drop it at the start.
    EXPECT_EQ(textOf("brindlewick://new?text=%EF%BB%BFkept"), QString(QChar(0xFEFF)) + "kept");
    EXPECT_EQ(textOf("brindlewick://new?text=%25EF%25BB%25BF"), QString(QChar(0xFEFF)));
}

TEST(UrlScheme, OtherSchemesAndHostsOpenNothing)
{
    for (const char* url : {"brindlewick://open?text=a", "other://new?text=a", "file:///tmp/new", "BRINDLEWICK://new",
                            "brindlewick://New", "brindlewick://newer", "brindlewick:new", ""})
        EXPECT_FALSE(UrlScheme::parse(QString::fromUtf8(url))) << url;
}

TEST(TemplateStore, SevenTemplatesWithTheirExactBodies)
{
    const auto& all = TemplateStore::all();
    QStringList ids, names;
    for (const auto& t : all) {
        ids << t.id;
        names << t.name;
        EXPECT_FALSE(t.body.endsWith(u'\n')) << t.id.toStdString();
    }
    EXPECT_EQ(ids, QStringList({"blank", "notes", "readme", "blog", "journal", "todo", "table"}));
    EXPECT_EQ(names, QStringList({"Blank", "Meeting Notes", "README", "Blog Post", "Daily Journal", "To-Do List",
                                  "Table Starter"}));
    EXPECT_EQ(all[0].body, "");
    EXPECT_EQ(all[1].body, "# Meeting Notes\n\n**Date:** \n**Attendees:** \n**Topic:**\n\n## Agenda\n1.\n2.\n\n"
                           "## Discussion\n-\n\n## Action Items\n- [ ]\n- [ ]\n\n## Next Steps\n-");
    EXPECT_EQ(all[2].body, "# Project Name\n\nOne-line description of what this project does.\n\n## Features\n-\n-\n\n"
                           "## Installation\n```bash\n\n```\n\n## Usage\n```bash\n\n```\n\n## License\nMIT");
    EXPECT_EQ(all[3].body,
              "# Post Title\n\n*Published \n*\n\nOpening hook that draws the reader in.\n\n## Section One"
              "\n\nBody copy.\n\n## Section Two\n\nBody copy.\n\n## Conclusion\n\nWrap-up and call to action.");
    EXPECT_EQ(all[4].body, QString::fromUtf8("# Journal — \n\n\n## Highlights\n-\n\n## What I worked on\n-\n\n"
                                             "## Grateful for\n-\n\n## Tomorrow\n- [ ]"));
    EXPECT_EQ(all[5].body, "# To-Do\n\n## Today\n- [ ]\n- [ ]\n\n## This Week\n- [ ]\n\n## Someday\n- [ ]");
    EXPECT_EQ(all[6].body, "# Comparison\n\n| Option | Pros | Cons |\n| --- | --- | --- |\n|  |  |  |\n|  |  |  |");
}

TEST(TemplateStore, PendingTextIsTakenByExactlyOneDocument)
{
    EXPECT_EQ(TemplateStore::takePending(), "");
    TemplateStore::pending = "abc";
    EXPECT_EQ(TemplateStore::takePending(), "abc");
    EXPECT_EQ(TemplateStore::takePending(), "");
}

TEST(Launch, TheClosingPassTakesOnlyAnEmptyUntouchedStartWindow)
{
    using Launch::Origin;
    EXPECT_TRUE(Launch::closedByLaunchPass({Origin::StartWindow, false, false, true}));
    EXPECT_FALSE(Launch::closedByLaunchPass({Origin::StartWindow, true, false, true}));   // has a file
    EXPECT_FALSE(Launch::closedByLaunchPass({Origin::StartWindow, false, true, true}));   // typed into
    EXPECT_FALSE(Launch::closedByLaunchPass({Origin::StartWindow, false, false, false})); // holds text
    // A URL's or a template's untitled, unedited document is the user's: never closed.
    EXPECT_FALSE(Launch::closedByLaunchPass({Origin::Other, false, false, false}));
    EXPECT_FALSE(Launch::closedByLaunchPass({Origin::Other, false, false, true}));

    EXPECT_TRUE(Launch::showsWelcome(true, false, false));
    EXPECT_FALSE(Launch::showsWelcome(true, true, false)); // the session reopens instead
    EXPECT_FALSE(Launch::showsWelcome(true, false, true)); // files or URLs were named
    EXPECT_FALSE(Launch::showsWelcome(false, false, false));
}

TEST(Launch, ArgumentsBecomeAbsolutePathsOrUrls)
{
    using Kind = Launch::Item::Kind;
    const auto items = Launch::classify({"notes.md", "../a/b.md", "/abs/c.md", "file:///tmp/d%20e.md",
                                         "brindlewick://new?text=Hi", "odd:name.md", "", "https://x.org/"},
                                        "/home/u/docs");
    ASSERT_EQ(items.size(), 7);
    EXPECT_EQ(items[0].value, "/home/u/docs/notes.md");
    EXPECT_EQ(items[1].value, "/home/u/a/b.md");
    EXPECT_EQ(items[2].value, "/abs/c.md");
    EXPECT_EQ(items[3].value, "/tmp/d e.md");
    EXPECT_EQ(items[3].kind, Kind::File);
    EXPECT_EQ(items[4].kind, Kind::Url);
    EXPECT_EQ(items[5].value, "/home/u/docs/odd:name.md"); // a colon in a file name is no scheme
    EXPECT_EQ(items[6].kind, Kind::Url);                   // the handler skips what is not ours

    // Over the wire only absolute paths and URLs are taken.
    const auto back = Launch::fromStrings({"/abs/c.md", "relative.md", "brindlewick://new", "file:///etc/x"});
    ASSERT_EQ(back.size(), 2);
    EXPECT_EQ(back[0].value, "/abs/c.md");
    EXPECT_EQ(back[1].kind, Kind::Url);
}

TEST(SingleInstance, AMessageWhosePathHoldsNulIsRefused)
{
    const QString bom = QString(QChar(0xFEFF)) + "/notes.md";
    const QStringList items{"/tmp/a b.md", "brindlewick://new?text=%EF%BB%BF", bom};
    EXPECT_EQ(SingleInstance::decode(SingleInstance::encode(items).mid(8)), items);
    // A NUL would cut the path short where the file system reads it: another file opens.
    EXPECT_EQ(
        SingleInstance::decode(SingleInstance::encode({"/tmp/a.md", QString("/etc/x") + QChar(0) + ".md"}).mid(8)),
        std::nullopt);
    EXPECT_EQ(SingleInstance::decode(R"(["brindlewick://new?text=a\u0000b"])"), std::nullopt);

    // The frame around it: partial until whole, refused when foreign, oversized or followed by more.
    const QByteArray frame = SingleInstance::encode({"/a.md"});
    EXPECT_EQ(SingleInstance::readFrame(frame.left(5)).state, SingleInstance::Frame::State::Partial);
    EXPECT_EQ(SingleInstance::readFrame(frame).items, QStringList{"/a.md"});
    EXPECT_EQ(SingleInstance::readFrame(frame + "x").state, SingleInstance::Frame::State::Refused);
    EXPECT_EQ(SingleInstance::readFrame("GET /").state, SingleInstance::Frame::State::Refused);
    EXPECT_EQ(SingleInstance::readFrame(QByteArray("BWK1\xff\xff\xff\xff", 8)).state,
              SingleInstance::Frame::State::Refused);
}

TEST(SingleInstance, EachDisplayHasItsOwnProgram)
{
    const QByteArray display = qgetenv("DISPLAY"), wayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("DISPLAY", ":0");
    const QString first = SingleInstance::socketPath("/run/user/1");
    qputenv("DISPLAY", "host/../:1.0");
    const QString second = SingleInstance::socketPath("/run/user/1");
    EXPECT_NE(first, second);
    EXPECT_TRUE(second.startsWith("/run/user/1/brindlewick-")) << second.toStdString();
    EXPECT_FALSE(second.mid(12).contains('/')); // a display name never leaves the folder
    display.isNull() ? qunsetenv("DISPLAY") : qputenv("DISPLAY", display);
    if (!wayland.isNull()) qputenv("WAYLAND_DISPLAY", wayland);
}
