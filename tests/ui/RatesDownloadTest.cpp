#include <QFile>
#include <QLibraryInfo>
#include <QSignalSpy>
#include <QtTest>

#include "LocalHttpServer.h"
#include "net/HttpRatesTransfer.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/RatesDownload.h"

namespace {

using namespace std::chrono_literals;

QByteArray Fixture(const QString& name) {
    return CLocalHttpServer::Fixture(name);
}

}  // namespace

class CRatesDownloadTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_server.IsListening());
        const QByteArray oversized(CHttpRatesTransfer::kMaxBytes + 1, 'x');
        m_server.Serve("/daily.xml",
                       CLocalHttpServer::Answer("200 OK", Fixture("eurofxref-daily.xml")));
        m_server.Serve("/rates.csv",
                       CLocalHttpServer::Answer("200 OK", Fixture("eurofxref-sample.csv")));
        m_server.Serve("/garbage", CLocalHttpServer::Answer("200 OK", "\x89PNG\r\n\x1a\n"));
        m_server.Serve("/slow", "");
        m_server.ServeStalled("/trickle",
                              "HTTP/1.1 200 OK\r\nContent-Length: 500\r\n\r\n<gesmes:Envelope>");
        m_server.Serve("/truncated",
                       "HTTP/1.1 200 OK\r\nContent-Length: 500\r\n\r\n<gesmes:Envelope>");
        m_server.Serve("/oversized", CLocalHttpServer::Answer("200 OK", oversized));
        m_server.Serve("/oversized-undeclared",
                       "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + oversized);
        m_server.Serve(
            "/to-http",
            CLocalHttpServer::Answer(
                "302 Found", {}, "Location: " + m_server.Url("/daily.xml").toEncoded() + "\r\n"));
        m_server.Serve("/to-https",
                       CLocalHttpServer::Answer("301 Moved Permanently", {},
                                                "Location: https://127.0.0.1:1/daily.xml\r\n"));
    }

    void init() { m_download.SetTimeout(CRatesDownload::kTimeout); }
    void cleanup() { VerifyNoWindowLeft(); }

    void deliversTheBody_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fixture");
        QTest::newRow("xml") << "/daily.xml"
                             << "eurofxref-daily.xml";
        QTest::newRow("csv") << "/rates.csv"
                             << "eurofxref-sample.csv";
    }
    void deliversTheBody() {
        QFETCH(QString, path);
        QFETCH(QString, fixture);
        QSignalSpy finished(&m_download, &CRatesDownload::Finished);
        QSignalSpy failed(&m_download, &CRatesDownload::Failed);
        m_download.Start(m_server.Url(path));
        QTRY_COMPARE(finished.count() + failed.count(), 1);
        QCOMPARE(failed.count(), 0);
        QCOMPARE(finished.first().first().toByteArray(), Fixture(fixture));
        QVERIFY(!m_download.IsRunning());
    }

    void failsWithItsCause_data() {
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<QString>("message");
        const QString host = QStringLiteral("127.0.0.1");
        QTest::newRow("404") << m_server.Url("/missing")
                             << "The server " + host +
                                    " answered \"404 Not Found\" instead of sending the rates.";
        QTest::newRow("slow") << m_server.Url("/slow")
                              << "The server did not answer within 0.3 seconds.";
        QTest::newRow("answers, but too slowly")
            << m_server.Url("/trickle") << "The download did not finish within 0.3 seconds.";
        QTest::newRow("truncated") << m_server.Url("/truncated")
                                   << "The server " + host +
                                          " closed the connection before the answer was "
                                          "complete.";
        QTest::newRow("oversized")
            << m_server.Url("/oversized")
            << "The answer is larger than 1024 KiB, too large for a rates file.";
        QTest::newRow("oversized, length not declared")
            << m_server.Url("/oversized-undeclared")
            << "The answer is larger than 1024 KiB, too large for a rates file.";
        QTest::newRow("redirect to http")
            << m_server.Url("/to-http")
            << "The server sent the download on to " + m_server.Url("/daily.xml").toString() +
                   ", which is not a secure (https) address.";
        QTest::newRow("redirect to https is followed")
            << m_server.Url("/to-https") << "The server " + host + " refused the connection.";
        QTest::newRow("refused") << QUrl("http://127.0.0.1:1/daily.xml")
                                 << "The server " + host + " refused the connection.";
        QTest::newRow("not http") << QUrl("file:///etc/hostname")
                                  << "The address \"file:///etc/hostname\" is not an http or "
                                     "https address.";
    }
    void failsWithItsCause() {
        QFETCH(QUrl, url);
        QFETCH(QString, message);
        m_download.SetTimeout(300ms);
        QSignalSpy finished(&m_download, &CRatesDownload::Finished);
        QSignalSpy failed(&m_download, &CRatesDownload::Failed);
        m_download.Start(url);
        QTRY_COMPARE(finished.count() + failed.count(), 1);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.first().first().toString(), message);
        QVERIFY(!m_download.IsRunning());
    }

    void cancelEndsTheDownload() {
        QSignalSpy failed(&m_download, &CRatesDownload::Failed);
        m_download.Start(m_server.Url("/slow"));
        QVERIFY(m_download.IsRunning());
        m_download.Cancel();
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.first().first().toString(), QStringLiteral("The download was cancelled."));
        QVERIFY(!m_download.IsRunning());
    }

    void moduleThatCannotBeLoadedFailsTheDownload_data() {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "/nonexistent/libtarvo_net.so"
                                 << "The shared library was not found";
        QTest::newRow("another plugin")
            << QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqoffscreen.so"
            << "it does not fit this version of Tarvo";
    }
    void moduleThatCannotBeLoadedFailsTheDownload() {
        QFETCH(QString, module);
        QFETCH(QString, reason);
        CRatesDownload download;
        download.SetModuleFile(module);
        QSignalSpy failed(&download, &CRatesDownload::Failed);
        download.Start(m_server.Url("/daily.xml"));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.first().first().toString(),
                 "The download module " + module + " could not be loaded: " + reason + ".");
        QVERIFY(!download.IsRunning());
    }

    void addressFromTheEnvironment() {
        qunsetenv("TARVO_RATES_URL");
        QCOMPARE(CRatesDownload::SourceUrl(), QUrl(CRatesDownload::kBankUrl));
        qputenv("TARVO_RATES_URL", "http://127.0.0.1:8/mirror.xml");
        QCOMPARE(CRatesDownload::SourceUrl(), QUrl("http://127.0.0.1:8/mirror.xml"));
        qunsetenv("TARVO_RATES_URL");
    }

private:
    CLocalHttpServer m_server;
    CRatesDownload m_download;
};

QTEST_GUILESS_MAIN(CRatesDownloadTest)
#include "RatesDownloadTest.moc"
