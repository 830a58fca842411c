<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>This account already has an opening balance. Changing the amount or date shifts every balance after it.</source>
        <translation>Dieses Konto hat bereits einen Anfangssaldo. Eine Änderung von Betrag oder Datum verschiebt jeden späteren Saldo.</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Kontoname</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Darlehen</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
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
        <translation>&amp;Währung:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Anfangs&amp;saldo:</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Stand:</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Name der Bank (optional)</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Institut:</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Letzte 4 Ziffern (optional)</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Konto&amp;nummer:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance (Amount Owed):</source>
        <translation>Anfangs&amp;saldo (geschuldeter Betrag):</translation>
    </message>
    <message>
        <source>This account has transactions in %1. Its currency can only change to one with the same number of decimal places.</source>
        <translation>Dieses Konto hat Buchungen in %1. Die Währung kann nur in eine mit gleich vielen Nachkommastellen geändert werden.</translation>
    </message>
    <message>
        <source>Currency Not Changed</source>
        <translation>Währung nicht geändert</translation>
    </message>
</context>
<context>
    <name>AccountType</name>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Darlehen</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Datenbankfehler</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Die Datenbank konnte nicht initialisiert werden.

Datenverzeichnis: %1

Bitte prüfen Sie die Dateiberechtigungen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The database is in use by another program.

Data directory: %1

Please close the other program and try again.</source>
        <translation>Die Datenbank wird von einem anderen Programm verwendet.

Datenverzeichnis: %1

Bitte schließen Sie das andere Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>Wird bereits ausgeführt</translation>
    </message>
    <message>
        <source>Tallyra is already running with this data folder.</source>
        <translation>Tallyra wird bereits mit diesem Datenordner ausgeführt.</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1</source>
        <translation>Die Datenbank konnte nicht initialisiert werden.

Datenverzeichnis: %1</translation>
    </message>
    <message>
        <source>Failed to initialize the database: %1.

Data directory: %2</source>
        <translation>Die Datenbank konnte nicht initialisiert werden: %1.

Datenverzeichnis: %2</translation>
    </message>
    <message>
        <source>Failed to initialize the database: the disk is full.

Data directory: %1

Please free some space on the disk and try again.</source>
        <translation>Die Datenbank konnte nicht initialisiert werden: die Festplatte ist voll.

Datenverzeichnis: %1

Bitte schaffen Sie Platz auf der Festplatte und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP-Archiv konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Ungültige Sicherung: manifest.json fehlt</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Nicht unterstützte Sicherungsversion: %1</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: unerwarteter Fehler</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: ungültiges JSON</translation>
    </message>
    <message>
        <source>The backup could not be restored. No data was changed.</source>
        <translation type="vanished">Die Sicherung konnte nicht wiederhergestellt werden. Es wurden keine Daten geändert.</translation>
    </message>
    <message>
        <source>%1: too large</source>
        <translation>%1: zu groß</translation>
    </message>
    <message>
        <source>%1: damaged</source>
        <translation>%1: beschädigt</translation>
    </message>
    <message>
        <source>Invalid backup: %1 entries named manifest.json</source>
        <translation>Ungültige Sicherung: %1 Einträge mit dem Namen manifest.json</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1. No data was changed.</source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden: %1. Es wurden keine Daten geändert.</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number in range</source>
        <translation>%1: %2 ist keine ganze Zahl im gültigen Bereich</translation>
    </message>
</context>
<context>
    <name>BrowserFailureDialog</name>
    <message>
        <source>No Browser</source>
        <translation>Kein Browser</translation>
    </message>
    <message>
        <source>No web browser could be opened. Open this address in your browser:</source>
        <translation>Es konnte kein Webbrowser geöffnet werden. Öffnen Sie diese Adresse in Ihrem Browser:</translation>
    </message>
</context>
<context>
    <name>BulkWriteTransaction</name>
    <message>
        <source>the database rolled the changes back</source>
        <translation type="vanished">die Datenbank hat die Änderungen zurückgenommen</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="vanished">die Festplatte ist voll</translation>
    </message>
    <message>
        <source>the data is in use by another program</source>
        <translation type="vanished">die Daten werden von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>the database could not write the changes</source>
        <translation type="vanished">die Datenbank konnte die Änderungen nicht schreiben</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Kategorien suchen...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Neue Kategorie</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Neue Kategorie</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>&amp;Unterkategorie hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The category could not be saved, so nothing was changed.

Your entries are still in the form.</source>
        <translation>Die Kategorie konnte nicht gespeichert werden; es wurde nichts geändert.

Ihre Eingaben stehen noch im Formular.</translation>
    </message>
    <message>
        <source>Category Changed</source>
        <translation type="vanished">Kategorie geändert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted elsewhere, so nothing was saved. The list now shows what is stored.</source>
        <translation type="vanished">„%1“ wurde anderswo geändert oder gelöscht; es wurde nichts gespeichert. Die Liste zeigt jetzt den gespeicherten Stand.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>„%1“ löschen? Buchungen mit dieser Kategorie werden unkategorisiert.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>„%1“ konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The category could not be saved: %1. Nothing was changed.

Your entries are still in the form.</source>
        <translation>Die Kategorie konnte nicht gespeichert werden: %1. Es wurde nichts geändert.

Ihre Eingaben stehen noch im Formular.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2.</source>
        <translation>„%1“ konnte nicht gelöscht werden: %2.</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Neue Unterkategorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Kategorie bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Ü&amp;bergeordnet:</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Kategoriename</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Steuerrelevant</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Diese Kategorie in Berichte für die Steuererklärung aufnehmen.</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>Steuer&amp;kennung:</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>z. B. charitable_contributions, mortgage_interest</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Krankheitskosten</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Betriebsausgaben</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Homeoffice</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Bildungskosten</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Landes- &amp; Kommunalsteuern</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Hypothekenzinsen</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Grundsteuer</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Miete/Kreditrate</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Instandhaltung</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Hausgeld</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Nebenkosten</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Mobilität</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Tanken</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Autokredit</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Kfz-Versicherung</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Öffentliche Verkehrsmittel</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Auswärts essen</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Körperpflege</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Haustiere</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Geschenke</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Unterhaltung</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Kino</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Veranstaltungen</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Shopping</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Kleidung</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Elektronik</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Haushalt</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherungen</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Leben</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Wohngebäude/Hausrat</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Kfz</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Gebühren &amp; Entgelte</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Bankgebühren</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Geldautomatengebühren</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Mahngebühren</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Gehalt / Lohn</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendenerträge</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Mieteinnahmen</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Freiberuflich / Beratung</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Erstattungen</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Erhaltene Geschenke</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Sonstige Einnahmen</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuerschlüssel</translation>
    </message>
    <message>
        <source>income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>transfer</source>
        <translation>Umbuchung</translation>
    </message>
    <message>
        <source>expense</source>
        <translation>Ausgabe</translation>
    </message>
