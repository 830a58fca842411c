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
// in the text, offered in a popup.
void configureEntryCompleter(QCompleter *completer);
