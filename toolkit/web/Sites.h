#pragma once

#include <QString>
#include <QUrl>

namespace toolkit {

// The web addresses the program uses, all in one place: the probe site (a
// public search engine's home page, only ever connected to), the product's
// promotional site and its site directory, and the contact address.
struct Sites {
    QUrl probe;
    QUrl promotion;
    QUrl directory;
    QString contact;

    static const Sites& current();
    // Points the program at other hosts (tests use a server on 127.0.0.1).
    static void setForTesting(const Sites& sites);

    // "/ad/<n>.php" on the promotional site.
    QUrl promotionPage(int number) const;
    // The promotional site's address followed by `suffix` ("/?id=...").
    QUrl promotionWith(const QString& suffix) const;
    QUrl timedPage() const;
};

} // namespace toolkit
