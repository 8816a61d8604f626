#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

// A tiny HTTP/1.1 server on 127.0.0.1 inside the test process. It records every request
// (method, path, lower-cased headers, body) and answers each with the configured reply,
// or stays silent. Requests are bounded in size; it never listens beyond loopback.
class FakeHttpServer : public QObject {
public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QHash<QByteArray, QByteArray> headers;
        QByteArray body;
    };

    FakeHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_server.nextPendingConnection()) {
                m_sockets.append(s);
                connect(s, &QTcpSocket::readyRead, this, [this, s] { onData(s); });
            }
        });
    }

    quint16 port() const { return m_server.serverPort(); }
    QUrl url(const QString& path = QStringLiteral("/v1/chat/completions")) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
    }

    void respond(int status, QByteArray body, QByteArray contentType = "application/json")
    {
        m_status = status;
        m_body = std::move(body);
        m_type = std::move(contentType);
        m_silent = false;
    }
    void beSilent() { m_silent = true; }
    // Answers with a long body sent one byte every `everyMs`, for as long as the client
    // stays connected: never silent long enough for an inactivity limit.
    void trickle(int everyMs)
    {
        m_silent = false;
        m_trickleMs = everyMs;
    }
    // Further response header lines, each ending in CR LF.
    QByteArray extraHeaders;

    QList<Request> requests;

private:
    void onData(QTcpSocket* s)
    {
        QByteArray& buf = m_buffers[s];
        buf += s->readAll();
        if (buf.size() > (8 << 20)) {
            s->abort();
            return;
        }
        const qsizetype headerEnd = buf.indexOf("\r\n\r\n");
        if (headerEnd < 0) return;
        Request r;
        const QList<QByteArray> lines = buf.left(headerEnd).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        r.method = first.value(0);
        r.path = first.value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i);
            const qsizetype colon = line.indexOf(':');
            if (colon < 0) continue;
            // Keep the value's own blanks: only the single separator space is dropped.
            QByteArray value = line.mid(colon + 1);
            if (value.startsWith(' ')) value.remove(0, 1);
            if (value.endsWith('\r')) value.chop(1);
            r.headers.insert(line.left(colon).trimmed().toLower(), value);
        }
        const int length = r.headers.value("content-length").toInt();
        if (buf.size() < headerEnd + 4 + length) return;
        r.body = buf.mid(headerEnd + 4, length);
        requests.append(r);
        m_buffers.remove(s);
        if (m_silent) return;
        if (m_trickleMs > 0) {
            s->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: 100000000\r\n\r\n");
            auto* timer = new QTimer(s);
            connect(timer, &QTimer::timeout, s, [s] { s->write(" "); });
            timer->start(m_trickleMs);
            return;
        }
        QByteArray out = "HTTP/1.1 " + QByteArray::number(m_status) + " Status\r\nContent-Type: " + m_type
                         + "\r\nContent-Length: " + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n"
                         + extraHeaders + "\r\n" + m_body;
        s->write(out);
        s->disconnectFromHost();
    }

    QTcpServer m_server;
    QList<QPointer<QTcpSocket>> m_sockets;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    int m_status = 200;
    QByteArray m_body;
    QByteArray m_type = "application/json";
    bool m_silent = false;
    int m_trickleMs = 0;
};

// Runs the event loop until `done()` is true or `ms` elapse (tests never hang).
template <typename F> inline bool spinUntil(F done, int ms = 10000)
{
    if (done()) return true;
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    tick.start(5);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}
