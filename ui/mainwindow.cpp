#include "ui/mainwindow.h"

#include "account/accountsharingservice.h"
#include "account/authclient.h"
#include "account/browser.h"
#include "account/client.h"
#include "account/sharemembersdialog.h"
#include "app/appconfig.h"
#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "register/transactionactions.h"
#include "register/writeresultprompt.h"
#include "register/userprompts.h"
#include "screens/categoriesscreen.h"
#include "screens/importscreen.h"
#include "screens/payeescreen.h"
#include "screens/reconciliationhistoryscreen.h"
#include "screens/reconciliationscreen.h"
#include "screens/recurringscreen.h"
#include "screens/reportsscreen.h"
#include "screens/searchscreen.h"
#include "screens/screentext.h"
#include "screens/settingsscreen.h"
#include "services/accountoperations.h"
#include "services/recurringservice.h"
#include "services/sampledataservice.h"
#include "ui/accountformdialog.h"
#include "ui/accountlistrow.h"
#include "ui/browserfailuredialog.h"
#include "ui/listresizewatcher.h"
#include "ui/palettehelpers.h"
#include "ui/registercolumnfit.h"
#include "ui/statusbar.h"
#include "ui/thememanager.h"
#include "ui/welcomescreen.h"
#include "ui/windowsize.h"
#include "update/updateflows.h"

#include <algorithm>

#include <QAbstractItemModel>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace {

constexpr int kAutoPostIntervalMs = 3600000;
constexpr int kMaxAccountShortcuts = 10;
// Top and bottom padding of a list item in the style sheet.
constexpr int kItemVerticalPadding = 14;

QSettings windowSettings()
{
    return QSettings(QStringLiteral("Lumora"), QStringLiteral("Tallyra"));
}

// The keys that bring up a tool window work from every window of the
// program (a modal dialog still blocks them). None of the tool windows
// binds these keys itself, so they never compete with a window's own keys.
void reachFromToolWindows(QAction *action)
{
    action->setShortcutContext(Qt::ApplicationShortcut);
}

// A name from the data in a menu text: "&" would otherwise mark a mnemonic.
QString menuSafe(const QString &text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

MainWindow::MainWindow(AppState *state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
{
    setWindowTitle(tr("Lumora Tallyra"));
    const QByteArray geometry = windowSettings().value(QStringLiteral("mainwindow/geometry")).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        WindowSize::resizeToFit(this, QSize(1280, 900));
    else
        WindowSize::keepOnScreen(this);

    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(0);
    connect(m_refreshTimer, &QTimer::timeout, this, &MainWindow::runPendingRefresh);

    setupMenuBar();
    // Pages that no browser opened (sign-in, feedback, the portal, links,
    // downloads) are shown with their address, to open by hand.
    LumoAccount::setBrowserFailureHandler(&BrowserFailureDialog::report);

    m_registerPage = new RegisterScreen(m_state);
    connect(m_registerPage, &RegisterScreen::reconcileRequested, this, [this] { showReconciliationWindow(); });
    connect(m_registerPage, &RegisterScreen::editAccountRequested, this, [this] { showEditAccountDialog(); });
    connect(m_registerPage, &RegisterScreen::errorMessage, this,
        [this](const QString &text) { m_statusBar->showMessage(text, 5000); });
    new RegisterColumnFit(m_registerPage->table(), this);
    connectRegisterReloads();

    connect(m_state->preferencesRepository(), &PreferencesRepository::changed, this,
        &MainWindow::onPreferenceChanged);
    connect(m_state->transactionRepository(), &TransactionRepository::transactionsChanged, this,
        &MainWindow::onTransactionsChanged);

    m_welcomePage = new WelcomeScreen(m_state);
    connect(m_welcomePage, &WelcomeScreen::createAccountRequested, this, &MainWindow::showNewAccountDialog);
    connect(m_welcomePage, &WelcomeScreen::signInRequested, m_state->onlineClient()->authClient(),
        &LumoAccount::AuthClient::login);

    m_emptyStatePage = buildEmptyStatePage();

    m_pageStack = new QStackedWidget;
    m_pageStack->addWidget(m_welcomePage);
    m_pageStack->addWidget(m_registerPage);
    m_pageStack->addWidget(m_emptyStatePage);

    setupAccountList();

    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    m_statusBar->applyTheme();

    ThemeManager *theme = m_state->themeManager();
    connect(theme, &ThemeManager::themeChanged, this, [this] {
        m_statusBar->applyTheme();
        if (m_accountList)
            m_accountList->setStyleSheet(accountListStyleSheet());
        applyFooterStyle();
        onAccountsChanged();
    });
    connect(theme, &ThemeManager::accentChanged, this, [this] {
        m_statusBar->applyTheme();
        onAccountsChanged();
    });
    connect(m_state->accountRepository(), &AccountRepository::accountsChanged, this, &MainWindow::onAccountsChanged);

    connectAuthAndSyncSignals();
    rebuildAccountList();

    autoPostRecurring();
    m_autoPostTimer = new QTimer(this);
    m_autoPostTimer->setInterval(kAutoPostIntervalMs);
    connect(m_autoPostTimer, &QTimer::timeout, this, &MainWindow::autoPostRecurring);
    m_autoPostTimer->start();

    m_statusBar->setRecurringDueCount(m_state->recurringService()->pendingCount());
    connect(m_state->recurringService(), &RecurringService::pendingCountChanged, this,
        &MainWindow::updateRecurringDue);
    connect(m_state->recurringRepository(), &RecurringRepository::recurringChanged, this,
        &MainWindow::updateRecurringDue);

    restoreAccountSelection();

    connect(m_state->syncEngine(), &SyncEngine::syncCompleted, this, [this] {
        if (m_state->currentAccountId().isEmpty())
            restoreAccountSelection();
    });
}

MainWindow::~MainWindow() = default;

// ---- Pages ----------------------------------------------------------------

QWidget *MainWindow::buildEmptyStatePage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("emptyStatePage"));
    auto *layout = new QVBoxLayout(page);
    layout->setAlignment(Qt::AlignCenter);
    layout->setSpacing(12);

    auto *icon = new QLabel(QString(QChar(0xE850)), page);
    icon->setAlignment(Qt::AlignCenter);
    QFont iconFont(QStringLiteral("Material Icons"));
    iconFont.setPixelSize(96);
    icon->setFont(iconFont);
    setAccentTextColor(icon);
    layout->addWidget(icon);
    layout->addSpacing(8);

    auto *title = new QLabel(tr("Welcome to Lumora Tallyra"), page);
    applyFontRole(title, 5);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto *subtitle = new QLabel(tr("Create your first account to get started."), page);
    applyFontRole(subtitle, 3);
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setStyleSheet(mutedTextStyle());
    layout->addWidget(subtitle);
    layout->addSpacing(16);

    auto *button = new QPushButton(tr("Create Account"), page);
    button->setObjectName(QStringLiteral("createAccountButton"));
    markAccentButton(button);
    button->setMinimumHeight(40);
    button->setMinimumWidth(180);
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QPushButton::clicked, this, &MainWindow::showNewAccountDialog);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(button);
    buttonRow->addStretch();
    layout->addLayout(buttonRow);
    layout->addSpacing(12);

    auto *hint = new QLabel(tr("You can also import transactions from a CSV file via File \u203A Import."), page);
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    hint->setMaximumWidth(480);
    hint->setStyleSheet(mutedTextStyle());
    applyFontRole(hint, 2);
    auto *hintRow = new QHBoxLayout;
    hintRow->addStretch();
    hintRow->addWidget(hint);
    hintRow->addStretch();
    layout->addLayout(hintRow);
    return page;
}

