#include "toolkit/web/Sites.h"

namespace toolkit {

namespace {

Sites& sites() {
    static Sites s{
        QUrl(QStringLiteral("http://www.bing.com/")),
        QUrl(QStringLiteral("http://www.morvane.example")),
        QUrl(QStringLiteral("http://sites.morvane.example")),
        QStringLiteral("morvane@morvane.example"),
    };
    return s;
}

QUrl join(const QUrl& base, const QString& suffix) {
    QString text = base.toString(QUrl::StripTrailingSlash);
    return QUrl(text + suffix);
}

} // namespace

const Sites& Sites::current() {
    return sites();
}

void Sites::setForTesting(const Sites& replacement) {
    sites() = replacement;
}

QUrl Sites::promotionPage(int number) const {
    return join(promotion, QStringLiteral("/ad/%1.php").arg(number));
}

QUrl Sites::promotionWith(const QString& suffix) const {
    return join(promotion, suffix);
}

QUrl Sites::timedPage() const {
    return join(directory, QStringLiteral("/?id=Tessoly20110313_run125"));
}

} // namespace toolkit
