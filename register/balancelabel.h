#pragma once

#include <QLabel>

// A label showing a balance figure; a type of its own so styles and tests
// can tell balances from other labels.
class BalanceLabel : public QLabel
{
    Q_OBJECT

public:
    explicit BalanceLabel(QWidget *parent = nullptr);
};