void MainWindow::leaveCurrentAccount()
{
    m_state->setCurrentAccountId(QString());
    // The register lets go of the account too: Ctrl+N and a half-typed row
    // must not reach it.
    m_registerPage->setAccount(QString());
    showPageWithoutAccount();
}

void MainWindow::showPageWithoutAccount()
{
    m_pageStack->setCurrentWidget(isSignedIn() ? m_emptyStatePage : static_cast<QWidget *>(m_welcomePage));
}

bool MainWindow::askYesNo(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    // Names from the data stay plain text; No is the default answer.
    QMessageBox box(icon, title, text, QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return UserPrompts::current()->runDialog(&box) == QMessageBox::Yes;
}

void MainWindow::openLumoraAccount()
{
    // Signed out there is no account window to show: sign in instead.
    if (isSignedIn())
        showLumoraAccountScreen();
    else
        m_state->onlineClient()->authClient()->login();
}

bool MainWindow::isSignedIn() const
{
    return m_state->onlineClient()->isAuthenticated();
}

void MainWindow::showStatusMessage(const QString &text, int milliseconds)
{
    // The plain status line: the busy indicator stays as it is.
    m_statusBar->QStatusBar::showMessage(text, milliseconds);
}

// ---- Account panel --------------------------------------------------------

void MainWindow::setupAccountList()
{
    m_accountList = new QListWidget;
    m_accountList->setObjectName(QStringLiteral("accountList"));
    m_accountList->setMinimumWidth(260);
    m_accountList->setStyleSheet(accountListStyleSheet());
    m_accountList->setFocusPolicy(Qt::NoFocus);
    m_accountList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_accountList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_accountList->setDragDropMode(QAbstractItemView::InternalMove);
    m_accountList->setDefaultDropAction(Qt::MoveAction);
    connect(m_accountList, &QListWidget::itemClicked, this, &MainWindow::onAccountClicked);
    connect(m_accountList, &QWidget::customContextMenuRequested, this, &MainWindow::onAccountContextMenu);
    // Saving rebuilds the list, which must not happen inside the list's own
    // drop handling: the order is saved once the drop has finished.
    connect(m_accountList->model(), &QAbstractItemModel::rowsMoved, this, &MainWindow::saveAccountOrder,
        Qt::QueuedConnection);

    m_totalsFooter = new QLabel;
    m_totalsFooter->setObjectName(QStringLiteral("totalsFooter"));
    m_totalsFooter->setTextFormat(Qt::PlainText);
    applyFontRole(m_totalsFooter, 1);
    m_totalsFooter->setAlignment(Qt::AlignCenter);
    m_totalsFooter->setFixedHeight(32);
    applyFooterStyle();

    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("accountPanel"));
    panel->setMinimumWidth(260);
    panel->setMaximumWidth(500);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);
    panelLayout->addWidget(m_accountList, 1);
    panelLayout->addWidget(m_totalsFooter, 0);

    m_splitter = new QSplitter(Qt::Horizontal);
    connect(m_splitter, &QSplitter::splitterMoved, this, &MainWindow::fitAccountItemsToViewport);
    auto *watcher = new ListResizeWatcher([this] { fitAccountItemsToViewport(); }, this);
    m_accountList->installEventFilter(watcher);

    m_splitter->addWidget(panel);
    m_splitter->addWidget(m_pageStack);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setCollapsible(0, false);
    m_splitter->setCollapsible(1, false);
    m_splitter->setChildrenCollapsible(false);

    const QByteArray state = windowSettings().value(QStringLiteral("mainwindow/splitter")).toByteArray();
    if (state.isEmpty() || !m_splitter->restoreState(state))
        m_splitter->setSizes({280, 1000});
    setCentralWidget(m_splitter);
}

QString MainWindow::accountListStyleSheet() const
{
    const bool dark = isDarkPalette();
    const int pointSize = ThemeManager::scaledFont().pointSize();
    return QStringLiteral(
        "QListWidget {  background-color: %1;  border: none;  outline: none;  padding: 6px 0;  font-size: %7pt;}"
        "QListWidget::item {  color: %2;  padding: 7px 14px;  border: none;}"
        "QListWidget::item:hover {  background-color: %3;  color: %4;}"
        "QListWidget::item:selected {  background-color: %5;  color: %4;}"
        "QListWidget::item:disabled {  color: %6;  padding: 10px 14px 4px 14px;  background: transparent;}")
        .arg(dark ? QStringLiteral("#152420") : QStringLiteral("#EDF3EF"),
            dark ? QStringLiteral("#8FAF9F") : QStringLiteral("#4A6358"),
            dark ? QStringLiteral("#1E3530") : QStringLiteral("#E2EDE7"),
            dark ? QStringLiteral("#FFFFFF") : QStringLiteral("#12211B"),
            dark ? QStringLiteral("#26574A") : QStringLiteral("#D2E5DC"),
            dark ? QStringLiteral("#5A7A6E") : QStringLiteral("#6E8A7E"), QString::number(std::max(pointSize, 1)));
}

