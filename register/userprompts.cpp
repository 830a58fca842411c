#include "register/userprompts.h"

#include <QDialog>
#include <QMessageBox>

namespace {
UserPrompts s_defaultPrompts;
UserPrompts *s_currentPrompts = nullptr;
} // namespace

UserPrompts::~UserPrompts() = default;

void UserPrompts::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

void UserPrompts::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

bool UserPrompts::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton)
        == QMessageBox::Yes;
}

int UserPrompts::runDialog(QDialog *dialog)
{
    return dialog->exec();
}

UserPrompts *UserPrompts::current()
{
    return s_currentPrompts ? s_currentPrompts : &s_defaultPrompts;
}

void UserPrompts::setCurrent(UserPrompts *prompts)
{
    s_currentPrompts = prompts;
}