</context>
<context>
    <name>CsvPreviewModel</name>
    <message>
        <source>Col %1</source>
        <translation>Spalte %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>the disk is full</source>
        <translation>die Festplatte ist voll</translation>
    </message>
    <message>
        <source>the data is in use by another program</source>
        <translation>die Daten werden von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>the database could not write the changes</source>
        <translation>die Datenbank konnte die Änderungen nicht schreiben</translation>
    </message>
    <message>
        <source>the database rolled the changes back</source>
        <translation>die Datenbank hat die Änderungen zurückgenommen</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
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
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV-Spaltenzuordnung:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Datumsspalte:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Empfängerspalte:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Betragsspalte:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Notizspalte:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Kategoriespalte:</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Monat T, JJJJ (May 14, 2026)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Datumsformat:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>Erste Zeile ist Kopfzeile</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF-Quellkonten:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Wählen Sie, wohin jedes Quicken-Konto importiert werden soll. Umbuchungen zwischen zugeordneten Konten der ausgewählten Dateien werden automatisch verknüpft.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Preview Failed</source>
        <translation>Vorschau fehlgeschlagen</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no rows to import.</source>
        <translation>Die Datei „%1“ enthält keine Zeilen zum Importieren.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened.</source>
        <translation>Die Datei „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Spalte %1: %2</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF-Datei(en) auswählen</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF-Dateien (*.qif)</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n Datei ausgewählt</numerusform>
            <numerusform>%n Dateien ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF-Datei(en) werden analysiert...</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Neues Konto „%1“ anlegen —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Diese Buchungen überspringen —</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Kein Zielkonto</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Wählen Sie ein Konto für den Import oder legen Sie jetzt eines an.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened. Nothing was imported.</source>
        <translation>Die Datei „%1“ konnte nicht geöffnet werden. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Import läuft...</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Import fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be created. No transactions were added.</source>
        <translation>Das Konto „%1“ konnte nicht angelegt werden. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Ein Datenbankfehler hat den Import abgebrochen, alle Änderungen wurden zurückgenommen. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Import abgeschlossen!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n Buchung importiert</numerusform>
            <numerusform>%n Buchungen importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n Umbuchung zwischen Konten verknüpft</numerusform>
            <numerusform>%n Umbuchungen zwischen Konten verknüpft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (davon %n mit einer früher importierten Zeile verknüpft)</numerusform>
            <numerusform>  (davon %n mit früher importierten Zeilen verknüpft)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n Duplikat übersprungen</numerusform>
            <numerusform>%n Duplikate übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (nicht lesbar)</numerusform>
            <numerusform>%n Datensätze übersprungen (nicht lesbar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n Metadaten-Datensatz übersprungen</numerusform>
            <numerusform>%n Metadaten-Datensätze übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Quellkonto nicht zugeordnet)</numerusform>
            <numerusform>%n Datensätze übersprungen (Quellkonto nicht zugeordnet)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Datenbankfehler — siehe Protokoll)</numerusform>
            <numerusform>%n Datensätze übersprungen (Datenbankfehler — siehe Protokoll)</numerusform>
        </translation>
    </message>
    <message>
        <source>An account chosen for this import was deleted elsewhere. No transactions were added.</source>
        <translation>Ein für diesen Import gewähltes Konto wurde anderswo gelöscht. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>The import stopped and all changes were rolled back: %1. No transactions were added.</source>
        <translation>Der Import wurde abgebrochen und alle Änderungen wurden zurückgenommen: %1. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: the row that starts on line %2 is longer than %3 characters.</source>
        <translation>Die Datei „%1“ wurde nicht gelesen: Die Zeile, die in Zeile %2 beginnt, ist länger als %3 Zeichen.</translation>
    </message>
    <message>
        <source>The file was not read: the row that starts on line %1 is longer than %2 characters. No transactions were added.</source>
        <translation type="vanished">Die Datei wurde nicht gelesen: Die Zeile, die in Zeile %1 beginnt, ist länger als %2 Zeichen. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Row %1: no cell in the date column (Col %2)</source>
        <translation>Zeile %1: keine Zelle in der Datumsspalte (Spalte %2)</translation>
    </message>
    <message>
        <source>Row %1: no cell in the payee column (Col %2)</source>
        <translation>Zeile %1: keine Zelle in der Empfängerspalte (Spalte %2)</translation>
    </message>
    <message>
        <source>Row %1: no cell in the amount column (Col %2)</source>
        <translation>Zeile %1: keine Zelle in der Betragsspalte (Spalte %2)</translation>
    </message>
    <message>
        <source>Row %1: the date cell is empty</source>
        <translation>Zeile %1: Die Datumszelle ist leer</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not a date in any known format</source>
        <translation>Zeile %1: „%2“ ist in keinem bekannten Format ein Datum</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not a date in the format %3 or any known format</source>
        <translation>Zeile %1: „%2“ ist weder im Format %3 noch in einem bekannten Format ein Datum</translation>
    </message>
    <message>
        <source>Row %1: the amount cell is empty</source>
        <translation>Zeile %1: Die Betragszelle ist leer</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not an amount</source>
        <translation>Zeile %1: „%2“ ist kein Betrag</translation>
    </message>
    <message>
        <source>Row %1: the amount &quot;%2&quot; has decimals, which the account&apos;s currency does not have</source>
        <translation>Zeile %1: Der Betrag „%2“ hat Nachkommastellen, die die Währung des Kontos nicht hat</translation>
    </message>
    <message>
        <source>Analysis Failed</source>
        <translation>Analyse fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 No transactions were added.</source>
        <translation>%1 Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: it is larger than %2 MB, the largest file an import reads.</source>
        <translation>Die Datei „%1“ wurde nicht gelesen: Sie ist größer als %2 MB, die größte Datei, die ein Import liest.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: there is not enough memory to read it.</source>
        <translation>Die Datei „%1“ wurde nicht gelesen: Es ist nicht genug Speicher frei, um sie zu lesen.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read to its end: %2.</source>
        <translation>Die Datei „%1“ konnte nicht bis zum Ende gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: line %2 is longer than %3 characters.</source>
        <translation>Die Datei „%1“ wurde nicht gelesen: Zeile %2 ist länger als %3 Zeichen.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: the record that starts on line %2 is longer than %3 characters.</source>
        <translation>Die Datei „%1“ wurde nicht gelesen: Der Datensatz, der in Zeile %2 beginnt, ist länger als %3 Zeichen.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: the record that starts on line %2 has more than %3 split lines.</source>
        <translation>Die Datei „%1“ wurde nicht gelesen: Der Datensatz, der in Zeile %2 beginnt, hat mehr als %3 Aufteilungszeilen.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (ohne Kontokopfzeile)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Importierte Buchung</translation>
    </message>
</context>
<context>
    <name>LumoAccount::AccountScreen</name>
    <message>
        <source>(not set)</source>
        <translation>(nicht festgelegt)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Daten &amp; Datenschutz</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Anzeigenamen bearbeiten</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Ändern Sie das Passwort Ihres Kontos.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Could not load your profile.</source>
        <translation>Ihr Profil konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Anzeigename:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Das Profil konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Anzeigename wurde aktualisiert.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Aktuelles Passwort:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Neues Passwort (mind. 8 Zeichen):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Das Passwort muss mindestens 8 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Neues Passwort bestätigen:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Passwort wurde geändert.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Das Passwort konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Gefahrenbereich</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Ihr Konto endgültig löschen. Nach 30 Tagen kann dies nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Sie sind der Gruppeninhaber. Übertragen Sie die Inhaberschaft oder entfernen Sie alle Mitglieder, bevor Sie Ihr Konto löschen.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Ihr Konto wird nach 30 Tagen endgültig gelöscht.

