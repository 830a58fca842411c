#pragma once

#include <QLineEdit>

// The register's in-place line edit: Return or Enter takes the highlighted
// completion instead of leaving the cell.
class RegisterLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit RegisterLineEdit(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
};
