#include "account/browser.h"

#include <QDebug>
#include <QDesktopServices>
#include <QUrl>

#include <utility>

namespace LumoAccount {

namespace {

BrowserFailureHandler &storedFailureHandler()
{
    static BrowserFailureHandler handler;
    return handler;
}

BrowserOpener &storedOpener()
{
    static BrowserOpener replacement;
    return replacement;
}

} // namespace

bool openInBrowser(const QUrl &url)
{
    const bool opened = storedOpener() ? storedOpener()(url) : QDesktopServices::openUrl(url);
    if (opened)
        return true;
    qWarning() << "No browser could open" << url.toString();
    if (storedFailureHandler())
        storedFailureHandler()(url);
    return false;
}

void setBrowserFailureHandler(BrowserFailureHandler handler)
{
    storedFailureHandler() = std::move(handler);
}

void setBrowserOpener(BrowserOpener opener)
{
    storedOpener() = std::move(opener);
}

} // namespace LumoAccount
