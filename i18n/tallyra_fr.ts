<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>This account already has an opening balance. Changing the amount or date shifts every balance after it.</source>
        <translation>Ce compte a déjà un solde d&apos;ouverture. Modifier le montant ou la date décale tous les soldes suivants.</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nom du compte</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investissement</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
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
        <translation>&amp;Devise :</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Solde d&apos;ou&amp;verture :</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nom de la banque (facultatif)</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Établissement :</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>4 derniers chiffres (facultatif)</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>&amp;Numéro de compte :</translation>
    </message>
    <message>
        <source>Starting &amp;Balance (Amount Owed):</source>
        <translation>Solde d&apos;ou&amp;verture (montant dû) :</translation>
    </message>
    <message>
        <source>This account has transactions in %1. Its currency can only change to one with the same number of decimal places.</source>
        <translation>Ce compte a des opérations en %1. Sa devise ne peut être remplacée que par une devise ayant le même nombre de décimales.</translation>
    </message>
    <message>
        <source>Currency Not Changed</source>
        <translation>Devise non modifiée</translation>
    </message>
</context>
<context>
    <name>AccountType</name>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investissement</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Erreur de base de données</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Impossible d&apos;initialiser la base de données.

Dossier de données : %1

Vérifiez les autorisations des fichiers et réessayez.</translation>
    </message>
    <message>
        <source>The database is in use by another program.

Data directory: %1

Please close the other program and try again.</source>
        <translation>La base de données est utilisée par un autre programme.

Dossier de données : %1

Veuillez fermer l&apos;autre programme et réessayer.</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>Déjà en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>Tallyra is already running with this data folder.</source>
        <translation>Tallyra est déjà en cours d&apos;exécution avec ce dossier de données.</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1</source>
        <translation>Impossible d&apos;initialiser la base de données.

Dossier de données : %1</translation>
    </message>
    <message>
        <source>Failed to initialize the database: %1.

Data directory: %2</source>
        <translation>Impossible d&apos;initialiser la base de données : %1.

Dossier de données : %2</translation>
    </message>
    <message>
        <source>Failed to initialize the database: the disk is full.

Data directory: %1

Please free some space on the disk and try again.</source>
        <translation>Impossible d&apos;initialiser la base de données : le disque est plein.

Dossier de données : %1

Libérez de l&apos;espace sur le disque et réessayez.</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive ZIP</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Sauvegarde non valide : manifest.json manquant</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Version de sauvegarde non prise en charge : %1</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1 : erreur inattendue</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1 : JSON non valide</translation>
    </message>
    <message>
        <source>The backup could not be restored. No data was changed.</source>
        <translation type="vanished">La sauvegarde n&apos;a pas pu être restaurée. Aucune donnée n&apos;a été modifiée.</translation>
    </message>
    <message>
        <source>%1: too large</source>
        <translation>%1 : trop volumineux</translation>
    </message>
    <message>
        <source>%1: damaged</source>
        <translation>%1 : endommagé</translation>
    </message>
    <message>
        <source>Invalid backup: %1 entries named manifest.json</source>
        <translation>Sauvegarde non valide : %1 entrées nommées manifest.json</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1. No data was changed.</source>
        <translation>La sauvegarde n&apos;a pas pu être restaurée : %1. Aucune donnée n&apos;a été modifiée.</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number in range</source>
        <translation>%1 : %2 n&apos;est pas un nombre entier dans la plage admise</translation>
    </message>
</context>
<context>
    <name>BrowserFailureDialog</name>
    <message>
        <source>No Browser</source>
        <translation>Aucun navigateur</translation>
    </message>
    <message>
        <source>No web browser could be opened. Open this address in your browser:</source>
        <translation>Aucun navigateur web n’a pu être ouvert. Ouvrez cette adresse dans votre navigateur :</translation>
    </message>
</context>
<context>
    <name>BulkWriteTransaction</name>
    <message>
        <source>the database rolled the changes back</source>
        <translation type="vanished">la base de données a annulé les modifications</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="vanished">le disque est plein</translation>
    </message>
    <message>
        <source>the data is in use by another program</source>
        <translation type="vanished">les données sont utilisées par un autre programme</translation>
    </message>
    <message>
        <source>the database could not write the changes</source>
        <translation type="vanished">la base de données n&apos;a pas pu écrire les modifications</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Rechercher des catégories...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Nouvelle catégorie</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>Ajouter une &amp;sous-catégorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>The category could not be saved, so nothing was changed.

Your entries are still in the form.</source>
        <translation>La catégorie n&apos;a pas pu être enregistrée ; rien n&apos;a été modifié.

Vos saisies sont toujours dans le formulaire.</translation>
    </message>
    <message>
        <source>Category Changed</source>
        <translation type="vanished">Catégorie modifiée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted elsewhere, so nothing was saved. The list now shows what is stored.</source>
        <translation type="vanished">« %1 » a été modifiée ou supprimée ailleurs ; rien n&apos;a été enregistré. La liste affiche maintenant ce qui est enregistré.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>Supprimer « %1 » ? Les opérations de cette catégorie n&apos;auront plus de catégorie.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>« %1 » n&apos;a pas pu être supprimée.</translation>
    </message>
    <message>
        <source>The category could not be saved: %1. Nothing was changed.

Your entries are still in the form.</source>
        <translation>La catégorie n&apos;a pas pu être enregistrée : %1. Rien n&apos;a été modifié.

Vos saisies sont toujours dans le formulaire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2.</source>
        <translation>« %1 » n&apos;a pas pu être supprimée : %2.</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nouvelle sous-catégorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Modifier la catégorie</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>&amp;Parent :</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nom de la catégorie</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Dépense</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenu</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Fiscalement pertinent</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Inclure cette catégorie dans les rapports pour la déclaration fiscale.</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Code fiscal :</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>p. ex. charitable_contributions, mortgage_interest</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Dons caritatifs</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Frais d&apos;études</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impôts d&apos;État et locaux</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intérêts d&apos;emprunt immobilier</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Loyer/Crédit immobilier</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Entretien</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Charges de copropriété</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Factures</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transports</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Crédit auto</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transports en commun</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Épicerie</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Repas à l&apos;extérieur</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Soins personnels</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Animaux de compagnie</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Cadeaux</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cinéma</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Vêtements</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurances</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Habitation</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Frais et commissions</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Frais de retrait</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Pénalités de retard</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salaire / Rémunération</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendes perçus</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Revenus locatifs</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Travail indépendant / Conseil</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Remboursements</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Cadeaux reçus</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Autres revenus</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
    <message>
        <source>income</source>
        <translation>Revenu</translation>
    </message>
    <message>
        <source>transfer</source>
        <translation>Virement</translation>
    </message>
    <message>
        <source>expense</source>
        <translation>Dépense</translation>
    </message>
