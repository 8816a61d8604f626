#include "app/SingleInstance.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QtEndian>

namespace {

constexpr char kMagic[4] = {'B', 'W', 'K', '1'};
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
    const QByteArray payload = QJsonDocument(QJsonArray::fromStringList(items)).toJson(QJsonDocument::Compact);
    QByteArray frame(kMagic, 4);
    char size[4];
    qToBigEndian(quint32(payload.size()), size);
    frame.append(size, 4);
    frame.append(payload);
    return frame;
}

std::optional<QStringList> SingleInstance::decode(const QByteArray& payload)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray()) return std::nullopt;
    QStringList items;
    for (const QJsonValue& v : doc.array()) {
        if (!v.isString()) return std::nullopt;
        items.append(v.toString());
    }
    return items;
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

SingleInstance::SingleInstance(const QString& directory, QObject* parent)
    : QObject(parent),
      m_directory(directory)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::accept);
}

SingleInstance::~SingleInstance()
{
    m_server.close();
}

SingleInstance::Outcome SingleInstance::start(const QStringList& items, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QDir().mkpath(m_directory);
    m_lock = std::make_unique<QLockFile>(QDir(m_directory).filePath(sessionName() + QStringLiteral(".lock")));
    // The server holds the lock for as long as it runs: never take a live server's lock for
    // an old one. A lock whose process is gone is taken over at once.
    m_lock->setStaleLockTime(0);
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

bool SingleInstance::listen()
{
    // Holding the lock, a socket file still there was left by a program that died.
    QLocalServer::removeServer(socketPath(m_directory));
    return m_server.listen(socketPath(m_directory));
}

void SingleInstance::accept()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_buffers.remove(socket); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        QTimer::singleShot(kReadTimeoutMs, socket, [socket] { socket->abort(); });
        if (socket->bytesAvailable() > 0) read(socket);
    }
}

void SingleInstance::read(QLocalSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    const auto drop = [this, socket] {
        m_buffers.remove(socket);
        socket->abort();
    };
    if (buffer.size() >= 4 && !buffer.startsWith(QByteArray(kMagic, 4))) return drop();
    if (buffer.size() < kHeaderBytes) return;
    const quint32 size = qFromBigEndian<quint32>(buffer.constData() + 4);
    // Refused before it is read: nothing this large is kept in memory.
    if (size > kMaxMessageBytes) return drop();
    if (buffer.size() < kHeaderBytes + qsizetype(size)) return;
    if (buffer.size() > kHeaderBytes + qsizetype(size)) return drop(); // one message per connection
    const auto items = decode(buffer.mid(kHeaderBytes));
    m_buffers.remove(socket);
    if (!items) return drop();
    socket->write("OK");
    socket->flush();
    socket->disconnectFromServer();
    Q_EMIT messageReceived(*items);
}
