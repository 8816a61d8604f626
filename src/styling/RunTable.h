#pragma once

#include "styling/AttributeSets.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The attribute runs of a text, each a start and the number of its attribute set: eight
// bytes a run (three million runs in a 20 MB document). The runs always cover the whole
// text without gaps; an empty text still has one (empty) run.
//
// They sit in a gap buffer: edits cluster around the caret, so moving the gap there once
// makes splitting and replacing runs nearby cheap, and runs after the gap store their start
// relative to the end of the text, so inserting characters does not touch them.
class RunTable {
public:
    using Id = AttributeSets::Id;
    struct Run {
        int start; // absolute before the gap; relative to the text's end after it
        Id attrs;
    };

    // One run over a text of `length` units.
    void reset(int length, Id attrs);

    int count() const { return int(m_runs.size() - gapSize()); }
    Id attrsOf(int i) const { return run(i).attrs; }
    int startOf(int i) const { return std::size_t(i) < m_gapBegin ? run(i).start : run(i).start + m_length; }
    int endOf(int i) const { return i + 1 < count() ? startOf(i + 1) : m_length; }
    // The run holding `pos` (the last run for pos == the text's length).
    int find(int pos) const;

    // The runs that replace some: fill scratch() (absolute starts, in order), then splice
    // them in for runs [first, last). A text edit first moves the runs after it with the
    // text's new end (resize), then splices.
    std::vector<Run>& scratch()
    {
        m_scratch.clear();
        return m_scratch;
    }
    void splice(int first, int last);
    void resize(int last, int length);
    // Brings the gap toward run `to` by at most `maxRuns` runs moved; true once it is there
    // (the next edit there then moves few).
    bool moveGapToward(int to, int maxRuns);
    // Merges equal neighbours among runs [first, last].
    void mergeEqual(int first, int last);

    // Marks the set of every run in `used` (indexed by set number). The runs each set has
    // are counted as they come and go: reading every run instead took tens of milliseconds
    // in a document of a hundred megabytes, each time the sets were swept.
    void markUsed(std::vector<bool>& used) const;

private:
    std::size_t gapSize() const { return m_gapEnd - m_gapBegin; }
    const Run& run(int i) const
    {
        return m_runs[std::size_t(i) < m_gapBegin ? std::size_t(i) : std::size_t(i) + gapSize()];
    }
    void moveGap(std::size_t to);
    void use(Id attrs)
    {
        if (attrs >= m_uses.size()) m_uses.resize(std::size_t(attrs) + 1);
        ++m_uses[attrs];
    }
    void release(Id attrs) { --m_uses[attrs]; }

    std::vector<Run> m_runs;
    std::size_t m_gapBegin = 0, m_gapEnd = 0;
    int m_length = 0;
    std::vector<Run> m_scratch;
    std::vector<std::uint32_t> m_uses; // runs per set number
};

static_assert(sizeof(RunTable::Run) == 8, "a run is eight bytes");
