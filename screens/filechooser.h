#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The file dialogs of the screens go through the current chooser, so that
// tests can answer them without a modal event loop.
class FileChooser
{
public:
    virtual ~FileChooser();

    // The chosen path, or an empty text when the user cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &proposedName,
                                 const QString &filter);
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &filter);
    // An empty list when the user cancelled.
    virtual QStringList openFileNames(QWidget *parent, const QString &title, const QString &filter);

    // The folder the file dialogs open in: the user's documents folder, or
    // the home folder where there is none. Never the program's working
    // directory, which is wherever it happened to be started from.
    static QString startFolder();
    // The documents folder when it exists, home otherwise.
    static QString startFolderFrom(const QString &documents, const QString &home);
    // The proposed name of a save dialog placed in the start folder; a path
    // that names its own folder is kept.
    static QString proposedPath(const QString &folder, const QString &proposedName);

    static FileChooser *current();
    // Installs a replacement (not owned); nullptr restores the file dialogs.
    static void setCurrent(FileChooser *chooser);
};
