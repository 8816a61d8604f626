#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

class QLocalSocket;

// One running program per user. The first launch listens on a local socket in the user's
// runtime folder (reachable by this user only); a later launch hands its arguments over
// and ends. Simultaneous launches elect one server through a lock file; a socket left by a
// program that died is replaced; a launch that gets no answer in time runs on its own.
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
    // UTF-8 JSON array of strings. `decode` takes the payload only; nullopt when malformed.
    static QByteArray encode(const QStringList& items);
    static std::optional<QStringList> decode(const QByteArray& payload);

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
    // `timeoutMs` in all. Needs the application object (the server runs in its event loop).
    Outcome start(const QStringList& items, int timeoutMs = kAnswerTimeoutMs);
    bool isServer() const { return m_server.isListening(); }

Q_SIGNALS:
    // A later launch's items (already checked to be a well-formed message).
    void messageReceived(const QStringList& items);

private:
    void accept();
    void read(QLocalSocket* socket);
    bool listen();

    QString m_directory;
    QLocalServer m_server;
    std::unique_ptr<QLockFile> m_lock;
    QHash<QLocalSocket*, QByteArray> m_buffers;
};