</context>
<context>
    <name>CsvPreviewModel</name>
    <message>
        <source>Col %1</source>
        <translation>Col. %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the data is in use by another program</source>
        <translation>les données sont utilisées par un autre programme</translation>
    </message>
    <message>
        <source>the database could not write the changes</source>
        <translation>la base de données n&apos;a pas pu écrire les modifications</translation>
    </message>
    <message>
        <source>the database rolled the changes back</source>
        <translation>la base de données a annulé les modifications</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
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
        <translation>&amp;Format :</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Compte :</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Aucun fichier sélectionné</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Correspondance des colonnes CSV :</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Colonne de date :</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Colonne du bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Colonne du montant :</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Colonne du mémo :</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Colonne de catégorie :</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Détection automatique</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Mois J, AAAA (May 14, 2026)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Format de date :</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La première ligne est un en-tête</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>Comptes source QIF :</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Choisissez où importer chaque compte Quicken. Les virements entre les comptes associés des fichiers sélectionnés seront liés automatiquement.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Sélectionner un fichier</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Preview Failed</source>
        <translation>Échec de l&apos;aperçu</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no rows to import.</source>
        <translation>Le fichier « %1 » ne contient aucune ligne à importer.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1 : %2</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Sélectionner des fichiers QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Fichiers QIF (*.qif)</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n fichier sélectionné</numerusform>
            <numerusform>%n fichiers sélectionnés</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analyse des fichiers QIF...</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Créer un nouveau compte « %1 » —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Ignorer ces opérations —</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Aucun compte cible</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Choisissez un compte où importer, ou créez-en un maintenant.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Solde d&apos;ouverture</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened. Nothing was imported.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être ouvert. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>L&apos;importation a échoué.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be created. No transactions were added.</source>
        <translation>Le compte « %1 » n&apos;a pas pu être créé. Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Une erreur de base de données a interrompu l&apos;importation et toutes les modifications ont été annulées. Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Importation terminée !</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n opération importée</numerusform>
            <numerusform>%n opérations importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n virement lié entre comptes</numerusform>
            <numerusform>%n virements liés entre comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (dont %n lié à une ligne importée auparavant)</numerusform>
            <numerusform>  (dont %n liés à des lignes importées auparavant)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n doublon ignoré</numerusform>
            <numerusform>%n doublons ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (illisible)</numerusform>
            <numerusform>%n enregistrements ignorés (illisibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n enregistrement de métadonnées ignoré</numerusform>
            <numerusform>%n enregistrements de métadonnées ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (compte source non associé)</numerusform>
            <numerusform>%n enregistrements ignorés (compte source non associé)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (erreur de base de données — voir le journal)</numerusform>
            <numerusform>%n enregistrements ignorés (erreur de base de données — voir le journal)</numerusform>
        </translation>
    </message>
    <message>
        <source>An account chosen for this import was deleted elsewhere. No transactions were added.</source>
        <translation>Un compte choisi pour cette importation a été supprimé ailleurs. Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>The import stopped and all changes were rolled back: %1. No transactions were added.</source>
        <translation>L&apos;importation s&apos;est arrêtée et toutes les modifications ont été annulées : %1. Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: the row that starts on line %2 is longer than %3 characters.</source>
        <translation>Le fichier « %1 » n&apos;a pas été lu : la ligne qui commence à la ligne %2 dépasse %3 caractères.</translation>
    </message>
    <message>
        <source>The file was not read: the row that starts on line %1 is longer than %2 characters. No transactions were added.</source>
        <translation type="vanished">Le fichier n&apos;a pas été lu : la ligne qui commence à la ligne %1 dépasse %2 caractères. Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Row %1: no cell in the date column (Col %2)</source>
        <translation>Ligne %1 : aucune cellule dans la colonne de date (Col. %2)</translation>
    </message>
    <message>
        <source>Row %1: no cell in the payee column (Col %2)</source>
        <translation>Ligne %1 : aucune cellule dans la colonne du bénéficiaire (Col. %2)</translation>
    </message>
    <message>
        <source>Row %1: no cell in the amount column (Col %2)</source>
        <translation>Ligne %1 : aucune cellule dans la colonne du montant (Col. %2)</translation>
    </message>
    <message>
        <source>Row %1: the date cell is empty</source>
        <translation>Ligne %1 : la cellule de date est vide</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not a date in any known format</source>
        <translation>Ligne %1 : « %2 » n&apos;est une date dans aucun format connu</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not a date in the format %3 or any known format</source>
        <translation>Ligne %1 : « %2 » n&apos;est une date ni au format %3 ni dans aucun format connu</translation>
    </message>
    <message>
        <source>Row %1: the amount cell is empty</source>
        <translation>Ligne %1 : la cellule de montant est vide</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not an amount</source>
        <translation>Ligne %1 : « %2 » n&apos;est pas un montant</translation>
    </message>
    <message>
        <source>Row %1: the amount &quot;%2&quot; has decimals, which the account&apos;s currency does not have</source>
        <translation>Ligne %1 : le montant « %2 » a des décimales, que la devise du compte n&apos;a pas</translation>
    </message>
    <message>
        <source>Analysis Failed</source>
        <translation>Échec de l&apos;analyse</translation>
    </message>
    <message>
        <source>%1 No transactions were added.</source>
        <translation>%1 Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: it is larger than %2 MB, the largest file an import reads.</source>
        <translation>Le fichier « %1 » n&apos;a pas été lu : il dépasse %2 Mo, la taille maximale qu&apos;une importation lit.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: there is not enough memory to read it.</source>
        <translation>Le fichier « %1 » n&apos;a pas été lu : la mémoire est insuffisante pour le lire.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read to its end: %2.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être lu jusqu&apos;au bout : %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: line %2 is longer than %3 characters.</source>
        <translation>Le fichier « %1 » n&apos;a pas été lu : la ligne %2 dépasse %3 caractères.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: the record that starts on line %2 is longer than %3 characters.</source>
        <translation>Le fichier « %1 » n&apos;a pas été lu : l&apos;enregistrement qui commence à la ligne %2 dépasse %3 caractères.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: the record that starts on line %2 has more than %3 split lines.</source>
        <translation>Le fichier « %1 » n&apos;a pas été lu : l&apos;enregistrement qui commence à la ligne %2 a plus de %3 lignes de ventilation.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sans en-tête de compte)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Opération importée</translation>
    </message>
</context>
<context>
    <name>LumoAccount::AccountScreen</name>
    <message>
        <source>(not set)</source>
        <translation>(non défini)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Données et confidentialité</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Modifier le nom d&apos;affichage</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Changez le mot de passe de votre compte.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>Could not load your profile.</source>
        <translation>Impossible de charger votre profil.</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Nom d&apos;affichage :</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Impossible de mettre à jour le profil.</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Nom d&apos;affichage mis à jour.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Mot de passe actuel :</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Nouveau mot de passe (8 caractères min.) :</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Le mot de passe doit contenir au moins 8 caractères.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirmez le nouveau mot de passe :</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Mot de passe changé.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Impossible de changer le mot de passe.</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Zone de danger</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Supprimez définitivement votre compte. Cette action est irréversible après 30 jours.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Vous êtes le propriétaire du groupe. Transférez la propriété ou retirez tous les membres avant de supprimer votre compte.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Votre compte sera définitivement supprimé après 30 jours.

