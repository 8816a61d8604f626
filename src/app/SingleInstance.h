#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

// One running program per user. The first launch listens on a local socket in the user's
// runtime folder (reachable by this user only); a later launch hands its arguments over
// and ends. Simultaneous launches elect one server through a lock file; a socket left by a
// program that died is replaced; a launch that gets no answer in time runs on its own.
// The socket is answered on a thread of its own, so a program whose window is busy (opening
// or pasting a long text) still takes a launch's message; the message waits in the main
// thread's queue and is acted on, in order, once that thread is free.
//
// A message is the list of items a launch names (absolute paths and URLs; an empty list
// asks to bring the program to the front).
class SingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kMaxMessageBytes = 64LL * 1024 * 1024;
    static constexpr int kAnswerTimeoutMs = 2000;

    // The user's runtime folder (XDG_RUNTIME_DIR, made private by Qt when it makes one).
    static QString defaultDirectory();
    // The socket of the program for this display ("brindlewick-_0.socket" on ":0").
    static QString socketPath(const QString& directory);
    static QString sessionName();

    // The wire form: "BWK1", the payload's size (32 bits, big-endian), then the payload, a
    // UTF-8 JSON array of strings. `decode` takes the payload only; nullopt when malformed
    // or when an item holds NUL (a path would end there for the file system).
    static QByteArray encode(const QStringList& items);
    static std::optional<QStringList> decode(const QByteArray& payload);

    // What the bytes a connection delivered so far amount to: more is due, the connection
    // is refused (not this protocol, a size over kMaxMessageBytes, bytes after the message,
    // a payload `decode` refuses), or the message.
    struct Frame {
        enum class State { Partial, Refused, Message };
        State state = State::Partial;
        QStringList items;
    };
    static Frame readFrame(const QByteArray& received);

    enum class HandOver {
        Delivered, // the running program took the message: this launch ends
        NoServer,  // nobody listens (no socket, or a stale one)
        NoAnswer,  // something listens but did not answer in time: run alone
    };
    // Tries to hand `items` to a running program, within `timeoutMs`. Needs no event loop
    // (and no application object), so it can run before the GUI starts.
    static HandOver handOver(const QString& directory, const QStringList& items, int timeoutMs);

    explicit SingleInstance(const QString& directory, QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Outcome { Server, HandedOver, Alone };
    // Hands the items over or becomes the server, whichever the election gives, within
    // `timeoutMs` in all. The messages reach this object's thread through its event loop.
    Outcome start(const QStringList& items, int timeoutMs = kAnswerTimeoutMs);
    // Stops listening (the socket goes, its thread ends) and lets go of the election: a
    // later launch runs on its own instead of handing its items to a program that quits.
    void stop();
    // After stop(), for a program that runs on: listens again if it was the server, unless a
    // launch made meanwhile took over (that program then takes the later launches). True
    // when listening.
    bool resume();

Q_SIGNALS:
    // A later launch's items (already checked to be a well-formed message).
    void messageReceived(const QStringList& items);

private:
    class Listener;
    bool listen();
    std::unique_ptr<QLockFile> makeLock() const;

    QString m_directory;
    bool m_served = false;
    std::unique_ptr<Listener> m_listener;
    std::unique_ptr<QLockFile> m_lock;
};
