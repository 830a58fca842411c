#pragma once

#include "update/updateconfig.h"

#include <QString>

#include <functional>

class QWidget;

namespace LumoUpdate {

// How a flow started from the menu reports progress; each callback is
// called only when set.
struct StatusCallbacks
{
    std::function<void(const QString &text)> progress;
    std::function<void()> finished;
    std::function<void(const QString &text, int milliseconds)> message;
};

// Shows the running version's notes over parent once they arrive; shows
// nothing when they are unavailable.
void showWhatsNew(const UpdateConfig &config, const QString &appDisplayName, QWidget *parent);

// Checks the feed and offers a newer build in the update dialog; other
// outcomes end as a status message.
void checkForUpdatesInteractive(const UpdateConfig &config, const QString &appDisplayName,
                                QWidget *parent, const StatusCallbacks &callbacks);

// The running version's notes, else those of a newer build in the feed
// together with its download.
void showWhatsNewFromMenu(const UpdateConfig &config, const QString &appDisplayName,
                          QWidget *parent, const StatusCallbacks &callbacks);

} // namespace LumoUpdate
