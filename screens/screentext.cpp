#include "screens/screentext.h"

#include "app/application.h"

#include <QDateTime>
#include <QLocale>
#include <QTextDocument>

QString plainTextMessage(const QString &text)
{
    return Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

QString languageDateText(const QDateTime &moment, const QString &format)
{
    return QLocale(Application::effectiveLanguage(true)).toString(moment, format);
}
