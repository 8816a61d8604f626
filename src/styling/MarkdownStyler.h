#pragma once

#include "platform/TextRange.h"
#include "styling/AttributedText.h"
#include "styling/CodeTokenizer.h"
#include "styling/EditorTheme.h"

#include <QList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QRegularExpression;

// One fenced code block: the whole match (opening line to closing backticks) and
// the code between the opening line and the closing fence.
struct FenceMatch {
    TextRange range;
    TextRange content;
    bool operator==(const FenceMatch&) const = default;
};

// The code tokens of a large block, kept between calls for the few blocks last styled, in
// offsets from the start of the block's code: those of a scan of the whole code that begin
// before `scanned` (a place where such a scan is between tokens), then those of a scan
// from there to `scanEnd` (the last may run on beyond it). They are scanned further as
// restyles ask (a slice at a time through a long block), and after an edit inside the code
// again from the edited line to where they agree with the kept ones.
struct FenceCodeTokens {
    std::uint64_t storage = 0;
    std::uint64_t revision = 0;
    TextRange content = TextRange::notFound(); // the code at `revision`
    QString language;
    QList<CodeTokenizer::Token> tokens;
    int scanned = 0;
    int scanEnd = 0;
    std::uint64_t used = 0; // the one used longest ago makes way for another block
};

// Turns the Markdown of a text into display attributes, in place, after every
// edit: fonts, colours, dimmed and concealed markers, link targets, grid tables.
// It never changes the characters. One styler per editor view.
class MarkdownStyler {
public:
    MarkdownStyler();

    EditorTheme theme;
    bool concealMarkers = false; // WYSIWYG: markers are flagged for hiding, tables drawn as grids
    TextRange revealRange;       // markers overlapping it stay visible
    TextRange caretLine;         // for the caller building the window; the passes do not read it
    double contentWidth = 660;   // width available to grid tables
    // In focus mode a window normally restyles the whole text. A caller whose window holds
    // every line whose dimming changes (the previous and the current focus range) sets
    // this: the window is then honoured like outside focus mode, and the dimming covers
    // the restyled scope only (the text outside it is dimmed already).
    bool focusWindowed = false;
    // A fenced block with more code than this is restyled in part, around the edit, its
    // code tokens brought up to date from the edited lines on; smaller blocks whole.
    int wholeFenceLimit = 4096;

    // Restyles `storage` and returns the scope it restyled. `window` is the range
    // that changed (absent: everything); `fences` are the fence matches of the whole
    // current text, or null to have the styler find them (it keeps them between
    // calls and rescans only from the edited part).
    // A caller that restyles the rest of a text in slices may `bound` what one restyle does:
    // the window's own lines are restyled whatever the bound, but what the edits changed
    // beyond them (the blocks a fence line typed or broken pairs anew, the code tokens of a
    // large block) only within the bound; the rest is left as it was, and left() says where.
    // Not-found: no bound.
    TextRange highlight(AttributedText& storage, std::optional<TextRange> window,
                        TextRange bound = TextRange::notFound(), const QList<FenceMatch>* fences = nullptr);

    // Brings the kept fences up to date with `storage` without restyling: a caller that
    // styles a new text in slices keeps the next slice from widening over every block
    // the new text re-paired.
    void refreshFences(const AttributedText& storage)
    {
        TextRange ignored;
        cachedFences(storage, &ignored);
    }

    // After highlight(): the part of the text whose styling the edits changed but the bound
    // kept it from restyling (the smallest range that holds it; not-found: none).
    TextRange left() const { return m_left; }

    // Every fenced code block of `text`, in text order.
    static QList<FenceMatch> findFences(const QString& text);

    // The table pass: finds pipe tables in the scope `full` (whole lines) and either
    // styles their source or turns them into grids. `inFence` tells whether a line
    // range lies in fenced code. Lives with the table code (TableStyling.cpp).
    void styleTables(AttributedText& storage, QStringView ns, TextRange full,
                     const std::function<bool(TextRange)>& inFence);

private:
    // What one restyle works on: the scope, the text (read right up to a few lines past
    // the scope) and the fences of the whole text.
    struct Scope {
        TextRange range;
        QStringView text;
        const QList<FenceMatch>* fences;
    };

    // Deciding the scope (MarkdownStylerScope.cpp). `window` grown to whole paragraphs,
    // tables and fences; `edited` is the part whose text changed (within `window`).
    Scope decideScope(const AttributedText& storage, std::optional<TextRange> window, TextRange bound,
                      const QList<FenceMatch>* fences);
    TextRange styleScope(TextRange window, TextRange edited, QStringView ns, const QList<FenceMatch>& fences) const;
    // `scope` grown over what an edit changed in the code tokens of a large block partly
    // in it; `tokenChange` collects those changes.
    TextRange overTokenChanges(const AttributedText& storage, TextRange scope, TextRange window, TextRange bound,
                               QStringView ns, const QList<FenceMatch>& fences, TextRange& tokenChange);
    // The part of `change` within `bound` (all of it without one); the rest joins m_left.
    TextRange withinBound(TextRange change, TextRange bound);

