#include "screens/filechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
FileChooser s_defaultChooser;
FileChooser *s_currentChooser = nullptr;
} // namespace

FileChooser::~FileChooser() = default;

QString FileChooser::saveFileName(QWidget *parent, const QString &title, const QString &proposedName,
                                  const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, proposedPath(startFolder(), proposedName), filter);
}

QString FileChooser::openFileName(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, startFolder(), filter);
}

QStringList FileChooser::openFileNames(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, title, startFolder(), filter);
}

QString FileChooser::startFolder()
{
    return startFolderFrom(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath());
}

QString FileChooser::startFolderFrom(const QString &documents, const QString &home)
{
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return home;
}

QString FileChooser::proposedPath(const QString &folder, const QString &proposedName)
{
    if (folder.isEmpty() || QDir::isAbsolutePath(proposedName))
        return proposedName;
    return proposedName.isEmpty() ? folder : QDir(folder).filePath(proposedName);
}

FileChooser *FileChooser::current()
{
    return s_currentChooser ? s_currentChooser : &s_defaultChooser;
}

void FileChooser::setCurrent(FileChooser *chooser)
{
    s_currentChooser = chooser;
}