Geben Sie zur Bestätigung DELETE ein:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Das Konto konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Löschung des Kontos geplant</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Ihr Konto wird in 30 Tagen endgültig gelöscht. Sie können es wiederherstellen, indem Sie sich vorher anmelden.</translation>
    </message>
    <message>
        <source>Could not load your group. Try again later.</source>
        <translation>Ihre Gruppe konnte nicht geladen werden. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Keine Gruppe</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Sie gehören keiner Gruppe an. Der Gruppeninhaber kann Sie einladen, oder Sie treten mit einem Einladungscode bei.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Mit Einladungscode beitreten</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 von %2 Plätzen belegt</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Inhaber</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Gruppe verlassen</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Ausstehende Einladungen</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Einladungscode: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Mitglieder einladen</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Per E-Mail einladen</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Einladungscode erstellen</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Gruppe beitreten</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Einladungscode eingeben:</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Ungültiger oder abgelaufener Einladungscode.</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Der Gruppe beigetreten.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Die Einladung konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Einladung wurde gesendet.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Der Code konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Einladungscode</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Geben Sie diesen Code an die Person weiter, die Sie einladen möchten:

%1</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Einladung wurde widerrufen.</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>Die Einladung konnte nicht widerrufen werden.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Mitglied entfernen</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>%1 aus der Gruppe entfernen?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 wurde entfernt.</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Diese Gruppe verlassen? Sie verlieren den Zugriff auf geteilte Daten.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Gruppe verlassen.</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>Die Gruppe konnte nicht verlassen werden.</translation>
    </message>
    <message>
        <source>Could not load your devices. Try again later.</source>
        <translation>Ihre Geräte konnten nicht geladen werden. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Registrierte Geräte</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Geräte, die mit Ihrem Konto synchronisiert haben.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>Keine Geräte registriert.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Unbekanntes Gerät</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Gerät entfernen</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 entfernen?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Gerät wurde entfernt.</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>Das Gerät konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Could not load your sessions. Try again later.</source>
        <translation>Ihre Sitzungen konnten nicht geladen werden. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Aktive Sitzungen</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sitzungen, die derzeit bei Ihrem Konto angemeldet sind.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>Keine aktiven Sitzungen.</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Unbekannter Client</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Sitzung wurde widerrufen.</translation>
    </message>
    <message>
        <source>Failed to revoke session.</source>
        <translation>Die Sitzung konnte nicht widerrufen werden.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Jetzt aktiv</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>vor %1 Min.</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>vor %1 Std.</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>vor %1 T.</translation>
    </message>
