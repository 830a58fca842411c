#pragma once

#include "register/categoryitems.h"

#include <QList>
#include <QStyledItemDelegate>

class AppState;
class QStringListModel;
class RegisterModel;

// The register's cell editors and its two-line painting, where the memo
// sits under the payee. Completion lists are built once and kept until
// the data they come from changes.
class RegisterDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int kLineHeight = 36;
    static constexpr int kTwoLineHeight = 52;

    explicit RegisterDelegate(AppState *app, QObject *parent = nullptr);

    void setAccountId(const QString &accountId);
    QString accountId() const { return m_accountId; }
    void setTwoLineMode(bool twoLine) { m_twoLineMode = twoLine; }
    bool twoLineMode() const { return m_twoLineMode; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;

    // Fills the new row's amounts, category and memo from the account's
    // last transaction of this payee. False when there is none.
    bool autofillPayee(RegisterModel *model, const QString &payee) const;

    // The model row of an open editor, or -1 when the widget is none.
    static int editorRow(const QWidget *editor);
    static bool isPayeeMemoEditor(const QWidget *widget);
    // Writes a category combo's choice into the buffer: the id of the item
    // whose label is exactly the text, else no id.
    static void storeCategoryChoice(QWidget *combo, RegisterModel *model, const QModelIndex &index);

    QStringListModel *payeeModel() const;
    const QList<CategoryItem> &categoryItemList() const;

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

Q_SIGNALS:
    // A payee was picked from the completer of the editor on this row.
    void payeeChosen(int row, const QString &payee);
    // Ctrl+E was pressed inside an open editor.
    void editInDialogRequested();

private:
    QWidget *createPayeeEditor(QWidget *parent, int row) const;
    void attachPayeeCompleter(QWidget *lineEdit, int row) const;
    void paintTwoLine(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;
    void runAutofillOnNewRow(QAbstractItemModel *model, const QModelIndex &index, const QString &payee) const;

    AppState *m_app;
    QString m_accountId;
    bool m_twoLineMode = false;
    QStringListModel *m_payees;
    mutable bool m_payeesStale = true;
    mutable QList<CategoryItem> m_categoryItems;
    mutable bool m_categoriesStale = true;
};
