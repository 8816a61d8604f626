#include "render/MarkdownHTMLRenderer.h"

#include "render/MarkdownSoup.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

// The body of every document in a fixed corpus, compared by digest with the body the
// renderer gave when the digests were written: real documents kept in
// tests/fixtures/render and generated ones that sit on every edge of the dialect. A change
// that means to alter the output writes the digests again:
//   BW_RENDER_DIGESTS_WRITE=1 bw_core_tests --gtest_filter='RenderCorpus.*'
// and says in its commit what changed.

namespace {

const QString kFolder = QStringLiteral(BW_SOURCE_DIR "/tests/fixtures/render");

QMap<QString, QString> corpus()
{
    QMap<QString, QString> docs;
    for (const QString& name : QDir(kFolder).entryList({QStringLiteral("*.md")}, QDir::Files)) {
        QFile f(kFolder + u'/' + name);
        if (f.open(QIODevice::ReadOnly)) docs.insert(name, QString::fromUtf8(f.readAll()));
    }
    for (uint32_t seed = 1; seed <= 600; ++seed)
        docs.insert(QStringLiteral("soup-%1").arg(seed, 4, 10, QChar(u'0')),
                    MarkdownSoup(seed).document(int(10 + seed % 90)));
    return docs;
}

// The digest of the UTF-16 text itself: a lone surrogate must count as what it is.
QString digest(const QString& html)
{
    const QByteArray bytes(reinterpret_cast<const char*>(html.utf16()), html.size() * 2);
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace

TEST(RenderCorpus, EveryBodyIsAsItWas)
{
    const QString digestsPath = kFolder + QStringLiteral("/digests.txt");
    const QMap<QString, QString> docs = corpus();
    QMap<QString, QString> now;
    for (auto it = docs.cbegin(); it != docs.cend(); ++it)
        now.insert(it.key(), digest(MarkdownHTMLRenderer::renderBody(it.value())));

    if (qEnvironmentVariableIsSet("BW_RENDER_DIGESTS_WRITE")) {
        QFile out(digestsPath);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (auto it = now.cbegin(); it != now.cend(); ++it) out.write((it.key() + u' ' + it.value() + u'\n').toUtf8());
        GTEST_SKIP() << "digests written to " << digestsPath.toStdString();
    }

    QFile in(digestsPath);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QMap<QString, QString> expected;
    for (const QByteArray& line : in.readAll().split('\n'))
        if (const QList<QByteArray> parts = line.split(' '); parts.size() == 2)
            expected.insert(QString::fromUtf8(parts[0]), QString::fromUtf8(parts[1]));
    EXPECT_EQ(expected.size(), now.size());
    QStringList changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (expected.value(it.key()) != it.value()) changed << it.key();
    EXPECT_TRUE(changed.isEmpty()) << changed.size() << " bodies changed: " << changed.join(u' ').toStdString();
}
