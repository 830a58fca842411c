<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>This account already has an opening balance. Changing the amount or date shifts every balance after it.</source>
        <translation>Esta cuenta ya tiene un saldo inicial. Cambiar el importe o la fecha modifica todos los saldos posteriores.</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nombre de la cuenta</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Cuenta corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorros</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Préstamo</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
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
        <translation>&amp;Moneda:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Saldo &amp;inicial:</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nombre del banco (opcional)</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Entidad:</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Últimos 4 dígitos (opcional)</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>&amp;Número de cuenta:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance (Amount Owed):</source>
        <translation>Saldo &amp;inicial (importe adeudado):</translation>
    </message>
    <message>
        <source>This account has transactions in %1. Its currency can only change to one with the same number of decimal places.</source>
        <translation>Esta cuenta tiene transacciones en %1. Su moneda solo puede cambiar a otra con el mismo número de decimales.</translation>
    </message>
    <message>
        <source>Currency Not Changed</source>
        <translation>Moneda sin cambiar</translation>
    </message>
</context>
<context>
    <name>AccountType</name>
    <message>
        <source>Checking</source>
        <translation>Cuenta corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorros</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Préstamo</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Error de base de datos</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>No se pudo inicializar la base de datos.

Directorio de datos: %1

Compruebe los permisos de los archivos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The database is in use by another program.

Data directory: %1

Please close the other program and try again.</source>
        <translation>La base de datos está siendo utilizada por otro programa.

Directorio de datos: %1

Cierre el otro programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>Ya está en ejecución</translation>
    </message>
    <message>
        <source>Tallyra is already running with this data folder.</source>
        <translation>Tallyra ya se está ejecutando con esta carpeta de datos.</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1</source>
        <translation>No se pudo inicializar la base de datos.

Directorio de datos: %1</translation>
    </message>
    <message>
        <source>Failed to initialize the database: %1.

Data directory: %2</source>
        <translation>No se pudo inicializar la base de datos: %1.

Directorio de datos: %2</translation>
    </message>
    <message>
        <source>Failed to initialize the database: the disk is full.

Data directory: %1

Please free some space on the disk and try again.</source>
        <translation>No se pudo inicializar la base de datos: el disco está lleno.

Directorio de datos: %1

Libere espacio en el disco e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>No se pudo abrir el archivo ZIP</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Copia de seguridad no válida: falta manifest.json</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Versión de copia de seguridad no compatible: %1</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: error inesperado</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON no válido</translation>
    </message>
    <message>
        <source>The backup could not be restored. No data was changed.</source>
        <translation type="vanished">No se pudo restaurar la copia de seguridad. No se ha modificado ningún dato.</translation>
    </message>
    <message>
        <source>%1: too large</source>
        <translation>%1: demasiado grande</translation>
    </message>
    <message>
        <source>%1: damaged</source>
        <translation>%1: dañado</translation>
    </message>
    <message>
        <source>Invalid backup: %1 entries named manifest.json</source>
        <translation>Copia de seguridad no válida: %1 entradas llamadas manifest.json</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1. No data was changed.</source>
        <translation>No se pudo restaurar la copia de seguridad: %1. No se ha modificado ningún dato.</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number in range</source>
        <translation>%1: %2 no es un número entero dentro del intervalo admitido</translation>
    </message>
</context>
<context>
    <name>BrowserFailureDialog</name>
    <message>
        <source>No Browser</source>
        <translation>Sin navegador</translation>
    </message>
    <message>
        <source>No web browser could be opened. Open this address in your browser:</source>
        <translation>No se pudo abrir ningún navegador web. Abra esta dirección en su navegador:</translation>
    </message>
</context>
<context>
    <name>BulkWriteTransaction</name>
    <message>
        <source>the database rolled the changes back</source>
        <translation type="vanished">la base de datos ha deshecho los cambios</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="vanished">el disco está lleno</translation>
    </message>
    <message>
        <source>the data is in use by another program</source>
        <translation type="vanished">los datos están siendo utilizados por otro programa</translation>
    </message>
    <message>
        <source>the database could not write the changes</source>
        <translation type="vanished">la base de datos no pudo escribir los cambios</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Buscar categorías...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Nueva categoría</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nueva categoría</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>Añadir &amp;subcategoría</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>The category could not be saved, so nothing was changed.

Your entries are still in the form.</source>
        <translation>No se pudo guardar la categoría, así que no se modificó nada.

Sus datos siguen en el formulario.</translation>
    </message>
    <message>
        <source>Category Changed</source>
        <translation type="vanished">Categoría modificada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed or deleted elsewhere, so nothing was saved. The list now shows what is stored.</source>
        <translation type="vanished">«%1» se modificó o eliminó en otro lugar, así que no se guardó nada. La lista muestra ahora lo que está guardado.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>¿Eliminar «%1»? Las transacciones que usan esta categoría quedarán sin categoría.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Eliminar categoría</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Error al eliminar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>No se pudo eliminar «%1».</translation>
    </message>
    <message>
        <source>The category could not be saved: %1. Nothing was changed.

Your entries are still in the form.</source>
        <translation>No se pudo guardar la categoría: %1. No se modificó nada.

