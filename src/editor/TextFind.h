#pragma once

#include "platform/TextRange.h"

#include <QList>
#include <QString>
#include <QStringMatcher>
#include <QStringView>

#include <functional>
#include <optional>

// Literal, case-insensitive search over the document text, in UTF-16 offsets. Matches
// never begin or end inside a surrogate pair, and do not overlap (a search goes on after
// the end of the previous match).
class TextFind {
public:
    explicit TextFind(const QString& needle);

    const QString& needle() const { return m_needle; }
    bool isEmpty() const { return m_needle.isEmpty(); }

    // The first match starting at or after `from`.
    std::optional<TextRange> findForward(QStringView text, int from) const;
    // The last match starting before `before`.
    std::optional<TextRange> findBackward(QStringView text, int before) const;

    // The match after (or before) the selection, wrapping around the ends of the text.
    std::optional<TextRange> next(QStringView text, TextRange selection) const;
    std::optional<TextRange> previous(QStringView text, TextRange selection) const;

    // Number of matches in the whole text, counted as `findForward` steps through it.
    int count(QStringView text) const;

    // True when `candidate` is the needle, ignoring case.
    bool matches(QStringView candidate) const;

    // The last place at or before `from` where the needle stands, overlapping or not.
    std::optional<qsizetype> lastCandidate(QStringView text, qsizetype from) const;

    // Replace All's edits for `matches` (in order, not overlapping, as findForward steps
    // through a text), each replaced by `replacement`. Matches close together are joined into
    // one edit, with the text between them (copied through `read`) kept, so that a word on
    // every line makes a few edits; matches apart make an edit each, so that the text between
    // them is not touched. Ranges in the text before any edit, in order.
    struct Edit {
        TextRange range;
        QString replacement;
    };
    // Matches apart by fewer units than this are joined, while the edit spans at most kJoinSpan.
    static constexpr int kJoinGap = 1024;
    static constexpr int kJoinSpan = 16 * 1024;
    static QList<Edit> replacements(const QList<TextRange>& matches, const QString& replacement,
                                    const std::function<QString(TextRange)>& read);

private:
    // A match at `at` that does not split a surrogate pair at either end.
    bool onCharacterBoundaries(QStringView text, qsizetype at) const;

    QString m_needle;
    QStringMatcher m_matcher;
};