Saisissez DELETE pour confirmer :</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Impossible de supprimer le compte.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Suppression du compte programmée</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Votre compte sera définitivement supprimé dans 30 jours. Vous pouvez le récupérer en vous connectant d&apos;ici là.</translation>
    </message>
    <message>
        <source>Could not load your group. Try again later.</source>
        <translation>Impossible de charger votre groupe. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Aucun groupe</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Vous ne faites partie d&apos;aucun groupe. Le propriétaire du groupe peut vous inviter, ou vous pouvez rejoindre un groupe avec un code d&apos;invitation.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Rejoindre avec un code d&apos;invitation</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 places utilisées sur %2</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Quitter le groupe</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Invitations en attente</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Code d&apos;invitation : %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Inviter des membres</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Inviter par e-mail</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Générer un code d&apos;invitation</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Rejoindre le groupe</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Saisissez le code d&apos;invitation :</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Code d&apos;invitation non valide ou expiré.</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Vous avez rejoint le groupe.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Adresse e-mail :</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Impossible d&apos;envoyer l&apos;invitation.</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitation envoyée.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Impossible de générer le code.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Code d&apos;invitation</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Partagez ce code avec la personne que vous souhaitez inviter :

%1</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitation révoquée.</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>Impossible de révoquer l&apos;invitation.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Retirer le membre</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>Retirer %1 du groupe ?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 a été retiré.</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>Impossible de retirer %1.</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Quitter ce groupe ? Vous perdrez l&apos;accès aux données partagées.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Vous avez quitté le groupe.</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>Impossible de quitter le groupe.</translation>
    </message>
    <message>
        <source>Could not load your devices. Try again later.</source>
        <translation>Impossible de charger vos appareils. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Appareils enregistrés</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Appareils synchronisés avec votre compte.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>Aucun appareil enregistré.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Appareil inconnu</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Retirer l&apos;appareil</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Retirer %1 ?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>L&apos;appareil a été retiré.</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>Impossible de retirer l&apos;appareil.</translation>
    </message>
    <message>
        <source>Could not load your sessions. Try again later.</source>
        <translation>Impossible de charger vos sessions. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Sessions actives</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sessions actuellement connectées à votre compte.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>Aucune session active.</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Client inconnu</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Session révoquée.</translation>
    </message>
    <message>
        <source>Failed to revoke session.</source>
        <translation>Impossible de révoquer la session.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Actif maintenant</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>il y a %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>il y a %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>il y a %1 j</translation>
    </message>
