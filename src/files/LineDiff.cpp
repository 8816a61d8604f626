#include "files/LineDiff.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace {

struct Side {
    std::vector<QStringView> shown; // each line without its break
    std::vector<int> ids;           // equal lines share an id
};

// Canonically equivalent lines that end the same way get one id. ASCII is always in normal
// form, so only other lines pay for normalisation. The way a line ends is one character
// after its text, so a last line that ends in a lone CR never meets a CR LF line.
class Interner {
public:
    int id(QStringView line, bool crlf)
    {
        const bool ascii = std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x80; });
        QString key = ascii ? line.toString() : line.toString().normalized(QString::NormalizationForm_C);
        key += crlf ? QLatin1Char('\r') : QLatin1Char('\n');
        auto it = m_ids.constFind(key);
        if (it == m_ids.constEnd()) it = m_ids.insert(key, int(m_ids.size()));
        return it.value();
    }

private:
    QHash<QString, int> m_ids;
};

Side split(const QString& text, Interner& interner)
{
    Side side;
    qsizetype start = 0;
    bool previousCrlf = false;
    for (;;) {
        const qsizetype lf = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype end = lf < 0 ? text.size() : lf;
        // Lines are compared with the CR of a CR LF break, so LF and CR LF lines differ. The
        // last line has no break of its own: it counts as ending like the line before it, so
        // a line typed after it in a CR LF text does not show the old last line as changed.
        const QStringView raw = QStringView(text).mid(start, end - start);
        const bool crlf = lf > start && text.at(lf - 1) == QLatin1Char('\r');
        side.shown.push_back(crlf ? raw.chopped(1) : raw);
        side.ids.push_back(interner.id(side.shown.back(), crlf || (lf < 0 && previousCrlf)));
        if (lf < 0) break;
        previousCrlf = crlf;
        start = lf + 1;
    }
    return side;
}

class Differ {
public:
    Differ(const Side& a, const Side& b)
        : m_a(a),
          m_b(b)
    {}

    QList<DiffLine> run()
    {
        range(0, int(m_a.ids.size()), 0, int(m_b.ids.size()));
        return std::move(m_out);
    }

private:
    void push(DiffLine::Kind kind, QStringView text) { m_out.append(DiffLine{kind, text.toString()}); }
    void equal(int i) { push(DiffLine::Kind::Equal, m_a.shown[i]); }
    void del(int i) { push(DiffLine::Kind::Delete, m_a.shown[i]); }
    void ins(int j) { push(DiffLine::Kind::Insert, m_b.shown[j]); }

    // Head, middle, tail of a[a0, a1) against b[b0, b1).
    void range(int a0, int a1, int b0, int b1)
    {
        while (a0 < a1 && b0 < b1 && m_a.ids[a0] == m_b.ids[b0]) {
            equal(a0);
            ++a0;
            ++b0;
        }
        int ea = a1, eb = b1;
        while (a0 < ea && b0 < eb && m_a.ids[ea - 1] == m_b.ids[eb - 1]) {
            --ea;
            --eb;
        }
        middle(a0, ea, b0, eb);
        for (int i = ea; i < a1; ++i) equal(i);
    }

    void middle(int a0, int a1, int b0, int b1)
    {
        const int n = a1 - a0, m = b1 - b0;
        if (n == 0) {
            for (int j = b0; j < b1; ++j) ins(j);
        } else if (m == 0) {
            for (int i = a0; i < a1; ++i) del(i);
        } else if (qint64(n) * qint64(m) <= LineDiff::kMaxCells) {
            table(a0, a1, b0, b1);
        } else if (!anchored(a0, a1, b0, b1)) {
            for (int i = a0; i < a1; ++i) del(i);
            for (int j = b0; j < b1; ++j) ins(j);
        }
    }

