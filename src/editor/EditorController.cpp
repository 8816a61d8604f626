#include "editor/EditorController.h"

#include "platform/TextUtil.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

#include <cmath>

EditorController::EditorController(QObject* parent)
    : QObject(parent)
{}

void EditorController::setTextView(EditorTextView* view, QObject* lifetime)
{
    m_textView = view;
    m_textViewLifetime = lifetime;
    m_textViewTracked = lifetime != nullptr;
    if (view) view->setController(this);
}

EditorTextView* EditorController::textView() const
{
    if (m_textViewTracked && !m_textViewLifetime) return nullptr;
    return m_textView;
}

void EditorController::setScrollView(EditorScrollView* view, QObject* lifetime)
{
    m_scrollView = view;
    m_scrollViewLifetime = lifetime;
    m_scrollViewTracked = lifetime != nullptr;
}

EditorScrollView* EditorController::scrollView() const
{
    if (m_scrollViewTracked && !m_scrollViewLifetime) return nullptr;
    return m_scrollView;
}

void EditorController::inTurn(std::function<void()> command, EditorTextView::Turn turn)
{
    if (EditorTextView* view = textView())
        view->inTurn(std::move(command), turn);
    else
        command();
}

void EditorController::replace(TextRange range, const QString& text, std::optional<TextRange> select)
{
    EditorTextView* view = textView();
    if (!view || range.isNotFound() || range.location < 0 || range.length < 0) return;
    if (view->textLength() < range.end()) return;
    if (!view->replaceRange(range, text)) return;
    if (select) view->setSelectedRange(*select);
}

bool EditorController::replaceEach(const QList<TextFind::Edit>& edits, std::optional<TextRange> select)
{
    EditorTextView* view = textView();
    if (!view || edits.isEmpty() || edits.first().range.location < 0) return false;
    for (qsizetype i = 1; i < edits.size(); ++i)
        if (edits[i].range.location < edits[i - 1].range.end()) return false;
    if (view->textLength() < edits.last().range.end()) return false;
    if (!view->replaceRanges(edits)) return false;
    if (select) view->setSelectedRange(*select);
    return true;
}

bool EditorController::replaceMatches(const QList<TextRange>& matches, const QString& with,
                                      std::optional<TextRange> select)
{
    EditorTextView* view = textView();
    if (!view || matches.isEmpty() || matches.first().location < 0) return false;
    for (qsizetype i = 1; i < matches.size(); ++i)
        if (matches[i].location < matches[i - 1].end()) return false;
    if (view->textLength() < matches.last().end()) return false;
    return view->replaceMatches(matches, with, select);
}

void EditorController::replaceSelection(const QString& text)
{
    EditorTextView* view = textView();
    if (!view) return;
    const TextRange sel = view->selectedRange();
    replace(sel, text, TextRange(sel.location, int(text.size())));
    view->focusEditor();
}

void EditorController::updateCounts()
{
    EditorTextView* view = textView();
    const std::optional<DocStats> running = view ? view->runningCounts() : std::nullopt;
    if (running) {
        m_counts = *running;
        m_statsStale = true;
    } else {
        m_stats = DocStats::compute(view ? view->text() : QString());
        m_counts = m_stats;
        m_statsStale = false;
    }
    Q_EMIT statsChanged(m_counts);
}

const DocStats& EditorController::stats() const
{
    if (m_statsStale) {
        EditorTextView* view = textView();
        m_stats = DocStats::compute(view ? view->text() : QString());
        m_statsStale = false;
    }
    return m_stats;
}

void EditorController::updateSelectionStats()
{
    EditorTextView* view = textView();
    int words = 0, chars = 0;
    if (view) {
        const TextRange sel = view->selectedRange();
        if (!sel.isNotFound() && sel.length >= countApartUnits) {
            countSelectionApart(view->textInRange(sel));
            return;
        }
        if (!sel.isNotFound() && sel.length >= 1) {
            const QString t = view->textInRange(sel);
            chars = DocStats::countCharacters(t);
            words = DocStats::countWords(t);
        }
    }
    ++m_selectionTicket; // a count still under way for an earlier selection is old
    setSelectionStats(words, chars);
}

void EditorController::setSelectionStats(int words, int chars)
{
    if (words == m_selectionWords && chars == m_selectionChars) return;
    m_selectionWords = words;
    m_selectionChars = chars;
    Q_EMIT selectionStatsChanged(words, chars);
}

void EditorController::countSelectionApart(const QString& text)
{
    // Counting the words of all of a long text (Select All at 100 MiB) takes seconds: the
    // window goes on meanwhile, and the count arrives unless another selection overtook it.
    const int ticket = ++m_selectionTicket;
    auto promise = std::make_shared<QPromise<std::pair<int, int>>>();
    auto* watcher = new QFutureWatcher<std::pair<int, int>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, ticket] {
        watcher->deleteLater();
        if (ticket != m_selectionTicket || watcher->future().resultCount() == 0) return;
        const auto [words, chars] = watcher->result();
        setSelectionStats(words, chars);
    });
    watcher->setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, text] {
        promise->start();
        promise->addResult(std::pair(DocStats::countWords(text), DocStats::countCharacters(text)));
        promise->finish();
    });
}

double EditorController::clampZoom(double z)
{
    // A factor that is not a number (a zero-sized view measured against the page) would
    // otherwise pass both comparisons and reach the view.
    if (std::isnan(z)) return 1.0;
    if (z <= 0.25) return 0.25;
    if (z > 5.0) return 5.0;
    return z;
}

double EditorController::stepZoom(double z, double delta)
{
    // std::round rounds halves away from zero, as the zoom steps require.
    return clampZoom(std::round((z + delta) / 0.1) * 0.1);
}

void EditorController::zoomIn()
{
    const double z = stepZoom(m_zoom, 0.1);
    if (auto* sv = scrollView()) sv->setMagnification(z, false);
    m_zoom = z;
    Q_EMIT zoomChanged(z);
}

void EditorController::zoomOut()
{
    const double z = stepZoom(m_zoom, -0.1);
    if (auto* sv = scrollView()) sv->setMagnification(z, false);
    m_zoom = z;
    Q_EMIT zoomChanged(z);
}

void EditorController::setZoom(double factor, bool animated)
{
    const double z = clampZoom(factor);
    if (auto* sv = scrollView()) sv->setMagnification(z, animated);
    m_zoom = z;
    Q_EMIT zoomChanged(z);
}

void EditorController::setZoomFromView(double factor)
{
    m_zoom = factor;
    Q_EMIT zoomChanged(factor);
}

void EditorController::fitWidth()
{
    auto* sv = scrollView();
    if (!sv) return;
    const double available = sv->viewportSize().width() - sv->verticalScrollerWidth();
    if (m_pageFootprint.width() > 0) setZoom(available / m_pageFootprint.width(), true);
}

void EditorController::fitPage()
{
    auto* sv = scrollView();
    if (!sv) return;
    const double available = sv->viewportSize().width() - sv->verticalScrollerWidth();
    if (m_pageFootprint.width() > 0 && m_pageFootprint.height() > 0) {
        const double wr = available / m_pageFootprint.width();
        const double hr = sv->viewportSize().height() / m_pageFootprint.height();
        setZoom(hr < wr ? hr : wr, true);
    }
}

TextRange EditorController::selectionLineBlock() const
{
    EditorTextView* view = textView();
    if (!view) return TextRange::notFound();
    return TextUtil::lineRange(view->text(), view->selectedRange());
}
