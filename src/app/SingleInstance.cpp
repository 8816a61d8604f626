#include "app/SingleInstance.h"

#include "platform/Logging.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSemaphore>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <memory>

namespace {

constexpr char kMagic[4] = {'B', 'W', 'K', '1'};
constexpr char kBomUtf8[] = "\xEF\xBB\xBF";
constexpr int kHeaderBytes = 8;
// A client that connects and then stalls is dropped after this long.
constexpr int kReadTimeoutMs = 10000;

int remaining(const QElapsedTimer& clock, int timeoutMs)
{
    return int(std::max<qint64>(0, timeoutMs - clock.elapsed()));
}

} // namespace

QString SingleInstance::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString SingleInstance::sessionName()
{
    // One program per display: a launch on another display (another session of the same
    // user) runs its own program instead of opening its files where nobody looks.
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
    QString name = QStringLiteral("brindlewick");
    if (!display.isEmpty()) {
        for (QChar& c : display)
            if (!c.isLetterOrNumber() && c != u'.' && c != u'-') c = u'_';
        name += u'-' + display.left(64);
    }
    return name;
}

QString SingleInstance::socketPath(const QString& directory)
{
    return QDir(directory).filePath(sessionName() + QStringLiteral(".socket"));
}

QByteArray SingleInstance::encode(const QStringList& items)
{
    QByteArray payload = QJsonDocument(QJsonArray::fromStringList(items)).toJson(QJsonDocument::Compact);
    // Written as an escape, a leading U+FEFF survives readers that drop it as raw UTF-8.
    payload.replace(kBomUtf8, "\\ufeff");
    QByteArray frame(kMagic, 4);
    char size[4];
    qToBigEndian(quint32(payload.size()), size);
    frame.append(size, 4);
    frame.append(payload);
    return frame;
}

std::optional<QStringList> SingleInstance::decode(const QByteArray& payload)
{
    // Qt's JSON reader drops U+FEFF written as UTF-8 at the start of a string, and keeps it
    // written as an escape. Its three bytes stand for nothing else in UTF-8, and outside a
    // string they are no JSON either way.
    QByteArray json = payload;
    if (json.contains(kBomUtf8)) json.replace(kBomUtf8, "\\ufeff");
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray()) return std::nullopt;
    QStringList items;
    for (const QJsonValue& v : doc.array()) {
        if (!v.isString()) return std::nullopt;
        QString item = v.toString();
        if (item.contains(QChar(0))) return std::nullopt;
        items.append(std::move(item));
    }
    return items;
}

SingleInstance::Frame SingleInstance::readFrame(const QByteArray& received)
{
    const QByteArrayView magic(kMagic, 4);
    if (!magic.startsWith(QByteArrayView(received).first(std::min<qsizetype>(4, received.size()))))
        return {Frame::State::Refused, {}};
    if (received.size() < kHeaderBytes) return {};
    const quint32 size = qFromBigEndian<quint32>(received.constData() + 4);
    // Refused before it is read: nothing this large is kept in memory.
    if (size > kMaxMessageBytes) return {Frame::State::Refused, {}};
    const qsizetype whole = kHeaderBytes + qsizetype(size);
    if (received.size() < whole) return {};
    if (received.size() > whole) return {Frame::State::Refused, {}}; // one message per connection
    auto items = decode(received.sliced(kHeaderBytes));
    if (!items) return {Frame::State::Refused, {}};
    return {Frame::State::Message, std::move(*items)};
}

SingleInstance::HandOver SingleInstance::handOver(const QString& directory, const QStringList& items, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QLocalSocket socket;
    socket.connectToServer(socketPath(directory));
    if (!socket.waitForConnected(remaining(clock, timeoutMs))) {
        const auto error = socket.error();
        return error == QLocalSocket::ServerNotFoundError || error == QLocalSocket::ConnectionRefusedError
                   ? HandOver::NoServer
                   : HandOver::NoAnswer;
    }
    socket.write(encode(items));
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(remaining(clock, timeoutMs))) return HandOver::NoAnswer;
    QByteArray answer;
    while (answer.size() < 2 && socket.waitForReadyRead(remaining(clock, timeoutMs))) answer += socket.readAll();
    return answer.startsWith("OK") ? HandOver::Delivered : HandOver::NoAnswer;
}

