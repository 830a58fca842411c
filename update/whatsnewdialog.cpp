#include "update/whatsnewdialog.h"

#include "account/browser.h"
#include "update/releasenotesview.h"
#include "ui/windowsize.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace LumoUpdate {

WhatsNewDialog::WhatsNewDialog(const QString &markdown, const QString &shownVersion,
                               const QString &runningVersion, const QString &appDisplayName,
                               QWidget *parent, const QUrl &downloadUrl)
    : QDialog(parent)
    , m_notesView(new ReleaseNotesView(this))
    , m_downloadUrl(downloadUrl)
{
    setWindowTitle(tr("What's New in %1 %2").arg(appDisplayName, shownVersion));
    setModal(false);
    WindowSize::resizeToFit(this, QSize(520, 420));

    auto *layout = new QVBoxLayout(this);

    auto *heading = new QLabel(tr("What's new in %1 %2").arg(appDisplayName, shownVersion), this);
    QFont headingFont = heading->font();
    headingFont.setWeight(QFont::Bold);
    if (headingFont.pointSize() > 0)
        headingFont.setPointSize(headingFont.pointSize() + 2);
    heading->setFont(headingFont);
    layout->addWidget(heading);

    m_notesView->setMarkdown(markdown);
    layout->addWidget(m_notesView);

    auto *bottom = new QHBoxLayout;
    auto *running = new QLabel(tr("You are running version %1").arg(runningVersion), this);
    running->setStyleSheet(QStringLiteral("color: gray; font-size: 11px;"));
    bottom->addWidget(running);
    bottom->addStretch();

    auto *buttons = new QDialogButtonBox(this);
    if (m_downloadUrl.isValid()) {
        QPushButton *download = buttons->addButton(tr("Download %1").arg(shownVersion),
                                                   QDialogButtonBox::AcceptRole);
        connect(download, &QPushButton::clicked, this, [this] {
            const QUrl address = m_downloadUrl;
            // Closed first, as the update dialog's Download is.
            accept();
            LumoAccount::openInBrowser(address);
        });
    }
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
}

WhatsNewDialog::~WhatsNewDialog() = default;

} // namespace LumoUpdate
