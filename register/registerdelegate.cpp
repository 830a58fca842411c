#include "register/registerdelegate.h"

#include "app/appstate.h"
#include "app/uiprefs.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/money.h"
#include "data/transactionrepository.h"
#include "register/dateentry.h"
#include "register/registercombobox.h"
#include "register/registerlineedit.h"
#include "register/registermodel.h"
#include "register/smartdateedit.h"
#include "register/tabcompleter.h"
#include "register/transactionactions.h"
#include "ui/palettehelpers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const char kEditorRowProperty[] = "lumoRegisterEditorRow";
const char kCategoryIdProperty[] = "_lumoCategoryId";

void markEditor(QWidget *editor, int row)
{
    editor->setProperty(kEditorRowProperty, row);
}

RegisterModel *registerModel(const QAbstractItemModel *model)
{
    return qobject_cast<RegisterModel *>(const_cast<QAbstractItemModel *>(model));
}

} // namespace

RegisterDelegate::RegisterDelegate(AppState *app, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_app(app)
    , m_payees(new QStringListModel(this))
{
    const auto payeesChanged = [this] { m_payeesStale = true; };
    connect(app->transactionRepository(), &TransactionRepository::transactionsChanged, this, payeesChanged);
    connect(app->accountRepository(), &AccountRepository::accountsChanged, this, payeesChanged);
    connect(app->categoryRepository(), &CategoryRepository::categoriesChanged, this,
        [this] { m_categoriesStale = true; });
}

void RegisterDelegate::setAccountId(const QString &accountId)
{
    if (accountId != m_accountId)
        m_payeesStale = true; // the own account is left out of the transfer payees
    m_accountId = accountId;
}

QStringListModel *RegisterDelegate::payeeModel() const
{
    if (m_payeesStale) {
        m_payees->setStringList(TransactionActions::withTransferPayees(
            m_app->transactionRepository()->distinctPayees(), m_app->accountRepository()->listAll(), m_accountId));
        m_payeesStale = false;
    }
    return m_payees;
}

const QList<CategoryItem> &RegisterDelegate::categoryItemList() const
{
    if (m_categoriesStale) {
        m_categoryItems = categoryItems(m_app->categoryRepository());
        m_categoriesStale = false;
    }
    return m_categoryItems;
}

bool RegisterDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = keyEvent->modifiers();
        // Line edits take Ctrl+E for themselves on some desktops (end of
        // line), so the table would never see it while an editor is open.
        if (keyEvent->key() == Qt::Key_E && modifiers.testFlag(Qt::ControlModifier)
            && !modifiers.testFlag(Qt::ShiftModifier)) {
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept(); // comes back as a key press
                return true;
            }
            Q_EMIT editInDialogRequested();
            return true;
        }
        // Return and Enter reach the register screen, which writes the value
        // and moves on itself; the default handling would close the editor a
        // second time later.
        const int key = keyEvent->key();
        if (event->type() == QEvent::KeyPress && (key == Qt::Key_Return || key == Qt::Key_Enter))
            return false;
    }
    // The payee and memo lines of the two-line editor are watched for
    // Ctrl+E only; the editor itself is the composite around them.
    if (auto *widget = qobject_cast<QWidget *>(object); widget && editorRow(widget) < 0)
        return false;
    return QStyledItemDelegate::eventFilter(object, event);
}

int RegisterDelegate::editorRow(const QWidget *editor)
{
    const QVariant row = editor ? editor->property(kEditorRowProperty) : QVariant();
    return row.isValid() ? row.toInt() : -1;
}

bool RegisterDelegate::isPayeeMemoEditor(const QWidget *widget)
{
    return widget && widget->objectName() == QLatin1String("PayeeMemoEditor");
}

void RegisterDelegate::attachPayeeCompleter(QWidget *lineEdit, int row) const
{
    auto *edit = static_cast<QLineEdit *>(lineEdit);
    auto *completer = new TabCompleter(payeeModel(), edit);
    configureEntryCompleter(completer);
    edit->setCompleter(completer);
    connect(completer, qOverload<const QString &>(&QCompleter::activated), this,
        [this, row](const QString &text) { Q_EMIT const_cast<RegisterDelegate *>(this)->payeeChosen(row, text); });
}

