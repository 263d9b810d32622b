#pragma once

#include <QString>

#include <functional>

// Opens web addresses in the user's browser. Tests put a recorder in its place.
using UrlOpener = std::function<void(const QString& url)>;

// The host of the maker's web site; the pages are http://<host><path>.
inline constexpr const char* kSiteHost = "www.example.com";

QString SiteUrl(const QString& path);

// Hands the address to the desktop's default browser; the result is ignored, as nothing
// useful can be done when no browser opens.
void OpenUrlInBrowser(const QString& url);
