#pragma once

#include <QString>

class QDialog;
class QWidget;

// Message boxes and modal dialog runs of the transaction actions and
// dialogs go through the current prompts object, so that tests can answer
// them without a modal event loop.
class UserPrompts
{
public:
    virtual ~UserPrompts();

    virtual void information(QWidget *parent, const QString &title, const QString &text);
    virtual void warning(QWidget *parent, const QString &title, const QString &text);
    // Yes and No buttons, no default button; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text);
    // Runs the dialog modally and returns its result code.
    virtual int runDialog(QDialog *dialog);

    static UserPrompts *current();
    // Installs a replacement (not owned); nullptr restores the message boxes.
    static void setCurrent(UserPrompts *prompts);
};
