#include "styling/AttributeSets.h"

#include <QHash>

#include <algorithm>
#include <functional>

namespace {

std::size_t attributesHash(const TextAttributes& a)
{
    std::size_t h = std::size_t(a.underline) | std::size_t(a.strikethrough) << 1 | std::size_t(a.markdownConceal) << 2
                    | std::size_t(a.aiGhost) << 3 | std::size_t(a.notProse) << 4;
    auto mix = [&h](std::size_t v) { h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
    mix(std::hash<double>{}(a.baselineOffset));
    // A font by its size and weight only: hashing the whole description costs more than
    // comparing the few fonts that share a bucket.
    if (a.font) mix(std::hash<double>{}(a.font->pointSizeF()) + std::size_t(a.font->weight()) * 2 + a.font->italic());
    if (a.foreground) mix(std::size_t(a.foreground->rgba64()));
    if (a.background) mix(std::size_t(a.background->rgba64()) + 1);
    if (a.paragraphStyle)
        mix(std::hash<double>{}(a.paragraphStyle->minimumLineHeight)
            + std::hash<double>{}(a.paragraphStyle->lineSpacing)
            + std::hash<double>{}(a.paragraphStyle->paragraphSpacing) + std::size_t(a.paragraphStyle->alignment));
    if (a.wikiLinkTarget) mix(qHash(*a.wikiLinkTarget));
    mix(std::hash<const void*>{}(a.tableModel.get()));
    return h;
}

} // namespace

bool TextAttributes::operator==(const TextAttributes& o) const
{
    return underline == o.underline && strikethrough == o.strikethrough && markdownConceal == o.markdownConceal
           && aiGhost == o.aiGhost && notProse == o.notProse && baselineOffset == o.baselineOffset
           && tableModel == o.tableModel && foreground == o.foreground && background == o.background
           && wikiLinkTarget == o.wikiLinkTarget && paragraphStyle == o.paragraphStyle && font == o.font;
}

void AttributeSets::clear()
{
    m_sets.clear();
    m_setHashes.clear();
    m_freeSets.clear();
    m_slots.clear();
    m_sweepAt = 1024;
    m_dying.clear();
}

void AttributeSets::rebuildSlots(std::size_t minimum)
{
    std::size_t size = 64;
    while (size < 2 * minimum) size *= 2;
    m_slots.assign(size, 0);
    for (std::size_t id = 0; id < m_sets.size(); ++id) {
        if (!m_sets[id]) continue;
        std::size_t k = m_setHashes[id] & (size - 1);
        while (m_slots[k] != 0) k = (k + 1) & (size - 1);
        m_slots[k] = Id(id + 1);
    }
}

AttributeSets::Id AttributeSets::share(const TextAttributes& a)
{
    const std::size_t h = attributesHash(a);
    const std::size_t live = m_sets.size() - m_freeSets.size();
    if (2 * (live + 1) > m_slots.size()) rebuildSlots(live + 1);
    const std::size_t mask = m_slots.size() - 1;
    std::size_t k = h & mask;
    for (; m_slots[k] != 0; k = (k + 1) & mask) {
        const Id id = m_slots[k] - 1;
        if (m_setHashes[id] == h && *m_sets[id] == a) return id;
    }
    Id id;
    if (!m_freeSets.empty()) {
        id = m_freeSets.back();
        m_freeSets.pop_back();
    } else {
        id = Id(m_sets.size());
        m_sets.emplace_back();
        m_setHashes.emplace_back();
    }
    m_sets[id] = std::make_shared<const TextAttributes>(a);
    m_setHashes[id] = h;
    m_slots[k] = id + 1;
    return id;
}

void AttributeSets::sweep(const std::vector<bool>& used)
{
    std::size_t live = 0;
    for (std::size_t id = 0; id < m_sets.size(); ++id) {
        if (!m_sets[id]) continue;
        if (used[id]) {
            ++live;
            continue;
        }
        m_dying.push_back(std::move(m_sets[id]));
        m_freeSets.push_back(Id(id));
    }
    // The freed numbers leave the table: it is made again from the sets kept.
    rebuildSlots(live);
    m_sweepAt = std::max<std::size_t>(1024, 2 * live);
    freeSome();
}

void AttributeSets::freeSome()
{
    // A few milliseconds' worth; each restyle frees some more.
    constexpr std::size_t perCall = 4096;
    const std::size_t keep = m_dying.size() > perCall ? m_dying.size() - perCall : 0;
    m_dying.resize(keep);
}
