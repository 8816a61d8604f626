#include "app/ui/AppShell.h"

#include "app/SingleInstance.h"
#include "app/TemplateStore.h"
#include "app/UrlScheme.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/WelcomeWindow.h"
#include "app/ui/WhatsNewWindow.h"
#include "editor/EditorController.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace AppShell {

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(AppShell)
};

const char* const kStartWindowProperty = "bwLaunchStartWindow";

// Notices the first key press or click anywhere in the program while the launch settles.
class UserActionWatch : public QObject {
public:
    using QObject::QObject;
    bool acted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::ShortcutOverride: acted = true; break;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }
};

void closeStartWindows()
{
    // The welcome window takes the start window's place: closing the last document window
    // under it must not end the program (the welcome window does not count as one).
    const bool quitOnLast = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    for (DocumentWindow* w : DocumentController::instance().windows())
        if (closedByLaunchPass(w)) w->close();
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLast);
}

void showWelcomeRun(int attempt, QPointer<UserActionWatch> watch)
{
    QTimer::singleShot(Launch::kWelcomeDelayMs, qApp, [attempt, watch] {
        if (!watch || watch->acted) {
            delete watch.data();
            return;
        }
        // Shown before the start window goes: closing the last window first would quit.
        launchWindows().showWelcome();
        closeStartWindows();
        if (attempt + 1 < Launch::kWelcomeRuns)
            showWelcomeRun(attempt + 1, watch);
        else
            delete watch.data();
    });
}

} // namespace

DocumentWindow* newDocumentWithText(const std::optional<QString>& text)
{
    if (text) TemplateStore::pending = *text;
    return DocumentController::instance().newDocument();
}

DocumentWindow* openUrls(const QStringList& urls)
{
    DocumentWindow* last = nullptr;
    for (const QString& url : urls)
        if (const auto request = UrlScheme::parse(url)) last = newDocumentWithText(request->text);
    return last;
}

// Tells which of the items handed over were not opened.
void reportLeftOut(QWidget* window, const QList<Launch::Item>& leftOut)
{
    constexpr int kNamed = 10;
    QStringList names;
    for (const Launch::Item& item : leftOut.first(std::min<qsizetype>(leftOut.size(), kNamed)))
        names.append(item.kind == Launch::Item::Kind::File ? QDir::toNativeSeparators(item.value) : item.value);
    if (leftOut.size() > kNamed) names.append(QStringLiteral("…"));
    DocumentController::instance().alert(window,
                                         Tr::tr("%n files or links were not opened.", nullptr, int(leftOut.size())),
                                         Tr::tr("One request opens at most %1 of them. Not opened:\n%2")
                                             .arg(QString::number(Launch::kMaxItemsOpened), names.join(u'\n')));
}

void openItems(const QList<Launch::Item>& requested)
{
    DocumentController& documents = DocumentController::instance();
    const auto [items, leftOut] = Launch::cap(requested);
    DocumentWindow* last = nullptr;
    for (const Launch::Item& item : items) {
        if (item.kind == Launch::Item::Kind::File) {
            if (DocumentWindow* w = documents.openOrCreateDocument(item.value)) last = w;
        } else if (DocumentWindow* w = openUrls({item.value})) {
            last = w;
        }
    }
    if (last) documents.keepInFront(last);
    if (!leftOut.isEmpty()) reportLeftOut(last, leftOut);
}

void front()
{
    DocumentController& documents = DocumentController::instance();
    QWidget* window = documents.activeWindow();
    if (!window && !documents.windows().isEmpty()) window = documents.windows().last();
    // With no document open, the window that is (the welcome window, say) comes forward.
    if (!window)
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && !top->parentWidget()) window = top;
    if (!window) {
        documents.newDocument();
        return;
    }
    if (window->isMinimized()) window->showNormal();
    window->raise();
    window->activateWindow();
}

void handleMessage(const QStringList& strings)
{
    const QList<Launch::Item> items = Launch::fromStrings(strings);
    if (items.isEmpty()) {
        front();
        return;
    }
    openItems(items);
}

void takeHandOffs(SingleInstance& instance)
{
    DocumentController& documents = DocumentController::instance();
    QObject::connect(&instance, &SingleInstance::messageReceived, &instance, &handleMessage);
    QObject::connect(&documents, &DocumentController::quitBegan, &instance, &SingleInstance::stop);
    QObject::connect(&documents, &DocumentController::quitCancelled, &instance, &SingleInstance::resume);
    // However else the program ends (the last window closed, the session ending).
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &instance, &SingleInstance::stop);
}

LaunchWindows& launchWindows()
{
    static LaunchWindows windows;
    return windows;
}

void installLaunchWindows()
{
    launchWindows().showWhatsNewIfNewVersion = [] { WhatsNewWindow::shared().showIfNewVersion(); };
    launchWindows().showWelcome = [] { WelcomeWindow::shared().showWindow(); };
}

void markStartWindow(DocumentWindow* window)
{
    if (window) window->setProperty(kStartWindowProperty, true);
}

Launch::WindowFacts factsOf(const DocumentWindow* window)
{
    Launch::WindowFacts facts;
    facts.origin =
        window->property(kStartWindowProperty).toBool() ? Launch::Origin::StartWindow : Launch::Origin::Other;
    facts.hasFile = !window->isUntitled();
    facts.edited = window->isDocumentEdited();
    const EditorTextView* view = window->editorController()->textView();
    facts.empty = !view || view->textLength() == 0;
    return facts;
}

bool closedByLaunchPass(const DocumentWindow* window)
{
    return Launch::closedByLaunchPass(factsOf(window));
}

void runLaunchSequence(bool namedItems, bool reopens)
{
    // Not over the question of a text recovered at this launch: it waits for the answer.
    if (launchWindows().showWhatsNewIfNewVersion)
        DocumentController::instance().afterRecoveryQuestions(launchWindows().showWhatsNewIfNewVersion);
    const bool welcome = Settings::instance().boolean(PrefKey::showWelcomeOnLaunch, true);
    if (!Launch::showsWelcome(welcome, reopens, namedItems) || !launchWindows().showWelcome) return;
    auto* watch = new UserActionWatch(qApp);
    qApp->installEventFilter(watch);
    showWelcomeRun(0, watch);
}

} // namespace AppShell
