#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The open-file dialogs of the import screen, replaceable so that tests pick
// files without a dialog.
class ImportFileDialogs
{
public:
    virtual ~ImportFileDialogs();

    // An empty text when cancelled.
    virtual QString openFile(QWidget *parent, const QString &title, const QString &filter);
    // An empty list when cancelled.
    virtual QStringList openFiles(QWidget *parent, const QString &title, const QString &filter);

    static ImportFileDialogs *current();
    // Installs a replacement (not owned); nullptr restores the real dialogs.
    static void setCurrent(ImportFileDialogs *dialogs);
};