QWidget *RegisterDelegate::createPayeeEditor(QWidget *parent, int row) const
{
    if (!m_twoLineMode) {
        auto *edit = new RegisterLineEdit(parent);
        attachPayeeCompleter(edit, row);
        return edit;
    }
    auto *composite = new QWidget(parent);
    composite->setObjectName(QStringLiteral("PayeeMemoEditor"));
    auto *layout = new QVBoxLayout(composite);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *payee = new RegisterLineEdit(composite);
    payee->setObjectName(QStringLiteral("payeeEdit"));
    attachPayeeCompleter(payee, row);
    auto *memo = new RegisterLineEdit(composite);
    memo->setObjectName(QStringLiteral("memoEdit"));
    memo->setPlaceholderText(tr("Memo"));
    memo->setProperty("lumoFontRole", 2);
    memo->setProperty("lumoFontItalic", true);
    QFont italic = memo->font();
    const QFont base = UiPrefs::baseFont();
    const int basePoints = base.pointSize() > 0 ? base.pointSize() : 10;
    italic.setPointSize(qMax(7, basePoints * UiPrefs::fontScalePercent() / 100 - 2));
    italic.setItalic(true);
    memo->setFont(italic);
    layout->addWidget(payee);
    layout->addWidget(memo);
    composite->setFocusProxy(payee);
    payee->installEventFilter(const_cast<RegisterDelegate *>(this));
    memo->installEventFilter(const_cast<RegisterDelegate *>(this));
    return composite;
}

QWidget *RegisterDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    QWidget *editor = nullptr;
    switch (index.column()) {
    case RegisterModel::DateColumn: {
        auto *date = new SmartDateEdit(parent);
        date->setDate(QDate::currentDate());
        editor = date;
        break;
    }
    case RegisterModel::PayeeColumn:
        editor = createPayeeEditor(parent, index.row());
        break;
    case RegisterModel::CategoryColumn: {
        auto *combo = new RegisterComboBox(parent);
        combo->addItem(QString(), QString());
        for (const CategoryItem &item : categoryItemList())
            combo->addItem(item.label, item.id);
        combo->setItemCompleter(new TabCompleter(combo));
        connect(combo, &QComboBox::currentIndexChanged, combo,
            [combo](int item) { combo->setProperty(kCategoryIdProperty, combo->itemData(item)); });
        editor = combo;
        break;
    }
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn: {
        auto *edit = new RegisterLineEdit(parent);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        editor = edit;
        break;
    }
    default:
        editor = new RegisterLineEdit(parent);
        break;
    }
    if (!isPayeeMemoEditor(editor))
        editor->setFocusPolicy(Qt::ClickFocus);
    markEditor(editor, index.row());
    return editor;
}

void RegisterDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *date = qobject_cast<SmartDateEdit *>(editor)) {
        const QDate parsed = parseEntryDate(text.trimmed(), QDate());
        if (parsed.isValid())
            date->setDate(parsed);
        return;
    }
    if (isPayeeMemoEditor(editor)) {
        if (auto *payee = editor->findChild<QLineEdit *>(QStringLiteral("payeeEdit")))
            payee->setText(text);
        if (auto *memo = editor->findChild<QLineEdit *>(QStringLiteral("memoEdit")))
            memo->setText(index.sibling(index.row(), RegisterModel::MemoColumn).data(Qt::EditRole).toString());
        return;
    }
    if (auto *combo = qobject_cast<RegisterComboBox *>(editor)) {
        // The stored choice by id: two categories may share a label, and a
        // soft-deleted one is not listed.
        const RegisterModel *model = registerModel(index.model());
        if (model && !model->buffer().categoryId.isEmpty() && text == model->buffer().category) {
            selectCategoryItem(combo, m_app->categoryRepository(), model->buffer().categoryId);
            if (categoryIdOfShownText(combo) == model->buffer().categoryId)
                return;
        }
        if (!combo->selectItemWithText(text))
            combo->setEditText(text);
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        edit->setText(text);
}

