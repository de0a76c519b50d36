#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

/// A web server on 127.0.0.1 inside the test: each path gets a raw HTTP answer written
/// in full, after which the server hangs up. A path without an answer gets 404; a path
/// whose answer is empty never gets one, and a stalled path gets the start of one and
/// then nothing more, for time limits.
class CLocalHttpServer : public QObject {
public:
    CLocalHttpServer() {
        // The test's server must be reached directly, whatever proxy the machine names.
        for (const char* name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY"}) {
            qunsetenv(name);
        }
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, &CLocalHttpServer::OnConnection);
    }

    bool IsListening() const { return m_server.isListening(); }
    QUrl Url(const QString& path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }
    void Serve(const QString& path, const QByteArray& answer) { m_answers.insert(path, answer); }
    /// path gets start and then waits, the connection open, until the client gives up.
    void ServeStalled(const QString& path, const QByteArray& start) {
        m_answers.insert(path, start);
        m_stalled.insert(path);
    }

    /// The bytes of a file of the tests' data.
    static QByteArray Fixture(const QString& name) {
        QFile file(QStringLiteral(TARVO_TEST_DATA "/") + name);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    /// A whole answer with the given status and body, its length declared.
    static QByteArray Answer(const QByteArray& status, const QByteArray& body,
                             const QByteArray& headers = {}) {
        return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n" + headers + "\r\n" + body;
    }

private:
    void OnConnection() {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                QByteArray& request = m_requests[socket];
                request += socket->readAll();
                if (!request.contains("\r\n\r\n")) {
                    return;
                }
                const QString path = QString::fromLatin1(request.split(' ').value(1));
                const QByteArray answer =
                    m_answers.value(path, Answer("404 Not Found", "no such file"));
                m_requests.remove(socket);
                if (!answer.isEmpty()) {
                    socket->write(answer);
                    if (!m_stalled.contains(path)) {
                        socket->disconnectFromHost();
                    }
                }
            });
        }
    }

    QTcpServer m_server;
    QHash<QString, QByteArray> m_answers;
    QSet<QString> m_stalled;
    QHash<QTcpSocket*, QByteArray> m_requests;
};
