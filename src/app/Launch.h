#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The decisions of a launch, apart from the windows they act on.
namespace Launch {

// How a document window came to be. Only the launch's own start window (the empty document
// shown when nothing else was asked for) may be closed by the launch.
enum class Origin { StartWindow, Other };

struct WindowFacts {
    Origin origin = Origin::Other;
    bool hasFile = false;
    bool edited = false;
    bool empty = true;
};

// Whether the launch's closing pass (before the session reopens or the welcome window
// shows) closes this window: only the start window, and only while it is untitled,
// unedited and empty. A document from a URL, a template or the welcome window is kept.
bool closedByLaunchPass(const WindowFacts& window);

// Whether the welcome window is shown at this launch: the setting is on, the session is not
// being reopened, and the launch named no file or URL.
bool showsWelcome(bool showWelcomeOnLaunch, bool reopensSession, bool namedItems);

// The welcome window comes back to the front up to this many times (0.2 s apart) while the
// launch settles, until the user acts.
inline constexpr int kWelcomeRuns = 5;
inline constexpr int kWelcomeDelayMs = 200;
inline constexpr int kSessionReopenDelayMs = 200;

// One thing named on the command line.
struct Item {
    enum class Kind { File, Url };
    Kind kind = Kind::File;
    QString value; // an absolute path, or the URL as given
};

// Paths and "file:" URLs become absolute file paths (relative to `workingDir`); other
// URLs ("scheme:" followed by "//") are kept for the URL handler; empty arguments are dropped.
QList<Item> classify(const QStringList& arguments, const QString& workingDir);

// The wire form of the items (absolute paths and URLs as strings) and back. `fromStrings`
// keeps only absolute paths and URLs: a relative path would resolve against another
// process's folder.
QStringList toStrings(const QList<Item>& items);
QList<Item> fromStrings(const QStringList& strings);

// One launch or hand-off opens at most this many items: each may open a window, and a
// message of thousands would open thousands of windows at once.
inline constexpr int kMaxItemsOpened = 50;

struct Capped {
    QList<Item> opened;
    QList<Item> leftOut;
};
// The first `max` items to open, and the rest, in order.
Capped cap(const QList<Item>& items, int max = kMaxItemsOpened);

} // namespace Launch