void RegisterDelegate::storeCategoryChoice(QWidget *editor, RegisterModel *model, const QModelIndex &index)
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo || !model)
        return;
    // Text that names no item leaves the id empty: the commit then looks
    // the category up by name.
    model->setData(index, combo->currentText(), Qt::EditRole);
    model->buffer().categoryId = categoryIdOfShownText(combo);
}

void RegisterDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    RegisterModel *registerModelPtr = registerModel(model);
    if (auto *date = qobject_cast<SmartDateEdit *>(editor)) {
        model->setData(index, entryDateText(date->parsedDate()), Qt::EditRole);
        return;
    }
    if (isPayeeMemoEditor(editor)) {
        auto *payee = editor->findChild<QLineEdit *>(QStringLiteral("payeeEdit"));
        auto *memo = editor->findChild<QLineEdit *>(QStringLiteral("memoEdit"));
        if (!registerModelPtr || !payee || !memo)
            return;
        registerModelPtr->buffer().memo = memo->text();
        registerModelPtr->buffer().payee = payee->text();
        registerModelPtr->refreshRow(index.row());
        runAutofillOnNewRow(model, index, payee->text().trimmed());
        return;
    }
    if (qobject_cast<QComboBox *>(editor)) {
        storeCategoryChoice(editor, registerModelPtr, index);
        return;
    }
    auto *edit = qobject_cast<QLineEdit *>(editor);
    if (!edit)
        return;
    QString text = edit->text();
    const bool amountColumn = index.column() == RegisterModel::PaymentColumn
        || index.column() == RegisterModel::DepositColumn;
    if (amountColumn && UiPrefs::amountAutoDecimal() && !text.trimmed().isEmpty())
        text = formatAmount(parseDigitsOnly(text),
            registerModelPtr ? registerModelPtr->currency() : Currency::USD);
    model->setData(index, text, Qt::EditRole);
    if (index.column() == RegisterModel::PayeeColumn)
        runAutofillOnNewRow(model, index, text.trimmed());
}

void RegisterDelegate::runAutofillOnNewRow(QAbstractItemModel *model, const QModelIndex &index,
    const QString &payee) const
{
    RegisterModel *registerModelPtr = registerModel(model);
    if (!registerModelPtr || !registerModelPtr->isNewRow(index.row()) || registerModelPtr->editingRow() != -1)
        return;
    if (autofillPayee(registerModelPtr, payee))
        registerModelPtr->refreshRow(index.row());
}

bool RegisterDelegate::autofillPayee(RegisterModel *model, const QString &payee) const
{
    if (!model || !model->showNewRow() || payee.isEmpty() || m_accountId.isEmpty())
        return false;
    const std::optional<Transaction> last = m_app->transactionRepository()->findLastByPayee(payee, m_accountId);
    if (!last)
        return false;
    RegisterModel::EditBuffer &buffer = model->buffer();
    if (last->amount < 0) {
        buffer.payment = formatAmount(-last->amount, model->currency());
        buffer.deposit.clear();
    } else {
        buffer.payment.clear();
        buffer.deposit = formatAmount(last->amount, model->currency());
    }
    if (!last->categoryId.isEmpty()) {
        const QString label = m_app->categoryRepository()->labelOf(last->categoryId);
        if (!label.isEmpty()) {
            buffer.category = label;
            buffer.categoryId = last->categoryId;
        }
    }
    if (!last->memo.isEmpty())
        buffer.memo = last->memo;
    return true;
}

QSize RegisterDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_twoLineMode)
        size.setHeight(kTwoLineHeight);
    return size;
}

void RegisterDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
    const QModelIndex &index) const
{
    if (!m_twoLineMode) {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    } else {
        QRect rect = option.rect;
        if (index.column() != RegisterModel::PayeeColumn)
            rect.setHeight(kLineHeight);
        editor->setGeometry(rect);
    }
    // The Date column is only as wide as the dates it shows; while one is
    // typed, its field reaches over the next column for the calendar button.
    if (index.column() == RegisterModel::DateColumn) {
        const int button = editor->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, editor);
        const QString widest = entryDateText(QDate(QDate::currentDate().year(), 12, 28));
        const int needed = editor->fontMetrics().horizontalAdvance(widest) + button + 20;
        if (editor->width() < needed)
            editor->resize(needed, editor->height());
    }
}

void RegisterDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!m_twoLineMode) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    paintTwoLine(painter, option, index);
}

void RegisterDelegate::paintTwoLine(QPainter *painter, const QStyleOptionViewItem &option,
    const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const int column = index.column();
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QVariant background = index.data(Qt::BackgroundRole);
    const QColor fill = background.canConvert<QColor>() && background.value<QColor>().isValid()
        ? background.value<QColor>()
        : option.palette.color(index.row() % 2 ? QPalette::AlternateBase : QPalette::Base);

    painter->save();
    painter->fillRect(option.rect, fill);
    QRect panel = option.rect;
    if (column != RegisterModel::PayeeColumn)
        panel.setHeight(kLineHeight);
    QStyleOptionViewItem panelOption = item;
    panelOption.rect = panel;
    panelOption.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &panelOption, painter, widget);

    QColor textColor;
    if (selected) {
        textColor = option.palette.color(QPalette::HighlightedText);
    } else {
        const QVariant foreground = index.data(Qt::ForegroundRole);
        textColor = foreground.canConvert<QColor>() && foreground.value<QColor>().isValid()
            ? foreground.value<QColor>()
            : option.palette.color(QPalette::Text);
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (column == RegisterModel::BalanceColumn && !selected) {
        QString number = text;
        number.remove(u'$').remove(u',').remove(u'(').remove(u')');
        bool ok = false;
        const double value = number.toDouble(&ok);
        if ((ok && value < 0) || text.contains(u'('))
            textColor = negativeAmountColor();
    }
    Qt::Alignment alignment = Qt::AlignLeft;
    if (column == RegisterModel::PaymentColumn || column == RegisterModel::DepositColumn
        || column == RegisterModel::BalanceColumn)
        alignment = Qt::AlignRight;
    else if (column == RegisterModel::ClearedColumn)
        alignment = Qt::AlignHCenter;
    const QRect topLine(option.rect.left() + 4, option.rect.top(), option.rect.width() - 8, kLineHeight);
    painter->setFont(item.font);
    painter->setPen(textColor);
    painter->drawText(topLine, int(alignment | Qt::AlignVCenter),
        painter->fontMetrics().elidedText(text, Qt::ElideRight, topLine.width()));

    if (column == RegisterModel::PayeeColumn || column == RegisterModel::CategoryColumn) {
        const QString memo = index.sibling(index.row(), RegisterModel::MemoColumn).data(Qt::DisplayRole).toString();
        if (!memo.isEmpty()) {
            QFont memoFont = item.font;
            memoFont.setItalic(true);
            const int points = memoFont.pointSize() > 0 ? memoFont.pointSize() : 10;
            memoFont.setPointSize(qMax(7, points - 1));
            QRect band(option.rect.left() + 4, option.rect.top() + kLineHeight, option.rect.width() - 8,
                option.rect.height() - kLineHeight);
            if (column == RegisterModel::CategoryColumn) {
                // A long memo runs on from under the payee.
                if (const auto *view = qobject_cast<const QTableView *>(widget)) {
                    const int payeeLeft = view->columnViewportPosition(RegisterModel::PayeeColumn);
                    band.setLeft(payeeLeft + 4);
                    band.setRight(option.rect.right() - 4);
                }
            }
            painter->setClipRect(column == RegisterModel::CategoryColumn ? option.rect : band);
            painter->setFont(memoFont);
            painter->setPen(selected ? option.palette.color(QPalette::HighlightedText) : mutedTextColor());
            painter->drawText(band, int(Qt::AlignLeft | Qt::AlignVCenter), memo);
        }
    }
    painter->restore();
}
