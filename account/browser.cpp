#include "account/browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace LumoAccount {

void openInBrowser(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

} // namespace LumoAccount
