#pragma once

#include "platform/TextRange.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

// Defined with the grid tables; the text only carries a shared pointer to it.
class TableModel;

// Paragraph layout of the lines a run covers. Lengths in points.
struct ParagraphStyle {
    enum class Alignment { Natural, Left, Right, Center, Justified };

    double lineSpacing = 0;      // extra space between the lines of a paragraph
    double paragraphSpacing = 0; // space after the paragraph
    Alignment alignment = Alignment::Natural;
    double firstLineHeadIndent = 0;
    double headIndent = 0;
    double tailIndent = 0;
    double minimumLineHeight = 0; // 0: no minimum
    double maximumLineHeight = 0; // 0: no maximum
    bool clipsLines = false;      // lines that do not fit are clipped, not wrapped

    bool operator==(const ParagraphStyle&) const = default;
};

// The attributes one run of text carries. An absent optional means "not set"
// (the view falls back to its defaults there).
struct TextAttributes {
    std::optional<QFont> font;
    std::optional<QColor> foreground;
    std::optional<QColor> background;
    bool underline = false;     // single underline
    bool strikethrough = false; // single strike-through line
    double baselineOffset = 0;  // points, positive raises the text
    std::optional<ParagraphStyle> paragraphStyle;
    bool markdownConceal = false;           // glyphs are hidden by the layout
    std::optional<QString> wikiLinkTarget;  // target of a wiki link
    std::shared_ptr<TableModel> tableModel; // grid table drawn over the text
    bool aiGhost = false;                   // inline suggestion text
    bool notProse = false;                  // code or markup (markers, link targets): never spell-checked

    bool operator==(const TextAttributes& o) const;
};

// Names of the attributes, for removing one of them over a range.
enum class TextAttribute {
    Font,
    Foreground,
    Background,
    Underline,
    Strikethrough,
    BaselineOffset,
    ParagraphStyle,
    MarkdownConceal,
    WikiLinkTarget,
    TableModel,
    AiGhost,
};

// A text with attribute runs over UTF-16 ranges: the headless counterpart of a
// styled text storage. The runs always cover the whole text without gaps; an
// empty text still has one (empty) run, the attributes typed text would get.
//
// The runs sit in a gap buffer: edits cluster around the caret, so moving the gap
// there once makes splitting and replacing runs nearby cheap, and runs after the
// gap store their start relative to the end of the text, so inserting characters
// does not touch them. A 1 MiB document with a few hundred thousand runs is
// restyled locally without copying the run table or the string.
class AttributedText {
public:
    AttributedText();
    explicit AttributedText(const QString& text, const TextAttributes& attributes = {});

    // The whole text as one string. The characters sit in a gap buffer (edits near the
    // last one move only the characters between them), so this closes the gap first:
    // O(length) after an edit in the middle. Keystroke paths read through textUpTo().
    const QString& string() const;
    int length() const { return m_len; }
    // The whole text as a new string, leaving the gap where it is (the next edit near it
    // stays cheap): for callers that take a copy anyway.
    QString copyText() const;
    // Units [from, to) (clamped) as a new string, read on both sides of the gap without moving it.
    QString copyText(int from, int to) const;
    // How often string() had to close a gap: what the keystroke path must never make it do.
    int gapsClosed() const { return m_gapsClosed; }

    // A view of the whole text (length() units, absolute positions) that holds the right
    // characters over [0, max(p, earlier calls' p)) until the next edit; beyond that it
    // may show anything. Costs the distance from the last edit to `p`, not the length.
    QStringView textUpTo(int p) const;
    // Reading without moving anything: one character, a search for one character
    // (-1 when absent), and the position just after the `lines`-th line break at or
    // after `pos` (a CR LF counts once; length() when the text ends first).
    QChar charAt(int index) const { return m_text.at(index < m_gapAt ? index : index + m_gap); }
    int indexOf(QChar c, int from) const;
    int lastIndexOf(QChar c, int from, int floor = 0) const;
    int lineEndFrom(int pos, int lines = 1) const;

    // Replaces the whole text; every character gets `attributes`.
    void setText(const QString& text, const TextAttributes& attributes = {});
    // Replaces the characters of `range` (clamped) with `replacement`. Inserted text
    // takes the attributes of the character before it (the first character's at 0).
    void replaceCharacters(TextRange range, QStringView replacement);

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
    void addFont(TextRange r, const QFont& f);
    void addForeground(TextRange r, const QColor& c);
    void addBackground(TextRange r, const QColor& c);
    void addUnderline(TextRange r);
    void addStrikethrough(TextRange r);
    void addBaselineOffset(TextRange r, double offset);
    void addParagraphStyle(TextRange r, const ParagraphStyle& style);
    void addMarkdownConceal(TextRange r);
    void addWikiLinkTarget(TextRange r, const QString& target);
    void addTableModel(TextRange r, const std::shared_ptr<TableModel>& model);
    void addAiGhost(TextRange r);

