#pragma once

#include <QDialog>

class QUrl;

// Tells the user that no browser could be opened and gives the address to
// open by hand, selected in a read-only field so it can be copied; the
// field scrolls, so a long address never widens the dialog.
class BrowserFailureDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BrowserFailureDialog(const QUrl &url, QWidget *parent = nullptr);

    // Shows the dialog over the active window without waiting for it: a
    // sign-in keeps listening for the browser meanwhile. Set as the
    // browser's failure handler.
    static void report(const QUrl &url);
};