void MainWindow::applyFooterStyle()
{
    if (!m_totalsFooter)
        return;
    const bool dark = isDarkPalette();
    m_totalsFooter->setStyleSheet(QStringLiteral("background: %1; color: %2; border-top: 1px solid %3; padding: 4px;")
                                      .arg(dark ? QStringLiteral("#152420") : QStringLiteral("#EDF3EF"),
                                          dark ? QStringLiteral("#8FAF9F") : QStringLiteral("#4A6358"),
                                          dark ? QStringLiteral("#1E3028") : QStringLiteral("#D8E0DB")));
}

int MainWindow::balanceMode() const
{
    const QString mode =
        m_state->preferencesRepository()->value(QStringLiteral("dashboardBalanceMode"), QStringLiteral("current"));
    if (mode == QLatin1String("cleared"))
        return TransactionRepository::ClearedBalance;
    if (mode == QLatin1String("asOfToday"))
        return TransactionRepository::BalanceAsOfToday;
    return TransactionRepository::CurrentBalance;
}

void MainWindow::onAccountsChanged()
{
    m_listDirty = true;
    m_allBalancesStale = true;
    m_refreshTimer->start();
}

void MainWindow::onTransactionsChanged(const QString &accountId)
{
    m_listDirty = true;
    if (accountId.isEmpty())
        m_allBalancesStale = true;
    else
        m_staleBalances.insert(accountId);
    // Whatever wrote them, the register shows what is stored.
    if (!accountId.isEmpty() && accountId == m_registerPage->accountId())
        m_registerDirty = true;
    m_refreshTimer->start();
}

void MainWindow::connectRegisterReloads()
{
    // The register reloads itself after its own writes: rows replaced after
    // a change show it, and a second reload of a large register would only
    // cost time. A sort replaces the rows without reading them, and says so
    // right after.
    RegisterModel *model = m_registerPage->model();
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        m_resetClearedReload = m_registerDirty;
        m_registerDirty = false;
    });
    connect(model, &RegisterModel::sortChanged, this, [this] {
        m_registerDirty = m_registerDirty || m_resetClearedReload;
        m_resetClearedReload = false;
    });
    // Its own writes it puts in place: their change signals need no reload.
    connect(m_registerPage, &RegisterScreen::localChangesShown, this, [this] { m_registerDirty = false; });
}

void MainWindow::reloadRegister()
{
    m_registerDirty = true;
    m_refreshTimer->start();
}

void MainWindow::runPendingRefresh()
{
    if (m_listDirty)
        rebuildAccountList();
    if (m_registerDirty) {
        m_registerDirty = false;
        m_registerPage->reload();
    }
}

void MainWindow::rebuildAccountList()
{
    m_listDirty = false;
    m_accountList->clear();
    const QList<Account> accounts = m_state->accountRepository()->listAll();
    const int mode = balanceMode();
    TransactionRepository *transactions = m_state->transactionRepository();

    // Balances "as of today" move with the date, so a new day reads them all.
    const QDate today = QDate::currentDate();
    const bool reuse = !m_allBalancesStale && m_balancesMode == mode && m_balancesDay == today;
    QHash<QString, std::optional<qint64>> read;
    read.reserve(accounts.size());

    QList<AccountBalance> balances;
    balances.reserve(accounts.size());
    const int viewportWidth = m_accountList->viewport()->width();
    for (const Account &account : accounts) {
        const auto cached = m_balances.constFind(account.id);
        const bool fresh = reuse && cached != m_balances.cend() && !m_staleBalances.contains(account.id);
        AccountBalance entry{account, fresh ? *cached : transactions->balance(account.id, mode)};
        read.insert(account.id, entry.balance);
        QWidget *row = createAccountRowWidget(entry);
        auto *item = new QListWidgetItem;
        item->setData(Qt::UserRole, account.id);
        m_accountList->addItem(item);
        m_accountList->setItemWidget(item, row);
        // Measured once inside the list, whose style sheet sets its fonts.
        // The item's padding comes off the row's height: added here, the
        // row keeps the height it needs and no line is cut.
        row->ensurePolished();
        item->setSizeHint(QSize(viewportWidth, row->sizeHint().height() + kItemVerticalPadding));
        balances.append(std::move(entry));
    }

    m_balances = std::move(read);
    m_staleBalances.clear();
    m_allBalancesStale = false;
    m_balancesMode = mode;
    m_balancesDay = today;

    m_statusBar->setAccountCount(int(accounts.size()));
    rebuildAccountShortcuts();

    if (accounts.isEmpty()) {
        m_totalsFooter->setText(tr("No accounts"));
    } else {
        const QString totals = formatCurrencyTotals(totalsByCurrency(balances));
        if (mode == TransactionRepository::ClearedBalance)
            m_totalsFooter->setText(tr("Cleared: %1").arg(totals));
        else if (mode == TransactionRepository::BalanceAsOfToday)
            m_totalsFooter->setText(tr("Today: %1").arg(totals));
        else
            m_totalsFooter->setText(tr("Total: %1").arg(totals));
    }

    const QString currentId = m_state->currentAccountId();
    if (currentId.isEmpty())
        return;
    // Deleted elsewhere (a sync pull, another window): the register leaves
    // it as after deleting it here, so nothing more is typed into it.
    const bool live = std::any_of(accounts.cbegin(), accounts.cend(),
        [&currentId](const Account &account) { return account.id == currentId; });
    if (!live) {
        leaveCurrentAccount();
        return;
    }
    markCurrentRow(currentId);
}

void MainWindow::markCurrentRow(const QString &accountId)
{
    for (int row = 0; row < m_accountList->count(); ++row) {
        if (m_accountList->item(row)->data(Qt::UserRole).toString() == accountId) {
            m_accountList->setCurrentRow(row);
            return;
        }
    }
    m_accountList->setCurrentRow(-1);
}

