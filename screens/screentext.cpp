#include "screens/screentext.h"

#include <QTextDocument>

QString plainTextMessage(const QString &text)
{
    return Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}
