#include "app/shell.h"

#include <QDesktopServices>
#include <QUrl>

QString SiteUrl(const QString& path) {
    return QStringLiteral("http://") + kSiteHost + path;
}

void OpenUrlInBrowser(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}