void MainWindow::selectAccount(const QString &accountId)
{
    m_state->setCurrentAccountId(accountId);
    m_registerPage->setAccount(accountId);
    m_pageStack->setCurrentWidget(m_registerPage);
    markCurrentRow(accountId);
}

void MainWindow::onAccountClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString id = item->data(Qt::UserRole).toString();
    if (!id.isEmpty())
        selectAccount(id);
}

void MainWindow::restoreAccountSelection()
{
    const QString currentId = m_state->currentAccountId();
    const QList<Account> accounts = m_state->accountRepository()->listAll();
    // A deleted account is not shown again: it counts as not found.
    const std::optional<Account> current =
        currentId.isEmpty() ? std::nullopt : m_state->accountRepository()->findById(currentId);
    if (current && !current->deletedAt)
        selectAccount(currentId);
    else if (!accounts.isEmpty())
        selectAccount(accounts.first().id);
    else
        showPageWithoutAccount();
}

void MainWindow::saveAccountOrder()
{
    QList<QPair<QString, int>> orders;
    for (int row = 0; row < m_accountList->count(); ++row) {
        const QString id = m_accountList->item(row)->data(Qt::UserRole).toString();
        if (!id.isEmpty())
            orders.append({id, row});
    }
    m_state->accountRepository()->updateSortOrder(orders);
}

void MainWindow::fitAccountItemsToViewport()
{
    const int width = m_accountList->viewport()->width();
    if (width < 1)
        return;
    for (int row = 0; row < m_accountList->count(); ++row) {
        QListWidgetItem *item = m_accountList->item(row);
        QSize hint = item->sizeHint();
        if (hint.width() != width) {
            hint.setWidth(width);
            item->setSizeHint(hint);
        }
    }
}

void MainWindow::onAccountContextMenu(const QPoint &point)
{
    QListWidgetItem *item = m_accountList->itemAt(point);
    QMenu menu;
    menu.addAction(tr("New Account..."), this, &MainWindow::showNewAccountDialog);
    if (item) {
        const QString id = item->data(Qt::UserRole).toString();
        QString name;
        if (const std::optional<Account> account = m_state->accountRepository()->findById(id))
            name = menuSafe(account->name);
        menu.addSeparator();
        menu.addAction(tr("Edit \"%1\"...").arg(name), this, [this, id] {
            selectAccount(id);
            showEditAccountDialog();
        });
        menu.addAction(tr("Reconcile..."), this, [this, id] {
            selectAccount(id);
            showReconciliationWindow();
        });
        menu.addAction(tr("Reconciliation History..."), this, [this, id] {
            selectAccount(id);
            showReconciliationHistoryWindow();
        });
        menu.addAction(tr("Rename Payees..."), this, [this, id] {
            selectAccount(id);
            showPayeesWindow();
        });
        menu.addSeparator();
        menu.addAction(tr("Share..."), this, [this, id] {
            selectAccount(id);
            showShareAccountDialog();
        });
        menu.addSeparator();
        menu.addAction(tr("Delete \"%1\"").arg(name), this, [this, id] { deleteAccount(id); });
    }
    menu.exec(m_accountList->viewport()->mapToGlobal(point));
}

void MainWindow::onPreferenceChanged(const QString &key)
{
    static const QStringList registerKeys{QStringLiteral("registerTwoLine"), QStringLiteral("registerNewestFirst"),
        QStringLiteral("registerShowBalance"), QStringLiteral("registerHighlightOverdrawn"),
        QStringLiteral("weekStartDay"), QStringLiteral("theme")};
    if (registerKeys.contains(key))
        reloadRegister();
    else if (key == QLatin1String("dashboardBalanceMode"))
        onAccountsChanged();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QSettings settings = windowSettings();
    settings.setValue(QStringLiteral("mainwindow/geometry"), saveGeometry());
    if (m_splitter)
        settings.setValue(QStringLiteral("mainwindow/splitter"), m_splitter->saveState());
    QMainWindow::closeEvent(event);
}

// ---- Menus and shortcuts --------------------------------------------------

void MainWindow::setupMenuBar()
{
    QMenuBar *bar = menuBar();

    QMenu *file = bar->addMenu(tr("&File"));
    file->addAction(tr("&New Transaction"), QKeySequence(QStringLiteral("Ctrl+N")), this,
        [this] { m_registerPage->beginNewTransaction(); });
    file->addAction(tr("New &Account"), QKeySequence(QStringLiteral("Ctrl+Shift+N")), this,
        &MainWindow::showNewAccountDialog);
    file->addSeparator();
    file->addAction(tr("&Import..."), this, &MainWindow::showImportWindow);
    file->addSeparator();
    m_accountAction = file->addAction(tr("Lumora &Account..."), this, &MainWindow::openLumoraAccount);
    m_accountAction->setStatusTip(tr("Sign in or sign up"));
    file->addSeparator();
    m_signOutAction = file->addAction(tr("Sign &Out"), m_state->onlineClient()->authClient(),
        &LumoAccount::AuthClient::logout);
    file->addSeparator();
    QAction *quit = file->addAction(tr("&Quit"), QKeySequence(QKeySequence::Quit), this, &QWidget::close);
    quit->setMenuRole(QAction::QuitRole);

    QMenu *edit = bar->addMenu(tr("&Edit"));
    QAction *find = edit->addAction(tr("&Find..."), QKeySequence(QKeySequence::Find), this,
        &MainWindow::showSearchWindow);
    reachFromToolWindows(find);
    edit->addSeparator();
    QAction *preferences = edit->addAction(tr("&Preferences..."), this, &MainWindow::showSettingsWindow);
    preferences->setMenuRole(QAction::PreferencesRole);

    QMenu *account = bar->addMenu(tr("&Account"));
    account->addAction(tr("&Edit..."), this, &MainWindow::showEditAccountDialog);
    account->addAction(tr("&Reconcile..."), QKeySequence(QStringLiteral("Ctrl+R")), this,
        &MainWindow::showReconciliationWindow);
    account->addAction(tr("Reconciliation &History..."), this, &MainWindow::showReconciliationHistoryWindow);
    account->addAction(tr("Rename &Payees..."), this, &MainWindow::showPayeesWindow);
    account->addSeparator();
    account->addAction(tr("&Share..."), this, &MainWindow::showShareAccountDialog);
    account->addSeparator();
    account->addAction(tr("&Delete"), this, &MainWindow::deleteCurrentAccount);

    QMenu *view = bar->addMenu(tr("&View"));
    reachFromToolWindows(view->addAction(tr("&Reports"), QKeySequence(QStringLiteral("Ctrl+2")), this,
        &MainWindow::showReportsWindow));
    reachFromToolWindows(view->addAction(tr("Re&curring Transactions"), QKeySequence(QStringLiteral("Ctrl+3")),
        this, &MainWindow::showRecurringWindow));
    reachFromToolWindows(view->addAction(tr("C&ategories"), QKeySequence(QStringLiteral("Ctrl+4")), this,
        &MainWindow::showCategoriesWindow));

    QMenu *help = bar->addMenu(tr("&Help"));
    QAction *about = help->addAction(tr("&About Lumora Tallyra"), this, &MainWindow::showAbout);
    about->setMenuRole(QAction::AboutRole);
    help->addAction(tr("What's &New..."), this, &MainWindow::showWhatsNew);
    help->addAction(tr("Check for &Updates..."), this, &MainWindow::checkForUpdates);
    help->addAction(tr("Send &Feedback..."), this, &MainWindow::sendFeedback);
    help->addSeparator();
    help->addAction(tr("&Keyboard Shortcuts"), this, &MainWindow::showKeyboardShortcuts);
    if (!qgetenv("TALLYRA_DEV").isEmpty()) {
        help->addSeparator();
        help->addAction(tr("Load &Sample Data"), this, &MainWindow::loadSampleData);
        help->addAction(tr("&Clear Sample Data"), this, &MainWindow::clearSampleData);
    }
}

