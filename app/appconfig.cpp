#include "app/appconfig.h"

QString tallyraVersion()
{
    return QStringLiteral("1.1.7");
}

// Built-in addresses stay under the reserved ".invalid" domain until real
// services exist, so nothing is contacted by accident.
LumoUpdate::UpdateConfig makeUpdateConfig()
{
    return {QStringLiteral("tallyra"), QStringLiteral("stable"),
            QUrl(QStringLiteral("https://downloads.lumora.invalid/tallyra/stable/")),
            tallyraVersion()};
}

FeedbackConfig makeFeedbackConfig()
{
    return {QStringLiteral("tallyra"), QUrl(QStringLiteral("https://feedback.lumora.invalid"))};
}
