#include "screens/filechooser.h"

#include <QFileDialog>

namespace {
FileChooser s_defaultChooser;
FileChooser *s_currentChooser = nullptr;
} // namespace

FileChooser::~FileChooser() = default;

QString FileChooser::saveFileName(QWidget *parent, const QString &title, const QString &proposedName,
                                  const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, proposedName, filter);
}

QString FileChooser::openFileName(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QStringList FileChooser::openFileNames(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, title, QString(), filter);
}

FileChooser *FileChooser::current()
{
    return s_currentChooser ? s_currentChooser : &s_defaultChooser;
}

void FileChooser::setCurrent(FileChooser *chooser)
{
    s_currentChooser = chooser;
}