void MainWindow::rebuildAccountShortcuts()
{
    qDeleteAll(m_accountShortcuts);
    m_accountShortcuts.clear();
    const int count = std::min(m_accountList->count(), kMaxAccountShortcuts);
    for (int row = 0; row < count; ++row) {
        const int digit = (row + 1) % 10;
        auto *shortcut = new QShortcut(QKeySequence(QStringLiteral("Alt+%1").arg(digit)), this);
        shortcut->setContext(Qt::WindowShortcut);
        const QString id = m_accountList->item(row)->data(Qt::UserRole).toString();
        connect(shortcut, &QShortcut::activated, this, [this, id] { selectAccount(id); });
        m_accountShortcuts.append(shortcut);
    }
}

// ---- Tool windows ---------------------------------------------------------

void MainWindow::presentWindow(QWidget *window, const QString &title, const QSize &size, QWidget *parent)
{
    window->setWindowTitle(title);
    // The first time only: later the window keeps the size and place the
    // user gave it.
    if (!window->parentWidget()) {
        window->setParent(parent, Qt::Window);
        WindowSize::resizeToFit(window, size);
    }
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    if (window->isHidden())
        window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::showReportsWindow()
{
    if (!m_reportsWindow)
        m_reportsWindow = new ReportsScreen(m_state);
    m_reportsWindow->refresh();
    presentWindow(m_reportsWindow, tr("Reports"), QSize(800, 600), this);
}

void MainWindow::showRecurringWindow()
{
    if (!m_recurringWindow) {
        m_recurringWindow = new RecurringScreen(m_state);
        connect(m_recurringWindow, &RecurringScreen::transactionsChanged, this, [this] {
            reloadRegister();
            onAccountsChanged();
        });
        // A hidden window is refreshed when it is shown again.
        RecurringScreen *window = m_recurringWindow;
        connect(m_state->recurringRepository(), &RecurringRepository::recurringChanged, window, [window] {
            if (window->isVisible())
                window->refresh();
        });
    }
    m_recurringWindow->refresh();
    presentWindow(m_recurringWindow, tr("Recurring Transactions"), QSize(700, 500), this);
}

void MainWindow::showSearchWindow()
{
    if (!m_searchWindow)
        m_searchWindow = new SearchScreen(m_state);
    m_searchWindow->reloadFilterCombos();
    presentWindow(m_searchWindow, tr("Search Transactions"), QSize(800, 550), this);
    m_searchWindow->focusSearchField();
}

void MainWindow::showCategoriesWindow()
{
    if (!m_categoriesWindow)
        m_categoriesWindow = new CategoriesScreen(m_state);
    m_categoriesWindow->reload();
    presentWindow(m_categoriesWindow, tr("Categories"), QSize(600, 500), this);
}

void MainWindow::showSettingsWindow()
{
    if (!m_settingsWindow) {
        m_settingsWindow = new SettingsScreen(m_state);
        connect(m_settingsWindow, &SettingsScreen::deletedAccountRestored, this, &MainWindow::onAccountsChanged);
    }
    m_settingsWindow->refresh();
    presentWindow(m_settingsWindow, tr("Preferences"), QSize(500, 550), this);
}

void MainWindow::showImportWindow()
{
    if (!m_importWindow) {
        m_importWindow = new ImportScreen(m_state);
        connect(m_importWindow, &ImportScreen::importCompleted, this, [this] {
            reloadRegister();
            onAccountsChanged();
        });
    }
    m_importWindow->refreshAccounts();
    presentWindow(m_importWindow, tr("Import Transactions"), QSize(650, 600), this);
}

void MainWindow::showPayeesWindow()
{
    if (!m_payeesWindow) {
        m_payeesWindow = new PayeeScreen(m_state);
        connect(m_payeesWindow, &PayeeScreen::payeesChanged, this, &MainWindow::reloadRegister);
    }
    m_payeesWindow->reloadPayees();
    presentWindow(m_payeesWindow, tr("Payee Management"), QSize(550, 500), this);
}

void MainWindow::showReconciliationWindow()
{
    const QString id = m_state->currentAccountId();
    if (id.isEmpty()) {
        showStatusMessage(tr("Select an account first"), 3000);
        return;
    }
    const std::optional<Account> account = m_state->accountRepository()->findById(id);
    // A fresh window each time: two statements may be open side by side.
    auto *window = new ReconciliationScreen(m_state);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &ReconciliationScreen::reconciliationCompleted, this, [this, window] {
        reloadRegister();
        onAccountsChanged();
        window->close();
    });
    connect(window, &ReconciliationScreen::cancelled, window, &QWidget::close);
    window->setAccount(id);
    presentWindow(window, tr("Reconcile \u2014 %1").arg(account ? account->name : QString()), QSize(1100, 720),
        this);
}

