#pragma once

#include <QStringList>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 for the web tests: every path answers
// with a page titled after it ("/ad/3.php" → "Ad 3"), and the paths asked
// for are recorded in order.
class LoopbackServer : public QTcpServer {
    Q_OBJECT
public:
    explicit LoopbackServer(QObject* parent = nullptr);

    QString base() const; // "http://127.0.0.1:<port>"
    QStringList requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }

signals:
    void requested(const QString& path);

private:
    void serve();
    QStringList m_requests;
};
