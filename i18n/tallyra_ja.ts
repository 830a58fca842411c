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
    <message>
        <source>This account has transactions in %1. Its currency can only change to one with the same number of decimal places.</source>
        <translation>この口座には %1 の取引があります。通貨は小数点以下の桁数が同じ通貨にのみ変更できます。</translation>
    </message>
    <message>
        <source>Currency Not Changed</source>
        <translation>通貨は変更されていません</translation>
    </message>
</context>
<context>
    <name>AccountType</name>
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
    <message>
        <source>The database is in use by another program.

Data directory: %1

Please close the other program and try again.</source>
        <translation>データベースは別のプログラムで使用中です。

データディレクトリ: %1

もう一方のプログラムを閉じてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>既に実行中</translation>
    </message>
    <message>
        <source>Tallyra is already running with this data folder.</source>
        <translation>Tallyra はこのデータフォルダーで既に実行中です。</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1</source>
        <translation>データベースを初期化できませんでした。

データディレクトリ: %1</translation>
    </message>
    <message>
        <source>Failed to initialize the database: %1.

Data directory: %2</source>
        <translation>データベースを初期化できませんでした: %1。

データディレクトリ: %2</translation>
    </message>
    <message>
        <source>Failed to initialize the database: the disk is full.

Data directory: %1

Please free some space on the disk and try again.</source>
        <translation>データベースを初期化できませんでした: ディスクがいっぱいです。

データディレクトリ: %1

ディスクの空き容量を確保して、もう一度お試しください。</translation>
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
        <translation type="vanished">バックアップを復元できませんでした。データは変更されていません。</translation>
    </message>
    <message>
        <source>%1: too large</source>
        <translation>%1: 大きすぎます</translation>
    </message>
    <message>
        <source>%1: damaged</source>
        <translation>%1: 破損しています</translation>
    </message>
    <message>
        <source>Invalid backup: %1 entries named manifest.json</source>
        <translation>無効なバックアップです: manifest.json という名前のエントリが %1 個あります</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1. No data was changed.</source>
        <translation>バックアップを復元できませんでした: %1。データは変更されていません。</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number in range</source>
        <translation>%1: %2 は範囲内の整数ではありません</translation>
    </message>
</context>
<context>
    <name>BrowserFailureDialog</name>
    <message>
        <source>No Browser</source>
        <translation>ブラウザーがありません</translation>
    </message>
    <message>
        <source>No web browser could be opened. Open this address in your browser:</source>
        <translation>Web ブラウザーを開けませんでした。このアドレスをブラウザーで開いてください:</translation>
    </message>