void MainWindow::showReconciliationHistoryWindow()
{
    const QString id = m_state->currentAccountId();
    if (id.isEmpty()) {
        showStatusMessage(tr("Select an account first"), 3000);
        return;
    }
    if (!m_historyWindow)
        m_historyWindow = new ReconciliationHistoryScreen(m_state);
    m_historyWindow->setAccount(id);
    presentWindow(m_historyWindow, tr("Reconciliation History"), QSize(750, 500), this);
}

void MainWindow::showLumoraAccountScreen(LumoAccount::AccountScreen::Tab tab)
{
    // The online account window exists only for a signed-in user.
    if (!isSignedIn())
        return;
    if (!m_accountWindow) {
        m_accountWindow = new LumoAccount::AccountScreen(m_state->onlineClient());
        m_accountWindow->setWindowTitle(tr("Lumora Account"));
        connect(m_accountWindow, &LumoAccount::AccountScreen::logoutRequested, m_state->onlineClient()->authClient(),
            &LumoAccount::AuthClient::logout);
    }
    m_accountWindow->showTab(tab);
    m_accountWindow->refresh();
    presentWindow(m_accountWindow, tr("Lumora Account"), QSize(600, 550), this);
}

void MainWindow::showLumoraAccountScreen()
{
    showLumoraAccountScreen(LumoAccount::AccountScreen::Profile);
}

// ---- Help commands --------------------------------------------------------

void MainWindow::showAbout()
{
    const QString text = tr("<h3>Lumora Tallyra</h3>"
                            "<p>Version %1</p>"
                            "<p>A digital tallyra register for tracking household finances.</p>"
                            "<p>Made by Lumora. All rights reserved.</p>"
                            "<p><a href=\"https://lumora.invalid/tallyra\">lumora.invalid/tallyra</a></p>"
                            "<p><small>This application uses the Qt framework under the GNU Lesser General "
                            "Public License version 3. See <a href=\"https://www.qt.io\">qt.io</a> and "
                            "<a href=\"https://download.qt.io/official_releases/qt/\">the Qt source code</a>."
                            "</small></p>")
                             .arg(QCoreApplication::applicationVersion().toHtmlEscaped());
    // A box of its own rather than QMessageBox::about, whose links go to
    // the desktop directly: here they go the one browser path, so a missing
    // browser is reported with the address.
    QMessageBox box(QMessageBox::NoIcon, tr("About Lumora Tallyra"), text, QMessageBox::Ok, this);
    const QIcon icon = box.windowIcon();
    box.setIconPixmap(icon.pixmap(icon.actualSize(QSize(64, 64))));
    for (QLabel *label : box.findChildren<QLabel *>()) {
        if (!label->openExternalLinks())
            continue;
        label->setOpenExternalLinks(false);
        connect(label, &QLabel::linkActivated, &box,
            [](const QString &link) { LumoAccount::openInBrowser(QUrl(link)); });
    }
    UserPrompts::current()->runDialog(&box);
}

void MainWindow::showKeyboardShortcuts()
{
    auto key = [](const char *sequence) {
        return QKeySequence(QString::fromLatin1(sequence)).toString(QKeySequence::NativeText).toHtmlEscaped();
    };
    const QString text =
        tr("<h3>Register</h3><table cellspacing='6'>"
           "<tr><td><b>%1</b></td><td>Save transaction</td></tr>"
           "<tr><td><b>%2</b></td><td>Insert new transaction</td></tr>"
           "<tr><td><b>%3</b></td><td>Delete current transaction</td></tr>"
           "<tr><td><b>Tab / Shift+Tab</b></td><td>Next / previous field</td></tr>"
           "<tr><td><b>' (apostrophe)</b></td><td>Copy value from field above</td></tr></table>"
           "<h3>Date Field</h3><table cellspacing='6'>"
           "<tr><td><b>t</b></td><td>Today</td></tr>"
           "<tr><td><b>+ / -</b></td><td>Next / previous day</td></tr>"
           "<tr><td><b>m / h</b></td><td>First / last day of month</td></tr>"
           "<tr><td><b>y / r</b></td><td>First / last day of year</td></tr>"
           "<tr><td><b>w / k</b></td><td>First / last day of week</td></tr></table>"
           "<h3>General</h3><table cellspacing='6'>"
           "<tr><td><b>%4</b></td><td>New transaction</td></tr>"
           "<tr><td><b>%5</b></td><td>New account</td></tr>"
           "<tr><td><b>%6</b></td><td>Reconcile account</td></tr>"
           "<tr><td><b>%7</b></td><td>Search transactions</td></tr>"
           "<tr><td><b>%8</b></td><td>Reports</td></tr>"
           "<tr><td><b>%9</b></td><td>Recurring transactions</td></tr>"
           "<tr><td><b>%10</b></td><td>Categories</td></tr></table>"
           "<h3>Accounts</h3><table cellspacing='6'>"
           "<tr><td><b>%11 &ndash; %12</b></td><td>Switch to account 1&ndash;9</td></tr>"
           "<tr><td><b>%13</b></td><td>Switch to account 10</td></tr></table>")
            .arg(key("Ctrl+Return"), key("Ctrl+I"), key("Ctrl+D"), key("Ctrl+N"), key("Ctrl+Shift+N"),
                key("Ctrl+R"), key("Ctrl+F"), key("Ctrl+2"))
            .arg(key("Ctrl+3"), key("Ctrl+4"), key("Alt+1"), key("Alt+9"), key("Alt+0"));
    UserPrompts::current()->information(this, tr("Keyboard Shortcuts"), text);
}

namespace {

LumoUpdate::StatusCallbacks statusCallbacks(StatusBar *statusBar)
{
    return {[statusBar](const QString &text) { statusBar->showProgress(text); },
        [statusBar] { statusBar->hideProgress(); },
        [statusBar](const QString &text, int milliseconds) { statusBar->showMessage(text, milliseconds); }};
}

} // namespace