    // Calls `fn(TextRange, const TextAttributes&)` for every run over `range`, the
    // run ranges clipped to it, in text order. Return false from `fn` to stop.
    template <typename Fn> void forEachRun(TextRange range, Fn&& fn) const;
    int runCount() const { return int(m_runs.size() - gapSize()); }

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
    // A run names its attribute set by number: eight bytes a run instead of a shared
    // pointer's sixteen and the start's padding (three million runs in a 20 MB document).
    using AttrId = std::uint32_t;
    struct Run {
        int start; // absolute before the gap; relative to the text's end after it
        AttrId attrs;
    };
    struct Edit {
        std::uint64_t revision;
        int start, removed, inserted;
    };

    std::size_t gapSize() const { return m_gapEnd - m_gapBegin; }
    int count() const { return int(m_runs.size() - gapSize()); }
    const Run& run(int i) const
    {
        return m_runs[std::size_t(i) < m_gapBegin ? std::size_t(i) : std::size_t(i) + gapSize()];
    }
    int startOf(int i) const { return std::size_t(i) < m_gapBegin ? run(i).start : run(i).start + m_len; }
    int endOf(int i) const { return i + 1 < count() ? startOf(i + 1) : m_len; }
    int findRun(int pos) const; // the run holding `pos` (the last run for pos == length)
    void moveGap(std::size_t to);
    // Replaces runs [first, last) with m_scratch (absolute starts, text already
    // at its new length) and merges equal neighbours when outside a batch.
    void splice(int first, int last);
    void modifyRuns(TextRange range, void (*apply)(void* ctx, TextAttributes&), void* ctx, std::uint64_t key = 0);
    void noteChanged(TextRange r);
    void coalesce(TextRange r);
    TextRange clamp(TextRange r) const;
    // The number of the one set equal to `a`: a styled document has a few hundred
    // distinct sets over millions of runs, and restyling makes each set again. Equal
    // sets always have one number, so runs compare by number.
    AttrId share(const TextAttributes& a);
    const TextAttributes& attrsOf(AttrId id) const { return *m_sets[id]; }
    // Outside edits: once the table has doubled since it was last swept, frees the sets
    // no run uses any more.
    void sweepSets();

    void moveTextGap(int to) const;
    void replaceInGap(int a, int removed, QStringView replacement);

    // The text: m_len characters with a gap of m_gap unused ones at m_gapAt (no gap:
    // m_text is exactly the text).
    mutable QString m_text;
    mutable int m_gapAt = 0;
    mutable int m_gap = 0;
    mutable int m_gapsClosed = 0;
    int m_len = 0;
    std::vector<Run> m_runs;
    std::size_t m_gapBegin = 0, m_gapEnd = 0;
    std::vector<Run> m_scratch;
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
    std::vector<Edit> m_edits; // recent edits, oldest first, bounded
    struct KeyedResult {
        AttrId from, to; // sets are freed only outside a batch, so numbers stay meant
    };
    std::unordered_map<std::uint64_t, std::vector<KeyedResult>> m_keyed; // by key, within a batch
    std::uint64_t m_nextKeys = 1;
    // The attribute sets by number (null: free, its number on m_freeSets) with the hash
    // of each, and an open-addressed table of number + 1 by that hash (0: empty), at most
    // half full: a few bytes a set where a node-based map took a hundred.
    std::vector<std::shared_ptr<const TextAttributes>> m_sets;
    std::vector<std::size_t> m_setHashes;
    std::vector<AttrId> m_freeSets;
    std::vector<AttrId> m_slots;
    std::size_t m_sweepAt = 1024;
    void rebuildSlots(std::size_t minimum);
    std::uint64_t m_historyFloor = 0; // edits at or before this revision are forgotten
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
    if (r.length <= 0 || count() == 0) return;
    const int n = count();
    for (int i = findRun(r.location); i < n; ++i) {
        const int s = std::max(startOf(i), r.location);
        const int e = std::min(endOf(i), r.end());
        if (s >= r.end()) break;
        if (e > s && !fn(TextRange(s, e - s), attrsOf(run(i).attrs))) break;
    }
}