</context>
<context>
    <name>BulkWriteTransaction</name>
    <message>
        <source>the database rolled the changes back</source>
        <translation type="vanished">データベースが変更を取り消しました</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="vanished">ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the data is in use by another program</source>
        <translation type="vanished">データが別のプログラムで使用中です</translation>
    </message>
    <message>
        <source>the database could not write the changes</source>
        <translation type="vanished">データベースが変更を書き込めませんでした</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>カテゴリを検索...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ 新規カテゴリ</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>新規カテゴリ(&amp;N)</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>サブカテゴリを追加(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>The category could not be saved, so nothing was changed.

Your entries are still in the form.</source>
        <translation>カテゴリを保存できなかったため、何も変更されていません。

入力内容はフォームに残っています。</translation>
    </message>
    <message>
        <source>Category Changed</source>
        <translation type="vanished">カテゴリが変更されました</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted elsewhere, so nothing was saved. The list now shows what is stored.</source>
        <translation type="vanished">「%1」は別の場所で変更または削除されたため、何も保存されていません。一覧には保存されている内容が表示されています。</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>「%1」を削除しますか? このカテゴリを使用している取引は未分類になります。</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>カテゴリの削除</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>「%1」を削除できませんでした。</translation>
    </message>
    <message>
        <source>The category could not be saved: %1. Nothing was changed.

Your entries are still in the form.</source>
        <translation>カテゴリを保存できませんでした: %1。何も変更されていません。

入力内容はフォームに残っています。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2.</source>
        <translation>「%1」を削除できませんでした: %2。</translation>
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
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税区分</translation>
    </message>
    <message>
        <source>income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>transfer</source>
        <translation>振替</translation>
    </message>
    <message>
        <source>expense</source>
        <translation>支出</translation>
    </message>
</context>
<context>
    <name>CsvPreviewModel</name>
    <message>
        <source>Col %1</source>
        <translation>列 %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the data is in use by another program</source>
        <translation>データが別のプログラムで使用中です</translation>
    </message>
    <message>
        <source>the database could not write the changes</source>
        <translation>データベースが変更を書き込めませんでした</translation>
    </message>
    <message>
        <source>the database rolled the changes back</source>
        <translation>データベースが変更を取り消しました</translation>
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
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>ファイルが選択されていません</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV 列の割り当て:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>日付の列:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>受取人の列:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>金額の列:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>メモの列:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>カテゴリの列:</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>自動検出</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>月 日, 年 (May 14, 2026)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>日付の形式:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>1 行目は見出し</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF の元の口座:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>各 Quicken 口座のインポート先を選んでください。選択したファイル間で割り当てた口座の振替は自動的に結び付けられます。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Preview Failed</source>
        <translation>プレビューに失敗しました</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no rows to import.</source>
        <translation>ファイル「%1」にはインポートする行がありません。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened.</source>
        <translation>ファイル「%1」を開けませんでした。</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>列 %1: %2</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF ファイルを選択</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF ファイル (*.qif)</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n 個のファイルを選択</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF ファイルを解析しています...</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— 新しい口座「%1」を作成 —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— これらの取引をスキップ —</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>インポート先の口座がありません</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>インポート先の口座を選ぶか、今すぐ作成してください。</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>期首残高</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポートに失敗しました</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened. Nothing was imported.</source>
        <translation>ファイル「%1」を開けませんでした。何もインポートされていません。</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポートしています...</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>インポートに失敗しました。</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be created. No transactions were added.</source>
        <translation>口座「%1」を作成できませんでした。取引は追加されていません。</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>データベースのエラーでインポートが中止され、すべての変更が取り消されました。取引は追加されていません。</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>インポートが完了しました!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n 件の取引をインポート</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n 件の振替を口座間で結び付け</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (うち %n 件は以前にインポートした行と結び付け)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n 件の重複をスキップ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップ (読み取り不可)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n 件のメタデータ レコードをスキップ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップ (元の口座が未割り当て)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップ (データベース エラー — ログを参照)</numerusform>
        </translation>
    </message>
    <message>
        <source>An account chosen for this import was deleted elsewhere. No transactions were added.</source>
        <translation>このインポート先に選んだ口座が別の場所で削除されました。取引は追加されていません。</translation>
    </message>
    <message>
        <source>The import stopped and all changes were rolled back: %1. No transactions were added.</source>
        <translation>インポートが中止され、すべての変更が取り消されました: %1。取引は追加されていません。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: the row that starts on line %2 is longer than %3 characters.</source>
        <translation>ファイル「%1」は読み込まれませんでした: %2 行目から始まる行が %3 文字を超えています。</translation>
    </message>
    <message>
        <source>The file was not read: the row that starts on line %1 is longer than %2 characters. No transactions were added.</source>
        <translation type="vanished">ファイルは読み込まれませんでした: %1 行目から始まる行が %2 文字を超えています。取引は追加されていません。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>Row %1: no cell in the date column (Col %2)</source>
        <translation>行 %1: 日付の列 (列 %2) にセルがありません</translation>
    </message>
    <message>
        <source>Row %1: no cell in the payee column (Col %2)</source>
        <translation>行 %1: 受取人の列 (列 %2) にセルがありません</translation>
    </message>
    <message>
        <source>Row %1: no cell in the amount column (Col %2)</source>
        <translation>行 %1: 金額の列 (列 %2) にセルがありません</translation>
    </message>
    <message>
        <source>Row %1: the date cell is empty</source>
        <translation>行 %1: 日付のセルが空です</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not a date in any known format</source>
        <translation>行 %1: 「%2」はどの既知の形式でも日付ではありません</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not a date in the format %3 or any known format</source>
        <translation>行 %1: 「%2」は形式 %3 でも既知のどの形式でも日付ではありません</translation>
    </message>
    <message>
        <source>Row %1: the amount cell is empty</source>
        <translation>行 %1: 金額のセルが空です</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not an amount</source>
        <translation>行 %1: 「%2」は金額ではありません</translation>
    </message>
    <message>
        <source>Row %1: the amount &quot;%2&quot; has decimals, which the account&apos;s currency does not have</source>
        <translation>行 %1: 金額「%2」に小数がありますが、口座の通貨には小数がありません</translation>
    </message>
    <message>
        <source>Analysis Failed</source>
        <translation>分析に失敗しました</translation>
    </message>
    <message>
        <source>%1 No transactions were added.</source>
        <translation>%1取引は追加されていません。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: it is larger than %2 MB, the largest file an import reads.</source>
        <translation>ファイル「%1」は読み込まれませんでした: インポートで読み込める上限の %2 MB を超えています。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: there is not enough memory to read it.</source>
        <translation>ファイル「%1」は読み込まれませんでした: 読み込むためのメモリが足りません。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read to its end: %2.</source>
        <translation>ファイル「%1」を最後まで読み込めませんでした: %2。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: line %2 is longer than %3 characters.</source>
        <translation>ファイル「%1」は読み込まれませんでした: %2 行目が %3 文字を超えています。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: the record that starts on line %2 is longer than %3 characters.</source>
        <translation>ファイル「%1」は読み込まれませんでした: %2 行目から始まるレコードが %3 文字を超えています。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: the record that starts on line %2 has more than %3 split lines.</source>
        <translation>ファイル「%1」は読み込まれませんでした: %2 行目から始まるレコードの分割行が %3 行を超えています。</translation>
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
    <name>LumoAccount::AccountScreen</name>
    <message>
        <source>(not set)</source>
        <translation>(未設定)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロフィール</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>データとプライバシー</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>個人情報</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>表示名の編集</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>サインアウト</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>アカウントのパスワードを変更します。</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>パスワードの変更</translation>
    </message>
    <message>
        <source>Could not load your profile.</source>
        <translation>プロフィールを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>表示名:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>プロフィールを更新できませんでした。</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>表示名を更新しました。</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>現在のパスワード:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>新しいパスワード (8 文字以上):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>パスワードは 8 文字以上にしてください。</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>新しいパスワードの確認:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>パスワードを変更しました。</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>パスワードを変更できませんでした。</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>危険な操作</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>アカウントを完全に削除します。30 日を過ぎると元に戻せません。</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>アカウントを削除</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>あなたはグループのオーナーです。アカウントを削除する前に、所有権を譲渡するか、メンバー全員を削除してください。</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>30 日後にアカウントが完全に削除されます。

確認のため DELETE と入力してください:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>アカウントを削除できませんでした。</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>アカウントの削除を予約しました</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>30 日後にアカウントが完全に削除されます。それまでにサインインすれば復元できます。</translation>
    </message>
    <message>
        <source>Could not load your group. Try again later.</source>
        <translation>グループを読み込めませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>グループなし</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>グループに参加していません。グループのオーナーから招待を受けるか、招待コードで参加できます。</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>招待コードで参加</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%2 席中 %1 席使用中</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>メンバー</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>オーナー</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>グループから退出</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>保留中の招待</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>招待コード: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>メンバーを招待</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>メールで招待</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>招待コードを生成</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>グループに参加</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>招待コードを入力:</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>招待コードが無効か、期限切れです。</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>グループに参加しました。</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>メールアドレス:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>招待を送信できませんでした。</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>招待を送信しました。</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>コードを生成できませんでした。</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>招待コード</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>招待したい相手にこのコードを伝えてください:

%1</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>招待を取り消しました。</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>招待を取り消せませんでした。</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>メンバーの削除</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>%1 をグループから削除しますか?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 を削除しました。</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>このグループから退出しますか? 共有データにアクセスできなくなります。</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>グループから退出しました。</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>グループから退出できませんでした。</translation>
    </message>
    <message>
        <source>Could not load your devices. Try again later.</source>
        <translation>デバイスを読み込めませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>登録済みのデバイス</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>アカウントと同期したデバイス。</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>登録済みのデバイスはありません。</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>不明なデバイス</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>デバイスの削除</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 を削除しますか?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>デバイスを削除しました。</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>デバイスを削除できませんでした。</translation>
    </message>
    <message>
        <source>Could not load your sessions. Try again later.</source>
        <translation>セッションを読み込めませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>アクティブなセッション</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>現在アカウントにサインインしているセッション。</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>アクティブなセッションはありません。</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>不明なクライアント</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>このセッション</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>セッションを取り消しました。</translation>
    </message>
    <message>
        <source>Failed to revoke session.</source>
        <translation>セッションを取り消せませんでした。</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>現在アクティブ</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>%1 分前</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>%1 時間前</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>%1 日前</translation>
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
    <message>
        <source>Could not load who has access. Try again later.</source>
        <translation>アクセスできるユーザーを読み込めませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Could not load your family group. Try again later.</source>
        <translation>ファミリーグループを読み込めませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Could not load your profile. Try again later.</source>
        <translation>プロフィールを読み込めませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>No one can be added while it is unknown who has access.</source>
        <translation>アクセスできるユーザーが分からないため、追加できません。</translation>
    </message>
</context>
<context>
    <name>LumoUpdate::Client</name>
    <message>
        <source>network error: %1</source>
        <translation>ネットワークエラー: %1</translation>
    </message>
    <message>
        <source>manifest invalid: %1</source>
        <translation>リリース情報が無効です: %1</translation>
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
    <name>MainWindow</name>
    <message>
        <source>Cannot be computed</source>
        <translation type="vanished">計算できません</translation>
    </message>
    <message>
        <source>Lumora Tallyra</source>
        <translation>Lumora Tallyra</translation>
    </message>
    <message>
        <source>Welcome to Lumora Tallyra</source>
        <translation>Lumora Tallyra へようこそ</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>最初の口座を作成して始めましょう。</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>口座を作成</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>ファイル › インポートから CSV ファイルの取引を取り込むこともできます。</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>口座がありません</translation>
    </message>
    <message>
        <source>Cleared: %1</source>
        <translation>決済済み: %1</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>本日: %1</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>新規口座...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>「%1」を編集...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>照合...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>照合履歴...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>受取人の名前を変更...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>共有...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>「%1」を削除</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>新しい取引(&amp;N)</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>新しい口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Lumora &amp;Account...</source>
        <translation>Lumora アカウント(&amp;A)...</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>サインインまたは新規登録</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>サインアウト(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>環境設定(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>照合(&amp;R)...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>照合履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>受取人の名前を変更(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>共有(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>レポート(&amp;R)</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>定期取引(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>カテゴリ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Lumora Tallyra</source>
        <translation>Lumora Tallyra について(&amp;A)</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>新機能(&amp;N)...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>アップデートを確認(&amp;U)...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>フィードバックを送信(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>サンプルデータを読み込む(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>サンプルデータを消去(&amp;C)</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>先に口座を選択してください</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Lumora Tallyra&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital tallyra register for tracking household finances.&lt;/p&gt;&lt;p&gt;Made by Lumora. All rights reserved.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://lumora.invalid/tallyra&quot;&gt;lumora.invalid/tallyra&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU Lesser General Public License version 3. See &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; and &lt;a href=&quot;https://download.qt.io/official_releases/qt/&quot;&gt;the Qt source code&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Lumora Tallyra&lt;/h3&gt;&lt;p&gt;バージョン %1&lt;/p&gt;&lt;p&gt;家計を記録するためのデジタル tallyra 登録簿です。&lt;/p&gt;&lt;p&gt;制作: Lumora。All rights reserved.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://lumora.invalid/tallyra&quot;&gt;lumora.invalid/tallyra&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;このアプリケーションは GNU Lesser General Public License バージョン 3 のもとで Qt フレームワークを使用しています。詳しくは &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; と &lt;a href=&quot;https://download.qt.io/official_releases/qt/&quot;&gt;Qt のソースコード&lt;/a&gt;をご覧ください。&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Lumora Tallyra</source>
        <translation>Lumora Tallyra について</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;登録簿&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;取引を保存&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新しい取引を挿入&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;現在の取引を削除&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;次 / 前のフィールド&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (アポストロフィ)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;上のフィールドの値をコピー&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;日付フィールド&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;今日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;翌日 / 前日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;月の初日 / 末日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;年の初日 / 末日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;週の初日 / 末日&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;全般&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新しい取引&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新しい口座&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座を照合&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;取引を検索&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;レポート&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;定期取引&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;カテゴリ&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;口座&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座 1&amp;ndash;9 に切り替え&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座 10 に切り替え&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>サンプルデータ</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>サンプルデータは読み込み済みです。</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation type="vanished">サンプルデータを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>サンプルデータを読み込みました</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>消去するサンプルデータはありません。</translation>
    </message>
    <message>
        <source>The sample data could not be cleared.</source>
        <translation type="vanished">サンプルデータを消去できませんでした。</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation type="vanished">サンプルデータを消去しました</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>定期取引を %n 件自動記帳しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>アカウントを管理</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>未サインイン</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>サインインに失敗しました: %1</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>同期が完了しました</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>同期に失敗しました: %1</translation>
    </message>
    <message>
        <source>Starting Balance</source>
        <translation>開始残高</translation>
    </message>
    <message>
        <source>Change the opening balance?

Every balance in this account will shift.</source>
        <translation>期首残高を変更しますか?

この口座のすべての残高が変わります。</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation>口座を保存できませんでした。</translation>
    </message>
    <message>
        <source>The opening balance could not be saved.</source>
        <translation type="vanished">期首残高を保存できませんでした。</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>サインインが必要です</translation>
    </message>
    <message>
        <source>Sharing requires a Lumora account.</source>
        <translation>共有するには Lumora アカウントが必要です。</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>口座を共有</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>共有中: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Lumora family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>この口座を Lumora ファミリーグループのメンバーと共有します。メンバーのデバイスにも同じ登録簿、残高、照合履歴が表示されます。</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>共有相手</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>アクセスを削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>共有に失敗しました</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>共有を解除</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>%1 のこの口座へのアクセスを削除しますか?</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>期首残高</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>口座の削除</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>「%1」を削除しますか?

この口座のすべての取引、定期取引、照合履歴が削除されます。環境設定 → データと同期 から復元できます。</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>The account could not be deleted. Nothing was changed.</source>
        <translation>口座を削除できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>Account Changed</source>
        <translation type="vanished">口座が変更されました</translation>
    </message>
    <message>
        <source>The account was changed elsewhere while you were editing it. Your changes were not saved.</source>
        <translation type="vanished">編集中に口座が別の場所で変更されました。変更内容は保存されていません。</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>取引の検索</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>受取人の管理</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>照合 — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Lumora Account</source>
        <translation>Lumora アカウント</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>The account could not be saved: %1.</source>
        <translation>口座を保存できませんでした: %1。</translation>
    </message>
    <message>
        <source>The account could not be deleted: %1. Nothing was changed.</source>
        <translation>口座を削除できませんでした: %1。何も変更されていません。</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>Too large</source>
        <translation>大きすぎます</translation>
    </message>
</context>
<context>
    <name>OpeningBalanceBanner</name>
    <message>
        <source>No, it is a credit</source>
        <translation>いいえ、クレジットです</translation>
    </message>
    <message>
        <source>Yes, I owe this</source>
        <translation>はい、借入額です</translation>
    </message>
    <message>
        <source>This account&apos;s opening balance is recorded as a credit of %1. If you meant that you owe %1, Tallyra can correct it.</source>
        <translation>この口座の期首残高は、%1 のクレジット (返金などによるプラスの残高) として記録されています。%1 の借入額という意味であれば、Tallyra で修正できます。</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>受取人の管理</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>新しい名前:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>選択項目の名前を変更</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>選択項目を統合</translation>
    </message>
    <message>
        <source>The payees could not be renamed, so no transaction was changed.</source>
        <translation>支払先の名前を変更できなかったため、取引は変更されていません。</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>名前の変更に失敗しました</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>名前の変更が完了しました</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引の名前を変更しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>統合</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>統合する支払先を 2 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 件の支払先を「%2」に統合しますか?</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>支払先の統合</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>統合に失敗しました</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>統合が完了しました</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引を統合しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of the opening balance, which each account has once. Choose another name: no transaction was changed.</source>
        <translation>「%1」は期首残高の名前で、各口座に 1 つだけあります。別の名前を選んでください。取引は変更されていません。</translation>
    </message>
    <message>
        <source>%1 opening balance(s) kept their payee: an account&apos;s opening balance is not renamed.</source>
        <translation>支払先を変更しなかった期首残高: %1 件。口座の期首残高の名前は変更されません。</translation>
    </message>
    <message>
        <source>%1 transfer(s) kept their payee: it names the account at the other end of the transfer.</source>
        <translation>支払先を変更しなかった振替: %1 件。支払先は振替の相手口座を示します。</translation>
    </message>
    <message>
        <source>No transaction was changed.</source>
        <translation>取引は変更されていません。</translation>
    </message>
    <message>
        <source>The payees could not be renamed: %1. No transaction was changed.</source>
        <translation>支払先の名前を変更できませんでした: %1。取引は変更されていません。</translation>
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
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>この口座の過去の照合。</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>明細書の日付</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>照合済み残高</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了日時</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>照合はまだありません。記録画面から口座を照合すると、ここに履歴が表示されます。</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>照合履歴 — %1</translation>
    </message>
    <message>
        <source>MMM d, yyyy</source>
        <translation>yyyy年M月d日</translation>
    </message>
    <message>
        <source>MMM d, yyyy h:mm ap</source>
        <translation>yyyy年M月d日 H:mm</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>決済</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>口座の照合</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>明細書の日付:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>明細書の残高:</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>決済済みの入金</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>決済済みの出金</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>前回残高</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>決済済み残高</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>照合を完了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>取引を追加</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>取引を追加（%1）</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>選択した取引を編集（F2）</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>選択した取引を削除（Del）</translation>
    </message>
    <message>
        <source>Statement Balance Owed:</source>
        <translation>明細書の未払残高:</translation>
    </message>
    <message>
        <source>Cleared Payments</source>
        <translation>決済済みの支払い</translation>
    </message>
    <message>
        <source>Cleared Charges</source>
        <translation>決済済みの請求</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>照合が完了しました</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>口座の照合が完了しました。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed, deleted or reconciled elsewhere after this list was loaded.</source>
        <translation type="vanished">「%1」はこの一覧を読み込んだ後、別の場所で変更、削除、または照合されました。</translation>
    </message>
    <message>
        <source>The ticked transactions as stored do not add up to the statement balance.</source>
        <translation>チェックした取引の保存済みの合計が明細書の残高と一致しません。</translation>
    </message>
    <message>
        <source>The balances are too large to compute.</source>
        <translation>残高が大きすぎて計算できません。</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>照合に失敗しました</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved, so nothing was changed.</source>
        <translation>照合を保存できなかったため、何も変更されていません。</translation>
    </message>
    <message>
        <source>Reconciliation Not Finished</source>
        <translation>照合は完了していません</translation>
    </message>
    <message>
        <source>Nothing was marked. The list has been reloaded: check the difference and finish again.</source>
        <translation>何もマークされていません。一覧を再読み込みしました。差額を確認して、もう一度完了してください。</translation>
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
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>%1 の取引を削除しますか？</translation>
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
        <source>The reconciliation could not be saved: %1. Nothing was changed.</source>
        <translation>照合を保存できませんでした: %1。何も変更されていません。</translation>
    </message>
    <message>
        <source>The transaction could not be deleted: %1. Nothing was changed.</source>
        <translation>取引を削除できませんでした: %1。何も変更されていません。</translation>
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
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the category.</source>
        <translation>「%1」は1つのカテゴリを指していません。一覧から選ぶか、カテゴリを空にしてください。</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>次回予定日</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Semi-monthly (%1 &amp; %2)</source>
        <translation>月2回（%1と%2）</translation>
    </message>
    <message>
        <source>Every %1 days</source>
        <translation>%1日ごと</translation>
    </message>
    <message>
        <source>Every %1 weeks</source>
        <translation>%1週間ごと</translation>
    </message>
    <message>
        <source>Every %1 months</source>
        <translation>%1か月ごと</translation>
    </message>
    <message>
        <source>Every %1 years</source>
        <translation>%1年ごと</translation>
    </message>
    <message>
        <source>%1 (×%2)</source>
        <translation>%1（×%2）</translation>
    </message>
    <message>
        <source>last day</source>
        <translation>末日</translation>
    </message>
    <message>
        <source>daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>biweekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <source>semimonthly</source>
        <translation>月2回</translation>
    </message>
    <message>
        <source>quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>semi_annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <source>annual</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1日</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1日</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1日</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1日</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1日</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>期日到来分をすべて確定</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>今後7日分を記帳</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>（期日到来 %1 件）</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>確定(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>スキップ(&amp;S)</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>前倒しで記帳(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Confirm Failed</source>
        <translation>確定に失敗しました</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be entered. Check its account, its dates and its transfer account.</source>
        <translation>「%1」を記帳できませんでした。口座、日付、振替先口座を確認してください。</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>「%1」を今すぐ%2付けで記帳しますか？取引の日付は予定日になり、後で編集や削除ができます。</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>前倒しで記帳</translation>
    </message>
    <message>
        <source>Skip Failed</source>
        <translation>スキップに失敗しました</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped.</source>
        <translation>「%1」をスキップできませんでした。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>定期取引「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>「%1」を削除できませんでした。</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved, so nothing was changed.

Your entries are still in the form.</source>
        <translation>定期取引を保存できなかったため、何も変更されていません。

入力内容はフォームに残っています。</translation>
    </message>
    <message>
        <source>Recurring Transaction Deleted</source>
        <translation type="vanished">定期取引は削除されています</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was deleted elsewhere, so your changes were not saved.</source>
        <translation type="vanished">「%1」は別の場所で削除されたため、変更は保存されませんでした。</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>今後7日以内に予定日が来る定期取引をすべて記帳しますか？各取引の日付は予定日になり、後で編集や削除ができます。</translation>
    </message>
    <message>
        <source>Some recurring transactions could not be entered. Check their accounts, dates and transfer accounts.</source>
        <translation>一部の定期取引を記帳できませんでした。口座、日付、振替先口座を確認してください。</translation>
    </message>
    <message>
        <source>MMM d, yyyy</source>
        <translation>yyyy年M月d日</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped: %2.</source>
        <translation>「%1」をスキップできませんでした: %2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2.</source>
        <translation>「%1」を削除できませんでした: %2。</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved: %1. Nothing was changed.

Your entries are still in the form.</source>
        <translation>定期取引を保存できませんでした: %1。何も変更されていません。

入力内容はフォームに残っています。</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>The recurring transactions could not be entered: %1. None of them were entered.</source>
        <translation>定期取引を記帳できませんでした: %1。いずれも記帳されていません。</translation>
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
        <translation type="vanished">いいえ、クレジットです</translation>
    </message>
    <message>
        <source>Yes, I owe this</source>
        <translation type="vanished">はい、借入額です</translation>
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
        <translation type="vanished">この口座の期首残高は、%1 のクレジット (返金などによるプラスの残高) として記録されています。%1 の借入額という意味であれば、Tallyra で修正できます。</translation>
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
        <translation type="vanished">取引を保存できませんでした。入力内容は行に残っています。</translation>
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
        <translation type="vanished">定期取引を保存できませんでした。</translation>
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
        <translation type="vanished">取引を保存できませんでした。</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount: this account&apos;s currency has no decimals.</source>
        <translation>「%1」は金額ではありません。この口座の通貨には小数点以下がありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>「%1」は金額ではありません。</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.

Your entries are still in the form.</source>
        <translation>定期取引を保存できませんでした。

入力内容はフォームに残っています。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list or clear the Category cell.</source>
        <translation>「%1」は1つのカテゴリを指していません。一覧から選ぶか、カテゴリのセルを空にしてください。</translation>
    </message>
    <message>
        <source>The transaction could not be saved: %1. Your entries are still in the row.</source>
        <translation>取引を保存できませんでした: %1。入力内容は行に残っています。</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved: %1.

Your entries are still in the form.</source>
        <translation>定期取引を保存できませんでした: %1。

入力内容はフォームに残っています。</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>未分類</translation>
    </message>
</context>
<context>
    <name>ReportTransactionsModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
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
        <source>Amount</source>
        <translation>金額</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV エクスポート</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>カテゴリ別支出</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>支払先別集計</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>受取人</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>税務レポート</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税区分</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>収入と支出</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>差引</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>キャッシュフロー</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
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
        <source>Account Summary</source>
        <translation>口座サマリー</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>比較:</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>今年と昨年</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>昨年と一昨年</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>今四半期と前四半期</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>期間1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>期間2:</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>期間1: %1 – %2    期間2: %3 – %4</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>期間1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>期間2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>前年比較</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>取引</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>This report cannot be shown: a total is too large to compute.</source>
        <translation>このレポートは表示できません: 合計が大きすぎます。</translation>
    </message>
    <message>
        <source>This report cannot be shown: the data could not be read.</source>
        <translation>このレポートは表示できません: データを読み込めませんでした。</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>エクスポートに失敗しました</translation>
    </message>
    <message>
        <source>The report could not be written to %1:
%2</source>
        <translation>レポートを %1 に書き込めませんでした:
%2</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>今月</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>先月</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>今四半期</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>前四半期</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>昨年</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>過去 30 日間</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>過去 90 日間</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>過去 12 か月</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>全期間</translation>
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
    <message>
        <source>Sample data cleared</source>
        <translation>サンプルデータを削除しました</translation>
    </message>
    <message>
        <source>Sample data cleared. These sample accounts stay because they hold your own entries: %1</source>
        <translation>サンプルデータを削除しました。次のサンプル口座にはご自身の入力があるため残しました: %1</translation>
    </message>
    <message>
        <source>The sample data could not be loaded: %1. Nothing was added.</source>
        <translation>サンプルデータを読み込めませんでした: %1。何も追加されていません。</translation>
    </message>
    <message>
        <source>The sample data could not be cleared: %1. Nothing was removed.</source>
        <translation>サンプルデータを消去できませんでした: %1。何も削除されていません。</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>受取人、メモ、小切手番号を検索...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>決済済みのみ</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
    <message>
        <source>Transaction Changed</source>
        <translation type="vanished">取引が変更されました</translation>
    </message>
    <message>
        <source>This transaction was changed or deleted after the search. The list now shows what is stored.</source>
        <translation type="vanished">この取引は検索の後に変更または削除されました。一覧には保存されている内容が表示されています。</translation>
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
        <source>&amp;Edit in Dialog...</source>
        <translation>ダイアログで編集(&amp;E)...</translation>
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
        <source>&amp;Delete...</source>
        <translation>削除(&amp;D)...</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>記録簿</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Control how Lumora Tallyra looks.</source>
        <translation>Lumora Tallyra の見た目を設定します。</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Choose accent color</source>
        <translation>アクセントカラーを選択</translation>
    </message>
    <message>
        <source>Accent color</source>
        <translation>アクセントカラー</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>特大</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>日付とカレンダーの設定。</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>週の始まり</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>記録簿での取引の表示方法。</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>2 行表示</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>メモを支払先の下の 2 行目に表示します。</translation>
    </message>
    <message>
        <source>Auto-decimal point</source>
        <translation>小数点の自動入力</translation>
    </message>
    <message>
        <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
        <translation>1234 と入力すると 12.34 になります。最後の 2 桁は常にセントです。</translation>
    </message>
    <message>
        <source>Highlight overdrawn rows</source>
        <translation>残高不足の行を強調表示</translation>
    </message>
    <message>
        <source>Shades the whole row when the running balance is below zero. The balance itself is always shown in red, so you can turn this off and still spot it. Credit cards and loans are never shaded.</source>
        <translation>累計残高がゼロ未満になると行全体に色を付けます。残高自体は常に赤で表示されるため、オフにしても見分けられます。クレジットカードとローンには色を付けません。</translation>
    </message>
    <message>
        <source>Current balance</source>
        <translation>現在の残高</translation>
    </message>
    <message>
        <source>Cleared balance</source>
        <translation>決済済み残高</translation>
    </message>
    <message>
        <source>Balance as of today</source>
        <translation>本日時点の残高</translation>
    </message>
    <message>
        <source>Account list shows</source>
        <translation>口座一覧の表示</translation>
    </message>
    <message>
        <source>Cleared counts only transactions you have marked cleared. Balance as of today leaves out anything dated later, such as scheduled bills.</source>
        <translation>決済済みは、決済済みにした取引だけを数えます。本日時点の残高は、予定された請求など後日付のものを除きます。</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>記録簿での取引の並び順を設定します。</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>新しい取引を先頭に表示</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>オンにすると、最新の取引が上に表示されます。</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Keep your tallyra in sync across all your devices.</source>
        <translation>すべてのデバイスで Tallyra を同期します。</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>完全同期を実行</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>バックアップと復元</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>データを持ち運べるバックアップファイルに保存、またはそこから復元します。</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>バックアップをエクスポート</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>バックアップをインポート</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>削除した口座</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>削除した口座はここで復元できます。</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>選択した口座を復元</translation>
    </message>
    <message>
        <source>Lumora Tallyra</source>
        <translation>Lumora Tallyra</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A digital tallyra register for tracking household finances.</source>
        <translation>家計を記録するデジタルの Tallyra 記録簿です。</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Lumora Tallyra website</source>
        <translation>Lumora Tallyra のウェブサイト</translation>
    </message>
    <message>
        <source>Get the mobile app</source>
        <translation>モバイルアプリを入手</translation>
    </message>
    <message>
        <source>Your data is kept in a database on this computer; it is synced only while you are signed in.</source>
        <translation>データはこのコンピューターのデータベースに保存され、サインイン中にのみ同期されます。</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>言語を変更しました</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Lumora Tallyra.</source>
        <translation>新しい言語は次回 Lumora Tallyra を起動したときに適用されます。</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Lumora Account to enable sync.</source>
        <translation>サインインしていません。
同期を有効にするには、ファイル › Lumora アカウントからサインインしてください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;サインイン中:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;状態:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>未同期</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>最終同期: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
エラー: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>すべてのローカルデータをサーバーに再アップロードし、サーバーのデータをすべて再ダウンロードします。デバイス間でデータが一致しない場合に使用してください。

続行しますか?</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP ファイル (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>エクスポート中...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>バックアップ完了</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>バックアップの保存先:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>バックアップに失敗しました</translation>
    </message>
    <message>
        <source>The backup archive could not be created.</source>
        <translation>バックアップアーカイブを作成できませんでした。</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation type="vanished">書き込めませんでした:
%1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>すべてをバックアップのデータで置き換える</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>新しい方を残す (タイムスタンプを比較)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>既存の項目をスキップ</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>インポート方法</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>既存のデータをどう扱いますか?</translation>
    </message>
    <message>
        <source>Replace Data</source>
        <translation>データの置き換え</translation>
    </message>
    <message>
        <source>Every row in the backup will replace the stored row of the same item, including changes made since the backup was saved. This cannot be undone.

Continue?</source>
        <translation>バックアップの各行が同じ項目の保存済みの行を置き換えます。バックアップ保存後の変更も置き換えられます。この操作は元に戻せません。

続行しますか?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポートに失敗しました</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポート中...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 件をインポートし、%2 件をスキップしました。</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n 件のエラーが発生しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>インポート完了</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>復元に失敗しました</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored. Nothing was changed.</source>
        <translation>口座「%1」を復元できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>MMM d, h:mm ap</source>
        <translation>M月d日 H:mm</translation>
    </message>
    <message>
        <source>Could not write to:
%1

%2</source>
        <translation>書き込めませんでした:
%1

%2</translation>
    </message>
    <message>
        <source>The backup archive could not be created: %1.</source>
        <translation>バックアップアーカイブを作成できませんでした: %1。</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored: %2. Nothing was changed.</source>
        <translation>口座「%1」を復元できませんでした: %2。何も変更されていません。</translation>
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
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the line&apos;s category.</source>
        <translation>「%1」は1つのカテゴリを指していません。一覧から選ぶか、その行のカテゴリを空にしてください。</translation>
    </message>
    <message>
        <source>Choose a category for every split line.</source>
        <translation>すべての分割行でカテゴリを選択してください。</translation>
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
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>同期済み</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>同期エラー</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>送信に失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>受信に失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (%1)</source>
        <translation>受信に失敗しました (%1)</translation>
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
        <translation type="vanished">取引を保存できなかったため、何も変更されていません。

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
    <message>
        <source>Transaction Changed</source>
        <translation type="vanished">取引が変更されました</translation>
    </message>
    <message>
        <source>This transaction was changed or deleted elsewhere in the meantime, so nothing was written.

What is stored now is shown again.</source>
        <translation type="vanished">この取引はその間に別の場所で変更または削除されたため、何も保存されませんでした。

現在保存されている内容を再表示します。</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved.</source>
        <translation type="vanished">決済済みの状態を保存できませんでした。</translation>
    </message>
    <message>
        <source>Check the Entries</source>
        <translation>入力内容を確認してください</translation>
    </message>
    <message>
        <source>The transaction could not be saved: %1. Nothing was changed.

Your entries are still in the form.</source>
        <translation>取引を保存できませんでした: %1。何も変更されていません。

入力内容はフォームに残っています。</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved: %1.</source>
        <translation>決済済みの状態を保存できませんでした: %1。</translation>
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
        <translation type="vanished">保存に失敗しました</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved.</source>
        <translation type="vanished">決済済みの状態を保存できませんでした。</translation>
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
    <message>
        <source>Remaining: %1</source>
        <translation>残り: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the line&apos;s category.</source>
        <translation>「%1」は1つのカテゴリを指していません。一覧から選ぶか、その行のカテゴリを空にしてください。</translation>
    </message>
    <message>
        <source>The split lines add up to %1, but the total is %2. Change the lines or the amount so that nothing remains.</source>
        <translation>分割行の合計は %1 ですが、合計金額は %2 です。残りがなくなるように行または金額を変更してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the category.</source>
        <translation>「%1」は1つのカテゴリを指していません。一覧から選ぶか、カテゴリを空にしてください。</translation>
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
<context>
    <name>WriteResultPrompt</name>
    <message>
        <source>Transaction Changed</source>
        <translation>取引が変更されました</translation>
    </message>
    <message>
        <source>This transaction was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>この取引は別の場所で変更または削除されました。再読み込みしました。</translation>
    </message>
    <message>
        <source>Recurring Transaction Changed</source>
        <translation>定期取引が変更されました</translation>
    </message>
    <message>
        <source>This recurring transaction was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>この定期取引は別の場所で変更または削除されました。再読み込みしました。</translation>
    </message>
    <message>
        <source>Account Changed</source>
        <translation>口座が変更されました</translation>
    </message>
    <message>
        <source>This account was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>この口座は別の場所で変更または削除されました。再読み込みしました。</translation>
    </message>
    <message>
        <source>Reconciliation Changed</source>
        <translation>照合が変更されました</translation>
    </message>
    <message>
        <source>A transaction in this reconciliation was changed or deleted elsewhere. The reconciliation has been reloaded.</source>
        <translation>この照合の取引が別の場所で変更または削除されました。照合を再読み込みしました。</translation>
    </message>
    <message>
        <source>Account Deleted</source>
        <translation>口座が削除されました</translation>
    </message>
    <message>
        <source>This account was deleted elsewhere, so nothing was written to it.</source>
        <translation>この口座は別の場所で削除されたため、何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>Category Changed</source>
        <translation>カテゴリが変更されました</translation>
    </message>
    <message>
        <source>This category was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>このカテゴリは別の場所で変更または削除されました。再読み込みしました。</translation>
    </message>
</context>
</TS>
