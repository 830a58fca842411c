<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>新規口座</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>This account already has an opening balance. Changing the amount or date shifts every balance after it.</source>
        <translation>この口座には既に期首残高があります。金額または日付を変更すると、それ以降のすべての残高が変わります。</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>口座名</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>ローン</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation>USD ($)</translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation>EUR (€)</translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation>GBP (£)</translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation>CAD ($)</translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation>AUD ($)</translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation>JPY (¥)</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>通貨(&amp;C):</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>期首残高(&amp;B):</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>基準日(&amp;A):</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>銀行名(任意)</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>金融機関(&amp;I):</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>下4桁(任意)</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>口座番号(&amp;N):</translation>
    </message>
    <message>
        <source>Starting &amp;Balance (Amount Owed):</source>
        <translation>期首残高(&amp;B)(借入額):</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>データベースエラー</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>データベースを初期化できませんでした。

データディレクトリ: %1

ファイルのアクセス権を確認して、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP アーカイブを開けませんでした</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>無効なバックアップです: manifest.json がありません</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>サポートされていないバックアップのバージョンです: %1</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: 予期しないエラー</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: 無効な JSON</translation>
    </message>
    <message>
        <source>The backup could not be restored. No data was changed.</source>
        <translation>バックアップを復元できませんでした。データは変更されていません。</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>新規カテゴリ</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>新規サブカテゴリ</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>カテゴリの編集</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>親カテゴリ(&amp;P):</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>カテゴリ名</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>税務対象</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>このカテゴリを確定申告用のレポートに含めます。</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>税務コード(&amp;C):</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>例: charitable_contributions, mortgage_interest</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>寄付金</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>医療費</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>ホームオフィス</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>州税・地方税</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>住居費</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>家賃・住宅ローン</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>メンテナンス</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>管理費</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>公共料金</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>電気代</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>ガス代</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水道代</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット代</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話代</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>交通・自動車</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>ガソリン代</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>自動車ローン</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>公共交通機関</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>外食</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>理美容</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>ペット</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>サブスクリプション</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>贈り物</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>雑費</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>ストリーミング</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>映画</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>ショッピング</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>衣服</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>電子機器</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>日用品</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>保険</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>医療</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>生命</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>住宅・家財</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>手数料・諸費用</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>銀行手数料</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>ATM 手数料</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>延滞料</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>給与・賃金</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>受取配当金</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>家賃収入</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>フリーランス・コンサルティング</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>返金</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>受け取った贈り物</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>その他の収入</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (口座ヘッダーなし)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>インポートした取引</translation>
    </message>