</context>
<context>
    <name>LumoAccount::AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Konto konnte nicht geteilt werden (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>LumoAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>Lokaler Anmeldeserver konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>Keine Token empfangen</translation>
    </message>
</context>
<context>
    <name>LumoAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>Personen mit Zugriff</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Personen hinzufügen</translation>
    </message>
    <message>
        <source>You are not in a family group yet. Create or join one on your account page to share accounts.</source>
        <translation>Sie sind noch in keiner Familiengruppe. Erstellen Sie auf Ihrer Kontoseite eine Gruppe oder treten Sie einer bei, um Konten zu teilen.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Alle Gruppenmitglieder haben bereits Zugriff</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch mit niemandem geteilt.</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Zugriff entfernen</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Teilen mit %1 nicht möglich.</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>Zugriff entfernen?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 hat danach keinen Zugriff mehr. Fortfahren?</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Could not load who has access. Try again later.</source>
        <translation>Es konnte nicht geladen werden, wer Zugriff hat. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Could not load your family group. Try again later.</source>
        <translation>Ihre Familiengruppe konnte nicht geladen werden. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Could not load your profile. Try again later.</source>
        <translation>Ihr Profil konnte nicht geladen werden. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>No one can be added while it is unknown who has access.</source>
        <translation>Niemand kann hinzugefügt werden, solange unbekannt ist, wer Zugriff hat.</translation>
    </message>
</context>
<context>
    <name>LumoUpdate::Client</name>
    <message>
        <source>network error: %1</source>
        <translation>Netzwerkfehler: %1</translation>
    </message>
    <message>
        <source>manifest invalid: %1</source>
        <translation>ungültige Versionsbeschreibung: %1</translation>
    </message>
</context>
<context>
    <name>LumoUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Eine neue Version von %1 ist verfügbar.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Sie haben Version %1. Die neueste Version ist %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Für diese Version sind keine Versionshinweise verfügbar.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
</context>
<context>
    <name>LumoUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Neuigkeiten in %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Neu in %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Sie verwenden Version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 herunterladen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cannot be computed</source>
        <translation type="vanished">Nicht berechenbar</translation>
    </message>
    <message>
        <source>Lumora Tallyra</source>
        <translation>Lumora Tallyra</translation>
    </message>
    <message>
        <source>Welcome to Lumora Tallyra</source>
        <translation>Willkommen bei Lumora Tallyra</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Legen Sie Ihr erstes Konto an, um loszulegen.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Konto erstellen</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Sie können Buchungen auch über Datei › Importieren aus einer CSV-Datei übernehmen.</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Keine Konten</translation>
    </message>
    <message>
        <source>Cleared: %1</source>
        <translation>Bestätigt: %1</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Heute: %1</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Neues Konto...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>„%1“ bearbeiten...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Abgleichsverlauf...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Teilen...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>„%1“ löschen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Neue Buchung</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Neues &amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Lumora &amp;Account...</source>
        <translation>Lumora-&amp;Konto...</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Anmelden oder registrieren</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>&amp;Abmelden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>Abgleichs&amp;verlauf...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>&amp;Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Teilen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>&amp;Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>K&amp;ategorien</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Lumora Tallyra</source>
        <translation>Ü&amp;ber Lumora Tallyra</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Neuigkeiten...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>&amp;Feedback senden...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>&amp;Beispieldaten laden</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>Beispieldaten &amp;entfernen</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Wählen Sie zuerst ein Konto aus</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Lumora Tallyra&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital tallyra register for tracking household finances.&lt;/p&gt;&lt;p&gt;Made by Lumora. All rights reserved.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://lumora.invalid/tallyra&quot;&gt;lumora.invalid/tallyra&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU Lesser General Public License version 3. See &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; and &lt;a href=&quot;https://download.qt.io/official_releases/qt/&quot;&gt;the Qt source code&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Lumora Tallyra&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Ein digitales Kassenbuch für die Haushaltsfinanzen.&lt;/p&gt;&lt;p&gt;Von Lumora. Alle Rechte vorbehalten.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://lumora.invalid/tallyra&quot;&gt;lumora.invalid/tallyra&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;Diese Anwendung verwendet das Qt-Framework unter der GNU Lesser General Public License Version 3. Siehe &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; und &lt;a href=&quot;https://download.qt.io/official_releases/qt/&quot;&gt;den Qt-Quellcode&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Lumora Tallyra</source>
        <translation>Über Lumora Tallyra</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Buchung speichern&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Neue Buchung einfügen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aktuelle Buchung löschen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nächstes / vorheriges Feld&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (Apostroph)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Wert aus dem Feld darüber übernehmen&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Datumsfeld&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Heute&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nächster / vorheriger Tag&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Erster / letzter Tag des Monats&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Erster / letzter Tag des Jahres&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Erster / letzter Tag der Woche&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Allgemein&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Neue Buchung&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Neues Konto&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Konto abgleichen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Buchungen suchen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Berichte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Wiederkehrende Buchungen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Kategorien&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Konten&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Zu Konto 1&amp;ndash;9 wechseln&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Zu Konto 10 wechseln&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Beispieldaten</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Die Beispieldaten sind bereits geladen.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation type="vanished">Die Beispieldaten konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Beispieldaten geladen</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Keine Beispieldaten zum Entfernen.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared.</source>
        <translation type="vanished">Die Beispieldaten konnten nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation type="vanished">Beispieldaten entfernt</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n wiederkehrende Buchung automatisch gebucht</numerusform>
            <numerusform>%n wiederkehrende Buchungen automatisch gebucht</numerusform>
        </translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Konto verwalten</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Erfolgreich angemeldet</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Anmeldung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisierung abgeschlossen</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Synchronisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Starting Balance</source>
        <translation>Anfangsbestand</translation>
    </message>
    <message>
        <source>Change the opening balance?

Every balance in this account will shift.</source>
        <translation>Anfangssaldo ändern?

Alle Salden dieses Kontos verschieben sich.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation>Das Konto konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The opening balance could not be saved.</source>
        <translation type="vanished">Der Anfangssaldo konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Anmeldung erforderlich</translation>
    </message>
    <message>
        <source>Sharing requires a Lumora account.</source>
        <translation>Zum Teilen ist ein Lumora-Konto erforderlich.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Konto teilen</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Geteilt: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Lumora family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Teilen Sie dieses Konto mit Mitgliedern Ihrer Lumora-Familiengruppe. Sie sehen auf ihren Geräten dasselbe Register, dieselben Salden und denselben Abgleichsverlauf.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Geteilt mit</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch mit niemandem geteilt.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Zugriff entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Teilen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Entfernen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Freigabe entfernen</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Den Zugriff von %1 auf dieses Konto entfernen?</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>„%1“ löschen?

Alle Buchungen, wiederkehrenden Einträge und der Abgleichsverlauf dieses Kontos werden entfernt. Sie können es unter Einstellungen → Daten &amp; Synchronisierung wiederherstellen.</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>The account could not be deleted. Nothing was changed.</source>
        <translation>Das Konto konnte nicht gelöscht werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Account Changed</source>
        <translation type="vanished">Konto geändert</translation>
    </message>
    <message>
        <source>The account was changed elsewhere while you were editing it. Your changes were not saved.</source>
        <translation type="vanished">Das Konto wurde während der Bearbeitung an anderer Stelle geändert. Ihre Änderungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Empfänger verwalten</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Abgleichen — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichsverlauf</translation>
    </message>
    <message>
        <source>Lumora Account</source>
        <translation>Lumora-Konto</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>The account could not be saved: %1.</source>
        <translation>Das Konto konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The account could not be deleted: %1. Nothing was changed.</source>
        <translation>Das Konto konnte nicht gelöscht werden: %1. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>Too large</source>
        <translation>Zu groß</translation>
    </message>
</context>
<context>
    <name>OpeningBalanceBanner</name>
    <message>
        <source>No, it is a credit</source>
        <translation>Nein, es ist ein Guthaben</translation>
    </message>
    <message>
        <source>Yes, I owe this</source>
        <translation>Ja, diesen Betrag schulde ich</translation>
    </message>
    <message>
        <source>This account&apos;s opening balance is recorded as a credit of %1. If you meant that you owe %1, Tallyra can correct it.</source>
        <translation>Der Anfangssaldo dieses Kontos ist als Guthaben von %1 erfasst. Wenn Sie %1 schulden, kann Tallyra das korrigieren.</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>Empfänger verwalten</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Umbenennen in:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Auswahl umbenennen</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Auswahl zusammenführen</translation>
    </message>
    <message>
        <source>The payees could not be renamed, so no transaction was changed.</source>
        <translation>Die Zahlungsempfänger konnten nicht umbenannt werden; keine Buchung wurde geändert.</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Umbenennen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung umbenannt.</numerusform>
            <numerusform>%n Buchungen umbenannt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Wählen Sie 2 oder mehr Zahlungsempfänger zum Zusammenführen aus.</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 Zahlungsempfänger zu „%2“ zusammenführen?</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Zahlungsempfänger zusammenführen</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Zusammenführen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Zusammenführen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung zusammengeführt.</numerusform>
            <numerusform>%n Buchungen zusammengeführt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of the opening balance, which each account has once. Choose another name: no transaction was changed.</source>
        <translation>„%1“ ist der Name des Anfangssaldos, den jedes Konto genau einmal hat. Wählen Sie einen anderen Namen; keine Buchung wurde geändert.</translation>
    </message>
    <message>
        <source>%1 opening balance(s) kept their payee: an account&apos;s opening balance is not renamed.</source>
        <translation>Anfangssalden mit unverändertem Empfänger: %1. Der Anfangssaldo eines Kontos wird nicht umbenannt.</translation>
    </message>
    <message>
        <source>%1 transfer(s) kept their payee: it names the account at the other end of the transfer.</source>
        <translation>Umbuchungen mit unverändertem Empfänger: %1. Er nennt das Konto am anderen Ende der Umbuchung.</translation>
    </message>
    <message>
        <source>No transaction was changed.</source>
        <translation>Keine Buchung wurde geändert.</translation>
    </message>
    <message>
        <source>The payees could not be renamed: %1. No transaction was changed.</source>
        <translation>Die Zahlungsempfänger konnten nicht umbenannt werden: %1. Keine Buchung wurde geändert.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Keine Versionshinweise für %1 %2 verfügbar</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 ist auf dem neuesten Stand (Version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Suche nach Updates fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichsverlauf</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Frühere Abgleiche dieses Kontos.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Auszugsdatum</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Abgeglichener Saldo</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Noch keine Abgleiche. Gleichen Sie Ihr Konto im Register ab, um den Verlauf hier zu sehen.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Abgleichsverlauf — %1</translation>
    </message>
    <message>
        <source>MMM d, yyyy</source>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>MMM d, yyyy h:mm ap</source>
        <translation>d. MMM yyyy HH:mm</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Best.</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Auszugsdatum:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Auszugssaldo:</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Bestätigte Einzahlungen</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Bestätigte Auszahlungen</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Vorheriger Saldo</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Bestätigter Saldo</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Abgleich abschließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Buchung hinzufügen</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Eine Buchung hinzufügen (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Ausgewählte Buchung bearbeiten (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Ausgewählte Buchung löschen (Entf)</translation>
    </message>
    <message>
        <source>Statement Balance Owed:</source>
        <translation>Geschuldeter Auszugssaldo:</translation>
    </message>
    <message>
        <source>Cleared Payments</source>
        <translation>Bestätigte Zahlungen</translation>
    </message>
    <message>
        <source>Cleared Charges</source>
        <translation>Bestätigte Belastungen</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Abgleich abgeschlossen</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Das Konto wurde erfolgreich abgeglichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed, deleted or reconciled elsewhere after this list was loaded.</source>
        <translation type="vanished">„%1“ wurde nach dem Laden dieser Liste an anderer Stelle geändert, gelöscht oder abgestimmt.</translation>
    </message>
    <message>
        <source>The ticked transactions as stored do not add up to the statement balance.</source>
        <translation>Die markierten Buchungen ergeben, wie gespeichert, nicht den Auszugssaldo.</translation>
    </message>
    <message>
        <source>The balances are too large to compute.</source>
        <translation>Die Salden sind zu groß für eine Berechnung.</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Abgleich fehlgeschlagen</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved, so nothing was changed.</source>
        <translation>Der Abgleich konnte nicht gespeichert werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Reconciliation Not Finished</source>
        <translation>Abgleich nicht abgeschlossen</translation>
    </message>
    <message>
        <source>Nothing was marked. The list has been reloaded: check the difference and finish again.</source>
        <translation>Es wurde nichts markiert. Die Liste wurde neu geladen: Prüfen Sie die Differenz und schließen Sie erneut ab.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>The opening balance can&apos;t be removed. Every account has one.

To clear it, set it to zero in the account&apos;s settings.</source>
        <translation>Der Anfangssaldo kann nicht entfernt werden. Jedes Konto hat einen.

Wenn Sie ihn aufheben möchten, stellen Sie ihn in den Kontoeinstellungen auf null.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Die Buchung für %1 löschen?</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>The transaction could not be deleted, so nothing was changed.</source>
        <translation>Die Buchung konnte nicht gelöscht werden, daher wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved: %1. Nothing was changed.</source>
        <translation>Der Abgleich konnte nicht gespeichert werden: %1. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The transaction could not be deleted: %1. Nothing was changed.</source>
        <translation>Die Buchung konnte nicht gelöscht werden: %1. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Wiederkehrende Buchung bearbeiten</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Buchung merken</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen Sie, um nach Empfängern zu suchen...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Alle zwei Wochen</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>Zweimal im Monat</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Häufigkeit:</translation>
    </message>
    <message>
        <source>Repeat every:</source>
        <translation>Wiederholung alle:</translation>
    </message>
    <message>
        <source>First day:</source>
        <translation>Erster Tag:</translation>
    </message>
    <message>
        <source>Second day:</source>
        <translation>Zweiter Tag:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Startdatum:</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Mit Enddatum</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Enddatum:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Bei Fälligkeit automatisch buchen</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Im Voraus buchen:</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>quarter</source>
        <translation>Quartal</translation>
    </message>
    <message>
        <source>quarters</source>
        <translation>Quartale</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the category.</source>
        <translation>„%1“ bezeichnet keine einzelne Kategorie. Wählen Sie eine aus der Liste oder leeren Sie die Kategorie.</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Nächste Fälligkeit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Semi-monthly (%1 &amp; %2)</source>
        <translation>Halbmonatlich (%1 &amp; %2)</translation>
    </message>
    <message>
        <source>Every %1 days</source>
        <translation>Alle %1 Tage</translation>
    </message>
    <message>
        <source>Every %1 weeks</source>
        <translation>Alle %1 Wochen</translation>
    </message>
    <message>
        <source>Every %1 months</source>
        <translation>Alle %1 Monate</translation>
    </message>
    <message>
        <source>Every %1 years</source>
        <translation>Alle %1 Jahre</translation>
    </message>
    <message>
        <source>%1 (×%2)</source>
        <translation>%1 (×%2)</translation>
    </message>
    <message>
        <source>last day</source>
        <translation>letzter Tag</translation>
    </message>
    <message>
        <source>daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>biweekly</source>
        <translation>Alle zwei Wochen</translation>
    </message>
    <message>
        <source>semimonthly</source>
        <translation>Zweimal im Monat</translation>
    </message>
    <message>
        <source>quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>semi_annual</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>annual</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Alle fälligen bestätigen</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Nächste 7 Tage buchen</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 fällig)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>Bestä&amp;tigen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Über&amp;springen</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>&amp;Vorzeitig buchen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Confirm Failed</source>
        <translation>Bestätigen fehlgeschlagen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be entered. Check its account, its dates and its transfer account.</source>
        <translation>„%1“ konnte nicht gebucht werden. Prüfen Sie Konto, Daten und Transferkonto.</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>„%1“ jetzt mit Datum %2 buchen? Die Buchung erhält ihr Fälligkeitsdatum und kann später bearbeitet oder gelöscht werden.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Vorzeitig buchen</translation>
    </message>
    <message>
        <source>Skip Failed</source>
        <translation>Überspringen fehlgeschlagen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped.</source>
        <translation>„%1“ konnte nicht übersprungen werden.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Wiederkehrende Buchung „%1“ löschen?</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>„%1“ konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved, so nothing was changed.

Your entries are still in the form.</source>
        <translation>Die wiederkehrende Buchung konnte nicht gespeichert werden; es wurde nichts geändert.

Ihre Eingaben stehen noch im Formular.</translation>
    </message>
    <message>
        <source>Recurring Transaction Deleted</source>
        <translation type="vanished">Wiederkehrende Buchung gelöscht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was deleted elsewhere, so your changes were not saved.</source>
        <translation type="vanished">„%1“ wurde an anderer Stelle gelöscht; Ihre Änderungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>Alle in den nächsten 7 Tagen fälligen wiederkehrenden Buchungen buchen? Sie erhalten ihre Fälligkeitsdaten und können später bearbeitet oder gelöscht werden.</translation>
    </message>
    <message>
        <source>Some recurring transactions could not be entered. Check their accounts, dates and transfer accounts.</source>
        <translation>Einige wiederkehrende Buchungen konnten nicht gebucht werden. Prüfen Sie Konten, Daten und Transferkonten.</translation>
    </message>
    <message>
        <source>MMM d, yyyy</source>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped: %2.</source>
        <translation>„%1“ konnte nicht übersprungen werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2.</source>
        <translation>„%1“ konnte nicht gelöscht werden: %2.</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved: %1. Nothing was changed.

Your entries are still in the form.</source>
        <translation>Die wiederkehrende Buchung konnte nicht gespeichert werden: %1. Es wurde nichts geändert.

Ihre Eingaben stehen noch im Formular.</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>The recurring transactions could not be entered: %1. None of them were entered.</source>
        <translation>Die wiederkehrenden Buchungen konnten nicht gebucht werden: %1. Keine davon wurde gebucht.</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>RegisterFilterDialog</name>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Unbestätigt</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Limit to a date range</source>
        <translation>Auf einen Zeitraum beschränken</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle zurücksetzen</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Schecknr.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Best.</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Aufteilung—</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Empfänger / Notiz</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Belastung</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Unbestätigt</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Neue Buchung</translation>
    </message>
    <message>
        <source>Add a transaction using the full form</source>
        <translation>Eine Buchung über das vollständige Formular hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Reconcile</source>
        <translation>&amp;Abgleichen</translation>
    </message>
    <message>
        <source>No, it is a credit</source>
        <translation type="vanished">Nein, es ist ein Guthaben</translation>
    </message>
    <message>
        <source>Yes, I owe this</source>
        <translation type="vanished">Ja, diesen Betrag schulde ich</translation>
    </message>
    <message>
        <source>The opening balance could not be corrected.</source>
        <translation>Der Anfangssaldo konnte nicht korrigiert werden.</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: speichern  |  Enter: weiter  |  %2: löschen  |  %3: merken  |  &apos;: von oben kopieren</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>Spalten anzeigen</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Layout des Registers zurücksetzen</translation>
    </message>
    <message>
        <source>Fi&amp;lter (%1)</source>
        <translation>Fi&amp;lter (%1)</translation>
    </message>
    <message>
        <source>Filters are applied. Click to change or clear them.</source>
        <translation>Filter sind aktiv. Klicken Sie, um sie zu ändern oder aufzuheben.</translation>
    </message>
    <message>
        <source>Fi&amp;lter</source>
        <translation>Fi&amp;lter</translation>
    </message>
    <message>
        <source>Filter which transactions are listed</source>
        <translation>Festlegen, welche Buchungen angezeigt werden</translation>
    </message>
    <message>
        <source>This account&apos;s opening balance is recorded as a credit of %1. If you meant that you owe %1, Tallyra can correct it.</source>
        <translation type="vanished">Der Anfangssaldo dieses Kontos ist als Guthaben von %1 erfasst. Wenn Sie %1 schulden, kann Tallyra das korrigieren.</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Ein Empfänger ist erforderlich</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Geben Sie einen Zahlungs- oder Einzahlungsbetrag ein</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Zielkonto der Umbuchung nicht gefunden</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Für Umbuchungen müssen beide Konten dieselbe Währung verwenden</translation>
    </message>
    <message>
        <source>The transaction could not be saved. Your entries are still in the row.</source>
        <translation type="vanished">Die Buchung konnte nicht gespeichert werden. Ihre Eingaben sind noch in der Zeile.</translation>
    </message>
    <message>
        <source>Saved. It isn&apos;t listed because of the current filter.</source>
        <translation>Gespeichert. Die Buchung wird wegen des aktuellen Filters nicht angezeigt.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>This account&apos;s opening balance is held on the account itself.

Set it in the account&apos;s settings.</source>
        <translation>Der Anfangssaldo dieses Kontos wird im Konto selbst geführt.

Legen Sie ihn in den Kontoeinstellungen fest.</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Felder geleert</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Merken nicht möglich: Die Ausgangsbuchung hat ein ungültiges Datum</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Buchung als wiederkehrend gemerkt</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation type="vanished">Die wiederkehrende Buchung konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>Neu ein&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Neue Buchung...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>Im Dialog &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>&amp;Details anzeigen...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>&amp;Aufteilung bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>Buchung &amp;aufteilen...</translation>
    </message>
    <message>
        <source>D&amp;uplicate...</source>
        <translation>Dupli&amp;zieren...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Als &amp;unbestätigt markieren</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Als be&amp;stätigt markieren</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation type="vanished">Die Buchung konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount: this account&apos;s currency has no decimals.</source>
        <translation>„%1“ ist kein Betrag: Die Währung dieses Kontos hat keine Nachkommastellen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>„%1“ ist kein Betrag.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.

Your entries are still in the form.</source>
        <translation>Die wiederkehrende Buchung konnte nicht gespeichert werden.

Ihre Eingaben sind noch im Formular.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list or clear the Category cell.</source>
        <translation>„%1“ bezeichnet keine einzelne Kategorie. Wählen Sie eine aus der Liste oder leeren Sie die Zelle Kategorie.</translation>
    </message>
    <message>
        <source>The transaction could not be saved: %1. Your entries are still in the row.</source>
        <translation>Die Buchung konnte nicht gespeichert werden: %1. Ihre Eingaben sind noch in der Zeile.</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved: %1.

Your entries are still in the form.</source>
        <translation>Die wiederkehrende Buchung konnte nicht gespeichert werden: %1.

Ihre Eingaben sind noch im Formular.</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Nicht kategorisiert</translation>
    </message>
</context>
<context>
    <name>ReportTransactionsModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Empfängerübersicht</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Steuerbericht</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuerschlüssel</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Einnahmen und Ausgaben</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Geldfluss</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Zuflüsse</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Abflüsse</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Unbestätigt</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Kontenübersicht</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Vergleichen:</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Dieses Jahr und letztes Jahr</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Letztes Jahr und Vorjahr</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Dieses Quartal und letztes Quartal</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>Z1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>Z2:</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>Z1: %1 – %2    Z2: %3 – %4</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Zeitraum 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Zeitraum 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Jahresvergleich</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>This report cannot be shown: a total is too large to compute.</source>
        <translation>Dieser Bericht kann nicht angezeigt werden: Eine Summe ist zu groß.</translation>
    </message>
    <message>
        <source>This report cannot be shown: the data could not be read.</source>
        <translation>Dieser Bericht kann nicht angezeigt werden: Die Daten konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>The report could not be written to %1:
%2</source>
        <translation>Der Bericht konnte nicht nach %1 geschrieben werden:
%2</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Dieses Quartal</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Quartal</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Gesamter Zeitraum</translation>
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
        <translation>Gehalt (alle zwei Wochen)</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Gehalt / Lohn</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Monatsmiete</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Miete/Kreditrate</translation>
    </message>
    <message>
        <source>Fresh Basket Market</source>
        <translation>Fresh Basket Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Wocheneinkauf</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Quickfill Gas</source>
        <translation>Quickfill Gas</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Mobilität</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Tanken</translation>
    </message>
    <message>
        <source>Metro Power &amp; Light</source>
        <translation>Metro Power &amp; Light</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Stromrechnung</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Nebenkosten</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>City Water Department</source>
        <translation>Städtische Wasserwerke</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Wasserrechnung</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>StreamFlix</source>
        <translation>StreamFlix</translation>
    </message>
    <message>
        <source>Monthly subscription</source>
        <translation>Monatsabo</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Unterhaltung</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Corner Bistro</source>
        <translation>Corner Bistro</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>Abendessen</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Auswärts essen</translation>
    </message>
    <message>
        <source>Fiberlink Internet</source>
        <translation>Fiberlink Internet</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Internetanschluss</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Shieldline Insurance</source>
        <translation>Shieldline Insurance</translation>
    </message>
    <message>
        <source>Auto insurance premium</source>
        <translation>Beitrag Kfz-Versicherung</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherungen</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Kfz</translation>
    </message>
    <message>
        <source>Hope Community Fund</source>
        <translation>Hope Community Fund</translation>
    </message>
    <message>
        <source>Donation</source>
        <translation>Spende</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Lakeside Family Clinic</source>
        <translation>Lakeside Family Clinic</translation>
    </message>
    <message>
        <source>Doctor visit copay</source>
        <translation>Zuzahlung Arztbesuch</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Krankheitskosten</translation>
    </message>
    <message>
        <source>Lunch with friends</source>
        <translation>Mittagessen mit Freunden</translation>
    </message>
    <message>
        <source>Bookworm Online</source>
        <translation>Bookworm Online</translation>
    </message>
    <message>
        <source>Course textbook</source>
        <translation>Lehrbuch für den Kurs</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Bildungskosten</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Zinsgutschrift</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>TechHub Electronics</source>
        <translation>TechHub Electronics</translation>
    </message>
    <message>
        <source>Wireless headphones</source>
        <translation>Kabellose Kopfhörer</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Shopping</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Elektronik</translation>
    </message>
    <message>
        <source>CloudBox Storage</source>
        <translation>CloudBox Storage</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Cloud-Speicher-Tarif</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Mittagessen</translation>
    </message>
    <message>
        <source>PagePass Audiobooks</source>
        <translation>PagePass Audiobooks</translation>
    </message>
    <message>
        <source>Phone charger</source>
        <translation>Handy-Ladegerät</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>Main Checking</source>
        <translation>Hauptgirokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
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
        <translation>Monatliches Sparen</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Umbuchung auf Sparkonto</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Umbuchung vom Girokonto</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Zahlung - Vielen Dank</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Kreditkartenzahlung</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Beispieldaten entfernt</translation>
    </message>
    <message>
        <source>Sample data cleared. These sample accounts stay because they hold your own entries: %1</source>
        <translation>Beispieldaten entfernt. Diese Beispielkonten bleiben, weil sie Ihre eigenen Einträge enthalten: %1</translation>
    </message>
    <message>
        <source>The sample data could not be loaded: %1. Nothing was added.</source>
        <translation>Die Beispieldaten konnten nicht geladen werden: %1. Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared: %1. Nothing was removed.</source>
        <translation>Die Beispieldaten konnten nicht entfernt werden: %1. Es wurde nichts entfernt.</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Empfänger, Notiz, Schecknummer suchen...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Nur bestätigte</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>Transaction Changed</source>
        <translation type="vanished">Buchung geändert</translation>
    </message>
    <message>
        <source>This transaction was changed or deleted after the search. The list now shows what is stored.</source>
        <translation type="vanished">Diese Buchung wurde nach der Suche geändert oder gelöscht. Die Liste zeigt jetzt den gespeicherten Stand.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>&amp;Details anzeigen...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>&amp;Aufteilung bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>Buchung &amp;aufteilen...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>Im Dialog &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>D&amp;uplicate...</source>
        <translation>Dupli&amp;zieren...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Als &amp;unbestätigt markieren</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Als be&amp;stätigt markieren</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Kontobuch</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Daten &amp; Synchronisierung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Control how Lumora Tallyra looks.</source>
        <translation>Legen Sie fest, wie Lumora Tallyra aussieht.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Choose accent color</source>
        <translation>Akzentfarbe wählen</translation>
    </message>
    <message>
        <source>Accent color</source>
        <translation>Akzentfarbe</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Sehr groß</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Einstellungen für Datum und Kalender.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Woche beginnt am</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Wie Buchungen im Kontobuch erscheinen.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Zweizeilige Zeilen</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Notiz in einer zweiten Zeile unter dem Empfänger anzeigen.</translation>
    </message>
    <message>
        <source>Auto-decimal point</source>
        <translation>Automatisches Dezimalkomma</translation>
    </message>
    <message>
        <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
        <translation>Geben Sie 1234 ein, um 12,34 einzutragen. Die letzten zwei Ziffern sind immer Cent.</translation>
    </message>
    <message>
        <source>Highlight overdrawn rows</source>
        <translation>Überzogene Zeilen hervorheben</translation>
    </message>
    <message>
        <source>Shades the whole row when the running balance is below zero. The balance itself is always shown in red, so you can turn this off and still spot it. Credit cards and loans are never shaded.</source>
        <translation>Hinterlegt die ganze Zeile, wenn der laufende Saldo unter null liegt. Der Saldo selbst wird immer rot angezeigt, Sie erkennen ihn also auch ohne diese Option. Kreditkarten und Darlehen werden nie hinterlegt.</translation>
    </message>
    <message>
        <source>Current balance</source>
        <translation>Aktueller Saldo</translation>
    </message>
    <message>
        <source>Cleared balance</source>
        <translation>Bestätigter Saldo</translation>
    </message>
    <message>
        <source>Balance as of today</source>
        <translation>Saldo bis heute</translation>
    </message>
    <message>
        <source>Account list shows</source>
        <translation>Kontenliste zeigt</translation>
    </message>
    <message>
        <source>Cleared counts only transactions you have marked cleared. Balance as of today leaves out anything dated later, such as scheduled bills.</source>
        <translation>Bestätigt zählt nur Buchungen, die Sie als bestätigt markiert haben. Saldo bis heute lässt alles mit späterem Datum weg, etwa geplante Rechnungen.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Legen Sie die Reihenfolge der Buchungen im Kontobuch fest.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Neueste Buchungen zuerst anzeigen</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Wenn aktiviert, erscheinen die neuesten Buchungen oben.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Keep your tallyra in sync across all your devices.</source>
        <translation>Halten Sie Ihr Tallyra auf allen Geräten synchron.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Vollständige Synchronisierung erzwingen</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sicherung &amp; Wiederherstellung</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Sichern Sie Ihre Daten in einer übertragbaren Sicherungsdatei oder stellen Sie sie daraus wieder her.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Sicherung exportieren</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Sicherung importieren</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Gelöschte Konten</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Gelöschte Konten können hier wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Auswahl wiederherstellen</translation>
    </message>
    <message>
        <source>Lumora Tallyra</source>
        <translation>Lumora Tallyra</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A digital tallyra register for tracking household finances.</source>
        <translation>Ein digitales Tallyra-Kontobuch für die Haushaltsfinanzen.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Lumora Tallyra website</source>
        <translation>Website von Lumora Tallyra</translation>
    </message>
    <message>
        <source>Get the mobile app</source>
        <translation>Mobile App herunterladen</translation>
    </message>
    <message>
        <source>Your data is kept in a database on this computer; it is synced only while you are signed in.</source>
        <translation>Ihre Daten liegen in einer Datenbank auf diesem Computer; sie werden nur synchronisiert, während Sie angemeldet sind.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Lumora Tallyra.</source>
        <translation>Die neue Sprache wird beim nächsten Start von Lumora Tallyra wirksam.</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Lumora Account to enable sync.</source>
        <translation>Nicht angemeldet.
Melden Sie sich über Datei › Lumora-Konto an, um die Synchronisierung zu aktivieren.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Angemeldet als:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Noch nie synchronisiert</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Zuletzt synchronisiert: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Fehler: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisiere...</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Dadurch werden alle lokalen Daten erneut auf den Server hochgeladen und alle Serverdaten erneut heruntergeladen. Verwenden Sie dies, wenn die Daten zwischen Geräten nicht übereinstimmen.

Fortfahren?</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportiere...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sicherung abgeschlossen</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sicherung gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Sicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>The backup archive could not be created.</source>
        <translation>Das Sicherungsarchiv konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation type="vanished">Konnte nicht schreiben in:
%1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Alles durch die Daten der Sicherung ersetzen</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Neuere behalten (Zeitstempel vergleichen)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Vorhandene Einträge überspringen</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Importmodus</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Wie sollen vorhandene Daten behandelt werden?</translation>
    </message>
    <message>
        <source>Replace Data</source>
        <translation>Daten ersetzen</translation>
    </message>
    <message>
        <source>Every row in the backup will replace the stored row of the same item, including changes made since the backup was saved. This cannot be undone.

Continue?</source>
        <translation>Jeder Eintrag der Sicherung ersetzt den gespeicherten Eintrag desselben Elements, auch Änderungen seit dem Speichern der Sicherung. Dies kann nicht rückgängig gemacht werden.

Fortfahren?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importiere...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 Einträge importiert, %2 übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n Fehler ist aufgetreten.</numerusform>
            <numerusform>

%n Fehler sind aufgetreten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Wiederherstellung fehlgeschlagen</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored. Nothing was changed.</source>
        <translation>Das Konto „%1“ konnte nicht wiederhergestellt werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>MMM d, h:mm ap</source>
        <translation>d. MMM, HH:mm</translation>
    </message>
    <message>
        <source>Could not write to:
%1

%2</source>
        <translation>Konnte nicht schreiben in:
%1

%2</translation>
    </message>
    <message>
        <source>The backup archive could not be created: %1.</source>
        <translation>Das Sicherungsarchiv konnte nicht erstellt werden: %1.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored: %2. Nothing was changed.</source>
        <translation>Das Konto „%1“ konnte nicht wiederhergestellt werden: %2. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Buchung aufteilen</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Verbleibend: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the line&apos;s category.</source>
        <translation>„%1“ bezeichnet keine einzelne Kategorie. Wählen Sie eine aus der Liste oder leeren Sie die Kategorie der Zeile.</translation>
    </message>
    <message>
        <source>Choose a category for every split line.</source>
        <translation>Wählen Sie für jede Aufteilungszeile eine Kategorie.</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Zeile hinzufügen</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Entfernen</translation>
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
        <translation>Offline</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n Konto</numerusform>
            <numerusform>%n Konten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n wiederkehrende Buchung fällig</numerusform>
            <numerusform>  •  %n wiederkehrende Buchungen fällig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisiere...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Synchronisierungsfehler</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Senden fehlgeschlagen (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Abrufen fehlgeschlagen (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (%1)</source>
        <translation>Abrufen fehlgeschlagen (%1)</translation>
    </message>
</context>
<context>
    <name>TransactionActions</name>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The transaction could not be saved, so nothing was changed.

Your entries are still in the form.</source>
        <translation type="vanished">Die Buchung konnte nicht gespeichert werden, daher wurde nichts geändert.

Ihre Eingaben sind noch im Formular.</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Umbuchung</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Buchung aufteilen</translation>
    </message>
    <message>
        <source>Choose a category for every split line.</source>
        <translation>Wählen Sie für jede Aufteilungszeile eine Kategorie.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>The opening balance can&apos;t be removed. Every account has one.

To clear it, set it to zero in the account&apos;s settings.</source>
        <translation>Der Anfangssaldo kann nicht entfernt werden. Jedes Konto hat einen.

Wenn Sie ihn aufheben möchten, stellen Sie ihn in den Kontoeinstellungen auf null.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>„%1“ über %2 löschen?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Umbuchung „%1“ über %2 löschen?

Beide Seiten der Umbuchung werden gelöscht.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>The transaction could not be deleted, so nothing was changed.</source>
        <translation>Die Buchung konnte nicht gelöscht werden, daher wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Zielkonto der Umbuchung nicht gefunden</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Für Umbuchungen müssen beide Konten dieselbe Währung verwenden</translation>
    </message>
    <message>
        <source>A transfer can&apos;t be split across categories</source>
        <translation>Eine Umbuchung kann nicht auf mehrere Kategorien aufgeteilt werden</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Umbuchung auf %1</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Umbuchung von %1</translation>
    </message>
    <message>
        <source>Transaction Changed</source>
        <translation type="vanished">Buchung geändert</translation>
    </message>
    <message>
        <source>This transaction was changed or deleted elsewhere in the meantime, so nothing was written.

What is stored now is shown again.</source>
        <translation type="vanished">Diese Buchung wurde inzwischen an anderer Stelle geändert oder gelöscht, daher wurde nichts gespeichert.

Es wird wieder angezeigt, was jetzt gespeichert ist.</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved.</source>
        <translation type="vanished">Die Markierung „Bestätigt“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Check the Entries</source>
        <translation>Eingaben prüfen</translation>
    </message>
    <message>
        <source>The transaction could not be saved: %1. Nothing was changed.

Your entries are still in the form.</source>
        <translation>Die Buchung konnte nicht gespeichert werden: %1. Es wurde nichts geändert.

Ihre Eingaben sind noch im Formular.</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved: %1.</source>
        <translation>Die Markierung „Bestätigt“ konnte nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Buchungsdetails</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Aufteilung—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Schecknr.:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Umbuchung auf:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Erfasst: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Zuletzt geändert: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Duplicate...</source>
        <translation>Duplizieren...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Aufteilungszeilen</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(keine Aufteilungszeilen erfasst)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(ohne Kategorie)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation type="vanished">Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved.</source>
        <translation type="vanished">Die Markierung „Bestätigt“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Unbestätigt</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Als unbestätigt markieren</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Als bestätigt markieren</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>This is the account&apos;s opening balance. Changing the amount or date shifts every balance after it.</source>
        <translation>Dies ist der Anfangssaldo des Kontos. Eine Änderung von Betrag oder Datum verschiebt jeden späteren Saldo.</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Belastung</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Umbuchung</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen Sie, um nach Empfängern zu suchen...</translation>
    </message>
    <message>
        <source>No other account in this currency to transfer into</source>
        <translation>Kein anderes Konto in dieser Währung für eine Umbuchung vorhanden</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Aufteilen...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Diese Buchung auf mehrere Kategorien mit eigenen Beträgen und Notizen aufteilen.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Einzelne Kategorie verwenden</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Die Aufteilung verwerfen und zu einer Buchung mit nur einer Kategorie zurückkehren.</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Schecknr.:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1 (gelöscht)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Aufteilung—</translation>
    </message>
    <message>
        <source>(account no longer available)</source>
        <translation>(Konto nicht mehr verfügbar)</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Verbleibend: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the line&apos;s category.</source>
        <translation>„%1“ bezeichnet keine einzelne Kategorie. Wählen Sie eine aus der Liste oder leeren Sie die Kategorie der Zeile.</translation>
    </message>
    <message>
        <source>The split lines add up to %1, but the total is %2. Change the lines or the amount so that nothing remains.</source>
        <translation>Die Aufteilungszeilen ergeben zusammen %1, der Gesamtbetrag ist aber %2. Ändern Sie die Zeilen oder den Betrag, sodass nichts übrig bleibt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the category.</source>
        <translation>„%1“ bezeichnet keine einzelne Kategorie. Wählen Sie eine aus der Liste oder leeren Sie die Kategorie.</translation>
    </message>
</context>
<context>
    <name>TransactionRepository</name>
    <message>
        <source>Opening Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Ihre Sitzung ist abgelaufen. Melden Sie sich erneut an, um weiter zu synchronisieren.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Funktioniert vollständig offline. Ihre Daten bleiben auf diesem Gerät.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>So funktioniert es</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Legen Sie ein Konto an (Girokonto, Sparkonto, Kreditkarte oder jedes andere Konto, das Sie verfolgen möchten).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Erfassen Sie Buchungen, während Sie ausgeben.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Gleichen Sie ab, wenn Ihr Kontoauszug eintrifft.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Willkommen zurück</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Melden Sie sich an, um Ihre Daten geräteübergreifend zu synchronisieren.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Ein anderes Konto erstellen</translation>
    </message>
    <message>
        <source>Welcome to
Lumora Tallyra</source>
        <translation>Willkommen bei
Lumora Tallyra</translation>
    </message>
    <message>
        <source>A digital tallyra register.</source>
        <translation>Ein digitales Tallyra-Register.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Schon ein Konto? Anmelden</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Erstes Konto erstellen</translation>
    </message>
</context>
<context>
    <name>WriteResultPrompt</name>
    <message>
        <source>Transaction Changed</source>
        <translation>Buchung geändert</translation>
    </message>
    <message>
        <source>This transaction was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>Diese Buchung wurde an anderer Stelle geändert oder gelöscht. Sie wurde neu geladen.</translation>
    </message>
    <message>
        <source>Recurring Transaction Changed</source>
        <translation>Wiederkehrende Buchung geändert</translation>
    </message>
    <message>
        <source>This recurring transaction was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>Diese wiederkehrende Buchung wurde an anderer Stelle geändert oder gelöscht. Sie wurde neu geladen.</translation>
    </message>
    <message>
        <source>Account Changed</source>
        <translation>Konto geändert</translation>
    </message>
    <message>
        <source>This account was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>Dieses Konto wurde an anderer Stelle geändert oder gelöscht. Es wurde neu geladen.</translation>
    </message>
    <message>
        <source>Reconciliation Changed</source>
        <translation>Abgleich geändert</translation>
    </message>
    <message>
        <source>A transaction in this reconciliation was changed or deleted elsewhere. The reconciliation has been reloaded.</source>
        <translation>Eine Buchung dieses Abgleichs wurde an anderer Stelle geändert oder gelöscht. Der Abgleich wurde neu geladen.</translation>
    </message>
    <message>
        <source>Account Deleted</source>
        <translation>Konto gelöscht</translation>
    </message>
    <message>
        <source>This account was deleted elsewhere, so nothing was written to it.</source>
        <translation>Dieses Konto wurde an anderer Stelle gelöscht, daher wurde nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>Category Changed</source>
        <translation>Kategorie geändert</translation>
    </message>
    <message>
        <source>This category was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>Diese Kategorie wurde an anderer Stelle geändert oder gelöscht. Sie wurde neu geladen.</translation>
    </message>
</context>
</TS>
