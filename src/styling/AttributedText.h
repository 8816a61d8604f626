#pragma once

#include "platform/TextRange.h"
#include "styling/AttributeSets.h"
#include "styling/RunTable.h"
#include "styling/TextAttributes.h"
#include "styling/TextGapBuffer.h"

#include <QString>
#include <QStringView>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

// A text with attribute runs over UTF-16 ranges: the headless counterpart of a
// styled text storage. The runs always cover the whole text without gaps; an
// empty text still has one (empty) run, the attributes typed text would get.
//
// It keeps its parts in classes of their own: the characters in a gap buffer
// (TextGapBuffer), the runs in another (RunTable), the attribute sets the runs share by
// number (AttributeSets). What is left here is what ties them together: edits of the text
// and of the attributes, batches, the changed range a view mirrors, and the history of
// text edits. A 1 MiB document with a few hundred thousand runs is restyled locally without
// copying the run table or the string.
class AttributedText {
public:
    AttributedText();
    explicit AttributedText(const QString& text, const TextAttributes& attributes = {});

    // The whole text as one string. The characters sit in a gap buffer (edits near the
    // last one move only the characters between them), so this closes the gap first:
    // O(length) after an edit in the middle. Keystroke paths read through textUpTo().
    const QString& string() const { return m_text.string(); }
    int length() const { return m_text.length(); }
    // The whole text as a new string, leaving the gap where it is (the next edit near it
    // stays cheap): for callers that take a copy anyway.
    QString copyText() const { return m_text.copyText(); }
    // Units [from, to) (clamped) as a new string, read on both sides of the gap without moving it.
    QString copyText(int from, int to) const { return m_text.copyText(from, to); }
    // How often string() had to close a gap: what the keystroke path must never make it do.
    int gapsClosed() const { return m_text.gapsClosed(); }
    // How many characters the gap has moved over: an edit costs the distance from the last.
    qint64 unitsMoved() const { return m_text.unitsMoved(); }

    // A view of the whole text (length() units, absolute positions) that holds the right
    // characters over [0, max(p, earlier calls' p)) until the next edit or moveGapToward;
    // beyond that it may show anything. Costs the distance from the last edit to `p`, not
    // the length.
    QStringView textUpTo(int p) const { return m_text.textUpTo(p); }
    // Moves the room for edits toward `position` (the characters' and the runs' alike), at
    // most `maxUnits` characters and a quarter as many runs at a time; true once it is
    // there (see TextGapBuffer::moveGapToward). What textUpTo gave before may then show
    // anything.
    bool moveGapToward(int position, int maxUnits);
    // Reading without moving anything: one character, a search for one character
    // (-1 when absent), and the position just after the `lines`-th line break at or
    // after `pos` (a CR LF counts once; length() when the text ends first).
    QChar charAt(int index) const { return m_text.charAt(index); }
    int indexOf(QChar c, int from) const { return m_text.indexOf(c, from); }
    int lastIndexOf(QChar c, int from, int floor = 0) const { return m_text.lastIndexOf(c, from, floor); }
    int lineEndFrom(int pos, int lines = 1) const { return m_text.lineEndFrom(pos, lines); }

    // Replaces the whole text; every character gets `attributes`.
    void setText(const QString& text, const TextAttributes& attributes = {});
    // Replaces the characters of `range` (clamped) with `replacement`. Inserted text
    // takes the attributes of the character before it (the first character's at 0).
    void replaceCharacters(TextRange range, QStringView replacement) { replaceCharacters(range, replacement, nullptr); }
    // The same; a new whole text (an opened file) is shared, not copied.
    void replaceCharacters(TextRange range, const QString& replacement)
    {
        replaceCharacters(range, replacement, &replacement);
    }

    // Attributes at `index` (0 <= index < length(); an empty text answers its one
    // run) and, when asked, the range of the run that holds them.
    const TextAttributes& attributesAt(int index, TextRange* effectiveRange = nullptr) const;
    // Replaces all attributes of `range` with `attributes`.
    void setAttributes(TextRange range, const TextAttributes& attributes);
    // Changes the attributes of every run over `range` with `fn(TextAttributes&)`.
    // `fn` must depend only on the attributes it is given: runs that shared one
    // set of attributes before share the result.
    template <typename Fn> void modifyAttributes(TextRange range, Fn&& fn);
    // The same for an edit that a caller repeats many times in one batch: the result
    // for one attribute set is computed once per `key` and shared. `key` must stand
    // for everything `fn` depends on besides the attributes; take keys from
    // newEditKeys(), which hands out 256 fresh ones (base + 0..255) per call.
    template <typename Fn> void modifyAttributes(TextRange range, std::uint64_t key, Fn&& fn);
    std::uint64_t newEditKeys();
    void removeAttribute(TextRange range, TextAttribute key);

