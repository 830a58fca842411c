#pragma once

#include <QComboBox>

class QCompleter;

// An editable combo box that never adds typed text as an item. Return or
// Enter takes the highlighted completion, like RegisterLineEdit, or the
// only one offered; Tab is left to the completer and the view.
class RegisterComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit RegisterComboBox(QWidget *parent = nullptr);

    // Completion over the combo's own items: any letter case, matching
    // anywhere in the label, in a popup; a chosen completion selects the
    // item with exactly that label. The combo takes ownership.
    void setItemCompleter(QCompleter *completer);
    // Selects the item whose label equals text exactly; false when none does.
    bool selectItemWithText(const QString &text);

protected:
    bool event(QEvent *event) override;
};
