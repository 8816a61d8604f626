#pragma once

#include "styling/TextAttributes.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The attribute sets a text's runs share, by number: a styled document has a few hundred
// distinct sets over millions of runs, and restyling makes each set again. Equal sets
// always get one number, so runs compare by number.
class AttributeSets {
public:
    using Id = std::uint32_t;

    // Forgets every set (no run keeps one).
    void clear();
    // The number of the one set equal to `a`, made when there is none.
    Id share(const TextAttributes& a);
    const TextAttributes& at(Id id) const { return *m_sets[id]; }

    // Once the table has doubled since it was last swept: the numbers below size() that a
    // sweep would look at, then sweep() with the ones still used marked.
    bool wantsSweep() const { return m_sets.size() - m_freeSets.size() >= m_sweepAt; }
    std::size_t size() const { return m_sets.size(); }
    // The sets no run uses any more give up their numbers; they are freed some at a time.
    void sweep(const std::vector<bool>& used);
    // Frees some of the sets swept: a change of look leaves a set of each table's runs
    // dying, and freeing a hundred thousand of them at once held the window for 40 ms.
    void freeSome();

private:
    void rebuildSlots(std::size_t minimum);

    // The sets by number (null: free, its number on m_freeSets) with the hash of each, and
    // an open-addressed table of number + 1 by that hash (0: empty), at most half full: a
    // few bytes a set where a node-based map took a hundred.
    std::vector<std::shared_ptr<const TextAttributes>> m_sets;
    std::vector<std::size_t> m_setHashes;
    std::vector<Id> m_freeSets;
    std::vector<Id> m_slots;
    std::size_t m_sweepAt = 1024;
    std::vector<std::shared_ptr<const TextAttributes>> m_dying;
};