void MainWindow::showWhatsNew()
{
    LumoUpdate::showWhatsNewFromMenu(makeUpdateConfig(), tr("Lumora Tallyra"), this, statusCallbacks(m_statusBar));
}

void MainWindow::checkForUpdates()
{
    LumoUpdate::checkForUpdatesInteractive(makeUpdateConfig(), tr("Lumora Tallyra"), this,
        statusCallbacks(m_statusBar));
}

void MainWindow::sendFeedback()
{
    openFeedbackPage(makeFeedbackConfig(), this);
}

void MainWindow::loadSampleData()
{
    SampleDataService sampleData(m_state->database());
    if (sampleData.hasSampleData()) {
        UserPrompts::current()->information(this, tr("Sample Data"), tr("Sample data is already loaded."));
        return;
    }
    QString reason;
    if (!sampleData.loadSampleData(&reason)) {
        UserPrompts::current()->warning(this, tr("Sample Data"),
            plainTextMessage(SampleDataService::loadFailedMessage(reason)));
        return;
    }
    onAccountsChanged();
    reloadRegister();
    showStatusMessage(tr("Sample data loaded"), 3000);
}

void MainWindow::clearSampleData()
{
    SampleDataService sampleData(m_state->database());
    if (!sampleData.hasSampleData()) {
        UserPrompts::current()->information(this, tr("Sample Data"), tr("No sample data to clear."));
        return;
    }
    QStringList kept;
    QString reason;
    if (!sampleData.clearSampleData(&kept, &reason)) {
        UserPrompts::current()->warning(this, tr("Sample Data"),
            plainTextMessage(SampleDataService::clearFailedMessage(reason)));
        return;
    }
    // The page shown has no account; the account that was current may be gone.
    m_state->setCurrentAccountId(QString());
    onAccountsChanged();
    showPageWithoutAccount();
    // Longer when it names the accounts that stay.
    showStatusMessage(SampleDataService::clearedMessage(kept), kept.isEmpty() ? 3000 : 8000);
}

// ---- Account commands -----------------------------------------------------

void MainWindow::reportAccountSaveFailure()
{
    const QString reason = WriteResultPrompt::failureReason(m_state->database());
    UserPrompts::current()->warning(this, tr("Save Failed"),
        reason.isEmpty() ? tr("The account could not be saved.")
                         : plainTextMessage(tr("The account could not be saved: %1.").arg(reason)));
}

void MainWindow::showNewAccountDialog()
{
    AccountFormDialog dialog(this);
    // A failed save keeps the dialog, and what was typed, for another try.
    while (UserPrompts::current()->runDialog(&dialog) == QDialog::Accepted) {
        const Account account = dialog.account();
        if (account.name.isEmpty())
            return;
        if (!m_state->accountOperations()->createAccountWithOpeningBalance(account, dialog.openingBalanceDate(),
                tr("Opening Balance"))) {
            reportAccountSaveFailure();
            continue;
        }
        selectAccount(account.id);
        return;
    }
}

void MainWindow::showEditAccountDialog()
{
    const QString id = m_state->currentAccountId();
    if (id.isEmpty()) {
        showStatusMessage(tr("Select an account first"), 3000);
        return;
    }
    const std::optional<Account> stored = m_state->accountRepository()->findById(id);
    if (!stored)
        return;

    const std::optional<Transaction> opening = m_state->transactionRepository()->findOpeningBalance(id);
    AccountFormDialog dialog(*stored, opening, this);
    dialog.setHasTransactions(m_state->accountRepository()->holdsAmounts(id).value_or(true));
    // A failed save keeps the dialog, and what was typed, for another try.
    while (UserPrompts::current()->runDialog(&dialog) == QDialog::Accepted) {
        AccountEdit edit{*stored, opening, dialog.account(), std::nullopt};
        bool change = dialog.openingBalanceChanged();
        if (change && opening) {
            change = askYesNo(QMessageBox::Question, tr("Starting Balance"),
                tr("Change the opening balance?\n\nEvery balance in this account will shift."));
        }
        if (change)
            edit.openingBalance = {dialog.openingBalanceCents(), dialog.openingBalanceDate(), tr("Opening Balance")};
        // The dialogs ran their own event loops: the write checks that the
        // account is still what the form showed.
        const WriteResult result = m_state->accountOperations()->saveEdit(edit);
        if (result == WriteResult::Written
            || WriteResultPrompt::reportRefusal(result, WriteResultPrompt::Subject::Account, this))
            break;
        if (result == WriteResult::CurrencyRefused)
            dialog.refuseCurrencyChange();
        else
            reportAccountSaveFailure();
    }
    onAccountsChanged();
    reloadRegister();
}

void MainWindow::deleteAccount(const QString &accountId)
{
    const std::optional<Account> account = m_state->accountRepository()->findById(accountId);
    WriteResult result = WriteResult::AccountNotLive;
    if (account && !account->deletedAt) {
        if (!askYesNo(QMessageBox::Warning, tr("Delete Account"),
                tr("Delete \"%1\"?\n\nAll transactions, recurring entries, and reconciliation history for this "
                   "account will be removed. You can restore it from Preferences \u2192 Data & Sync.")
                    .arg(account->name))) {
            return;
        }
        result = m_state->accountOperations()->deleteAccount(accountId);
    }
    if (result != WriteResult::Written
        && !WriteResultPrompt::reportRefusal(result, WriteResultPrompt::Subject::Account, this)) {
        const QString reason = WriteResultPrompt::failureReason(m_state->database());
        UserPrompts::current()->warning(this, tr("Delete Failed"),
            reason.isEmpty()
                ? tr("The account could not be deleted. Nothing was changed.")
                : plainTextMessage(tr("The account could not be deleted: %1. Nothing was changed.").arg(reason)));
        return;
    }
    // Deleted here or, before the command, elsewhere: either way it is gone.
    if (accountId == m_state->currentAccountId())
        leaveCurrentAccount();
    onAccountsChanged();
}

void MainWindow::deleteCurrentAccount()
{
    const QString id = m_state->currentAccountId();
    if (id.isEmpty()) {
        showStatusMessage(tr("Select an account first"), 3000);
        return;
    }
    deleteAccount(id);
}

