#include "platform/KeptAside.h"
#include "TestFiles.h"
#include "platform/FileSizeLimit.h"
#include "platform/Logging.h"
#include "platform/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Each unreadable value is kept once, by its content (two of the same length are two
// copies), and a copy the disk cannot hold is never left as an empty file passed off as kept.
TEST(KeptAside, EachValueIsKeptOnceWholeOrNotAtAll)
{
    QTemporaryDir dir;
    Settings s(dir.filePath("s.ini"));
    const QString a = KeptAside::keep(s, "themes", "[broken one]", lcSettings);
    const QString b = KeptAside::keep(s, "themes", "[broken two]", lcSettings);
    ASSERT_FALSE(a.isEmpty());
    ASSERT_FALSE(b.isEmpty());
    EXPECT_NE(a, b);
    EXPECT_EQ(fileBytes(a), "[broken one]");
    EXPECT_EQ(fileBytes(b), "[broken two]");
    EXPECT_EQ(KeptAside::keep(s, "themes", "[broken one]", lcSettings), a);

    const QByteArray large(4000, 'x');
    EXPECT_EQ(underFileSizeLimit(1000, [&] { return !KeptAside::keep(s, "presets", large, lcRender).isEmpty(); }),
              false);
    EXPECT_EQ(QDir(KeptAside::folder(s)).entryList(QDir::Files | QDir::Hidden).size(), 2); // the two above
}
