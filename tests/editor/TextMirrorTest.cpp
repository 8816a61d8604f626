#include "editor/TextMirror.h"

#include "editor/EditorTextView.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// A view over styled text, as the editor's is: revisions, edits since one, and copies of
// ranges that are counted.
class StorageView : public EditorTextView {
public:
    explicit StorageView(const QString& text) { storage.setText(text); }

    QString text() const override { return storage.copyText(); }
    int textLength() const override { return storage.length(); }
    QString copyOfRange(TextRange r) const override
    {
        copied += r.length;
        return storage.copyText(r.location, r.end());
    }
    std::uint64_t textRevision() const override { return storage.textRevision(); }
    std::optional<AttributedText::TextChange> textChangeSince(std::uint64_t revision) const override
    {
        return storage.textChangeSince(revision);
    }
    TextRange selectedRange() const override { return {}; }
    void setSelectedRange(TextRange) override {}
    bool replaceRange(TextRange range, const QString& replacement) override
    {
        storage.replaceCharacters(range, replacement);
        return true;
    }
    void scrollRangeToVisible(TextRange) override {}

    AttributedText storage;
    mutable qsizetype copied = 0;
};

QString filler(qsizetype units)
{
    QString s;
    for (int i = 0; s.size() < units; ++i) s += QStringLiteral("line %1 of the text\n").arg(i);
    return s.left(units);
}

} // namespace

// Catching up after typing copies about what was typed, and a snapshot taken earlier keeps
// its text while the copy follows later edits.
TEST(TextMirror, CatchingUpCopiesWhatChangedAndSnapshotsStayAsTaken)
{
    StorageView view(filler(5 * TextMirror::kPieceUnits + 123));
    TextMirror mirror;
    int steps = 1;
    while (!mirror.catchUp(view, 100'000)) ++steps;
    EXPECT_EQ(steps, 4);
    EXPECT_EQ(TextMirror::join(mirror.snapshot().pieces), view.text());
    const TextMirror::Snapshot before = mirror.snapshot();
    const QString textBefore = view.text();

    view.replaceRange(TextRange(200'000, 0), QStringLiteral("typed"));
    view.replaceRange(TextRange(200'003, 4), QString());
    view.copied = 0;
    ASSERT_TRUE(mirror.catchUp(view, 100'000));
    EXPECT_LE(view.copied, 10);
    EXPECT_EQ(TextMirror::join(mirror.snapshot().pieces), view.text());
    EXPECT_EQ(mirror.snapshot().revision, view.textRevision());
    EXPECT_EQ(TextMirror::join(before.pieces), textBefore);
    EXPECT_TRUE(mirror.catchUp(view, 1)); // nothing changed since
}

// Edits anywhere, between steps of any size, with the copy half made or whole: whenever it
// says it is whole, it is the view's text.
TEST(TextMirror, FollowsEditsBetweenItsSteps)
{
    std::mt19937 rng(26);
    StorageView view(filler(3 * TextMirror::kPieceUnits));
    TextMirror mirror;
    int whole = 0;
    for (int round = 0; round < 600; ++round) {
        const int length = view.textLength();
        const int at = int(rng() % unsigned(length + 1));
        const int removed = std::min(length - at, int(rng() % 3 == 0 ? rng() % 90'000 : rng() % 8));
        const QString inserted =
            rng() % 4 == 0 ? filler(rng() % 70'000) : QString(int(rng() % 6), QChar(u'a' + round % 26));
        view.replaceRange(TextRange(at, removed), inserted);
        if (rng() % 3 == 0) continue; // several edits before the next step
        if (mirror.catchUp(view, qsizetype(1 + rng() % 150'000))) {
            ++whole;
            ASSERT_EQ(TextMirror::join(mirror.snapshot().pieces), view.text()) << "round " << round;
            for (const QString& piece : mirror.snapshot().pieces) ASSERT_LE(piece.size(), TextMirror::kPieceUnits);
        }
    }
    EXPECT_GT(whole, 100);
    view.storage.setText(QStringLiteral("all new"));
    while (!mirror.catchUp(view, 3)) {}
    EXPECT_EQ(TextMirror::join(mirror.snapshot().pieces), "all new");
}

// A key typed at the end, copied by a patch, then a paste at the end longer than a step:
// the copy goes on after the typed key, not from where the text ended before it.
TEST(TextMirror, APasteAtTheEndAfterTypingThereIsCopiedOnce)
{
    StorageView view(filler(1000));
    TextMirror mirror;
    ASSERT_TRUE(mirror.catchUp(view, 100'000));
    view.replaceRange(TextRange(view.textLength(), 0), QStringLiteral("x"));
    ASSERT_TRUE(mirror.catchUp(view, 100'000));
    view.replaceRange(TextRange(view.textLength(), 0), filler(250'000));
    while (!mirror.catchUp(view, 100'000)) {}
    EXPECT_EQ(TextMirror::join(mirror.snapshot().pieces).size(), view.textLength());
    EXPECT_EQ(TextMirror::join(mirror.snapshot().pieces), view.text());
}
