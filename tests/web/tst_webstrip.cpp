#include "LoopbackServer.h"
#include "Unit1/Unit1.h"
#include "Unit2/Unit2.h"
#include "Unit3/Unit3.h"
#include "app/Startup.h"
#include "toolkit/Application.h"
#include "toolkit/web/ConnectivityProbe.h"
#include "toolkit/web/Sites.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QWebEngineView>
#include <QtTest>
#include <arpa/inet.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// Receives what the program hands to the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

// The docked web strip, its page rotation and the timed page, against a
// server on 127.0.0.1.
class TestWebStrip : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void onlineStartShowsDockedStripWithPageOne();
    void ticksRotateThroughTenPages();
    void offlineStartKeepsStripHiddenButNavigates();
    void failedProbeSkipsNoPage();
    void timersAreArmed();
    void timedPageOpensOnce();
    void pointerOverMarginRedocksButNotOverPanel();
    void probeIsBoundedAgainstSilentHost();

private:
    void start(bool online);
    void setOnline(bool online);
    QStringList ticks(int count);

    LoopbackServer m_server;
    quint16 m_closedPort = 0;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm3> m_form3;
};

void TestWebStrip::initTestCase() {
    QVERIFY(m_server.isListening());
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    m_closedPort = closed.serverPort();
    closed.close(); // nothing listens there any more
}

void TestWebStrip::setOnline(bool online) {
    const QString probe = online ? m_server.base() + QStringLiteral("/")
                                 : QStringLiteral("http://127.0.0.1:%1/").arg(m_closedPort);
    toolkit::Sites::setForTesting({QUrl(probe), QUrl(m_server.base()),
                                   QUrl(m_server.base() + QStringLiteral("/dir")),
                                   QStringLiteral("morvane@morvane.example")});
}

void TestWebStrip::start(bool online) {
    setOnline(online);
    m_server.clearRequests();
    AdPageNumber = 0;
    m_form1 = std::make_unique<TForm1>();
    Form1 = m_form1.get();
    m_form2 = std::make_unique<TForm2>();
    Form2 = m_form2.get();
    m_form3 = std::make_unique<TForm3>();
    Form3 = m_form3.get();
    m_form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form1.get()));
}

void TestWebStrip::cleanup() {
    Form3 = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
    m_form3.reset();
    m_form2.reset();
    m_form1.reset();
}

QStringList TestWebStrip::ticks(int count) {
    QStringList pages;
    for (int i = 0; i < count; ++i) {
        const qsizetype before = m_server.requests().size();
        m_form1->Timer1Timer();
        if (QTest::qWaitFor([&] { return m_server.requests().size() > before; }, 10000))
            pages << m_server.requests().last();
        else
            pages << QStringLiteral("<none>");
    }
    return pages;
}

void TestWebStrip::onlineStartShowsDockedStripWithPageOne() {
    start(true);
    QVERIFY(Form2->isVisible());
    QVERIFY(Form2->windowFlags().testFlag(Qt::FramelessWindowHint));
    const QRect main = Form1->frameGeometry();
    QCOMPARE(Form2->pos(), QPoint(main.left(), main.top() + main.height()));
    QCOMPARE(Form2->size(), QSize(448, 60));
    QCOMPARE(Form2->WebBrowser1->geometry(), QRect(-20, 0, 468, 80));
    QCOMPARE(AdPageNumber, 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_server.requests().value(0), QStringLiteral("/ad/1.php"), 10000);
    // The page really loads in the browser.
    QTRY_COMPARE_WITH_TIMEOUT(Form2->WebBrowser1->title(), QStringLiteral("Ad 1"), 20000);
    QCOMPARE(Form2->WebBrowser1->url(), QUrl(m_server.base() + QStringLiteral("/ad/1.php")));
}

