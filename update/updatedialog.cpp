#include "update/updatedialog.h"

#include "account/browser.h"
#include "update/releasenotesfetcher.h"
#include "update/releasenotesview.h"
#include "ui/windowsize.h"

#include <QDebug>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace LumoUpdate {

UpdateDialog::UpdateDialog(const Artifact &artifact, const QString &currentVersion,
                           const QString &appDisplayName, QWidget *parent)
    : QDialog(parent)
    , m_downloadUrl(artifact.url)
{
    setWindowTitle(tr("Update available"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);

    auto *heading = new QLabel(tr("A new version of %1 is available.").arg(appDisplayName), this);
    QFont headingFont = heading->font();
    headingFont.setWeight(QFont::Bold);
    if (headingFont.pointSize() > 0)
        headingFont.setPointSize(headingFont.pointSize() + 1);
    heading->setFont(headingFont);
    layout->addWidget(heading);

    layout->addWidget(new QLabel(
        tr("You have version %1. The latest version is %2.").arg(currentVersion, artifact.version), this));

    if (artifact.releaseNotesUrl.isValid()) {
        m_notesView = new ReleaseNotesView(this);
        m_notesView->setPlaceholderText(tr("Loading release notes…"));
        m_notesView->setMinimumHeight(150);
        layout->addWidget(m_notesView);

        auto *fetcher = new ReleaseNotesFetcher(artifact.releaseNotesUrl, QStringLiteral("update-dialog"), this);
        connect(fetcher, &ReleaseNotesFetcher::notesReady, this, &UpdateDialog::onNotesReady);
        connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, this, [this] {
            m_notesView->setMarkdown(tr("*Release notes are not available for this version.*"));
        });
        fetcher->fetch();
    }

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *download = buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    download->setDefault(true);
    if (!artifact.mandatory)
        buttons->addButton(tr("Later"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &UpdateDialog::onDownloadClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    if (m_notesView)
        WindowSize::resizeToFit(this, QSize(520, 420));
}

UpdateDialog::~UpdateDialog() = default;

void UpdateDialog::onDownloadClicked()
{
    const QUrl download = m_downloadUrl;
    // Closed first, so a browser that cannot be opened is reported over
    // the window beneath rather than over this closing dialog.
    accept();
    if (download.isValid() && !download.isEmpty())
        LumoAccount::openInBrowser(download);
    else
        qWarning() << "LumoUpdate: download URL is empty or invalid";
}

void UpdateDialog::onNotesReady(const QString &markdown)
{
    if (m_notesView)
        m_notesView->setMarkdown(markdown);
}

} // namespace LumoUpdate
