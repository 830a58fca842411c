#pragma once

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace LumoUpdate {

// Shows one version's release notes; with a download address it also
// offers that build.
class WhatsNewDialog : public QDialog
{
    Q_OBJECT

public:
    WhatsNewDialog(const QString &markdown, const QString &shownVersion, const QString &runningVersion,
                   const QString &appDisplayName, QWidget *parent = nullptr,
                   const QUrl &downloadUrl = QUrl());
    ~WhatsNewDialog() override;

private:
    QTextBrowser *m_notesView;
    QUrl m_downloadUrl;
};

} // namespace LumoUpdate
