#pragma once

#include "update/updateconfig.h"

#include <QString>
#include <QUrl>

// Where the Help menu's feedback command sends the user.
struct FeedbackConfig
{
    QString appId;
    QUrl feedbackUrl;
};

// The running release, as the update feed and the what's-new marker see it.
QString tallyraVersion();

// Built afresh for every use.
LumoUpdate::UpdateConfig makeUpdateConfig();
FeedbackConfig makeFeedbackConfig();