    // Longest common subsequence; ties go to the deletion so a replaced line shows old
    // then new. Within the cell cap the shorter side has at most 2,000 lines, so 16-bit
    // cells hold every length.
    void table(int a0, int a1, int b0, int b1)
    {
        const int n = a1 - a0, m = b1 - b0;
        const size_t w = size_t(m) + 1;
        std::vector<quint16> L((size_t(n) + 1) * w, 0);
        const auto at = [&](int i, int j) -> quint16& { return L[size_t(i) * w + size_t(j)]; };
        for (int i = n - 1; i >= 0; --i)
            for (int j = m - 1; j >= 0; --j)
                at(i, j) = m_a.ids[a0 + i] == m_b.ids[b0 + j] ? quint16(at(i + 1, j + 1) + 1)
                                                              : std::max(at(i + 1, j), at(i, j + 1));
        int i = 0, j = 0;
        while (i < n && j < m) {
            if (m_a.ids[a0 + i] == m_b.ids[b0 + j]) {
                equal(a0 + i);
                ++i;
                ++j;
            } else if (at(i + 1, j) < at(i, j + 1)) {
                ins(b0 + j);
                ++j;
            } else {
                del(a0 + i);
                ++i;
            }
        }
        for (; i < n; ++i) del(a0 + i);
        for (; j < m; ++j) ins(b0 + j);
    }

    // Too large for the table: align on lines that occur exactly once on each side (the
    // longest run of them in the same order), and compare the pieces between them.
    bool anchored(int a0, int a1, int b0, int b1)
    {
        struct Seen {
            int countA = 0, countB = 0, posA = 0, posB = 0;
        };
        QHash<int, Seen> seen;
        for (int i = a0; i < a1; ++i) {
            Seen& s = seen[m_a.ids[i]];
            ++s.countA;
            s.posA = i;
        }
        for (int j = b0; j < b1; ++j) {
            auto it = seen.find(m_b.ids[j]);
            if (it == seen.end()) continue;
            ++it->countB;
            it->posB = j;
        }
        std::vector<std::pair<int, int>> pairs; // (posA, posB), by posA
        for (const Seen& s : seen)
            if (s.countA == 1 && s.countB == 1) pairs.emplace_back(s.posA, s.posB);
        if (pairs.empty()) return false;
        std::sort(pairs.begin(), pairs.end());

        // Longest increasing run of posB (patience sorting with back links).
        std::vector<int> tails, prev(pairs.size(), -1);
        for (int k = 0; k < int(pairs.size()); ++k) {
            const auto it = std::lower_bound(tails.begin(), tails.end(), pairs[size_t(k)].second,
                                             [&](int t, int v) { return pairs[size_t(t)].second < v; });
            if (it != tails.begin()) prev[size_t(k)] = *(it - 1);
            if (it == tails.end())
                tails.push_back(k);
            else
                *it = k;
        }
        std::vector<int> chain;
        for (int k = tails.back(); k >= 0; k = prev[size_t(k)]) chain.push_back(k);
        std::reverse(chain.begin(), chain.end());

        int i = a0, j = b0;
        for (int k : chain) {
            const auto [pa, pb] = pairs[size_t(k)];
            range(i, pa, j, pb);
            equal(pa);
            i = pa + 1;
            j = pb + 1;
        }
        range(i, a1, j, b1);
        return true;
    }

    const Side& m_a;
    const Side& m_b;
    QList<DiffLine> m_out;
};

} // namespace

namespace LineDiff {

QList<DiffLine> compute(const QString& oldText, const QString& newText)
{
    Interner interner;
    const Side a = split(oldText, interner);
    const Side b = split(newText, interner);
    return Differ(a, b).run();
}

Counts counts(const QList<DiffLine>& lines)
{
    Counts c;
    for (const DiffLine& line : lines) {
        if (line.kind == DiffLine::Kind::Insert)
            ++c.added;
        else if (line.kind == DiffLine::Kind::Delete)
            ++c.removed;
    }
    return c;
}

} // namespace LineDiff