</context>
<context>
    <name>LumoAccount::AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Impossible de partager le compte (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>LumoAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>Impossible de démarrer le serveur d&apos;authentification local</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>Aucun jeton reçu</translation>
    </message>
</context>
<context>
    <name>LumoAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>Personnes ayant accès</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Ajouter des personnes</translation>
    </message>
    <message>
        <source>You are not in a family group yet. Create or join one on your account page to share accounts.</source>
        <translation>Vous ne faites pas encore partie d&apos;un groupe familial. Créez-en un ou rejoignez-en un sur la page de votre compte pour partager des comptes.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Tous les membres du groupe ont déjà accès</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Aucun partage pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Retirer l&apos;accès</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Impossible de partager avec %1.</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>Retirer l&apos;accès ?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 n&apos;aura plus accès. Continuer ?</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossible de retirer %1.</translation>
    </message>
    <message>
        <source>Could not load who has access. Try again later.</source>
        <translation>Impossible de charger les personnes ayant accès. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Could not load your family group. Try again later.</source>
        <translation>Impossible de charger votre groupe familial. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Could not load your profile. Try again later.</source>
        <translation>Impossible de charger votre profil. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>No one can be added while it is unknown who has access.</source>
        <translation>Personne ne peut être ajouté tant qu&apos;on ignore qui a accès.</translation>
    </message>
</context>
<context>
    <name>LumoUpdate::Client</name>
    <message>
        <source>network error: %1</source>
        <translation>erreur réseau : %1</translation>
    </message>
    <message>
        <source>manifest invalid: %1</source>
        <translation>description de version non valide : %1</translation>
    </message>
</context>
<context>
    <name>LumoUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Une nouvelle version de %1 est disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Vous avez la version %1. La dernière version est %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Aucune note de version n&apos;est disponible pour cette version.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
</context>
<context>
    <name>LumoUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Vous utilisez la version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cannot be computed</source>
        <translation type="vanished">Impossible à calculer</translation>
    </message>
    <message>
        <source>Lumora Tallyra</source>
        <translation>Lumora Tallyra</translation>
    </message>
    <message>
        <source>Welcome to Lumora Tallyra</source>
        <translation>Bienvenue dans Lumora Tallyra</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Créez votre premier compte pour commencer.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Vous pouvez aussi importer des opérations depuis un fichier CSV via Fichier › Importer.</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Aucun compte</translation>
    </message>
    <message>
        <source>Cleared: %1</source>
        <translation>Pointé : %1</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Aujourd&apos;hui : %1</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total : %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nouveau compte...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Modifier « %1 »...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renommer les bénéficiaires...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Partager...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Supprimer « %1 »</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nouvelle opération</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nouveau &amp;compte</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Lumora &amp;Account...</source>
        <translation>&amp;Compte Lumora...</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Se connecter ou créer un compte</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Compte</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renommer les &amp;bénéficiaires...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Partager...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Opérations ré&amp;currentes</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>C&amp;atégories</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Lumora Tallyra</source>
        <translation>&amp;À propos de Lumora Tallyra</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Nouveautés...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Envoyer des &amp;commentaires...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Raccourcis &amp;clavier</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Charger les données d&apos;&amp;exemple</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Effacer les données d&apos;exemple</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Sélectionnez d&apos;abord un compte</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Lumora Tallyra&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital tallyra register for tracking household finances.&lt;/p&gt;&lt;p&gt;Made by Lumora. All rights reserved.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://lumora.invalid/tallyra&quot;&gt;lumora.invalid/tallyra&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU Lesser General Public License version 3. See &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; and &lt;a href=&quot;https://download.qt.io/official_releases/qt/&quot;&gt;the Qt source code&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Lumora Tallyra&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Un registre tallyra numérique pour suivre les finances du foyer.&lt;/p&gt;&lt;p&gt;Conçu par Lumora. Tous droits réservés.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://lumora.invalid/tallyra&quot;&gt;lumora.invalid/tallyra&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;Cette application utilise le framework Qt sous la GNU Lesser General Public License version 3. Voir &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; et &lt;a href=&quot;https://download.qt.io/official_releases/qt/&quot;&gt;le code source de Qt&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Lumora Tallyra</source>
        <translation>À propos de Lumora Tallyra</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Registre&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Enregistrer l&apos;opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insérer une nouvelle opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Supprimer l&apos;opération courante&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Champ suivant / précédent&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copier la valeur du champ au-dessus&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Champ de date&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aujourd&apos;hui&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Jour suivant / précédent&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour du mois&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour de l&apos;année&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour de la semaine&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Général&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nouvelle opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nouveau compte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rapprocher le compte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rechercher des opérations&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rapports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Opérations récurrentes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Catégories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Comptes&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Passer au compte 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Passer au compte 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Données d&apos;exemple</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Les données d&apos;exemple sont déjà chargées.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation type="vanished">Les données d&apos;exemple n&apos;ont pas pu être chargées.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Données d&apos;exemple chargées</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Aucune donnée d&apos;exemple à effacer.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared.</source>
        <translation type="vanished">Les données d&apos;exemple n&apos;ont pas pu être effacées.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation type="vanished">Données d&apos;exemple effacées</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n opération récurrente passée automatiquement</numerusform>
            <numerusform>%n opérations récurrentes passées automatiquement</numerusform>
        </translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Gérer votre compte</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Connexion réussie</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Échec de la connexion : %1</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisation terminée</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation : %1</translation>
    </message>
    <message>
        <source>Starting Balance</source>
        <translation>Solde de départ</translation>
    </message>
    <message>
        <source>Change the opening balance?

Every balance in this account will shift.</source>
        <translation>Modifier le solde d&apos;ouverture ?

Tous les soldes de ce compte seront décalés.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation>Le compte n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The opening balance could not be saved.</source>
        <translation type="vanished">Le solde d&apos;ouverture n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Connexion requise</translation>
    </message>
    <message>
        <source>Sharing requires a Lumora account.</source>
        <translation>Le partage nécessite un compte Lumora.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Partager le compte</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Partage : %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Lumora family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Partagez ce compte avec les membres de votre groupe familial Lumora. Ils verront le même registre, les mêmes soldes et le même historique des rapprochements sur leurs appareils.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Partagé avec</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Aucun partage pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Retirer l&apos;accès</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Échec du partage</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Échec du retrait</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Retirer le partage</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Retirer l&apos;accès de %1 à ce compte ?</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Solde d&apos;ouverture</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>Supprimer « %1 » ?

Toutes les opérations, les écritures récurrentes et l&apos;historique des rapprochements de ce compte seront supprimés. Vous pourrez le restaurer depuis Préférences → Données et synchronisation.</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>The account could not be deleted. Nothing was changed.</source>
        <translation>Le compte n&apos;a pas pu être supprimé. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Account Changed</source>
        <translation type="vanished">Compte modifié</translation>
    </message>
    <message>
        <source>The account was changed elsewhere while you were editing it. Your changes were not saved.</source>
        <translation type="vanished">Le compte a été modifié ailleurs pendant que vous le modifiiez. Vos modifications n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Rapprocher — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Lumora Account</source>
        <translation>Compte Lumora</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>The account could not be saved: %1.</source>
        <translation>Le compte n&apos;a pas pu être enregistré : %1.</translation>
    </message>
    <message>
        <source>The account could not be deleted: %1. Nothing was changed.</source>
        <translation>Le compte n&apos;a pas pu être supprimé : %1. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>Too large</source>
        <translation>Trop grand</translation>
    </message>
</context>
<context>
    <name>OpeningBalanceBanner</name>
    <message>
        <source>No, it is a credit</source>
        <translation>Non, c&apos;est un avoir</translation>
    </message>
    <message>
        <source>Yes, I owe this</source>
        <translation>Oui, je dois ce montant</translation>
    </message>
    <message>
        <source>This account&apos;s opening balance is recorded as a credit of %1. If you meant that you owe %1, Tallyra can correct it.</source>
        <translation>Le solde d&apos;ouverture de ce compte est enregistré comme un avoir de %1. Si vous vouliez indiquer que vous devez %1, Tallyra peut le corriger.</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Renommer en :</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renommer la sélection</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Fusionner la sélection</translation>
    </message>
    <message>
        <source>The payees could not be renamed, so no transaction was changed.</source>
        <translation>Les bénéficiaires n&apos;ont pas pu être renommés ; aucune opération n&apos;a été modifiée.</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Renommage terminé</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n opération renommée.</numerusform>
            <numerusform>%n opérations renommées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Sélectionnez au moins 2 bénéficiaires à fusionner.</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>Fusionner %1 bénéficiaires en « %2 » ?</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionner les bénéficiaires</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Échec de la fusion</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n opération fusionnée.</numerusform>
            <numerusform>%n opérations fusionnées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of the opening balance, which each account has once. Choose another name: no transaction was changed.</source>
        <translation>« %1 » est le nom du solde d&apos;ouverture, que chaque compte possède une seule fois. Choisissez un autre nom : aucune opération n&apos;a été modifiée.</translation>
    </message>
    <message>
        <source>%1 opening balance(s) kept their payee: an account&apos;s opening balance is not renamed.</source>
        <translation>Soldes d&apos;ouverture ayant gardé leur bénéficiaire : %1. Le solde d&apos;ouverture d&apos;un compte n&apos;est pas renommé.</translation>
    </message>
    <message>
        <source>%1 transfer(s) kept their payee: it names the account at the other end of the transfer.</source>
        <translation>Virements ayant gardé leur bénéficiaire : %1. Il désigne le compte à l&apos;autre extrémité du virement.</translation>
    </message>
    <message>
        <source>No transaction was changed.</source>
        <translation>Aucune opération n&apos;a été modifiée.</translation>
    </message>
    <message>
        <source>The payees could not be renamed: %1. No transaction was changed.</source>
        <translation>Les bénéficiaires n&apos;ont pas pu être renommés : %1. Aucune opération n&apos;a été modifiée.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Aucune note de version disponible pour %1 %2</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 est à jour (version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Échec de la recherche de mises à jour : %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Rapprochements précédents de ce compte.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Solde rapproché</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aucun rapprochement pour l’instant. Rapprochez votre compte depuis le registre pour voir l’historique ici.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historique des rapprochements — %1</translation>
    </message>
    <message>
        <source>MMM d, yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>MMM d, yyyy h:mm ap</source>
        <translation>d MMM yyyy HH:mm</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Pt.</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Date du relevé :</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Solde du relevé :</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Dépôts pointés</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Retraits pointés</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Solde précédent</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminer le rapprochement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Ajouter une opération</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Ajouter une opération (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Modifier l’opération sélectionnée (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Supprimer l’opération sélectionnée (Suppr)</translation>
    </message>
    <message>
        <source>Statement Balance Owed:</source>
        <translation>Solde dû du relevé :</translation>
    </message>
    <message>
        <source>Cleared Payments</source>
        <translation>Paiements pointés</translation>
    </message>
    <message>
        <source>Cleared Charges</source>
        <translation>Débits pointés</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Rapprochement terminé</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Le compte a été rapproché.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed, deleted or reconciled elsewhere after this list was loaded.</source>
        <translation type="vanished">« %1 » a été modifiée, supprimée ou rapprochée ailleurs après le chargement de cette liste.</translation>
    </message>
    <message>
        <source>The ticked transactions as stored do not add up to the statement balance.</source>
        <translation>Les opérations cochées, telles qu’enregistrées, ne correspondent pas au solde du relevé.</translation>
    </message>
    <message>
        <source>The balances are too large to compute.</source>
        <translation>Les soldes sont trop grands pour être calculés.</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Échec du rapprochement</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved, so nothing was changed.</source>
        <translation>Le rapprochement n’a pas pu être enregistré ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Reconciliation Not Finished</source>
        <translation>Rapprochement non terminé</translation>
    </message>
    <message>
        <source>Nothing was marked. The list has been reloaded: check the difference and finish again.</source>
        <translation>Rien n’a été marqué. La liste a été rechargée : vérifiez l’écart et terminez à nouveau.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Solde d&apos;ouverture</translation>
    </message>
    <message>
        <source>The opening balance can&apos;t be removed. Every account has one.

To clear it, set it to zero in the account&apos;s settings.</source>
        <translation>Le solde d&apos;ouverture ne peut pas être supprimé. Chaque compte en possède un.

Pour l&apos;annuler, mettez-le à zéro dans les paramètres du compte.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Supprimer l’opération pour %1 ?</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>The transaction could not be deleted, so nothing was changed.</source>
        <translation>L&apos;opération n&apos;a pas pu être supprimée ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved: %1. Nothing was changed.</source>
        <translation>Le rapprochement n’a pas pu être enregistré : %1. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The transaction could not be deleted: %1. Nothing was changed.</source>
        <translation>L&apos;opération n&apos;a pas pu être supprimée : %1. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Modifier l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nouvelle opération récurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Mémoriser l&apos;opération</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Commencez à taper pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>Deux fois par mois</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Repeat every:</source>
        <translation>Intervalle :</translation>
    </message>
    <message>
        <source>First day:</source>
        <translation>Premier jour :</translation>
    </message>
    <message>
        <source>Second day:</source>
        <translation>Second jour :</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début :</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Avec date de fin</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Date de fin :</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Saisir automatiquement à l&apos;échéance</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Saisir à l&apos;avance :</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Dernier jour</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>day</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>week</source>
        <translation>semaine</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>quarter</source>
        <translation>trimestre</translation>
    </message>
    <message>
        <source>quarters</source>
        <translation>trimestres</translation>
    </message>
    <message>
        <source>year</source>
        <translation>an</translation>
    </message>
    <message>
        <source>years</source>
        <translation>ans</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the category.</source>
        <translation>« %1 » ne désigne pas une seule catégorie. Choisissez-en une dans la liste ou videz la catégorie.</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Prochaine échéance</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Semi-monthly (%1 &amp; %2)</source>
        <translation>Bimensuel (%1 et %2)</translation>
    </message>
    <message>
        <source>Every %1 days</source>
        <translation>Tous les %1 jours</translation>
    </message>
    <message>
        <source>Every %1 weeks</source>
        <translation>Toutes les %1 semaines</translation>
    </message>
    <message>
        <source>Every %1 months</source>
        <translation>Tous les %1 mois</translation>
    </message>
    <message>
        <source>Every %1 years</source>
        <translation>Tous les %1 ans</translation>
    </message>
    <message>
        <source>%1 (×%2)</source>
        <translation>%1 (×%2)</translation>
    </message>
    <message>
        <source>last day</source>
        <translation>dernier jour</translation>
    </message>
    <message>
        <source>daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>biweekly</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <source>semimonthly</source>
        <translation>Deux fois par mois</translation>
    </message>
    <message>
        <source>quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>semi_annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>annual</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1e</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmer toutes les échues</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Saisir les 7 prochains jours</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nouvelle récurrente</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 échues)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmer</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>Saisir en &amp;avance...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Confirm Failed</source>
        <translation>Échec de la confirmation</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be entered. Check its account, its dates and its transfer account.</source>
        <translation>« %1 » n’a pas pu être saisie. Vérifiez son compte, ses dates et son compte de virement.</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>Saisir « %1 » maintenant, datée du %2 ? L’opération porte sa date d’échéance ; vous pourrez la modifier ou la supprimer plus tard.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Saisir en avance</translation>
    </message>
    <message>
        <source>Skip Failed</source>
        <translation>Échec de l’omission</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped.</source>
        <translation>« %1 » n’a pas pu être ignorée.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Supprimer l’opération récurrente « %1 » ?</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>« %1 » n’a pas pu être supprimée.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Échec de l’enregistrement</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved, so nothing was changed.

Your entries are still in the form.</source>
        <translation>L’opération récurrente n’a pas pu être enregistrée ; rien n’a été modifié.

Vos saisies sont toujours dans le formulaire.</translation>
    </message>
    <message>
        <source>Recurring Transaction Deleted</source>
        <translation type="vanished">Opération récurrente supprimée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was deleted elsewhere, so your changes were not saved.</source>
        <translation type="vanished">« %1 » a été supprimée ailleurs ; vos modifications n’ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>Saisir toutes les opérations récurrentes échues dans les 7 prochains jours ? Elles portent leurs dates d’échéance ; vous pourrez les modifier ou les supprimer plus tard.</translation>
    </message>
    <message>
        <source>Some recurring transactions could not be entered. Check their accounts, dates and transfer accounts.</source>
        <translation>Certaines opérations récurrentes n’ont pas pu être saisies. Vérifiez leurs comptes, dates et comptes de virement.</translation>
    </message>
    <message>
        <source>MMM d, yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped: %2.</source>
        <translation>« %1 » n’a pas pu être ignorée : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2.</source>
        <translation>« %1 » n’a pas pu être supprimée : %2.</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved: %1. Nothing was changed.

Your entries are still in the form.</source>
        <translation>L’opération récurrente n’a pas pu être enregistrée : %1. Rien n’a été modifié.

Vos saisies sont toujours dans le formulaire.</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>The recurring transactions could not be entered: %1. None of them were entered.</source>
        <translation>Les opérations récurrentes n&apos;ont pas pu être saisies : %1. Aucune n&apos;a été saisie.</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>RegisterFilterDialog</name>
    <message>
        <source>Filters</source>
        <translation>Filtres</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointées</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointées</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Statut :</translation>
    </message>
    <message>
        <source>Limit to a date range</source>
        <translation>Limiter à une période</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Dates :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N° chèque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Pt.</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilation—</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Bénéficiaire / Note</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nouvelle opération</translation>
    </message>
    <message>
        <source>Add a transaction using the full form</source>
        <translation>Ajouter une opération avec le formulaire complet</translation>
    </message>
    <message>
        <source>&amp;Reconcile</source>
        <translation>&amp;Rapprocher</translation>
    </message>
    <message>
        <source>No, it is a credit</source>
        <translation type="vanished">Non, c&apos;est un avoir</translation>
    </message>
    <message>
        <source>Yes, I owe this</source>
        <translation type="vanished">Oui, je dois ce montant</translation>
    </message>
    <message>
        <source>The opening balance could not be corrected.</source>
        <translation>Le solde d&apos;ouverture n&apos;a pas pu être corrigé.</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1 : enregistrer  |  Entrée : suivant  |  %2 : supprimer  |  %3 : mémoriser  |  &apos; : copier du dessus</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>Afficher les colonnes</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Réinitialiser la disposition du registre</translation>
    </message>
    <message>
        <source>Fi&amp;lter (%1)</source>
        <translation>Fi&amp;ltres (%1)</translation>
    </message>
    <message>
        <source>Filters are applied. Click to change or clear them.</source>
        <translation>Des filtres sont appliqués. Cliquez pour les modifier ou les effacer.</translation>
    </message>
    <message>
        <source>Fi&amp;lter</source>
        <translation>Fi&amp;ltres</translation>
    </message>
    <message>
        <source>Filter which transactions are listed</source>
        <translation>Filtrer les opérations affichées</translation>
    </message>
    <message>
        <source>This account&apos;s opening balance is recorded as a credit of %1. If you meant that you owe %1, Tallyra can correct it.</source>
        <translation type="vanished">Le solde d&apos;ouverture de ce compte est enregistré comme un avoir de %1. Si vous vouliez indiquer que vous devez %1, Tallyra peut le corriger.</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Saisissez un montant de paiement ou de dépôt</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte du virement introuvable</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Les virements exigent que les deux comptes utilisent la même devise</translation>
    </message>
    <message>
        <source>The transaction could not be saved. Your entries are still in the row.</source>
        <translation type="vanished">L&apos;opération n&apos;a pas pu être enregistrée. Vos saisies sont toujours dans la ligne.</translation>
    </message>
    <message>
        <source>Saved. It isn&apos;t listed because of the current filter.</source>
        <translation>Enregistrée. Elle n&apos;apparaît pas dans la liste en raison du filtre actuel.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Solde d&apos;ouverture</translation>
    </message>
    <message>
        <source>This account&apos;s opening balance is held on the account itself.

Set it in the account&apos;s settings.</source>
        <translation>Le solde d&apos;ouverture de ce compte est enregistré dans le compte lui-même.

Définissez-le dans les paramètres du compte.</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Champs effacés</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Mémorisation impossible : l&apos;opération source a une date non valide</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Opération mémorisée comme récurrente</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation type="vanished">L&apos;opération récurrente n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insérer une ligne</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nouvelle opération...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Modifier dans une fenêtre...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Afficher les &amp;détails...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Modifier la &amp;ventilation...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>&amp;Ventiler l&apos;opération...</translation>
    </message>
    <message>
        <source>D&amp;uplicate...</source>
        <translation>D&amp;upliquer...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marquer comme non &amp;pointée</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marquer comme &amp;pointée</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation type="vanished">L&apos;opération n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount: this account&apos;s currency has no decimals.</source>
        <translation>« %1 » n&apos;est pas un montant : la devise de ce compte n&apos;a pas de décimales.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>« %1 » n&apos;est pas un montant.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.

Your entries are still in the form.</source>
        <translation>L’opération récurrente n’a pas pu être enregistrée.

Vos saisies sont toujours dans le formulaire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list or clear the Category cell.</source>
        <translation>« %1 » ne désigne pas une seule catégorie. Choisissez-en une dans la liste ou videz la cellule Catégorie.</translation>
    </message>
    <message>
        <source>The transaction could not be saved: %1. Your entries are still in the row.</source>
        <translation>L&apos;opération n&apos;a pas pu être enregistrée : %1. Vos saisies sont toujours dans la ligne.</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved: %1.

Your entries are still in the form.</source>
        <translation>L’opération récurrente n’a pas pu être enregistrée : %1.

Vos saisies sont toujours dans le formulaire.</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Non catégorisé</translation>
    </message>
</context>
<context>
    <name>ReportTransactionsModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Synthèse par bénéficiaire</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Rapport fiscal</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Revenus et dépenses</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Synthèse des comptes</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparer :</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Cette année et l&apos;année dernière</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>L&apos;année dernière et la précédente</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Ce trimestre et le précédent</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1 :</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2 :</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1 : %1 – %2    P2 : %3 – %4</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Comparaison annuelle</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>This report cannot be shown: a total is too large to compute.</source>
        <translation>Ce rapport ne peut pas être affiché : un total est trop grand.</translation>
    </message>
    <message>
        <source>This report cannot be shown: the data could not be read.</source>
        <translation>Ce rapport ne peut pas être affiché : les données n&apos;ont pas pu être lues.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Échec de l&apos;exportation</translation>
    </message>
    <message>
        <source>The report could not be written to %1:
%2</source>
        <translation>Le rapport n&apos;a pas pu être écrit dans %1 :
%2</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mois dernier</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Ce trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre précédent</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>L&apos;année dernière</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Toute la période</translation>
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
        <translation>Paie de la quinzaine</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salaire / Rémunération</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Loyer mensuel</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Loyer/Crédit immobilier</translation>
    </message>
    <message>
        <source>Fresh Basket Market</source>
        <translation>Fresh Basket Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Courses de la semaine</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Épicerie</translation>
    </message>
    <message>
        <source>Quickfill Gas</source>
        <translation>Quickfill Gas</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transports</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Metro Power &amp; Light</source>
        <translation>Metro Power &amp; Light</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Facture d&apos;électricité</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Factures</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>City Water Department</source>
        <translation>Service municipal des eaux</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Facture d&apos;eau</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>StreamFlix</source>
        <translation>StreamFlix</translation>
    </message>
    <message>
        <source>Monthly subscription</source>
        <translation>Abonnement mensuel</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
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
        <translation>Dîner</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Repas à l&apos;extérieur</translation>
    </message>
    <message>
        <source>Fiberlink Internet</source>
        <translation>Fiberlink Internet</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Abonnement Internet</translation>
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
        <translation>Prime d&apos;assurance auto</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurances</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Hope Community Fund</source>
        <translation>Hope Community Fund</translation>
    </message>
    <message>
        <source>Donation</source>
        <translation>Don</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>Dons caritatifs</translation>
    </message>
    <message>
        <source>Lakeside Family Clinic</source>
        <translation>Lakeside Family Clinic</translation>
    </message>
    <message>
        <source>Doctor visit copay</source>
        <translation>Consultation médicale (reste à charge)</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <source>Lunch with friends</source>
        <translation>Déjeuner entre amis</translation>
    </message>
    <message>
        <source>Bookworm Online</source>
        <translation>Bookworm Online</translation>
    </message>
    <message>
        <source>Course textbook</source>
        <translation>Manuel de cours</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Frais d&apos;études</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Versement d&apos;intérêts</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>TechHub Electronics</source>
        <translation>TechHub Electronics</translation>
    </message>
    <message>
        <source>Wireless headphones</source>
        <translation>Casque sans fil</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <source>CloudBox Storage</source>
        <translation>CloudBox Storage</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Forfait de stockage en ligne</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Déjeuner</translation>
    </message>
    <message>
        <source>PagePass Audiobooks</source>
        <translation>PagePass Audiobooks</translation>
    </message>
    <message>
        <source>Phone charger</source>
        <translation>Chargeur de téléphone</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Solde d&apos;ouverture</translation>
    </message>
    <message>
        <source>Main Checking</source>
        <translation>Compte courant principal</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
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
        <translation>Épargne mensuelle</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Virement vers Épargne</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Virement depuis Compte courant</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Paiement - Merci</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Paiement de la carte de crédit</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Données d&apos;exemple supprimées</translation>
    </message>
    <message>
        <source>Sample data cleared. These sample accounts stay because they hold your own entries: %1</source>
        <translation>Données d&apos;exemple supprimées. Ces comptes d&apos;exemple sont conservés car ils contiennent vos propres saisies : %1</translation>
    </message>
    <message>
        <source>The sample data could not be loaded: %1. Nothing was added.</source>
        <translation>Les données d&apos;exemple n&apos;ont pas pu être chargées : %1. Rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared: %1. Nothing was removed.</source>
        <translation>Les données d&apos;exemple n&apos;ont pas pu être effacées : %1. Rien n&apos;a été supprimé.</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Rechercher un bénéficiaire, une note, un numéro de chèque...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Pointées seulement</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
    <message>
        <source>Transaction Changed</source>
        <translation type="vanished">Opération modifiée</translation>
    </message>
    <message>
        <source>This transaction was changed or deleted after the search. The list now shows what is stored.</source>
        <translation type="vanished">Cette opération a été modifiée ou supprimée après la recherche. La liste affiche maintenant ce qui est enregistré.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Afficher les &amp;détails...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Modifier la &amp;ventilation...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>&amp;Ventiler l&apos;opération...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Modifier dans une fenêtre...</translation>
    </message>
    <message>
        <source>D&amp;uplicate...</source>
        <translation>D&amp;upliquer...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marquer comme non &amp;pointée</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marquer comme &amp;pointée</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Données et synchronisation</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Control how Lumora Tallyra looks.</source>
        <translation>Définissez l&apos;apparence de Lumora Tallyra.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Valeur par défaut du système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Choose accent color</source>
        <translation>Choisir la couleur d’accent</translation>
    </message>
    <message>
        <source>Accent color</source>
        <translation>Couleur d’accent</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Très grande</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Préférences de date et de calendrier.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>La semaine commence le</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Comment les opérations apparaissent dans le registre.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Lignes sur deux lignes</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Afficher le mémo sur une seconde ligne sous le bénéficiaire.</translation>
    </message>
    <message>
        <source>Auto-decimal point</source>
        <translation>Virgule décimale automatique</translation>
    </message>
    <message>
        <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
        <translation>Tapez 1234 pour saisir 12,34. Les deux derniers chiffres sont toujours les centimes.</translation>
    </message>
    <message>
        <source>Highlight overdrawn rows</source>
        <translation>Mettre en évidence les lignes à découvert</translation>
    </message>
    <message>
        <source>Shades the whole row when the running balance is below zero. The balance itself is always shown in red, so you can turn this off and still spot it. Credit cards and loans are never shaded.</source>
        <translation>Ombre toute la ligne lorsque le solde courant est inférieur à zéro. Le solde lui-même est toujours affiché en rouge : vous pouvez désactiver cette option et le repérer quand même. Les cartes de crédit et les prêts ne sont jamais ombrés.</translation>
    </message>
    <message>
        <source>Current balance</source>
        <translation>Solde actuel</translation>
    </message>
    <message>
        <source>Cleared balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <source>Balance as of today</source>
        <translation>Solde à ce jour</translation>
    </message>
    <message>
        <source>Account list shows</source>
        <translation>La liste des comptes affiche</translation>
    </message>
    <message>
        <source>Cleared counts only transactions you have marked cleared. Balance as of today leaves out anything dated later, such as scheduled bills.</source>
        <translation>Pointé ne compte que les opérations que vous avez pointées. Solde à ce jour exclut tout ce qui est daté plus tard, comme les factures prévues.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Définissez l&apos;ordre des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Afficher les opérations les plus récentes en premier</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Lorsque cette option est activée, les opérations les plus récentes apparaissent en haut.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Keep your tallyra in sync across all your devices.</source>
        <translation>Gardez votre Tallyra synchronisé sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forcer une synchronisation complète</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sauvegarde et restauration</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Enregistrez ou restaurez vos données dans un fichier de sauvegarde portable.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exporter une sauvegarde</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importer une sauvegarde</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Comptes supprimés</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Les comptes que vous avez supprimés peuvent être restaurés ici.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurer la sélection</translation>
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
        <translation>Un registre Tallyra numérique pour suivre les finances du foyer.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Lumora Tallyra website</source>
        <translation>Site web de Lumora Tallyra</translation>
    </message>
    <message>
        <source>Get the mobile app</source>
        <translation>Obtenir l&apos;application mobile</translation>
    </message>
    <message>
        <source>Your data is kept in a database on this computer; it is synced only while you are signed in.</source>
        <translation>Vos données sont conservées dans une base de données sur cet ordinateur ; elles ne sont synchronisées que lorsque vous êtes connecté.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Langue modifiée</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Lumora Tallyra.</source>
        <translation>La nouvelle langue prendra effet au prochain démarrage de Lumora Tallyra.</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Lumora Account to enable sync.</source>
        <translation>Non connecté.
Connectez-vous via Fichier › Compte Lumora pour activer la synchronisation.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Connecté en tant que :&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;État :&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Jamais synchronisé</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Dernière synchronisation : %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Erreur : %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Toutes les données locales seront à nouveau envoyées au serveur et toutes les données du serveur à nouveau téléchargées. Utilisez cette option si les données semblent désynchronisées entre vos appareils.

Continuer ?</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Fichiers ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sauvegarde enregistrée dans :
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Échec de la sauvegarde</translation>
    </message>
    <message>
        <source>The backup archive could not be created.</source>
        <translation>L&apos;archive de sauvegarde n&apos;a pas pu être créée.</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation type="vanished">Impossible d&apos;écrire dans :
%1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Tout remplacer par les données de la sauvegarde</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Conserver le plus récent (comparer les horodatages)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Ignorer les éléments existants</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Mode d&apos;importation</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Que faire des données existantes ?</translation>
    </message>
    <message>
        <source>Replace Data</source>
        <translation>Remplacer les données</translation>
    </message>
    <message>
        <source>Every row in the backup will replace the stored row of the same item, including changes made since the backup was saved. This cannot be undone.

Continue?</source>
        <translation>Chaque ligne de la sauvegarde remplacera la ligne enregistrée du même élément, y compris les modifications faites depuis la sauvegarde. Cette action est irréversible.

Continuer ?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 éléments importés, %2 ignorés.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n erreur s&apos;est produite.</numerusform>
            <numerusform>

%n erreurs se sont produites.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Échec de la restauration</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored. Nothing was changed.</source>
        <translation>Le compte « %1 » n&apos;a pas pu être restauré. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>MMM d, h:mm ap</source>
        <translation>d MMM, HH:mm</translation>
    </message>
    <message>
        <source>Could not write to:
%1

%2</source>
        <translation>Impossible d&apos;écrire dans :
%1

%2</translation>
    </message>
    <message>
        <source>The backup archive could not be created: %1.</source>
        <translation>L&apos;archive de sauvegarde n&apos;a pas pu être créée : %1.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored: %2. Nothing was changed.</source>
        <translation>Le compte « %1 » n&apos;a pas pu être restauré : %2. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Ventiler l&apos;opération</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total : %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Restant : %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the line&apos;s category.</source>
        <translation>« %1 » ne désigne pas une seule catégorie. Choisissez-en une dans la liste ou videz la catégorie de la ligne.</translation>
    </message>
    <message>
        <source>Choose a category for every split line.</source>
        <translation>Choisissez une catégorie pour chaque ligne de ventilation.</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Ajouter une ligne</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Supprimer</translation>
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
        <translation>Hors ligne</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n compte</numerusform>
            <numerusform>%n comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n récurrente à échéance</numerusform>
            <numerusform>  •  %n récurrentes à échéance</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisé</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Erreur de synchronisation</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Échec de l&apos;envoi (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Échec de la réception (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (%1)</source>
        <translation>Échec de la réception (%1)</translation>
    </message>
</context>
<context>
    <name>TransactionActions</name>
    <message>
        <source>Save Failed</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>The transaction could not be saved, so nothing was changed.

Your entries are still in the form.</source>
        <translation type="vanished">L&apos;opération n&apos;a pas pu être enregistrée ; rien n&apos;a été modifié.

Vos saisies sont toujours dans le formulaire.</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Virement</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Ventiler l&apos;opération</translation>
    </message>
    <message>
        <source>Choose a category for every split line.</source>
        <translation>Choisissez une catégorie pour chaque ligne de ventilation.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Solde d&apos;ouverture</translation>
    </message>
    <message>
        <source>The opening balance can&apos;t be removed. Every account has one.

To clear it, set it to zero in the account&apos;s settings.</source>
        <translation>Le solde d&apos;ouverture ne peut pas être supprimé. Chaque compte en possède un.

Pour l&apos;annuler, mettez-le à zéro dans les paramètres du compte.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Supprimer « %1 » d&apos;un montant de %2 ?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement « %1 » d&apos;un montant de %2 ?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>The transaction could not be deleted, so nothing was changed.</source>
        <translation>L&apos;opération n&apos;a pas pu être supprimée ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte du virement introuvable</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Les virements exigent que les deux comptes utilisent la même devise</translation>
    </message>
    <message>
        <source>A transfer can&apos;t be split across categories</source>
        <translation>Un virement ne peut pas être ventilé sur plusieurs catégories</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Virement vers %1</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Virement depuis %1</translation>
    </message>
    <message>
        <source>Transaction Changed</source>
        <translation type="vanished">Opération modifiée</translation>
    </message>
    <message>
        <source>This transaction was changed or deleted elsewhere in the meantime, so nothing was written.

What is stored now is shown again.</source>
        <translation type="vanished">Cette opération a été modifiée ou supprimée ailleurs entre-temps ; rien n&apos;a donc été enregistré.

Ce qui est enregistré maintenant est de nouveau affiché.</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved.</source>
        <translation type="vanished">Le pointage n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Check the Entries</source>
        <translation>Vérifiez les saisies</translation>
    </message>
    <message>
        <source>The transaction could not be saved: %1. Nothing was changed.

Your entries are still in the form.</source>
        <translation>L&apos;opération n&apos;a pas pu être enregistrée : %1. Rien n&apos;a été modifié.

Vos saisies sont toujours dans le formulaire.</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved: %1.</source>
        <translation>Le pointage n&apos;a pas pu être enregistré : %1.</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Détails de l&apos;opération</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilation—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque :</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Virement vers :</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Statut :</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Saisie : %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Dernière modification : %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Duplicate...</source>
        <translation>Dupliquer...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Supprimer...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Lignes de ventilation</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(aucune ligne de ventilation enregistrée)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(sans catégorie)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation type="vanished">Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved.</source>
        <translation type="vanished">Le pointage n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Rapprochée</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointée</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marquer comme non pointée</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marquer comme pointée</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>This is the account&apos;s opening balance. Changing the amount or date shifts every balance after it.</source>
        <translation>Il s&apos;agit du solde d&apos;ouverture du compte. Modifier le montant ou la date décale tous les soldes suivants.</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Virement</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Commencez à taper pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>No other account in this currency to transfer into</source>
        <translation>Aucun autre compte dans cette devise vers lequel effectuer un virement</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Ventiler...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Ventiler cette opération sur plusieurs catégories, chacune avec son propre montant et sa propre note.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Utiliser une seule catégorie</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Abandonner la ventilation et revenir à une opération avec une seule catégorie.</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque :</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1 (supprimée)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilation—</translation>
    </message>
    <message>
        <source>(account no longer available)</source>
        <translation>(ce compte n&apos;est plus disponible)</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Restant : %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the line&apos;s category.</source>
        <translation>« %1 » ne désigne pas une seule catégorie. Choisissez-en une dans la liste ou videz la catégorie de la ligne.</translation>
    </message>
    <message>
        <source>The split lines add up to %1, but the total is %2. Change the lines or the amount so that nothing remains.</source>
        <translation>Les lignes de ventilation totalisent %1, mais le total est de %2. Modifiez les lignes ou le montant pour qu&apos;il ne reste rien.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the category.</source>
        <translation>« %1 » ne désigne pas une seule catégorie. Choisissez-en une dans la liste ou videz la catégorie.</translation>
    </message>
</context>
<context>
    <name>TransactionRepository</name>
    <message>
        <source>Opening Balance</source>
        <translation>Solde d&apos;ouverture</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Votre session a expiré. Reconnectez-vous pour continuer la synchronisation.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Fonctionne entièrement hors ligne. Vos données restent sur cet appareil.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Comment ça marche</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Ajoutez un compte (courant, épargne, carte de crédit ou tout autre compte à suivre).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Saisissez les opérations au fil de vos dépenses.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Rapprochez vos comptes à la réception du relevé.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Bon retour</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Connectez-vous pour garder vos données synchronisées sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Créer un autre compte</translation>
    </message>
    <message>
        <source>Welcome to
Lumora Tallyra</source>
        <translation>Bienvenue dans
Lumora Tallyra</translation>
    </message>
    <message>
        <source>A digital tallyra register.</source>
        <translation>Un registre tallyra numérique.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Vous avez déjà un compte ? Connectez-vous</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Créez votre premier compte</translation>
    </message>
</context>
<context>
    <name>WriteResultPrompt</name>
    <message>
        <source>Transaction Changed</source>
        <translation>Opération modifiée</translation>
    </message>
    <message>
        <source>This transaction was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>Cette opération a été modifiée ou supprimée ailleurs. Elle a été rechargée.</translation>
    </message>
    <message>
        <source>Recurring Transaction Changed</source>
        <translation>Transaction récurrente modifiée</translation>
    </message>
    <message>
        <source>This recurring transaction was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>Cette transaction récurrente a été modifiée ou supprimée ailleurs. Elle a été rechargée.</translation>
    </message>
    <message>
        <source>Account Changed</source>
        <translation>Compte modifié</translation>
    </message>
    <message>
        <source>This account was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>Ce compte a été modifié ou supprimé ailleurs. Il a été rechargé.</translation>
    </message>
    <message>
        <source>Reconciliation Changed</source>
        <translation>Rapprochement modifié</translation>
    </message>
    <message>
        <source>A transaction in this reconciliation was changed or deleted elsewhere. The reconciliation has been reloaded.</source>
        <translation>Une transaction de ce rapprochement a été modifiée ou supprimée ailleurs. Le rapprochement a été rechargé.</translation>
    </message>
    <message>
        <source>Account Deleted</source>
        <translation>Compte supprimé</translation>
    </message>
    <message>
        <source>This account was deleted elsewhere, so nothing was written to it.</source>
        <translation>Ce compte a été supprimé ailleurs, rien n’y a donc été écrit.</translation>
    </message>
    <message>
        <source>Category Changed</source>
        <translation>Catégorie modifiée</translation>
    </message>
    <message>
        <source>This category was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>Cette catégorie a été modifiée ou supprimée ailleurs. Elle a été rechargée.</translation>
    </message>
</context>
</TS>
