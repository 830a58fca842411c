#include "screens/importfiledialogs.h"

#include <QFileDialog>

namespace {
ImportFileDialogs s_defaultDialogs;
ImportFileDialogs *s_currentDialogs = nullptr;
} // namespace

ImportFileDialogs::~ImportFileDialogs() = default;

QString ImportFileDialogs::openFile(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QStringList ImportFileDialogs::openFiles(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, title, QString(), filter);
}

ImportFileDialogs *ImportFileDialogs::current()
{
    return s_currentDialogs ? s_currentDialogs : &s_defaultDialogs;
}

void ImportFileDialogs::setCurrent(ImportFileDialogs *dialogs)
{
    s_currentDialogs = dialogs;
}