    // The passes over a decided scope, in the order they run (MarkdownStyler.cpp).
    void styleBase(AttributedText& storage, const Scope& s);
    void styleFencedCode(AttributedText& storage, const Scope& s);
    void styleLines(AttributedText& storage, const Scope& s);
    void styleInline(AttributedText& storage, const Scope& s);
    void styleReferences(AttributedText& storage, const Scope& s);
    void alignParagraphs(AttributedText& storage, const Scope& s);
    void dimOutsideFocus(AttributedText& storage, const Scope& s);
    template <typename Fn> void eachOutsideFences(const QRegularExpression& pattern, const Scope& s, Fn&& apply);

    // The kept fences brought up to date with the storage's text. `changed` gets the
    // part of the text (current offsets) whose fence status the text edits changed,
    // also far from the edit: opening or closing one block re-pairs those below it.
    const QList<FenceMatch>& cachedFences(const AttributedText& storage, TextRange* changed);
    void preparePaint();

    // `clip`: the part restyled, when only part of the marker lies in the scope (whether
    // it hides is still decided by the whole marker).
    void marker(AttributedText& storage, TextRange range, TextRange clip = TextRange::notFound()) const;
    void applyTrait(bool bold, AttributedText& storage, TextRange range) const;
    void styleMono(AttributedText& storage, TextRange range, bool background) const;
    void highlightFenceCode(AttributedText& storage, const FenceMatch& f, TextRange scope, QStringView ns);
    // The language named on a block's opening line, trimmed; empty for none.
    static QString fenceLanguage(QStringView ns, const FenceMatch& f);
    // The code tokens of a large block through `upTo` at least. `changed` gets the part whose
    // tokens may differ from the styling in place, which the last restyle left (not-found: none).
    const FenceCodeTokens& fenceTokens(const AttributedText& storage, const FenceMatch& f, const QString& language,
                                       int upTo, TextRange* changed);
    // The kept tokens of the block `f`, brought up to date with the edits of its code.
    FenceCodeTokens& keptTokens(const AttributedText& storage, const FenceMatch& f, const QString& language,
                                TextRange* changed);

    // The repeated attribute edits of one restyle; each result depends only on the
    // run's attributes and the restyle's paint, so the text shares it between runs.
    enum Op {
        Marker = 1,
        HiddenMarker,
        Bold,
        Italic,
        Code,
        CodeWithBackground,
        Rule,
        Title,
        Faint,
        Link,
        LinkText,
        Strike,
        FootnoteReference,
        FootnoteLabel,
        FootnoteId,
        TokenComment,
        TokenString,
        TokenNumber,
        TokenKeyword,
        FocusDim,
        Heading0,
    };
    std::uint64_t key(int op) const { return m_keys + std::uint64_t(op); }
    void colour(AttributedText& storage, TextRange range, int op, const QColor& c) const;
    // A name in `c` (a footnote's label): not prose, so never spell-checked.
    void identifier(AttributedText& storage, TextRange range, int op, const QColor& c) const;

    // Colours and fonts of one restyle, derived from the theme once per call.
    struct Paint {
        QColor text, marker, faint, rule, codeBackground, focusDim, link, code;
        QColor tokenComment, tokenString, tokenNumber, tokenKeyword;
        QFont baseFont, codeFont;
        QFont headingFonts[7];
    };
    Paint m_paint;
    // The legible marker and faint colours, for the text and page colours they were found for.
    std::pair<QColor, QColor> m_legibleFor;
    QColor m_legibleMarker, m_legibleFaint;
    std::uint64_t m_keys = 0;

    // Fence matches kept between calls, valid for one storage at one revision,
    // with the positions of the "```" line starts they are paired from.
    std::vector<int> m_ticks;
    QList<FenceMatch> m_fences;
    std::uint64_t m_fenceStorage = 0;
    std::uint64_t m_fenceRevision = 0;
    // The text the last restyle saw, and what was edited since then (nullopt: nothing).
    std::uint64_t m_styledStorage = 0;
    std::uint64_t m_styledRevision = 0;
    std::optional<AttributedText::TextChange> m_edited;
    TextRange m_left;

    std::array<FenceCodeTokens, 4> m_tokens;
    std::uint64_t m_tokenUses = 0;
};
