#pragma once

#include "update/artifact.h"

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace LumoUpdate {

// Offers a newer build: its notes when the feed names them, "Download"
// (which only opens the address in the browser) and, unless the build is
// mandatory, "Later".
class UpdateDialog : public QDialog
{
    Q_OBJECT

public:
    UpdateDialog(const Artifact &artifact, const QString &currentVersion,
                 const QString &appDisplayName, QWidget *parent = nullptr);
    ~UpdateDialog() override;

public Q_SLOTS:
    void onDownloadClicked();
    void onNotesReady(const QString &markdown);

private:
    QUrl m_downloadUrl;
    QTextBrowser *m_notesView = nullptr;
};

} // namespace LumoUpdate
