#pragma once

class QUrl;

namespace LumoAccount {

// Opens a URL with the desktop's default handler (the system browser).
void openInBrowser(const QUrl &url);

} // namespace LumoAccount
