#pragma once

#include <functional>

class QUrl;

namespace LumoAccount {

// Opens a URL with the desktop's default handler (the system browser).
// False when no browser could be started; the address then goes to the
// failure handler, which tells the user to open it by hand.
bool openInBrowser(const QUrl &url);

// Told of every address that could not be opened. The interface sets it;
// without one a failure is only logged.
using BrowserFailureHandler = std::function<void(const QUrl &url)>;
void setBrowserFailureHandler(BrowserFailureHandler handler);

// What starts the browser: the desktop's (QDesktopServices::openUrl)
// unless replaced. A URL handler set on QDesktopServices always counts as
// opened, so a test that needs a desktop without a browser sets an opener
// that fails; an empty one restores the desktop's.
using BrowserOpener = std::function<bool(const QUrl &url)>;
void setBrowserOpener(BrowserOpener opener);

} // namespace LumoAccount