// The server lives on a thread of its own: it accepts, reads and answers there, and hands
// each message to the owner's thread as a queued call. Nothing else crosses over.
class SingleInstance::Listener : public QThread {
public:
    Listener(SingleInstance* owner, QString path)
        : m_owner(owner),
          m_path(std::move(path))
    {
        setObjectName(QStringLiteral("hand-off listener"));
    }
    ~Listener() override
    {
        quit();
        wait();
    }

    // Starts the thread; true once it listens, false when it could not.
    bool begin()
    {
        start();
        m_ready.acquire();
        return m_listening;
    }

protected:
    void run() override
    {
        QLocalServer server;
        server.setSocketOptions(QLocalServer::UserAccessOption);
        // Holding the lock, a socket file still there was left by a program that died.
        QLocalServer::removeServer(m_path);
        m_listening = server.listen(m_path);
        m_ready.release();
        if (!m_listening) return;
        QObject::connect(&server, &QLocalServer::newConnection, &server, [this, &server] {
            while (QLocalSocket* socket = server.nextPendingConnection()) take(socket);
        });
        exec();
        // The server closes here, on its own thread, with the connections it still holds.
    }

private:
    void take(QLocalSocket* socket)
    {
        auto received = std::make_shared<QByteArray>();
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket,
                         [this, socket, received] { read(socket, *received); });
        QTimer::singleShot(kReadTimeoutMs, socket, [socket] { socket->abort(); });
        if (socket->bytesAvailable() > 0) read(socket, *received);
    }

    void read(QLocalSocket* socket, QByteArray& received)
    {
        received += socket->readAll();
        Frame frame = readFrame(received);
        if (frame.state == Frame::State::Partial) return;
        received = QByteArray();
        if (frame.state == Frame::State::Refused) {
            qCWarning(lcApp) << "a later launch's message could not be read; it was dropped";
            socket->abort();
            return;
        }
        // Queued before the answer: once the launch hears it, the request waits in line.
        SingleInstance* owner = m_owner;
        QMetaObject::invokeMethod(
            owner, [owner, items = std::move(frame.items)] { Q_EMIT owner->messageReceived(items); },
            Qt::QueuedConnection);
        socket->write("OK");
        socket->flush();
        socket->disconnectFromServer();
    }

    SingleInstance* const m_owner;
    const QString m_path;
    QSemaphore m_ready;
    bool m_listening = false; // written before m_ready is released, read after it is taken
};

SingleInstance::SingleInstance(const QString& directory, QObject* parent)
    : QObject(parent),
      m_directory(directory)
{}

SingleInstance::~SingleInstance()
{
    stop();
}

void SingleInstance::stop()
{
    m_listener.reset();
    m_lock.reset();
}

SingleInstance::Outcome SingleInstance::start(const QStringList& items, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    m_lock = makeLock();
    for (;;) {
        switch (handOver(m_directory, items, remaining(clock, timeoutMs))) {
        case HandOver::Delivered: return Outcome::HandedOver;
        case HandOver::NoAnswer: return Outcome::Alone;
        case HandOver::NoServer: break;
        }
        if (m_lock->tryLock(0)) return listen() ? Outcome::Server : Outcome::Alone;
        // Another launch won the election and is about to listen: ask it once it does.
        if (clock.elapsed() >= timeoutMs) return Outcome::Alone;
        QThread::msleep(25);
    }
}

std::unique_ptr<QLockFile> SingleInstance::makeLock() const
{
    QDir().mkpath(m_directory);
    auto lock = std::make_unique<QLockFile>(QDir(m_directory).filePath(sessionName() + QStringLiteral(".lock")));
    // The server holds the lock for as long as it runs: never take a live server's lock for
    // an old one. A lock whose process is gone is taken over at once.
    lock->setStaleLockTime(0);
    return lock;
}

bool SingleInstance::listen()
{
    auto listener = std::make_unique<Listener>(this, socketPath(m_directory));
    if (!listener->begin()) return false;
    m_listener = std::move(listener);
    m_served = true;
    return true;
}

bool SingleInstance::resume()
{
    if (m_listener || !m_served) return bool(m_listener);
    m_lock = makeLock();
    if (m_lock->tryLock(0) && listen()) return true;
    m_lock.reset();
    return false;
}
