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

    static FileChooser *current();
    // Installs a replacement (not owned); nullptr restores the file dialogs.
    static void setCurrent(FileChooser *chooser);
};
