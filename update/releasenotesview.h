#pragma once

#include <QTextBrowser>

namespace LumoUpdate {

// Shows release notes, which come from the network. A link opens in the
// browser only when it is a web address; a link or image naming a local
// file, a resource or a script does nothing, so notes cannot show the
// user's files or start another handler.
class ReleaseNotesView : public QTextBrowser
{
    Q_OBJECT

public:
    explicit ReleaseNotesView(QWidget *parent = nullptr);
    ~ReleaseNotesView() override;

    QVariant loadResource(int type, const QUrl &name) override;
};

} // namespace LumoUpdate
