#pragma once

#include <QCompleter>

// A completer whose popup choice Tab (or Shift+Tab) accepts before moving
// on: to the memo line of the register's payee/memo editor, else to the
// next or previous register cell.
class TabCompleter : public QCompleter
{
    Q_OBJECT

public:
    explicit TabCompleter(QObject *parent = nullptr);
    TabCompleter(QAbstractItemModel *model, QObject *parent = nullptr);
    TabCompleter(const QStringList &list, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void acceptCurrentRow();
    bool moveToMemoLine();
    void moveToNeighbourCell(bool forward);
};

// The completion every entry field uses: any letter case, matching anywhere
// in the text, offered in a popup at least as wide as its longest entry.
void configureEntryCompleter(QCompleter *completer);

// Keeps the completer's popup at least as wide as the longest entry it
// offers (up to the width of the editor's window), so entries that differ
// only at their end ("Insurance > Home", "Insurance > Health") can be told
// apart in a narrow column.
void widenPopupToEntries(QCompleter *completer);

// The width the popup needs to show every entry of the completion model.
int popupWidthForEntries(const QCompleter *completer);