</context>
<context>
    <name>LumoAccount::AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>口座を共有できませんでした (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>LumoAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>ローカル認証サーバーを起動できませんでした</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>トークンを受信できませんでした</translation>
    </message>
</context>
<context>
    <name>LumoAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>アクセスできるユーザー</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>ユーザーを追加</translation>
    </message>
    <message>
        <source>You are not in a family group yet. Create or join one on your account page to share accounts.</source>
        <translation>まだファミリーグループに参加していません。口座を共有するには、アカウントページでグループを作成するか、既存のグループに参加してください。</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>グループのメンバー全員が既にアクセスできます</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>アクセスを削除</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>%1 と共有できませんでした。</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>アクセスを削除しますか?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 はアクセスできなくなります。続行しますか?</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>LumoUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>%1 の新しいバージョンが利用できます。</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>お使いのバージョンは %1 です。最新バージョンは %2 です。</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*このバージョンのリリースノートはありません。*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
</context>
<context>
    <name>LumoUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>ご使用中のバージョン: %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 をダウンロード</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>%1 %2 のリリースノートはありません</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 は最新です (バージョン %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>アップデートの確認に失敗しました: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>定期取引の編集</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>取引を定期取引に登録</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して受取人を検索...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>受取人:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>月2回</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>頻度:</translation>
    </message>
    <message>
        <source>Repeat every:</source>
        <translation>繰り返し間隔:</translation>
    </message>
    <message>
        <source>First day:</source>
        <translation>1回目の日:</translation>
    </message>
    <message>
        <source>Second day:</source>
        <translation>2回目の日:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>開始日:</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>終了日あり</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>終了日:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>期日に自動で記帳</translation>
    </message>
    <message>
        <source> days</source>
        <translation> 日</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>事前に記帳:</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>末日</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>days</source>
        <translation>日</translation>
    </message>
    <message>
        <source>week</source>
        <translation>週間</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>週間</translation>
    </message>
    <message>
        <source>month</source>
        <translation>か月</translation>
    </message>
    <message>
        <source>months</source>
        <translation>か月</translation>
    </message>
    <message>
        <source>quarter</source>
        <translation>四半期</translation>
    </message>
    <message>
        <source>quarters</source>
        <translation>四半期</translation>
    </message>
    <message>
        <source>year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>years</source>
        <translation>年</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
</context>
<context>
    <name>RegisterFilterDialog</name>
    <message>
        <source>Filters</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未決済</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態:</translation>
    </message>
    <message>
        <source>Limit to a date range</source>
        <translation>期間で絞り込む</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>小切手番号</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>受取人</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>決済</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>受取人 / メモ</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>利用</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未決済</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>新規取引(&amp;N)</translation>
    </message>
    <message>
        <source>Add a transaction using the full form</source>
        <translation>詳細な入力フォームで取引を追加します</translation>
    </message>
    <message>
        <source>&amp;Reconcile</source>
        <translation>照合(&amp;R)</translation>
    </message>
    <message>
        <source>No, it is a credit</source>
        <translation>いいえ、クレジットです</translation>
    </message>
    <message>
        <source>Yes, I owe this</source>
        <translation>はい、借入額です</translation>
    </message>
    <message>
        <source>The opening balance could not be corrected.</source>
        <translation>期首残高を修正できませんでした。</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: 保存  |  Enter: 次へ  |  %2: 削除  |  %3: 定期取引に登録  |  &apos;: 上の行からコピー</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>表示する列</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>出納帳のレイアウトをリセット</translation>
    </message>
    <message>
        <source>Fi&amp;lter (%1)</source>
        <translation>フィルター(&amp;L) (%1)</translation>
    </message>
    <message>
        <source>Filters are applied. Click to change or clear them.</source>
        <translation>フィルターが適用されています。クリックすると変更または解除できます。</translation>
    </message>
    <message>
        <source>Fi&amp;lter</source>
        <translation>フィルター(&amp;L)</translation>
    </message>
    <message>
        <source>Filter which transactions are listed</source>
        <translation>表示する取引を絞り込みます</translation>
    </message>
    <message>
        <source>This account&apos;s opening balance is recorded as a credit of %1. If you meant that you owe %1, Tallyra can correct it.</source>
        <translation>この口座の期首残高は、%1 のクレジット (返金などによるプラスの残高) として記録されています。%1 の借入額という意味であれば、Tallyra で修正できます。</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>受取人は必須です</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>支払または入金の金額を入力してください</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替を行うには、両方の口座の通貨が同じである必要があります</translation>
    </message>
    <message>
        <source>The transaction could not be saved. Your entries are still in the row.</source>
        <translation>取引を保存できませんでした。入力内容は行に残っています。</translation>
    </message>
    <message>
        <source>Saved. It isn&apos;t listed because of the current filter.</source>
        <translation>保存しました。現在のフィルターにより一覧には表示されません。</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>期首残高</translation>
    </message>
    <message>
        <source>This account&apos;s opening balance is held on the account itself.

Set it in the account&apos;s settings.</source>
        <translation>この口座の期首残高は口座自体に保持されています。

口座の設定で指定してください。</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>入力欄をクリアしました</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>定期取引に登録できません: 元の取引の日付が無効です</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>取引を定期取引として登録しました</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>定期取引を保存できませんでした。</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>新規挿入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>新規取引(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>ダイアログで編集(&amp;E)...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>詳細を表示(&amp;D)...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>分割を編集(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>取引を分割(&amp;S)...</translation>
    </message>
    <message>
        <source>D&amp;uplicate...</source>
        <translation>複製(&amp;U)...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>未決済にする(&amp;U)</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>決済済みにする(&amp;C)</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>取引を保存できませんでした。</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Brightpath Inc</source>
        <translation>Brightpath Inc</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>隔週の給与</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>給与・賃金</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>毎月の家賃</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>住居費</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>家賃・住宅ローン</translation>
    </message>
    <message>
        <source>Fresh Basket Market</source>
        <translation>Fresh Basket Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>1週間分の食料品</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <source>Quickfill Gas</source>
        <translation>Quickfill Gas</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>交通・自動車</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>ガソリン代</translation>
    </message>
    <message>
        <source>Metro Power &amp; Light</source>
        <translation>Metro Power &amp; Light</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>電気料金</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>公共料金</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>電気代</translation>
    </message>
    <message>
        <source>City Water Department</source>
        <translation>市水道局</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>水道料金</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水道代</translation>
    </message>
    <message>
        <source>StreamFlix</source>
        <translation>StreamFlix</translation>
    </message>
    <message>
        <source>Monthly subscription</source>
        <translation>月額料金</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>ストリーミング</translation>
    </message>
    <message>
        <source>Corner Bistro</source>
        <translation>Corner Bistro</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>夕食</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>外食</translation>
    </message>
    <message>
        <source>Fiberlink Internet</source>
        <translation>Fiberlink Internet</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>インターネット回線</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット代</translation>
    </message>
    <message>
        <source>Shieldline Insurance</source>
        <translation>Shieldline Insurance</translation>
    </message>
    <message>
        <source>Auto insurance premium</source>
        <translation>自動車保険料</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>保険</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Hope Community Fund</source>
        <translation>Hope Community Fund</translation>
    </message>
    <message>
        <source>Donation</source>
        <translation>寄付</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>寄付金</translation>
    </message>
    <message>
        <source>Lakeside Family Clinic</source>
        <translation>Lakeside Family Clinic</translation>
    </message>
    <message>
        <source>Doctor visit copay</source>
        <translation>診察の自己負担額</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>医療費</translation>
    </message>
    <message>
        <source>Lunch with friends</source>
        <translation>友人とランチ</translation>
    </message>
    <message>
        <source>Bookworm Online</source>
        <translation>Bookworm Online</translation>
    </message>
    <message>
        <source>Course textbook</source>
        <translation>講座の教科書</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>利息の受取</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <source>TechHub Electronics</source>
        <translation>TechHub Electronics</translation>
    </message>
    <message>
        <source>Wireless headphones</source>
        <translation>ワイヤレスヘッドホン</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>ショッピング</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>電子機器</translation>
    </message>
    <message>
        <source>CloudBox Storage</source>
        <translation>CloudBox Storage</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>クラウドストレージのプラン</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>サブスクリプション</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>ランチ</translation>
    </message>
    <message>
        <source>PagePass Audiobooks</source>
        <translation>PagePass Audiobooks</translation>
    </message>
    <message>
        <source>Phone charger</source>
        <translation>スマートフォンの充電器</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>期首残高</translation>
    </message>
    <message>
        <source>Main Checking</source>
        <translation>メイン当座預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa Rewards</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>Summit Bank</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>毎月の積立</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>普通預金への振替</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>当座預金からの振替</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>お支払い - ありがとうございます</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>クレジットカードの支払い</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>取引の分割</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>残り: %1</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ 行を追加</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- 削除</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n 件の口座</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  期日の定期取引 %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransactionActions</name>
    <message>
        <source>Save Failed</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>The transaction could not be saved, so nothing was changed.

Your entries are still in the form.</source>
        <translation>取引を保存できなかったため、何も変更されていません。

入力内容はフォームに残っています。</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>振替</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>取引の分割</translation>
    </message>
    <message>
        <source>Choose a category for every split line.</source>
        <translation>すべての分割行でカテゴリを選択してください。</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>期首残高</translation>
    </message>
    <message>
        <source>The opening balance can&apos;t be removed. Every account has one.

To clear it, set it to zero in the account&apos;s settings.</source>
        <translation>期首残高は削除できません。すべての口座に期首残高があります。

取り消すには、口座の設定で 0 にしてください。</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>「%1」(%2) を削除しますか?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>振替「%1」(%2) を削除しますか?

振替元と振替先の両方の取引が削除されます。</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>The transaction could not be deleted, so nothing was changed.</source>
        <translation>取引を削除できなかったため、何も変更されていません。</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替を行うには、両方の口座の通貨が同じである必要があります</translation>
    </message>
    <message>
        <source>A transfer can&apos;t be split across categories</source>
        <translation>振替は複数のカテゴリに分割できません</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>%1 への振替</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>%1 からの振替</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>取引の詳細</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>受取人:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>振替先:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>登録日時: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>最終更新日時: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>編集...</translation>
    </message>
    <message>
        <source>Duplicate...</source>
        <translation>複製...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>削除...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>分割行</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(記録された分割行はありません)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(未分類)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved.</source>
        <translation>決済済みの状態を保存できませんでした。</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>照合済み</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未決済</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>未決済にする</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>決済済みにする</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>新規取引</translation>
    </message>
    <message>
        <source>This is the account&apos;s opening balance. Changing the amount or date shifts every balance after it.</source>
        <translation>これは口座の期首残高です。金額または日付を変更すると、それ以降のすべての残高が変わります。</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>利用</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>振替</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して受取人を検索...</translation>
    </message>
    <message>
        <source>No other account in this currency to transfer into</source>
        <translation>振替先にできる同じ通貨の口座が他にありません</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>受取人:</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>分割...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>この取引を、それぞれ独自の金額とメモを持つ複数のカテゴリに分割します。</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>単一のカテゴリを使用</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>分割を破棄して、単一カテゴリの取引に戻します。</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1 (削除済み)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
    <message>
        <source>(account no longer available)</source>
        <translation>(口座は利用できなくなりました)</translation>
    </message>
</context>
<context>
    <name>TransactionRepository</name>
    <message>
        <source>Opening Balance</source>
        <translation>期首残高</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>セッションが終了しました。同期を続けるには再度サインインしてください。</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>完全にオフラインで動作します。データはこのデバイスに保存されます。</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>使い方</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>口座を追加します(当座預金、普通預金、クレジットカードなど、管理したい任意の口座)。</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>支出のたびに取引を記録します。</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>明細書が届いたら照合します。</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>おかえりなさい</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>サインインすると、データをデバイス間で同期できます。</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>別のアカウントを作成</translation>
    </message>
    <message>
        <source>Welcome to
Lumora Tallyra</source>
        <translation>Lumora Tallyra へ
ようこそ</translation>
    </message>
    <message>
        <source>A digital tallyra register.</source>
        <translation>デジタルの tallyra 出納帳。</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>アカウントをお持ちですか? サインイン</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>最初の口座を作成</translation>
    </message>
</context>
</TS>