void TestWebStrip::ticksRotateThroughTenPages() {
    start(true);
    QTRY_VERIFY_WITH_TIMEOUT(!m_server.requests().isEmpty(), 10000);
    QStringList expected;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1})
        expected << QStringLiteral("/ad/%1.php").arg(n);
    QCOMPARE(ticks(11), expected);
    QCOMPARE(AdPageNumber, 1);
}

void TestWebStrip::offlineStartKeepsStripHiddenButNavigates() {
    start(false);
    QVERIFY(!Form2->isVisible());
    QTest::qWait(300);
    QVERIFY(m_server.requests().isEmpty());
    // The geometry is set up all the same.
    QCOMPARE(Form2->size(), QSize(448, 60));
    setOnline(true);
    QCOMPARE(ticks(2), (QStringList{"/ad/1.php", "/ad/2.php"}));
    QVERIFY(!Form2->isVisible());
}

void TestWebStrip::failedProbeSkipsNoPage() {
    start(true);
    QTRY_VERIFY_WITH_TIMEOUT(!m_server.requests().isEmpty(), 10000);
    QCOMPARE(ticks(2), (QStringList{"/ad/1.php", "/ad/2.php"}));
    setOnline(false);
    m_form1->Timer1Timer();
    m_form1->Timer1Timer();
    QCOMPARE(AdPageNumber, 2);
    setOnline(true);
    QCOMPARE(ticks(1), QStringList{"/ad/3.php"});
    QVERIFY(Form2->isVisible());
}

void TestWebStrip::timersAreArmed() {
    start(false);
    QCOMPARE(Form1->Timer1->interval(), 55000);
    QCOMPARE(Form1->Timer2->interval(), 125000);
    QVERIFY(Form1->Timer1->isActive());
    QVERIFY(Form1->Timer2->isActive());
    QVERIFY(!Form1->Timer1->isSingleShot());
}

void TestWebStrip::timedPageOpensOnce() {
    start(false);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    Form1->Timer2Timer();
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl(m_server.base() +
                                            QStringLiteral("/dir/?id=Tessoly20110313_run125"))});
    QVERIFY(!Form1->Timer2->isActive());
}

void TestWebStrip::pointerOverMarginRedocksButNotOverPanel() {
    start(true);
    const QPoint docked = Form2->pos();
    Form1->move(Form1->x() + 40, Form1->y() + 30);
    QCoreApplication::processEvents();
    QCOMPARE(Form2->pos(), docked); // moving the window does not take the strip along
    QWindow* window = Form1->windowHandle();
    QTest::mouseMove(window, QPoint(23 + 225, 33 + 100)); // over the panel
    QCoreApplication::processEvents();
    QCOMPARE(Form2->pos(), docked);
    QTest::mouseMove(window, QPoint(10, 10)); // over the margin
    QCoreApplication::processEvents();
    const QRect main = Form1->frameGeometry();
    QCOMPARE(Form2->pos(), QPoint(main.left(), main.top() + main.height()));
}

void TestWebStrip::probeIsBoundedAgainstSilentHost() {
    // A listening socket that never accepts, with its queue already full:
    // new connections get no answer at all.
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    QCOMPARE(::listen(fd, 0), 0);
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    const quint16 port = ntohs(addr.sin_port);
    std::vector<std::unique_ptr<QTcpSocket>> fillers;
    for (int i = 0; i < 4; ++i) {
        fillers.push_back(std::make_unique<QTcpSocket>());
        fillers.back()->connectToHost(QHostAddress::LocalHost, port);
        fillers.back()->waitForConnected(300);
    }
    QElapsedTimer clock;
    clock.start();
    const bool reached =
        toolkit::probeConnection(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)));
    const qint64 elapsed = clock.elapsed();
    ::close(fd);
    qInfo("probe of a silent host returned after %lld ms", elapsed);
    QVERIFY(!reached);
    // And an unreachable network answers without waiting.
    QVERIFY(
        !toolkit::probeConnection(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_closedPort))));
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    toolkit::Application app(argc, argv);
    app::prepareApplication(app);
    TestWebStrip test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webstrip.moc"
