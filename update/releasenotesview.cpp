#include "update/releasenotesview.h"

#include "account/browser.h"
#include "update/artifact.h"

namespace LumoUpdate {

ReleaseNotesView::ReleaseNotesView(QWidget *parent)
    : QTextBrowser(parent)
{
    // Left to itself the browser would load a file link into the view and
    // hand any other scheme to the system.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [](const QUrl &url) {
        if (isWebAddress(url))
            LumoAccount::openInBrowser(url);
    });
}

ReleaseNotesView::~ReleaseNotesView() = default;

QVariant ReleaseNotesView::loadResource(int, const QUrl &)
{
    return {};
}

} // namespace LumoUpdate