void MainWindow::showShareAccountDialog()
{
    const QString id = m_state->currentAccountId();
    if (id.isEmpty()) {
        showStatusMessage(tr("Select an account first"), 3000);
        return;
    }
    const std::optional<Account> account = m_state->accountRepository()->findById(id);
    if (!account)
        return;

    if (!isSignedIn()) {
        QMessageBox box(QMessageBox::Information, tr("Sign In Required"), tr("Sharing requires a Lumora account."),
            QMessageBox::NoButton, this);
        QPushButton *learnMore = box.addButton(tr("Learn More"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(learnMore);
        UserPrompts::current()->runDialog(&box);
        if (box.clickedButton() == learnMore)
            openLumoraAccount();
        return;
    }

    LumoAccount::ShareMembersDialog::Texts texts;
    texts.title = tr("Share Account");
    texts.heading = tr("Sharing: %1").arg(account->name);
    texts.description = tr("Share this account with members of your Lumora family group. They'll see the same "
                           "register, balances, and reconciliation history on their devices.");
    texts.withAccessLabel = tr("Shared with");
    texts.noSharesText = tr("Not shared with anyone yet.");
    texts.shareButtonText = tr("Share");
    texts.removeButtonToolTip = tr("Remove access");
    texts.closeButtonText = tr("Close");
    texts.shareRole = QStringLiteral("member");
    texts.shareErrorTitle = tr("Share Failed");
    texts.removeErrorTitle = tr("Remove Failed");
    texts.removeConfirmTitle = tr("Remove Share");
    texts.removeConfirmText = tr("Remove %1's access to this account?");
    LumoAccount::ShareMembersDialog dialog(m_state->onlineClient(), m_state->sharingService(), id, texts, this);
    connect(&dialog, &LumoAccount::ShareMembersDialog::sharingChanged, m_state->syncEngine(),
        &SyncEngine::scheduleSync);
    UserPrompts::current()->runDialog(&dialog);
}

// ---- Automatic posting ----------------------------------------------------

void MainWindow::autoPostRecurring()
{
    RecurringService *recurring = m_state->recurringService();
    const int posted = recurring->processAutoPost();
    if (!recurring->failureReason().isEmpty())
        showStatusMessage(RecurringService::postFailedMessage(recurring->failureReason()), 10000);
    if (posted <= 0)
        return;
    showStatusMessage(tr("Auto-posted %n recurring transaction(s)", nullptr, posted), 5000);
    onAccountsChanged();
}

void MainWindow::updateRecurringDue()
{
    m_statusBar->setRecurringDueCount(m_state->recurringService()->pendingCount());
}

// ---- Sign-in and sync -----------------------------------------------------

void MainWindow::connectAuthAndSyncSignals()
{
    LumoAccount::AuthClient *auth = m_state->onlineClient()->authClient();
    SyncEngine *sync = m_state->syncEngine();
    connect(auth, &LumoAccount::AuthClient::stateChanged, this, &MainWindow::updateAuthUI);
    connect(auth, &LumoAccount::AuthClient::loginSucceeded, this, &MainWindow::onLoginSucceeded);
    connect(auth, &LumoAccount::AuthClient::loginFailed, this, &MainWindow::onLoginFailed);
    connect(sync, &SyncEngine::stateChanged, this, &MainWindow::onSyncStateChanged);
    connect(sync, &SyncEngine::syncCompleted, this, &MainWindow::onSyncCompleted);
    connect(sync, &SyncEngine::syncFailed, this, &MainWindow::onSyncFailed);
    connect(sync, &SyncEngine::dataChanged, this, &MainWindow::onSyncDataChanged);
    updateAuthUI();
}

void MainWindow::updateAuthUI()
{
    const bool signedIn = isSignedIn();
    m_signOutAction->setVisible(signedIn);
    m_accountAction->setStatusTip(signedIn ? tr("Manage your account") : tr("Sign in or sign up"));
    if (!signedIn) {
        m_statusBar->setSyncStatus(tr("Not signed in"));
        // Written by the application state when a sign-in succeeds.
        m_welcomePage->setSessionExpired(QSettings().value(QStringLiteral("auth/hasSignedInBefore"), false).toBool());
        m_pageStack->setCurrentWidget(m_welcomePage);
        return;
    }
    m_statusBar->setSyncStatus(SyncEngine::stateToString(m_state->syncEngine()->state()));
    m_welcomePage->setSessionExpired(false);
    if (m_pageStack->currentWidget() == m_registerPage || m_pageStack->currentWidget() == m_emptyStatePage)
        return;
    const QString currentId = m_state->currentAccountId();
    if (!currentId.isEmpty())
        selectAccount(currentId);
    else
        m_pageStack->setCurrentWidget(m_emptyStatePage);
}

void MainWindow::onLoginSucceeded()
{
    showStatusMessage(tr("Signed in successfully"), 3000);
}

void MainWindow::onLoginFailed(const QString &error)
{
    showStatusMessage(tr("Sign-in failed: %1").arg(error), 5000);
}

void MainWindow::onSyncStateChanged(SyncEngine::SyncState state)
{
    // A sync still running at sign-out ends after it: the user is signed out
    // and that is what the status says.
    if (!isSignedIn())
        return;
    m_statusBar->setSyncStatus(SyncEngine::stateToString(state));
}

void MainWindow::onSyncCompleted()
{
    showStatusMessage(tr("Sync complete"), 2000);
}

void MainWindow::onSyncFailed(const QString &error)
{
    if (!isSignedIn())
        return;
    showStatusMessage(tr("Sync failed: %1").arg(error), 5000);
}

void MainWindow::onSyncDataChanged()
{
    onAccountsChanged();
    reloadRegister();
}

// ---- Feedback -------------------------------------------------------------

void openFeedbackPage(const FeedbackConfig &config, QWidget *parent)
{
    Q_UNUSED(parent);
    QUrl url = config.feedbackUrl;
    const QString path = url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        url.setPath(path + QLatin1Char('/'));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("tags"), config.appId);
    url.setQuery(query);
    LumoAccount::openInBrowser(url);
}