Sus datos siguen en el formulario.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2.</source>
        <translation>No se pudo eliminar «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nueva subcategoría</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Editar categoría</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>&amp;Superior:</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nombre de la categoría</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Gasto</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Relevante para impuestos</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Incluir esta categoría en los informes para la declaración de impuestos.</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Código fiscal:</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>p. ej. charitable_contributions, mortgage_interest</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Donativos</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Gastos médicos</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Gastos profesionales</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Oficina en casa</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Gastos de educación</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impuestos estatales y locales</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intereses hipotecarios</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Impuesto sobre bienes inmuebles</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Alquiler/Hipoteca</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Cuotas de comunidad</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Suministros</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Combustible</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Préstamo del automóvil</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Seguro del automóvil</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transporte público</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Comestibles</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Comer fuera</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Cuidado personal</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Mascotas</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Regalos</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Ocio</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cine</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Compras</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Ropa</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Hogar</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vida</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hogar/Inquilino</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automóvil</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Comisiones y cargos</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Comisiones bancarias</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Comisiones de cajero</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Recargos por demora</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Sueldo / Salario</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Ingresos por intereses</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Ingresos por dividendos</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Ingresos por alquiler</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Trabajo autónomo / Consultoría</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Reembolsos</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Regalos recibidos</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Otros ingresos</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
    <message>
        <source>income</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>transfer</source>
        <translation>Transferencia</translation>
    </message>
    <message>
        <source>expense</source>
        <translation>Gasto</translation>
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
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the data is in use by another program</source>
        <translation>los datos están siendo utilizados por otro programa</translation>
    </message>
    <message>
        <source>the database could not write the changes</source>
        <translation>la base de datos no pudo escribir los cambios</translation>
    </message>
    <message>
        <source>the database rolled the changes back</source>
        <translation>la base de datos ha deshecho los cambios</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
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
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Cuenta:</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Asignación de columnas CSV:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Columna de fecha:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Columna de beneficiario:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Columna de importe:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Columna de nota:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Columna de categoría:</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Detectar automáticamente</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Mes D, AAAA (May 14, 2026)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Formato de fecha:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La primera fila es el encabezado</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>Cuentas de origen QIF:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Elija dónde importar cada cuenta de Quicken. Las transferencias entre las cuentas asignadas de los archivos seleccionados se vincularán automáticamente.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Preview Failed</source>
        <translation>Error en la vista previa</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no rows to import.</source>
        <translation>El archivo «%1» no contiene filas para importar.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened.</source>
        <translation>No se pudo abrir el archivo «%1».</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1: %2</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Seleccionar archivo(s) QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Archivos QIF (*.qif)</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n archivo seleccionado</numerusform>
            <numerusform>%n archivos seleccionados</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analizando archivo(s) QIF...</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Crear cuenta nueva «%1» —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Omitir estas transacciones —</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Sin cuenta de destino</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Elija una cuenta en la que importar o cree una ahora.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error de importación</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened. Nothing was imported.</source>
        <translation>No se pudo abrir el archivo «%1». No se importó nada.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>La importación ha fallado.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be created. No transactions were added.</source>
        <translation>No se pudo crear la cuenta «%1». No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Un error de la base de datos detuvo la importación y se deshicieron todos los cambios. No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>¡Importación completada!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transacción importada</numerusform>
            <numerusform>%n transacciones importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n transferencia vinculada entre cuentas</numerusform>
            <numerusform>%n transferencias vinculadas entre cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (incluida %n vinculada a una fila importada antes)</numerusform>
            <numerusform>  (incluidas %n vinculadas a filas importadas antes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicado omitido</numerusform>
            <numerusform>%n duplicados omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n registro omitido (ilegible)</numerusform>
            <numerusform>%n registros omitidos (ilegibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n registro de metadatos omitido</numerusform>
            <numerusform>%n registros de metadatos omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n registro omitido (cuenta de origen sin asignar)</numerusform>
            <numerusform>%n registros omitidos (cuenta de origen sin asignar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n registro omitido (error de base de datos — ver registro)</numerusform>
            <numerusform>%n registros omitidos (error de base de datos — ver registro)</numerusform>
        </translation>
    </message>
    <message>
        <source>An account chosen for this import was deleted elsewhere. No transactions were added.</source>
        <translation>Una cuenta elegida para esta importación se eliminó en otro lugar. No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>The import stopped and all changes were rolled back: %1. No transactions were added.</source>
        <translation>La importación se detuvo y se deshicieron todos los cambios: %1. No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: the row that starts on line %2 is longer than %3 characters.</source>
        <translation>No se leyó el archivo «%1»: la fila que empieza en la línea %2 tiene más de %3 caracteres.</translation>
    </message>
    <message>
        <source>The file was not read: the row that starts on line %1 is longer than %2 characters. No transactions were added.</source>
        <translation type="vanished">No se leyó el archivo: la fila que empieza en la línea %1 tiene más de %2 caracteres. No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>Row %1: no cell in the date column (Col %2)</source>
        <translation>Fila %1: no hay celda en la columna de fecha (Col. %2)</translation>
    </message>
    <message>
        <source>Row %1: no cell in the payee column (Col %2)</source>
        <translation>Fila %1: no hay celda en la columna de beneficiario (Col. %2)</translation>
    </message>
    <message>
        <source>Row %1: no cell in the amount column (Col %2)</source>
        <translation>Fila %1: no hay celda en la columna de importe (Col. %2)</translation>
    </message>
    <message>
        <source>Row %1: the date cell is empty</source>
        <translation>Fila %1: la celda de fecha está vacía</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not a date in any known format</source>
        <translation>Fila %1: «%2» no es una fecha en ningún formato conocido</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not a date in the format %3 or any known format</source>
        <translation>Fila %1: «%2» no es una fecha en el formato %3 ni en ningún formato conocido</translation>
    </message>
    <message>
        <source>Row %1: the amount cell is empty</source>
        <translation>Fila %1: la celda de importe está vacía</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not an amount</source>
        <translation>Fila %1: «%2» no es un importe</translation>
    </message>
    <message>
        <source>Row %1: the amount &quot;%2&quot; has decimals, which the account&apos;s currency does not have</source>
        <translation>Fila %1: el importe «%2» tiene decimales, que la moneda de la cuenta no tiene</translation>
    </message>
    <message>
        <source>Analysis Failed</source>
        <translation>Error en el análisis</translation>
    </message>
    <message>
        <source>%1 No transactions were added.</source>
        <translation>%1 No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: it is larger than %2 MB, the largest file an import reads.</source>
        <translation>No se leyó el archivo «%1»: ocupa más de %2 MB, el máximo que lee una importación.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: there is not enough memory to read it.</source>
        <translation>No se leyó el archivo «%1»: no hay memoria suficiente para leerlo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read to its end: %2.</source>
        <translation>No se pudo leer el archivo «%1» hasta el final: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: line %2 is longer than %3 characters.</source>
        <translation>No se leyó el archivo «%1»: la línea %2 tiene más de %3 caracteres.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: the record that starts on line %2 is longer than %3 characters.</source>
        <translation>No se leyó el archivo «%1»: el registro que empieza en la línea %2 tiene más de %3 caracteres.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was not read: the record that starts on line %2 has more than %3 split lines.</source>
        <translation>No se leyó el archivo «%1»: el registro que empieza en la línea %2 tiene más de %3 líneas de división.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sin encabezado de cuenta)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Transacción importada</translation>
    </message>
</context>
<context>
    <name>LumoAccount::AccountScreen</name>
    <message>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Datos y privacidad</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Información personal</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Editar nombre visible</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Cambie la contraseña de su cuenta.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Could not load your profile.</source>
        <translation>No se pudo cargar su perfil.</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Nombre visible:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>No se pudo actualizar el perfil.</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Nombre visible actualizado.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Contraseña actual:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Nueva contraseña (mín. 8 caracteres):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>La contraseña debe tener al menos 8 caracteres.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirme la nueva contraseña:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Contraseña cambiada.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>No se pudo cambiar la contraseña.</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Zona de peligro</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Elimine su cuenta de forma permanente. No se puede deshacer pasados 30 días.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Es el propietario del grupo. Transfiera la propiedad o quite a todos los miembros antes de eliminar su cuenta.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Su cuenta se eliminará de forma permanente pasados 30 días.

Escriba DELETE para confirmar:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>No se pudo eliminar la cuenta.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Eliminación de la cuenta programada</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Su cuenta se eliminará de forma permanente dentro de 30 días. Puede recuperarla iniciando sesión antes.</translation>
    </message>
    <message>
        <source>Could not load your group. Try again later.</source>
        <translation>No se pudo cargar su grupo. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Sin grupo</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>No forma parte de ningún grupo. El propietario del grupo puede invitarle, o puede unirse con un código de invitación.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Unirse con código de invitación</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 de %2 plazas ocupadas</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Abandonar el grupo</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Invitaciones pendientes</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Código de invitación: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revocar</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Invitar miembros</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Invitar por correo electrónico</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Generar código de invitación</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Unirse al grupo</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Introduzca el código de invitación:</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Código de invitación no válido o caducado.</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Se ha unido al grupo.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Dirección de correo electrónico:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>No se pudo enviar la invitación.</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitación enviada.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>No se pudo generar el código.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Código de invitación</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Comparta este código con la persona a la que quiere invitar:

%1</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitación revocada.</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>No se pudo revocar la invitación.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Quitar miembro</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>¿Quitar a %1 del grupo?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>Se ha quitado a %1.</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>No se pudo quitar a %1.</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>¿Abandonar este grupo? Perderá el acceso a los datos compartidos.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Ha abandonado el grupo.</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>No se pudo abandonar el grupo.</translation>
    </message>
    <message>
        <source>Could not load your devices. Try again later.</source>
        <translation>No se pudieron cargar sus dispositivos. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Dispositivos registrados</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Dispositivos que se han sincronizado con su cuenta.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>No hay dispositivos registrados.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Dispositivo desconocido</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Quitar dispositivo</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>¿Quitar %1?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Se ha quitado el dispositivo.</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>No se pudo quitar el dispositivo.</translation>
    </message>
    <message>
        <source>Could not load your sessions. Try again later.</source>
        <translation>No se pudieron cargar sus sesiones. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Sesiones activas</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sesiones que han iniciado sesión en su cuenta.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>No hay sesiones activas.</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Cliente desconocido</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Esta sesión</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Sesión revocada.</translation>
    </message>
    <message>
        <source>Failed to revoke session.</source>
        <translation>No se pudo revocar la sesión.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Activo ahora</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>hace %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>hace %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>hace %1 d</translation>
    </message>
</context>
<context>
    <name>LumoAccount::AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>No se pudo compartir la cuenta (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>LumoAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>No se pudo iniciar el servidor local de autenticación</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>No se recibieron tokens</translation>
    </message>
</context>
<context>
    <name>LumoAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>Personas con acceso</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Añadir personas</translation>
    </message>
    <message>
        <source>You are not in a family group yet. Create or join one on your account page to share accounts.</source>
        <translation>Todavía no pertenece a ningún grupo familiar. Cree uno o únase a uno en la página de su cuenta para compartir cuentas.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Todos los miembros del grupo ya tienen acceso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Todavía no se ha compartido con nadie.</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Quitar el acceso</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>No se pudo compartir con %1.</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>¿Quitar el acceso?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 ya no tendrá acceso. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>No se pudo quitar a %1.</translation>
    </message>
    <message>
        <source>Could not load who has access. Try again later.</source>
        <translation>No se pudo cargar quién tiene acceso. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Could not load your family group. Try again later.</source>
        <translation>No se pudo cargar su grupo familiar. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Could not load your profile. Try again later.</source>
        <translation>No se pudo cargar su perfil. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>No one can be added while it is unknown who has access.</source>
        <translation>No se puede añadir a nadie mientras se desconozca quién tiene acceso.</translation>
    </message>
</context>
<context>
    <name>LumoUpdate::Client</name>
    <message>
        <source>network error: %1</source>
        <translation>error de red: %1</translation>
    </message>
    <message>
        <source>manifest invalid: %1</source>
        <translation>descripción de versión no válida: %1</translation>
    </message>
</context>
<context>
    <name>LumoUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Hay una nueva versión de %1 disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Tiene la versión %1. La versión más reciente es %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando las notas de la versión…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*No hay notas de la versión disponibles para esta versión.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
</context>
<context>
    <name>LumoUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Está usando la versión %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Descargar %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cannot be computed</source>
        <translation type="vanished">No se puede calcular</translation>
    </message>
    <message>
        <source>Lumora Tallyra</source>
        <translation>Lumora Tallyra</translation>
    </message>
    <message>
        <source>Welcome to Lumora Tallyra</source>
        <translation>Bienvenido a Lumora Tallyra</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Cree su primera cuenta para empezar.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Crear cuenta</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>También puede importar transacciones desde un archivo CSV en Archivo › Importar.</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>No hay cuentas</translation>
    </message>
    <message>
        <source>Cleared: %1</source>
        <translation>Compensado: %1</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Hoy: %1</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nueva cuenta...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Editar &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renombrar beneficiarios...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartir...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Eliminar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nueva transacción</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nueva &amp;cuenta</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Lumora &amp;Account...</source>
        <translation>&amp;Cuenta Lumora...</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Inicie sesión o regístrese</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>&amp;Cerrar sesión</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Cuenta</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renombrar &amp;beneficiarios...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>C&amp;ompartir...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Transacciones &amp;recurrentes</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>C&amp;ategorías</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Lumora Tallyra</source>
        <translation>&amp;Acerca de Lumora Tallyra</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Novedades...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Buscar &amp;actualizaciones...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Enviar &amp;comentarios...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Cargar datos de &amp;ejemplo</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Borrar datos de ejemplo</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Seleccione primero una cuenta</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Lumora Tallyra&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital tallyra register for tracking household finances.&lt;/p&gt;&lt;p&gt;Made by Lumora. All rights reserved.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://lumora.invalid/tallyra&quot;&gt;lumora.invalid/tallyra&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU Lesser General Public License version 3. See &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; and &lt;a href=&quot;https://download.qt.io/official_releases/qt/&quot;&gt;the Qt source code&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Lumora Tallyra&lt;/h3&gt;&lt;p&gt;Versión %1&lt;/p&gt;&lt;p&gt;Un registro tallyra digital para llevar las finanzas del hogar.&lt;/p&gt;&lt;p&gt;Creado por Lumora. Todos los derechos reservados.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://lumora.invalid/tallyra&quot;&gt;lumora.invalid/tallyra&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;Esta aplicación usa el framework Qt bajo la GNU Lesser General Public License versión 3. Consulte &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; y &lt;a href=&quot;https://download.qt.io/official_releases/qt/&quot;&gt;el código fuente de Qt&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Lumora Tallyra</source>
        <translation>Acerca de Lumora Tallyra</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Registro&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Guardar transacción&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insertar nueva transacción&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Eliminar la transacción actual&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Campo siguiente / anterior&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apóstrofo)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copiar el valor del campo de arriba&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Campo de fecha&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Hoy&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Día siguiente / anterior&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día del mes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día del año&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día de la semana&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nueva transacción&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nueva cuenta&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Conciliar cuenta&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Buscar transacciones&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Informes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Transacciones recurrentes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categorías&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Cuentas&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Cambiar a la cuenta 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Cambiar a la cuenta 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Datos de ejemplo</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Los datos de ejemplo ya están cargados.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation type="vanished">No se pudieron cargar los datos de ejemplo.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Datos de ejemplo cargados</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No hay datos de ejemplo que borrar.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared.</source>
        <translation type="vanished">No se pudieron borrar los datos de ejemplo.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation type="vanished">Datos de ejemplo borrados</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Se registró automáticamente %n transacción recurrente</numerusform>
            <numerusform>Se registraron automáticamente %n transacciones recurrentes</numerusform>
        </translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Administre su cuenta</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Sin iniciar sesión</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Sesión iniciada correctamente</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Error al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Sincronización completada</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Error de sincronización: %1</translation>
    </message>
    <message>
        <source>Starting Balance</source>
        <translation>Saldo de partida</translation>
    </message>
    <message>
        <source>Change the opening balance?

Every balance in this account will shift.</source>
        <translation>¿Cambiar el saldo inicial?

Todos los saldos de esta cuenta cambiarán.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation>No se pudo guardar la cuenta.</translation>
    </message>
    <message>
        <source>The opening balance could not be saved.</source>
        <translation type="vanished">No se pudo guardar el saldo inicial.</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Inicio de sesión necesario</translation>
    </message>
    <message>
        <source>Sharing requires a Lumora account.</source>
        <translation>Para compartir se necesita una cuenta Lumora.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Compartir cuenta</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Compartiendo: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Lumora family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Comparta esta cuenta con los miembros de su grupo familiar de Lumora. Verán el mismo registro, los mismos saldos y el mismo historial de conciliación en sus dispositivos.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Compartida con</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Todavía no se ha compartido con nadie.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Quitar acceso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Error al compartir</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Error al quitar</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Quitar uso compartido</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>¿Quitar el acceso de %1 a esta cuenta?</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>¿Eliminar &quot;%1&quot;?

Se quitarán todas las transacciones, entradas recurrentes e historial de conciliación de esta cuenta. Puede restaurarla en Preferencias → Datos y sincronización.</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Error al eliminar</translation>
    </message>
    <message>
        <source>The account could not be deleted. Nothing was changed.</source>
        <translation>No se pudo eliminar la cuenta. No se cambió nada.</translation>
    </message>
    <message>
        <source>Account Changed</source>
        <translation type="vanished">Cuenta modificada</translation>
    </message>
    <message>
        <source>The account was changed elsewhere while you were editing it. Your changes were not saved.</source>
        <translation type="vanished">La cuenta se modificó en otro lugar mientras la editaba. Sus cambios no se guardaron.</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones recurrentes</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buscar transacciones</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Conciliar — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>Lumora Account</source>
        <translation>Cuenta Lumora</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
    </message>
    <message>
        <source>The account could not be saved: %1.</source>
        <translation>No se pudo guardar la cuenta: %1.</translation>
    </message>
    <message>
        <source>The account could not be deleted: %1. Nothing was changed.</source>
        <translation>No se pudo eliminar la cuenta: %1. No se cambió nada.</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>Too large</source>
        <translation>Demasiado grande</translation>
    </message>
</context>
<context>
    <name>OpeningBalanceBanner</name>
    <message>
        <source>No, it is a credit</source>
        <translation>No, es un saldo a favor</translation>
    </message>
    <message>
        <source>Yes, I owe this</source>
        <translation>Sí, lo debo</translation>
    </message>
    <message>
        <source>This account&apos;s opening balance is recorded as a credit of %1. If you meant that you owe %1, Tallyra can correct it.</source>
        <translation>El saldo inicial de esta cuenta figura como un saldo a favor de %1. Si quería indicar que debe %1, Tallyra puede corregirlo.</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Renombrar a:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renombrar selección</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Combinar selección</translation>
    </message>
    <message>
        <source>The payees could not be renamed, so no transaction was changed.</source>
        <translation>No se pudieron renombrar los beneficiarios, así que no se modificó ninguna transacción.</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Error al renombrar</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Renombrado completado</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Se renombró %n transacción.</numerusform>
            <numerusform>Se renombraron %n transacciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Seleccione 2 o más beneficiarios para combinar.</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>¿Combinar %1 beneficiarios en «%2»?</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Combinar beneficiarios</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Error al combinar</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Combinación completada</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Se combinó %n transacción.</numerusform>
            <numerusform>Se combinaron %n transacciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of the opening balance, which each account has once. Choose another name: no transaction was changed.</source>
        <translation>«%1» es el nombre del saldo inicial, que cada cuenta tiene una sola vez. Elija otro nombre; no se ha modificado ninguna transacción.</translation>
    </message>
    <message>
        <source>%1 opening balance(s) kept their payee: an account&apos;s opening balance is not renamed.</source>
        <translation>Saldos iniciales que conservan su beneficiario: %1. El saldo inicial de una cuenta no se renombra.</translation>
    </message>
    <message>
        <source>%1 transfer(s) kept their payee: it names the account at the other end of the transfer.</source>
        <translation>Transferencias que conservan su beneficiario: %1. Este indica la cuenta del otro extremo de la transferencia.</translation>
    </message>
    <message>
        <source>No transaction was changed.</source>
        <translation>No se ha modificado ninguna transacción.</translation>
    </message>
    <message>
        <source>The payees could not be renamed: %1. No transaction was changed.</source>
        <translation>No se pudieron renombrar los beneficiarios: %1. No se modificó ninguna transacción.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>No hay notas de la versión disponibles para %1 %2</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 está actualizado (versión %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Error al buscar actualizaciones: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando las notas de la versión…</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Conciliaciones anteriores de esta cuenta.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Fecha del extracto</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Saldo conciliado</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Todavía no hay conciliaciones. Concilie su cuenta desde el registro para ver aquí el historial.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historial de conciliaciones — %1</translation>
    </message>
    <message>
        <source>MMM d, yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>MMM d, yyyy h:mm ap</source>
        <translation>d MMM yyyy H:mm</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Conciliar cuenta</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Fecha del extracto:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Saldo del extracto:</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Depósitos compensados</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Retiros compensados</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Saldo anterior</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Saldo compensado</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Finalizar conciliación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Añadir transacción</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Añadir una transacción (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Editar la transacción seleccionada (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Eliminar la transacción seleccionada (Supr)</translation>
    </message>
    <message>
        <source>Statement Balance Owed:</source>
        <translation>Saldo adeudado del extracto:</translation>
    </message>
    <message>
        <source>Cleared Payments</source>
        <translation>Pagos compensados</translation>
    </message>
    <message>
        <source>Cleared Charges</source>
        <translation>Cargos compensados</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Conciliación completada</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>La cuenta se concilió correctamente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed, deleted or reconciled elsewhere after this list was loaded.</source>
        <translation type="vanished">«%1» se modificó, eliminó o concilió en otro lugar después de cargar esta lista.</translation>
    </message>
    <message>
        <source>The ticked transactions as stored do not add up to the statement balance.</source>
        <translation>Las transacciones marcadas, tal como están guardadas, no suman el saldo del extracto.</translation>
    </message>
    <message>
        <source>The balances are too large to compute.</source>
        <translation>Los saldos son demasiado grandes para calcularlos.</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Error en la conciliación</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved, so nothing was changed.</source>
        <translation>No se pudo guardar la conciliación, así que no se cambió nada.</translation>
    </message>
    <message>
        <source>Reconciliation Not Finished</source>
        <translation>Conciliación no finalizada</translation>
    </message>
    <message>
        <source>Nothing was marked. The list has been reloaded: check the difference and finish again.</source>
        <translation>No se marcó nada. La lista se ha vuelto a cargar: revise la diferencia y finalice de nuevo.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>The opening balance can&apos;t be removed. Every account has one.

To clear it, set it to zero in the account&apos;s settings.</source>
        <translation>El saldo inicial no se puede eliminar. Todas las cuentas tienen uno.

Para anularlo, póngalo a cero en la configuración de la cuenta.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>¿Eliminar la transacción de %1?</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Error al eliminar</translation>
    </message>
    <message>
        <source>The transaction could not be deleted, so nothing was changed.</source>
        <translation>No se pudo eliminar la transacción, así que no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved: %1. Nothing was changed.</source>
        <translation>No se pudo guardar la conciliación: %1. No se cambió nada.</translation>
    </message>
    <message>
        <source>The transaction could not be deleted: %1. Nothing was changed.</source>
        <translation>No se pudo eliminar la transacción: %1. No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Editar transacción recurrente</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nueva transacción recurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorizar transacción</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Escriba para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Cada dos semanas</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>Dos veces al mes</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Repeat every:</source>
        <translation>Repetir cada:</translation>
    </message>
    <message>
        <source>First day:</source>
        <translation>Primer día:</translation>
    </message>
    <message>
        <source>Second day:</source>
        <translation>Segundo día:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Fecha de inicio:</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Con fecha de finalización</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Fecha de finalización:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Registrar automáticamente al vencer</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Registrar con antelación:</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>week</source>
        <translation>semana</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semanas</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mes</translation>
    </message>
    <message>
        <source>months</source>
        <translation>meses</translation>
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
        <translation>año</translation>
    </message>
    <message>
        <source>years</source>
        <translation>años</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the category.</source>
        <translation>«%1» no designa una sola categoría. Elija una de la lista o vacíe la categoría.</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Próximo vencimiento</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Semi-monthly (%1 &amp; %2)</source>
        <translation>Quincenal (%1 y %2)</translation>
    </message>
    <message>
        <source>Every %1 days</source>
        <translation>Cada %1 días</translation>
    </message>
    <message>
        <source>Every %1 weeks</source>
        <translation>Cada %1 semanas</translation>
    </message>
    <message>
        <source>Every %1 months</source>
        <translation>Cada %1 meses</translation>
    </message>
    <message>
        <source>Every %1 years</source>
        <translation>Cada %1 años</translation>
    </message>
    <message>
        <source>%1 (×%2)</source>
        <translation>%1 (×%2)</translation>
    </message>
    <message>
        <source>last day</source>
        <translation>último día</translation>
    </message>
    <message>
        <source>daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>biweekly</source>
        <translation>Cada dos semanas</translation>
    </message>
    <message>
        <source>semimonthly</source>
        <translation>Dos veces al mes</translation>
    </message>
    <message>
        <source>quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>semi_annual</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>annual</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones recurrentes</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmar todas las vencidas</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Registrar próximos 7 días</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nueva periódica</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 vencidas)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>Registrar &amp;antes...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Confirm Failed</source>
        <translation>Error al confirmar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be entered. Check its account, its dates and its transfer account.</source>
        <translation>No se pudo registrar «%1». Revise su cuenta, sus fechas y su cuenta de transferencia.</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>¿Registrar «%1» ahora, con fecha %2? La transacción lleva su fecha de vencimiento y puede editarla o eliminarla más tarde.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Registrar antes</translation>
    </message>
    <message>
        <source>Skip Failed</source>
        <translation>Error al omitir</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped.</source>
        <translation>No se pudo omitir «%1».</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>¿Eliminar la transacción periódica «%1»?</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Error al eliminar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>No se pudo eliminar «%1».</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved, so nothing was changed.

Your entries are still in the form.</source>
        <translation>No se pudo guardar la transacción periódica, así que no se cambió nada.

Sus datos siguen en el formulario.</translation>
    </message>
    <message>
        <source>Recurring Transaction Deleted</source>
        <translation type="vanished">Transacción periódica eliminada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was deleted elsewhere, so your changes were not saved.</source>
        <translation type="vanished">«%1» se eliminó en otro lugar, así que sus cambios no se guardaron.</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>¿Registrar todas las transacciones periódicas que vencen en los próximos 7 días? Llevan sus fechas de vencimiento y puede editarlas o eliminarlas más tarde.</translation>
    </message>
    <message>
        <source>Some recurring transactions could not be entered. Check their accounts, dates and transfer accounts.</source>
        <translation>No se pudieron registrar algunas transacciones periódicas. Revise sus cuentas, fechas y cuentas de transferencia.</translation>
    </message>
    <message>
        <source>MMM d, yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped: %2.</source>
        <translation>No se pudo omitir «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2.</source>
        <translation>No se pudo eliminar «%1»: %2.</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved: %1. Nothing was changed.

Your entries are still in the form.</source>
        <translation>No se pudo guardar la transacción periódica: %1. No se cambió nada.

Sus datos siguen en el formulario.</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>The recurring transactions could not be entered: %1. None of them were entered.</source>
        <translation>No se pudieron registrar las transacciones recurrentes: %1. No se registró ninguna.</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>RegisterFilterDialog</name>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensadas</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No compensadas</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Limit to a date range</source>
        <translation>Limitar a un intervalo de fechas</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Fechas:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Quitar todos</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N.º cheque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—División—</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Beneficiario / Nota</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Cargo</translation>
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
        <translation>Compensado</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No compensado</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nueva transacción</translation>
    </message>
    <message>
        <source>Add a transaction using the full form</source>
        <translation>Añadir una transacción con el formulario completo</translation>
    </message>
    <message>
        <source>&amp;Reconcile</source>
        <translation>&amp;Conciliar</translation>
    </message>
    <message>
        <source>No, it is a credit</source>
        <translation type="vanished">No, es un saldo a favor</translation>
    </message>
    <message>
        <source>Yes, I owe this</source>
        <translation type="vanished">Sí, lo debo</translation>
    </message>
    <message>
        <source>The opening balance could not be corrected.</source>
        <translation>No se pudo corregir el saldo inicial.</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: guardar  |  Intro: siguiente  |  %2: eliminar  |  %3: memorizar  |  &apos;: copiar de arriba</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>Mostrar columnas</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Restablecer el diseño del registro</translation>
    </message>
    <message>
        <source>Fi&amp;lter (%1)</source>
        <translation>Fi&amp;ltros (%1)</translation>
    </message>
    <message>
        <source>Filters are applied. Click to change or clear them.</source>
        <translation>Hay filtros aplicados. Haga clic para cambiarlos o quitarlos.</translation>
    </message>
    <message>
        <source>Fi&amp;lter</source>
        <translation>Fi&amp;ltros</translation>
    </message>
    <message>
        <source>Filter which transactions are listed</source>
        <translation>Filtrar las transacciones que se muestran</translation>
    </message>
    <message>
        <source>This account&apos;s opening balance is recorded as a credit of %1. If you meant that you owe %1, Tallyra can correct it.</source>
        <translation type="vanished">El saldo inicial de esta cuenta figura como un saldo a favor de %1. Si quería indicar que debe %1, Tallyra puede corregirlo.</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>El beneficiario es obligatorio</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Introduzca un importe de pago o de depósito</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encontró la cuenta de la transferencia</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Las transferencias requieren que ambas cuentas usen la misma moneda</translation>
    </message>
    <message>
        <source>The transaction could not be saved. Your entries are still in the row.</source>
        <translation type="vanished">No se pudo guardar la transacción. Sus datos siguen en la fila.</translation>
    </message>
    <message>
        <source>Saved. It isn&apos;t listed because of the current filter.</source>
        <translation>Guardada. No aparece en la lista por el filtro actual.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>This account&apos;s opening balance is held on the account itself.

Set it in the account&apos;s settings.</source>
        <translation>El saldo inicial de esta cuenta se guarda en la propia cuenta.

Establézcalo en la configuración de la cuenta.</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Campos borrados</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>No se puede memorizar: la transacción de origen tiene una fecha no válida</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Transacción memorizada como recurrente</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation type="vanished">No se pudo guardar la transacción recurrente.</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insertar nueva</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nueva transacción...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Editar en cuadro de diálogo...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostrar &amp;detalles...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Editar la di&amp;visión...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>Di&amp;vidir transacción...</translation>
    </message>
    <message>
        <source>D&amp;uplicate...</source>
        <translation>D&amp;uplicar...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marcar como no &amp;compensada</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marcar como &amp;compensada</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation type="vanished">No se pudo guardar la transacción.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount: this account&apos;s currency has no decimals.</source>
        <translation>«%1» no es un importe: la moneda de esta cuenta no tiene decimales.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>«%1» no es un importe.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.

Your entries are still in the form.</source>
        <translation>No se pudo guardar la transacción periódica.

Sus datos siguen en el formulario.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list or clear the Category cell.</source>
        <translation>«%1» no designa una sola categoría. Elija una de la lista o vacíe la celda Categoría.</translation>
    </message>
    <message>
        <source>The transaction could not be saved: %1. Your entries are still in the row.</source>
        <translation>No se pudo guardar la transacción: %1. Sus datos siguen en la fila.</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved: %1.

Your entries are still in the form.</source>
        <translation>No se pudo guardar la transacción periódica: %1.

Sus datos siguen en el formulario.</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Sin categoría</translation>
    </message>
</context>
<context>
    <name>ReportTransactionsModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Período:</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Gastos por categoría</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Resumen por beneficiario</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Informe fiscal</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Ingresos frente a gastos</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensado</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No compensado</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Resumen de cuentas</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparar:</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Este año frente al anterior</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Año pasado frente al anterior</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Este trimestre frente al anterior</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2:</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1: %1 – %2    P2: %3 – %4</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Período 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Período 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Comparación interanual</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transacciones</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>This report cannot be shown: a total is too large to compute.</source>
        <translation>No se puede mostrar este informe: un total es demasiado grande.</translation>
    </message>
    <message>
        <source>This report cannot be shown: the data could not be read.</source>
        <translation>No se puede mostrar este informe: no se pudieron leer los datos.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>The report could not be written to %1:
%2</source>
        <translation>No se pudo escribir el informe en %1:
%2</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mes pasado</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Este trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre pasado</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Año pasado</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Todo el período</translation>
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
        <translation>Nómina (cada dos semanas)</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Sueldo / Salario</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Alquiler mensual</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Alquiler/Hipoteca</translation>
    </message>
    <message>
        <source>Fresh Basket Market</source>
        <translation>Fresh Basket Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Compra semanal</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Comestibles</translation>
    </message>
    <message>
        <source>Quickfill Gas</source>
        <translation>Quickfill Gas</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Combustible</translation>
    </message>
    <message>
        <source>Metro Power &amp; Light</source>
        <translation>Metro Power &amp; Light</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Factura de la luz</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Suministros</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>City Water Department</source>
        <translation>Servicio Municipal de Aguas</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Factura del agua</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>StreamFlix</source>
        <translation>StreamFlix</translation>
    </message>
    <message>
        <source>Monthly subscription</source>
        <translation>Suscripción mensual</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Ocio</translation>
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
        <translation>Cena</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Comer fuera</translation>
    </message>
    <message>
        <source>Fiberlink Internet</source>
        <translation>Fiberlink Internet</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Servicio de internet</translation>
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
        <translation>Prima del seguro del automóvil</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automóvil</translation>
    </message>
    <message>
        <source>Hope Community Fund</source>
        <translation>Hope Community Fund</translation>
    </message>
    <message>
        <source>Donation</source>
        <translation>Donativo</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>Donativos</translation>
    </message>
    <message>
        <source>Lakeside Family Clinic</source>
        <translation>Lakeside Family Clinic</translation>
    </message>
    <message>
        <source>Doctor visit copay</source>
        <translation>Copago de la consulta médica</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Gastos médicos</translation>
    </message>
    <message>
        <source>Lunch with friends</source>
        <translation>Comida con amigos</translation>
    </message>
    <message>
        <source>Bookworm Online</source>
        <translation>Bookworm Online</translation>
    </message>
    <message>
        <source>Course textbook</source>
        <translation>Libro de texto del curso</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Gastos de educación</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Abono de intereses</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Ingresos por intereses</translation>
    </message>
    <message>
        <source>TechHub Electronics</source>
        <translation>TechHub Electronics</translation>
    </message>
    <message>
        <source>Wireless headphones</source>
        <translation>Auriculares inalámbricos</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Compras</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>CloudBox Storage</source>
        <translation>CloudBox Storage</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Plan de almacenamiento en la nube</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>PagePass Audiobooks</source>
        <translation>PagePass Audiobooks</translation>
    </message>
    <message>
        <source>Phone charger</source>
        <translation>Cargador de teléfono</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>Main Checking</source>
        <translation>Cuenta corriente principal</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorros</translation>
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
        <translation>Ahorro mensual</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Transferencia a Ahorros</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Transferencia desde Cuenta corriente</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Pago - Gracias</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Pago de tarjeta de crédito</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Datos de ejemplo eliminados</translation>
    </message>
    <message>
        <source>Sample data cleared. These sample accounts stay because they hold your own entries: %1</source>
        <translation>Datos de ejemplo eliminados. Estas cuentas de ejemplo se conservan porque contienen sus propios movimientos: %1</translation>
    </message>
    <message>
        <source>The sample data could not be loaded: %1. Nothing was added.</source>
        <translation>No se pudieron cargar los datos de ejemplo: %1. No se ha añadido nada.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared: %1. Nothing was removed.</source>
        <translation>No se pudieron borrar los datos de ejemplo: %1. No se ha eliminado nada.</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Buscar beneficiario, nota, número de cheque...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Rango de fechas:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Solo compensadas</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
    </message>
    <message>
        <source>Transaction Changed</source>
        <translation type="vanished">Transacción modificada</translation>
    </message>
    <message>
        <source>This transaction was changed or deleted after the search. The list now shows what is stored.</source>
        <translation type="vanished">Esta transacción se modificó o eliminó después de la búsqueda. La lista muestra ahora lo que está guardado.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostrar &amp;detalles...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Editar la di&amp;visión...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>Di&amp;vidir transacción...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Editar en cuadro de diálogo...</translation>
    </message>
    <message>
        <source>D&amp;uplicate...</source>
        <translation>D&amp;uplicar...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marcar como no &amp;compensada</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marcar como &amp;compensada</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>E&amp;liminar...</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Datos y sincronización</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Control how Lumora Tallyra looks.</source>
        <translation>Controle el aspecto de Lumora Tallyra.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Choose accent color</source>
        <translation>Elegir color de acento</translation>
    </message>
    <message>
        <source>Accent color</source>
        <translation>Color de acento</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Muy grande</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Regional</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Preferencias de fecha y calendario.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>La semana empieza el</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Cómo aparecen las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Filas de dos líneas</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Mostrar la nota en una segunda línea debajo del beneficiario.</translation>
    </message>
    <message>
        <source>Auto-decimal point</source>
        <translation>Punto decimal automático</translation>
    </message>
    <message>
        <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
        <translation>Escriba 1234 para introducir 12,34. Los dos últimos dígitos son siempre céntimos.</translation>
    </message>
    <message>
        <source>Highlight overdrawn rows</source>
        <translation>Resaltar filas en descubierto</translation>
    </message>
    <message>
        <source>Shades the whole row when the running balance is below zero. The balance itself is always shown in red, so you can turn this off and still spot it. Credit cards and loans are never shaded.</source>
        <translation>Sombrea toda la fila cuando el saldo acumulado es inferior a cero. El saldo siempre se muestra en rojo, así que puede desactivar esta opción y seguir viéndolo. Las tarjetas de crédito y los préstamos nunca se sombrean.</translation>
    </message>
    <message>
        <source>Current balance</source>
        <translation>Saldo actual</translation>
    </message>
    <message>
        <source>Cleared balance</source>
        <translation>Saldo compensado</translation>
    </message>
    <message>
        <source>Balance as of today</source>
        <translation>Saldo a día de hoy</translation>
    </message>
    <message>
        <source>Account list shows</source>
        <translation>La lista de cuentas muestra</translation>
    </message>
    <message>
        <source>Cleared counts only transactions you have marked cleared. Balance as of today leaves out anything dated later, such as scheduled bills.</source>
        <translation>Compensado solo cuenta las transacciones que ha marcado como compensadas. Saldo a día de hoy excluye todo lo fechado más tarde, como las facturas programadas.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Controle el orden de las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Mostrar primero las transacciones más recientes</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si está activado, las transacciones más recientes aparecen arriba.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Keep your tallyra in sync across all your devices.</source>
        <translation>Mantenga su Tallyra sincronizado en todos sus dispositivos.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forzar sincronización completa</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Copia de seguridad y restauración</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Guarde o restaure sus datos en un archivo de copia de seguridad portátil.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exportar copia de seguridad</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importar copia de seguridad</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Cuentas eliminadas</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Aquí puede restaurar las cuentas que ha eliminado.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurar selección</translation>
    </message>
    <message>
        <source>Lumora Tallyra</source>
        <translation>Lumora Tallyra</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A digital tallyra register for tracking household finances.</source>
        <translation>Un registro Tallyra digital para llevar las finanzas del hogar.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>Lumora Tallyra website</source>
        <translation>Sitio web de Lumora Tallyra</translation>
    </message>
    <message>
        <source>Get the mobile app</source>
        <translation>Obtener la aplicación móvil</translation>
    </message>
    <message>
        <source>Your data is kept in a database on this computer; it is synced only while you are signed in.</source>
        <translation>Sus datos se guardan en una base de datos de este equipo; solo se sincronizan mientras tiene la sesión iniciada.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Idioma cambiado</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Lumora Tallyra.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que inicie Lumora Tallyra.</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Lumora Account to enable sync.</source>
        <translation>No ha iniciado sesión.
Inicie sesión en Archivo › Cuenta Lumora para activar la sincronización.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Sesión iniciada como:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Estado:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nunca sincronizado</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Última sincronización: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Error: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Se volverán a subir al servidor todos los datos locales y se volverán a descargar todos los datos del servidor. Úselo si los datos no coinciden entre dispositivos.

¿Continuar?</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Archivos ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Copia de seguridad completada</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Copia de seguridad guardada en:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Error en la copia de seguridad</translation>
    </message>
    <message>
        <source>The backup archive could not be created.</source>
        <translation>No se pudo crear el archivo de copia de seguridad.</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation type="vanished">No se pudo escribir en:
%1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Reemplazar todo con los datos de la copia</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Conservar lo más reciente (comparar marcas de tiempo)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Omitir elementos existentes</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Modo de importación</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>¿Qué hacer con los datos existentes?</translation>
    </message>
    <message>
        <source>Replace Data</source>
        <translation>Reemplazar datos</translation>
    </message>
    <message>
        <source>Every row in the backup will replace the stored row of the same item, including changes made since the backup was saved. This cannot be undone.

Continue?</source>
        <translation>Cada fila de la copia de seguridad reemplazará la fila guardada del mismo elemento, incluidos los cambios hechos desde que se guardó la copia. Esto no se puede deshacer.

¿Continuar?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error de importación</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Se importaron %1 elementos y se omitieron %2.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

Se produjo %n error.</numerusform>
            <numerusform>

Se produjeron %n errores.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importación completada</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Error al restaurar</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored. Nothing was changed.</source>
        <translation>No se pudo restaurar la cuenta «%1». No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>MMM d, h:mm ap</source>
        <translation>d MMM, H:mm</translation>
    </message>
    <message>
        <source>Could not write to:
%1

%2</source>
        <translation>No se pudo escribir en:
%1

%2</translation>
    </message>
    <message>
        <source>The backup archive could not be created: %1.</source>
        <translation>No se pudo crear el archivo de copia de seguridad: %1.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored: %2. Nothing was changed.</source>
        <translation>No se pudo restaurar la cuenta «%1»: %2. No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Dividir transacción</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Restante: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the line&apos;s category.</source>
        <translation>«%1» no designa una sola categoría. Elija una de la lista o vacíe la categoría de la línea.</translation>
    </message>
    <message>
        <source>Choose a category for every split line.</source>
        <translation>Elija una categoría para cada línea de la división.</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Añadir línea</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Quitar</translation>
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
        <translation>Sin conexión</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n cuenta</numerusform>
            <numerusform>%n cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n recurrente pendiente</numerusform>
            <numerusform>  •  %n recurrentes pendientes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Error de sincronización</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Error al enviar (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Error al recibir (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (%1)</source>
        <translation>Error al recibir (%1)</translation>
    </message>
</context>
<context>
    <name>TransactionActions</name>
    <message>
        <source>Save Failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>The transaction could not be saved, so nothing was changed.

Your entries are still in the form.</source>
        <translation type="vanished">No se pudo guardar la transacción, así que no se ha cambiado nada.

Sus datos siguen en el formulario.</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferencia</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Dividir transacción</translation>
    </message>
    <message>
        <source>Choose a category for every split line.</source>
        <translation>Elija una categoría para cada línea de la división.</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>The opening balance can&apos;t be removed. Every account has one.

To clear it, set it to zero in the account&apos;s settings.</source>
        <translation>El saldo inicial no se puede eliminar. Todas las cuentas tienen uno.

Para anularlo, póngalo a cero en la configuración de la cuenta.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>¿Eliminar &quot;%1&quot; por %2?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>¿Eliminar la transferencia &quot;%1&quot; por %2?

Se eliminarán ambos lados de la transferencia.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Error al eliminar</translation>
    </message>
    <message>
        <source>The transaction could not be deleted, so nothing was changed.</source>
        <translation>No se pudo eliminar la transacción, así que no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encontró la cuenta de la transferencia</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Las transferencias requieren que ambas cuentas usen la misma moneda</translation>
    </message>
    <message>
        <source>A transfer can&apos;t be split across categories</source>
        <translation>Una transferencia no se puede dividir entre varias categorías</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Transferencia a %1</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Transferencia desde %1</translation>
    </message>
    <message>
        <source>Transaction Changed</source>
        <translation type="vanished">Transacción modificada</translation>
    </message>
    <message>
        <source>This transaction was changed or deleted elsewhere in the meantime, so nothing was written.

What is stored now is shown again.</source>
        <translation type="vanished">Esta transacción se modificó o eliminó en otro lugar mientras tanto, así que no se guardó nada.

Se vuelve a mostrar lo que está guardado ahora.</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved.</source>
        <translation type="vanished">No se pudo guardar la marca de compensación.</translation>
    </message>
    <message>
        <source>Check the Entries</source>
        <translation>Revise los datos</translation>
    </message>
    <message>
        <source>The transaction could not be saved: %1. Nothing was changed.

Your entries are still in the form.</source>
        <translation>No se pudo guardar la transacción: %1. No se ha cambiado nada.

Sus datos siguen en el formulario.</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved: %1.</source>
        <translation>No se pudo guardar la marca de compensación: %1.</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Detalles de la transacción</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—División—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Transferencia a:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Registrada: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Última modificación: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Duplicate...</source>
        <translation>Duplicar...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Eliminar...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Líneas de la división</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(no hay líneas de división registradas)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(sin categoría)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation type="vanished">Error al guardar</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved.</source>
        <translation type="vanished">No se pudo guardar la marca de compensación.</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Conciliada</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensada</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No compensada</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marcar como no compensada</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marcar como compensada</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar transacción</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>Nueva transacción</translation>
    </message>
    <message>
        <source>This is the account&apos;s opening balance. Changing the amount or date shifts every balance after it.</source>
        <translation>Este es el saldo inicial de la cuenta. Cambiar el importe o la fecha modifica todos los saldos posteriores.</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferencia</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Escriba para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>No other account in this currency to transfer into</source>
        <translation>No hay otra cuenta en esta moneda a la que transferir</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Dividir...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Dividir esta transacción entre varias categorías, cada una con su propio importe y nota.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Usar una sola categoría</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Descartar la división y volver a una transacción con una sola categoría.</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensada</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1 (eliminada)</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—División—</translation>
    </message>
    <message>
        <source>(account no longer available)</source>
        <translation>(la cuenta ya no está disponible)</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Restante: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the line&apos;s category.</source>
        <translation>«%1» no designa una sola categoría. Elija una de la lista o vacíe la categoría de la línea.</translation>
    </message>
    <message>
        <source>The split lines add up to %1, but the total is %2. Change the lines or the amount so that nothing remains.</source>
        <translation>Las líneas de división suman %1, pero el total es %2. Cambie las líneas o el importe para que no quede nada por asignar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name one category. Choose one from the list, or clear the category.</source>
        <translation>«%1» no designa una sola categoría. Elija una de la lista o vacíe la categoría.</translation>
    </message>
</context>
<context>
    <name>TransactionRepository</name>
    <message>
        <source>Opening Balance</source>
        <translation>Saldo inicial</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Su sesión ha finalizado. Vuelva a iniciar sesión para seguir sincronizando.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Funciona totalmente sin conexión. Sus datos permanecen en este dispositivo.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Cómo funciona</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Añada una cuenta (corriente, de ahorros, tarjeta de crédito o cualquier cuenta que quiera seguir).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Registre las transacciones a medida que gasta.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Concilie cuando llegue su extracto.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Bienvenido de nuevo</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Inicie sesión para mantener sus datos sincronizados entre dispositivos.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Crear otra cuenta</translation>
    </message>
    <message>
        <source>Welcome to
Lumora Tallyra</source>
        <translation>Bienvenido a
Lumora Tallyra</translation>
    </message>
    <message>
        <source>A digital tallyra register.</source>
        <translation>Un registro tallyra digital.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>¿Ya tiene una cuenta? Inicie sesión</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Cree su primera cuenta</translation>
    </message>
</context>
<context>
    <name>WriteResultPrompt</name>
    <message>
        <source>Transaction Changed</source>
        <translation>Transacción modificada</translation>
    </message>
    <message>
        <source>This transaction was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>Esta transacción se modificó o eliminó en otro lugar. Se ha vuelto a cargar.</translation>
    </message>
    <message>
        <source>Recurring Transaction Changed</source>
        <translation>Transacción recurrente modificada</translation>
    </message>
    <message>
        <source>This recurring transaction was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>Esta transacción recurrente se modificó o eliminó en otro lugar. Se ha vuelto a cargar.</translation>
    </message>
    <message>
        <source>Account Changed</source>
        <translation>Cuenta modificada</translation>
    </message>
    <message>
        <source>This account was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>Esta cuenta se modificó o eliminó en otro lugar. Se ha vuelto a cargar.</translation>
    </message>
    <message>
        <source>Reconciliation Changed</source>
        <translation>Conciliación modificada</translation>
    </message>
    <message>
        <source>A transaction in this reconciliation was changed or deleted elsewhere. The reconciliation has been reloaded.</source>
        <translation>Una transacción de esta conciliación se modificó o eliminó en otro lugar. La conciliación se ha vuelto a cargar.</translation>
    </message>
    <message>
        <source>Account Deleted</source>
        <translation>Cuenta eliminada</translation>
    </message>
    <message>
        <source>This account was deleted elsewhere, so nothing was written to it.</source>
        <translation>Esta cuenta se eliminó en otro lugar, así que no se escribió nada en ella.</translation>
    </message>
    <message>
        <source>Category Changed</source>
        <translation>Categoría modificada</translation>
    </message>
    <message>
        <source>This category was changed or deleted elsewhere. It has been reloaded.</source>
        <translation>Esta categoría se modificó o eliminó en otro lugar. Se ha vuelto a cargar.</translation>
    </message>
</context>
</TS>