    // Convenience forms of modifyAttributes for the single attributes.
    void addForeground(TextRange r, const QColor& c);
    void addBackground(TextRange r, const QColor& c);
    void addUnderline(TextRange r);
    void addParagraphStyle(TextRange r, const ParagraphStyle& style);
    void addMarkdownConceal(TextRange r);
    void addTableModel(TextRange r, const std::shared_ptr<TableModel>& model);

    // Calls `fn(TextRange, const TextAttributes&)` for every run over `range`, the
    // run ranges clipped to it, in text order. Return false from `fn` to stop.
    template <typename Fn> void forEachRun(TextRange range, Fn&& fn) const;
    int runCount() const { return m_runs.count(); }

    // A batch of attribute edits: adjacent equal runs are merged once, at the end,
    // instead of after every edit. Batches nest.
    void beginEditing();
    void endEditing();

    // The range whose attributes changed since the last call (not-found when none);
    // what a view mirrors into its layout.
    TextRange takeChangedAttributesRange();

    // Text edits, for callers that keep results between calls (such as fence
    // positions): every edit raises the revision; textChangeSince(rev) merges the
    // edits made after `rev` into one replaced range.
    struct TextChange {
        int start = 0;      // first changed unit (same in old and new text)
        int oldEnd = 0;     // end of the replaced part in the old text
        int newEnd = 0;     // end of the replacement in the current text
        bool whole = false; // the history does not reach back: treat all as changed
    };
    std::uint64_t textRevision() const { return m_revision; }
    // std::nullopt when nothing changed since `revision`.
    std::optional<TextChange> textChangeSince(std::uint64_t revision) const;
    // Distinguishes storages whose revisions would otherwise compare equal.
    std::uint64_t identity() const { return m_identity.value; }

private:
    void replaceCharacters(TextRange range, QStringView replacement, const QString* whole);
    using AttrId = AttributeSets::Id;
    struct Edit {
        std::uint64_t revision;
        int start, removed, inserted;
    };

    void modifyRuns(TextRange range, void (*apply)(void* ctx, TextAttributes&), void* ctx, std::uint64_t key = 0);
    void noteChanged(TextRange r);
    // Merges equal neighbours over `r` and one run beyond each end.
    void coalesce(TextRange r);
    TextRange clamp(TextRange r) const;
    // Outside edits: once the set table has doubled since it was last swept, frees the
    // sets no run uses any more.
    void sweepSets();
    void recordEdit(int start, int removed, int inserted);

    TextGapBuffer m_text;
    RunTable m_runs;
    AttributeSets m_sets;
    int m_batch = 0;
    TextRange m_batchRange;
    TextRange m_changed;
    std::uint64_t m_revision = 0;
    // A copy is a different storage: it gets an identity of its own.
    struct Identity {
        std::uint64_t value = next();
        Identity() = default;
        Identity(const Identity&)
            : value(next())
        {}
        Identity& operator=(const Identity&)
        {
            value = next();
            return *this;
        }
        static std::uint64_t next();
    };
    Identity m_identity;
    std::vector<Edit> m_edits;        // recent edits, oldest first, bounded
    std::uint64_t m_historyFloor = 0; // edits at or before this revision are forgotten
    struct KeyedResult {
        AttrId from, to; // sets are freed only outside a batch, so numbers stay meant
    };
    std::unordered_map<std::uint64_t, std::vector<KeyedResult>> m_keyed; // by key, within a batch
    std::uint64_t m_nextKeys = 1;
};

template <typename Fn> void AttributedText::modifyAttributes(TextRange range, Fn&& fn)
{
    using F = std::remove_reference_t<Fn>;
    modifyRuns(
        range, [](void* ctx, TextAttributes& a) { (*static_cast<F*>(ctx))(a); },
        const_cast<void*>(static_cast<const void*>(&fn)));
}

template <typename Fn> void AttributedText::modifyAttributes(TextRange range, std::uint64_t key, Fn&& fn)
{
    using F = std::remove_reference_t<Fn>;
    modifyRuns(
        range, [](void* ctx, TextAttributes& a) { (*static_cast<F*>(ctx))(a); },
        const_cast<void*>(static_cast<const void*>(&fn)), key);
}

template <typename Fn> void AttributedText::forEachRun(TextRange range, Fn&& fn) const
{
    const TextRange r = clamp(range);
    const int n = m_runs.count();
    if (r.length <= 0 || n == 0) return;
    for (int i = m_runs.find(r.location); i < n; ++i) {
        const int s = std::max(m_runs.startOf(i), r.location);
        const int e = std::min(m_runs.endOf(i), r.end());
        if (s >= r.end()) break;
        if (e > s && !fn(TextRange(s, e - s), m_sets.at(m_runs.attrsOf(i)))) break;
    }
}
