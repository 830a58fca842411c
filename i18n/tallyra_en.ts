<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>New Account</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Edit Account</translation>
    </message>
    <message>
        <source>This account already has an opening balance. Changing the amount or date shifts every balance after it.</source>
        <translation>This account already has an opening balance. Changing the amount or date shifts every balance after it.</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Account name</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Checking</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Savings</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Credit Card</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investment</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Loan</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type:</translation>
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
        <translation>&amp;Currency:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Starting &amp;Balance:</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;As of:</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Bank name (optional)</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Institution:</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Last 4 digits (optional)</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Account &amp;Number:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance (Amount Owed):</source>
        <translation>Starting &amp;Balance (Amount Owed):</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Database Error</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>New Category</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>New Subcategory</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Edit Category</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>&amp;Parent:</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Category name</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Expense</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type:</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Tax-relevant</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Mark this category for inclusion in tax-time reports.</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>Tax &amp;Code:</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>e.g. charitable_contributions, mortgage_interest</translation>
    </message>
</context>
<context>
    <name>LumoUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Update available</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>A new version of %1 is available.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>You have version %1. The latest version is %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Loading release notes…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Release notes are not available for this version.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
</context>
<context>
    <name>LumoUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>What&apos;s New in %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>What&apos;s new in %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>You are running version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Download %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>No release notes available for %1 %2</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Checking for updates…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 is up to date (version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Update check failed: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Loading release notes…</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransactionRepository</name>
    <message>
        <source>Opening Balance</source>
        <translation>Opening Balance</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Your session has ended. Sign back in to keep syncing.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Works fully offline. Your data stays on this device.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>How it works</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Record transactions as you spend.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Reconcile when your statement arrives.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Welcome back</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Sign in to keep your data synced across devices.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Sign In</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Create a different account</translation>
    </message>
    <message>
        <source>Welcome to
Lumora Tallyra</source>
        <translation>Welcome to
Lumora Tallyra</translation>
    </message>
    <message>
        <source>A digital tallyra register.</source>
        <translation>A digital tallyra register.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Already have an account? Sign In</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Create Your First Account</translation>
    </message>
</context>
</TS>
