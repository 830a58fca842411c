#include "ui/browserfailuredialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

BrowserFailureDialog::BrowserFailureDialog(const QUrl &url, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("browserFailureDialog"));
    setWindowTitle(tr("No Browser"));

    auto *icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);

    auto *message = new QLabel(tr("No web browser could be opened. Open this address in your browser:"), this);
    message->setObjectName(QStringLiteral("messageLabel"));
    message->setWordWrap(true);

    auto *address = new QLineEdit(url.toString(QUrl::FullyEncoded), this);
    address->setObjectName(QStringLiteral("addressField"));
    address->setReadOnly(true);
    address->selectAll();

    auto *text = new QVBoxLayout;
    text->addWidget(message);
    text->addWidget(address);
    auto *row = new QHBoxLayout;
    row->addWidget(icon);
    row->addLayout(text, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setMinimumWidth(440);
    address->setFocus();
}

void BrowserFailureDialog::report(const QUrl &url)
{
    auto *dialog = new BrowserFailureDialog(url, QApplication::activeWindow());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}
