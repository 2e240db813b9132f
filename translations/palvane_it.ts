<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>LayoutRenderer</name>
    <message>
        <source> of </source>
        <translation> di </translation>
    </message>
    <message>
        <source> it.</source>
        <translation> el.</translation>
    </message>
    <message>
        <source>Left boxes:</source>
        <translation>Scatole rimaste:</translation>
    </message>
    <message>
        <source>Last cont:</source>
        <translation>Ultimo cont.:</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Quillo Container Library</source>
        <translation>Quillo Libreria container</translation>
    </message>
    <message>
        <source>Quillo Box Library</source>
        <translation>Quillo Libreria scatole</translation>
    </message>
    <message>
        <source>Quillo Task Report</source>
        <translation>Quillo Rapporto progetto</translation>
    </message>
    <message>
        <source>Quillo Solution</source>
        <translation>Quillo Soluzione</translation>
    </message>
    <message>
        <source>Quillo Image</source>
        <translation>Quillo Immagine</translation>
    </message>
    <message>
        <source>Sheet / Container Type</source>
        <translation>Foglio / Tipo di container</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Sigla</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lungh.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largh.</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Fill Dir</source>
        <translation>Riemp.</translation>
    </message>
    <message>
        <source>LoadWt</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Nose / Tail Weigt &amp; Posit</source>
        <translation>Peso e pos. ant. / post.</translation>
    </message>
    <message>
        <source>Sheet / 2D Container Library</source>
        <translation>Libreria fogli / container 2D</translation>
    </message>
    <message>
        <source>Part / Box Kind</source>
        <translation>Elemento / Tipo di scatola</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>TurnOn</source>
        <translation>Rotaz.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Part / 2D Box Library</source>
        <translation>Libreria elementi / scatole 2D</translation>
    </message>
    <message>
        <source>Layout for a task:</source>
        <translation>Schema di carico del progetto:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Container Type</source>
        <translation>Tipo di container</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Avail</source>
        <translation>Disp.</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Usati</translation>
    </message>
    <message>
        <source>LoadWgt</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Task Name: </source>
        <translation>Nome progetto: </translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Descrizione: </translation>
    </message>
    <message>
        <source>Common Turn Rules =  </source>
        <translation>Regole comuni di rotazione =  </translation>
    </message>
    <message>
        <source>:   TurnOn:  </source>
        <translation>:   Rotaz.:  </translation>
    </message>
    <message>
        <source>Totals:  Area Util:</source>
        <translation>Totali:  Utilizzo area:</translation>
    </message>
    <message>
        <source>Weight Util:</source>
        <translation>Utilizzo peso:</translation>
    </message>
    <message>
        <source>Net Cost:</source>
        <translation>Costo netto:</translation>
    </message>
    <message>
        <source>Gaps (Item-Item / Item-Edge):</source>
        <translation>Distanze (elemento-elemento / elemento-bordo):</translation>
    </message>
    <message>
        <source>Area Mult:</source>
        <translation>Moltipl. area:</translation>
    </message>
    <message>
        <source>Sheets  /  2D Containers to Load: </source>
        <translation>Fogli  /  Container 2D da caricare: </translation>
    </message>
    <message>
        <source>SUMMARY - Available:</source>
        <translation>RIEPILOGO - Disponibili:</translation>
    </message>
    <message>
        <source>Used:</source>
        <translation>Usati:</translation>
    </message>
    <message>
        <source>Box Kind</source>
        <translation>Tipo di scatola</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Parts  /  2D Boxes to Pack: </source>
        <translation>Elementi  /  Scatole 2D da posizionare: </translation>
    </message>
    <message>
        <source>SUMMARY  - Total:</source>
        <translation>RIEPILOGO  - Totale:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Rimaste:</translation>
    </message>
    <message>
        <source>Cont No</source>
        <translation>N. cont.</translation>
    </message>
    <message>
        <source>Box Sum</source>
        <translation>N. scatole</translation>
    </message>
    <message>
        <source>Util,%</source>
        <translation>Util., %</translation>
    </message>
    <message>
        <source>NoseWgt  TailWgt</source>
        <translation>PesoAnt  PesoPost</translation>
    </message>
    <message>
        <source>Solution for a task: </source>
        <translation>Soluzione del progetto: </translation>
    </message>
    <message>
        <source>Sheet  /  Container Total Load Data: </source>
        <translation>Foglio  /  Dati di carico dei container: </translation>
    </message>
    <message>
        <source>Box No</source>
        <translation>N. scatola</translation>
    </message>
    <message>
        <source>Pos X</source>
        <translation>Pos X</translation>
    </message>
    <message>
        <source>Pos Y</source>
        <translation>Pos Y</translation>
    </message>
    <message>
        <source>Put L</source>
        <translation>Pos. Lu</translation>
    </message>
    <message>
        <source>Put W</source>
        <translation>Pos. La</translation>
    </message>
    <message>
        <source>Load No</source>
        <translation>N. carico</translation>
    </message>
    <message>
        <source>Part  /  Box Space Positions for Cont No: </source>
        <translation>Elemento  /  Posizioni delle scatole nel container n.: </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Box Library</source>
        <translation>Libreria scatole</translation>
    </message>
    <message>
        <source>Number  </source>
        <translation>Numero  </translation>
    </message>
    <message>
        <source>LoadWgt  </source>
        <translation>Portata  </translation>
    </message>
    <message>
        <source>Area   </source>
        <translation>Area   </translation>
    </message>
    <message>
        <source>Weight  </source>
        <translation>Peso  </translation>
    </message>
</context>
<context>
    <name>palvane::ActiveSettings</name>
    <message>
        <source>Positive integer required,<byte value="xd"/>no more than</source>
        <translation>Richiesto un intero positivo,<byte value="xd"/>non superiore a</translation>
    </message>
</context>
<context>
    <name>palvane::BoxImport</name>
    <message>
        <source>Box import file format or reading error.</source>
        <translation>Errore di formato o di lettura del file di importazione scatole.</translation>
    </message>
    <message>
        <source>All lines/rows below are omited.</source>
        <translation>Tutte le righe seguenti sono ignorate.</translation>
    </message>
    <message>
        <source>Box lengths must be positive integers up to</source>
        <translation>Le lunghezze delle scatole devono essere interi positivi fino a</translation>
    </message>
    <message>
        <source>Box widths must be positive integers up to</source>
        <translation>Le larghezze delle scatole devono essere interi positivi fino a</translation>
    </message>
    <message>
        <source>Box weights must be positive integers up to</source>
        <translation>I pesi delle scatole devono essere interi positivi fino a</translation>
    </message>
    <message>
        <source>Box numbers must be positive integers up to</source>
        <translation>Le quantità di scatole devono essere interi positivi fino a</translation>
    </message>
    <message>
        <source>Box Kinds must be defined.</source>
        <translation>I tipi di scatola devono essere definiti.</translation>
    </message>
    <message>
        <source>Box Mark must be a valid string.</source>
        <translation>La sigla della scatola deve essere un testo valido.</translation>
    </message>
    <message>
        <source>Box turn rule signs must be &quot;0&quot; (Off) or &quot;1&quot; (On).</source>
        <translation>Le regole di rotazione delle scatole devono valere &quot;0&quot; (no) o &quot;1&quot; (sì).</translation>
    </message>
    <message>
        <source>There are no text data on the Clipboard</source>
        <translation>Gli appunti non contengono dati di testo</translation>
    </message>
    <message>
        <source>Are you sure to add to this library table<byte value="xd"/>data from the current Clipboard contents ?</source>
        <translation>Aggiungere davvero a questa libreria<byte value="xd"/>i dati contenuti negli appunti?</translation>
    </message>
    <message>
        <source>Error proccessing Clipboard paste</source>
        <translation>Errore durante l&apos;elaborazione dei dati incollati dagli appunti</translation>
    </message>
    <message>
        <source>See box file/list line/row # %1.</source>
        <translation>Vedere la riga %1 del file o dell&apos;elenco di scatole.</translation>
    </message>
    <message>
        <source>Q&apos;ty</source>
        <translation>Q.tà</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Sigla</translation>
    </message>
    <message>
        <source>TurnOn</source>
        <translation>Rotazione</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>Manca il campo %1</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>Il campo %1 è vuoto</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a whole number</source>
        <translation>%1 «%2» non è un numero intero</translation>
    </message>
    <message>
        <source>%1 %2 is outside %3 to %4</source>
        <translation>%1 %2 è fuori dall&apos;intervallo da %3 a %4</translation>
    </message>
    <message>
        <source>%1 %2 is not 0, 1, True or False</source>
        <translation>%1 %2 non è 0, 1, True o False</translation>
    </message>
    <message>
        <source>The line is longer than %1 characters</source>
        <translation>La riga supera %1 caratteri</translation>
    </message>
    <message>
        <source>The line has more than %1 fields</source>
        <translation>La riga ha più di %1 campi</translation>
    </message>
    <message>
        <source>The line holds control characters</source>
        <translation>La riga contiene caratteri di controllo</translation>
    </message>
    <message>
        <source>The file cannot be read</source>
        <translation>Il file non può essere letto</translation>
    </message>
    <message>
        <source>An import adds at most %1 box kinds.</source>
        <translation>Un&apos;importazione aggiunge al massimo %1 tipi di collo.</translation>
    </message>
</context>
<context>
    <name>palvane::ContainerPlan</name>
    <message>
        <source>FRONT</source>
        <translation>ANTERIORE</translation>
    </message>
    <message>
        <source>REAR</source>
        <translation>POSTERIORE</translation>
    </message>
    <message>
        <source>Loading direction: from the rear towards the front</source>
        <translation>Direzione di carico: dal retro verso la parte anteriore</translation>
    </message>
    <message>
        <source>Container %1: %2</source>
        <translation>Contenitore %1: %2</translation>
    </message>
    <message>
        <source>%1 boxes, %2 % of the area, load %3</source>
        <translation>%1 colli, %2 % della superficie, carico %3</translation>
    </message>
</context>
<context>
    <name>palvane::Cursor</name>
    <message>
        <source>Field &apos;%1&apos; must have a value.</source>
        <translation>Il campo «%1» deve avere un valore.</translation>
    </message>
    <message>
        <source>The database of table &quot;%1&quot; is not open.</source>
        <translation>Il database della tabella &quot;%1&quot; non è aperto.</translation>
    </message>
    <message>
        <source>Key violation.</source>
        <translation>Violazione di chiave.</translation>
    </message>
    <message>
        <source>The row could not be stored in table &quot;%1&quot;:<byte value="xd"/>%2</source>
        <translation>Impossibile salvare la riga nella tabella &quot;%1&quot;:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The row could not be deleted from table &quot;%1&quot;:<byte value="xd"/>%2</source>
        <translation>Impossibile eliminare la riga dalla tabella &quot;%1&quot;:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The text for field &apos;%1&apos; is too long: at most %2 characters.</source>
        <translation>Il testo del campo «%1» è troppo lungo: al massimo %2 caratteri.</translation>
    </message>
    <message>
        <source>Enter &apos;f&apos; (false) or &apos;t&apos; (true)</source>
        <translation>Inserire &apos;f&apos; (falso) o &apos;t&apos; (vero)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>«%1» non è una data valida</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» non è un numero decimale valido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» non è un numero intero valido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for field &apos;%2&apos;. The allowed range is %3 to %4</source>
        <translation>«%1» non è un valore valido per il campo «%2». L&apos;intervallo ammesso è da %3 a %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not found in the list.</source>
        <translation>«%1» non è presente nell&apos;elenco.</translation>
    </message>
</context>
<context>
    <name>palvane::CursorNavigator</name>
    <message>
        <source>First record</source>
        <translation>Primo record</translation>
    </message>
    <message>
        <source>Prior record</source>
        <translation>Record precedente</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Record successivo</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Ultimo record</translation>
    </message>
    <message>
        <source>Insert record</source>
        <translation>Inserisci record</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Elimina record</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>Eliminare il record?</translation>
    </message>
</context>
<context>
    <name>palvane::DatabaseAliases</name>
    <message>
        <source>Database configuration cannot be read:</source>
        <translation>Impossibile leggere la configurazione dei database:</translation>
    </message>
    <message>
        <source>Database configuration cannot be written:</source>
        <translation>Impossibile scrivere la configurazione dei database:</translation>
    </message>
    <message>
        <source>Main/Home</source>
        <translation>Principale</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esportazione</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importazione</translation>
    </message>
    <message>
        <source>DB location not found, alias:</source>
        <translation>Posizione del DB non trovata, alias:</translation>
    </message>
    <message>
        <source>The aliases %1 and %2 name the same DB location:</source>
        <translation>Gli alias %1 e %2 indicano la stessa posizione del DB:</translation>
    </message>
    <message>
        <source>Unknown driver %1 for the alias %2</source>
        <translation>Driver %1 sconosciuto per l&apos;alias %2</translation>
    </message>
</context>
<context>
    <name>palvane::EngineRows</name>
    <message>
        <source>Task %1 not found</source>
        <translation>Progetto %1 non trovato</translation>
    </message>
</context>
<context>
    <name>palvane::HelpMenu</name>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Ringraziamenti</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Reset default</source>
        <translation>Ripristina predefinita</translation>
    </message>
</context>
<context>
    <name>palvane::HelpWindow</name>
    <message>
        <source>  -  Help</source>
        <translation>  -  Guida</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Indie&amp;tro</translation>
    </message>
</context>
<context>
    <name>palvane::IniFile</name>
    <message>
        <source>IniFile access error.<byte value="xd"/>Loading default settings</source>
        <translation>Errore di accesso al file IniFile.<byte value="xd"/>Caricamento delle impostazioni predefinite</translation>
    </message>
    <message>
        <source>IniFile write error</source>
        <translation>Errore di scrittura del file IniFile</translation>
    </message>
</context>
<context>
    <name>palvane::LibraryForm</name>
    <message>
        <source>Nothing to delete</source>
        <translation>Niente da eliminare</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>Reset all Quantities to zero</source>
        <translation>Azzerare tutte le quantità</translation>
    </message>
    <message>
        <source>&amp;Copy to</source>
        <translation>&amp;Copia in</translation>
    </message>
    <message>
        <source>Copy non zero Quantities to the current task</source>
        <translation>Copiare le quantità non nulle nel progetto corrente</translation>
    </message>
    <message>
        <source>Current task Name</source>
        <translation>Nome del progetto corrente</translation>
    </message>
    <message>
        <source>Allow/Stop Edit Mode</source>
        <translation>Attiva/Disattiva la modalità modifica</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Return to Task page</source>
        <translation>Torna alla pagina Progetto</translation>
    </message>
    <message>
        <source>&amp;Fix</source>
        <translation>&amp;Blocca</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Ca&amp;ncella</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Stam&amp;pa</translation>
    </message>
    <message>
        <source>Clear not used temporary records</source>
        <translation>Cancellare i record temporanei non usati</translation>
    </message>
    <message>
        <source>Print Library List</source>
        <translation>Stampare l&apos;elenco della libreria</translation>
    </message>
    <message>
        <source>You&apos;d press &quot;Fix&quot; button<byte value="xd"/>to modify Q&apos;ty column data.</source>
        <translation>Premere il pulsante &quot;Blocca&quot;<byte value="xd"/>per modificare la colonna Q.tà.</translation>
    </message>
    <message>
        <source>You&apos;d press &quot;Edit&quot; button<byte value="xd"/>to modify yellow columns data<byte value="xd"/>or insert a new item.</source>
        <translation>Premere il pulsante &quot;Modifica&quot;<byte value="xd"/>per modificare le colonne gialle<byte value="xd"/>o inserire un nuovo elemento.</translation>
    </message>
</context>
<context>
    <name>palvane::LoadingSheet</name>
    <message>
        <source>%1 of %2 (%3 %)</source>
        <translation>%1 su %2 (%3 %)</translation>
    </message>
    <message>
        <source>Loading sheet</source>
        <translation>Scheda di carico</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Container %1 of %2</source>
        <translation>Contenitore %1 di %2</translation>
    </message>
    <message>
        <source>(continued)</source>
        <translation>(segue)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>Container type:</source>
        <translation>Tipo di contenitore:</translation>
    </message>
    <message>
        <source>Floor L x W:</source>
        <translation>Pianale L x L:</translation>
    </message>
    <message>
        <source>Boxes:</source>
        <translation>Colli:</translation>
    </message>
    <message>
        <source>Used area:</source>
        <translation>Superficie usata:</translation>
    </message>
    <message>
        <source>Load weight:</source>
        <translation>Peso caricato:</translation>
    </message>
    <message>
        <source>Nose load:</source>
        <translation>Carico anteriore:</translation>
    </message>
    <message>
        <source>Tail load:</source>
        <translation>Carico posteriore:</translation>
    </message>
    <message>
        <source>Kinds on this container</source>
        <translation>Tipi in questo contenitore</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>L x W</source>
        <translation>L x L</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>... and %1 more kinds</source>
        <translation>... e altri %1 tipi</translation>
    </message>
    <message>
        <source>Corner triangle: box turned by 90 degrees</source>
        <translation>Triangolo nell&apos;angolo: collo ruotato di 90 gradi</translation>
    </message>
    <message>
        <source>Boxes in loading order</source>
        <translation>Colli in ordine di carico</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Turned</source>
        <translation>Ruotato</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>Quillo Loading Sheet</source>
        <translation>Quillo Scheda di carico</translation>
    </message>
</context>
<context>
    <name>palvane::LoadingSheetButton</name>
    <message>
        <source>Current container (%1)</source>
        <translation>Contenitore corrente (%1)</translation>
    </message>
    <message>
        <source>Current container</source>
        <translation>Contenitore corrente</translation>
    </message>
    <message>
        <source>Loading s&amp;heet</source>
        <translation>Sc&amp;heda di carico</translation>
    </message>
    <message>
        <source>Print the loading sheet: one page per container for the loading dock</source>
        <translation>Stampa la scheda di carico: una pagina per contenitore per la banchina di carico</translation>
    </message>
    <message>
        <source>All containers</source>
        <translation>Tutti i contenitori</translation>
    </message>
    <message>
        <source>S&amp;heet</source>
        <translation>Sc&amp;heda</translation>
    </message>
</context>
<context>
    <name>palvane::MessagePrompter</name>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
</context>
<context>
    <name>palvane::PrompterMessages</name>
    <message>
        <source>Container to fix deficit for:</source>
        <translation>Container mancanti da bloccare:</translation>
    </message>
    <message>
        <source>Its fixing omited</source>
        <translation>Blocco omesso</translation>
    </message>
    <message>
        <source>Box to fix deficit for:</source>
        <translation>Scatole mancanti da bloccare:</translation>
    </message>
    <message>
        <source>ContFix Error </source>
        <translation>Errore ContFix </translation>
    </message>
    <message>
        <source>BoxFix Error </source>
        <translation>Errore BoxFix </translation>
    </message>
</context>
<context>
    <name>palvane::RegularFile</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 non è un file normale.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB.</source>
        <translation>%1 supera %2 KiB.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 non può essere letto.</translation>
    </message>
</context>
<context>
    <name>palvane::ReportPrinter</name>
    <message>
        <source>The report could not be printed.</source>
        <translation>Impossibile stampare il rapporto.</translation>
    </message>
    <message>
        <source>Print to PDF File</source>
        <translation>Stampa su file PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>There is no stored plan to print.</source>
        <translation>Non c&apos;è alcun piano memorizzato da stampare.</translation>
    </message>
    <message>
        <source>Default printer was not found on program start.</source>
        <translation>Stampante predefinita non trovata all&apos;avvio del programma.</translation>
    </message>
    <message>
        <source>Please turn on printer/server and restart program.</source>
        <translation>Accendere la stampante/il server e riavviare il programma.</translation>
    </message>
</context>
<context>
    <name>palvane::SolutionCsv</name>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Write current solution to files now?</source>
        <translation>Scrivere ora la soluzione corrente su file?</translation>
    </message>
    <message>
        <source>Solution file(s) write error</source>
        <translation>Errore di scrittura dei file della soluzione</translation>
    </message>
    <message>
        <source>Solution data has been</source>
        <translation>I dati della soluzione sono stati</translation>
    </message>
    <message>
        <source>written into the following files:</source>
        <translation>scritti nei seguenti file:</translation>
    </message>
</context>
<context>
    <name>palvane::Store</name>
    <message>
        <source>DB is busy or wrong</source>
        <translation>Il DB è occupato o errato</translation>
    </message>
    <message>
        <source>The folder cannot be written</source>
        <translation>Nella cartella non si può scrivere</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Il disco è pieno</translation>
    </message>
    <message>
        <source>Missing table files: %1</source>
        <translation>File di tabella mancanti: %1</translation>
    </message>
    <message>
        <source>The task is being solved by another user.</source>
        <translation>Il compito è in corso di risoluzione da parte di un altro utente.</translation>
    </message>
    <message>
        <source>The row was changed by another user.</source>
        <translation>La riga è stata modificata da un altro utente.</translation>
    </message>
    <message>
        <source>The tables differ: %1</source>
        <translation>Le tabelle differiscono: %1</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt is not installed</source>
        <translation>Il driver PostgreSQL di Qt non è installato</translation>
    </message>
    <message>
        <source>The database server refused the connection: %1</source>
        <translation>Il server del database ha rifiutato la connessione: %1</translation>
    </message>
</context>
<context>
    <name>palvane::StoreCheck</name>
    <message>
        <source>Table file is damaged:</source>
        <translation>File di tabella danneggiato:</translation>
    </message>
</context>
<context>
    <name>palvane::TAboutForm</name>
    <message>
        <source>About  </source>
        <translation>Informazioni su  </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Thank you for using  </source>
        <translation>Grazie per aver scelto  </translation>
    </message>
    <message>
        <source>Prompts</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>Show context prompts and hints</source>
        <translation>Mostrare suggerimenti contestuali e descrizioni</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avvisi</translation>
    </message>
    <message>
        <source>Show all warnings and confirm messages</source>
        <translation>Mostrare tutti gli avvisi e le richieste di conferma</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
</context>
<context>
    <name>palvane::TAcknoForm</name>
    <message>
        <source>Acknowlegements</source>
        <translation>Ringraziamenti</translation>
    </message>
    <message>
        <source>Many thanks go to the translators of the<byte value="xd"/>localized versions for their hard work:</source>
        <translation>Un sentito grazie ai traduttori delle<byte value="xd"/>versioni localizzate per il loro lavoro:</translation>
    </message>
    <message>
        <source>French:<byte value="xd"/><byte value="xd"/>Italian:</source>
        <translation>Francese:<byte value="xd"/><byte value="xd"/>Italiano:</translation>
    </message>
    <message>
        <source>If you would like to add a translation<byte value="xd"/>in a new language, please contact:</source>
        <translation>Per aggiungere una traduzione<byte value="xd"/>in una nuova lingua, contattare:</translation>
    </message>
    <message>
        <source>The 2D Palvane translation team<byte value="xd"/><byte value="xd"/>The 2D Palvane translation team</source>
        <translation>Il gruppo di traduzione di 2D Palvane<byte value="xd"/><byte value="xd"/>Il gruppo di traduzione di 2D Palvane</translation>
    </message>
    <message>
        <source>The 2D Palvane maintainers,<byte value="xd"/>through the project&apos;s issue tracker</source>
        <translation>I responsabili di 2D Palvane,<byte value="xd"/>tramite il sistema di segnalazione del progetto</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>palvane::TBoxForm</name>
    <message>
        <source>Q&apos;ty</source>
        <translation>Q.tà</translation>
    </message>
    <message>
        <source>Part / 2D Box Kind</source>
        <translation>Elemento / Tipo di scatola 2D</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Sigla</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lungh.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largh.</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>TurnOn</source>
        <translation>Rotaz.</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>  Description</source>
        <translation>  Descrizione</translation>
    </message>
    <message>
        <source>Box Library</source>
        <translation>Libreria scatole</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>Add box records from a text file or clipboard</source>
        <translation>Aggiungere scatole da un file di testo o dagli appunti</translation>
    </message>
    <message>
        <source>Import actions:</source>
        <translation>Azioni di importazione:</translation>
    </message>
    <message>
        <source>    Read part / box data from file...</source>
        <translation>    Leggi elementi / scatole da file...</translation>
    </message>
    <message>
        <source>    Paste part / box data from clipboard...</source>
        <translation>    Incolla elementi / scatole dagli appunti...</translation>
    </message>
    <message>
        <source>Define input data column order:</source>
        <translation>Ordine delle colonne dei dati:</translation>
    </message>
    <message>
        <source>   0)  Q&apos;ty   Kind   Length   Width   [ Weight   Mark   TurnOn ]</source>
        <translation>   0)  Q.tà   Tipo   Lunghezza   Larghezza   [ Peso   Sigla   Rotaz. ]</translation>
    </message>
    <message>
        <source>   1)  Kind   Q&apos;ty   Length   Width   [ Weight   Mark   TurnOn ]</source>
        <translation>   1)  Tipo   Q.tà   Lunghezza   Larghezza   [ Peso   Sigla   Rotaz. ]</translation>
    </message>
    <message>
        <source>   2)  Kind   Length   Width   [ Q&apos;ty   Weight   Mark   TurnOn ]</source>
        <translation>   2)  Tipo   Lunghezza   Larghezza   [ Q.tà   Peso   Sigla   Rotaz. ]</translation>
    </message>
    <message>
        <source>   3)  Kind   Length   Width   [ Weight   Q&apos;ty   Mark   TurnOn ]</source>
        <translation>   3)  Tipo   Lunghezza   Larghezza   [ Peso   Q.tà   Sigla   Rotaz. ]</translation>
    </message>
    <message>
        <source>Define input data field separators:</source>
        <translation>Separatori dei campi dei dati:</translation>
    </message>
    <message>
        <source>   Space or Tab  ( *.txt files)</source>
        <translation>   Spazio o tabulazione  (file *.txt)</translation>
    </message>
    <message>
        <source>   Comma  ( *.csv files)</source>
        <translation>   Virgola  (file *.csv)</translation>
    </message>
    <message>
        <source>Check to omit first header line (paste from MS Access case)</source>
        <translation>Spuntare per ignorare la prima riga d&apos;intestazione (dati incollati da MS Access)</translation>
    </message>
    <message>
        <source>Delete box:</source>
        <translation>Eliminare la scatola:</translation>
    </message>
    <message>
        <source>Print Box Library report now?</source>
        <translation>Stampare ora il rapporto della libreria scatole?</translation>
    </message>
    <message>
        <source>Choose file to import new boxes into the library from..</source>
        <translation>Scegliere il file da cui importare nuove scatole nella libreria..</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Quillo box import file (*.csv)</source>
        <translation>File Quillo di importazione scatole (*.csv)</translation>
    </message>
    <message>
        <source>Quillo box import file (*.txt)</source>
        <translation>File Quillo di importazione scatole (*.txt)</translation>
    </message>
    <message>
        <source>Quantity: boxes of this kind that &quot;Copy to&quot; puts into the current task</source>
        <translation>Quantità: scatole di questo tipo che &quot;Copia in&quot; inserisce nel progetto corrente</translation>
    </message>
    <message>
        <source>True: the box may be turned by 90 degrees on the floor</source>
        <translation>True: la scatola può essere ruotata di 90 gradi sul pianale</translation>
    </message>
    <message>
        <source>Temporary record: &quot;Clear&quot; in edit mode deletes it when no task uses it</source>
        <translation>Record temporaneo: &quot;Cancella&quot; in modalità modifica lo elimina se nessun progetto lo usa</translation>
    </message>
</context>
<context>
    <name>palvane::TCntForm</name>
    <message>
        <source>Q&apos;ty</source>
        <translation>Q.tà</translation>
    </message>
    <message>
        <source>Sheet / 2D Container Type</source>
        <translation>Foglio / Tipo di container 2D</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Sigla</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lungh.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largh.</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Fill Dir</source>
        <translation>Riemp.</translation>
    </message>
    <message>
        <source>LoadWt</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>NoseWt</source>
        <translation>PesoAnt</translation>
    </message>
    <message>
        <source>TailWt</source>
        <translation>PesoPost</translation>
    </message>
    <message>
        <source>NoseDL</source>
        <translation>DistAnt</translation>
    </message>
    <message>
        <source>TailDL</source>
        <translation>DistPost</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>  Description</source>
        <translation>  Descrizione</translation>
    </message>
    <message>
        <source>Container Library</source>
        <translation>Libreria container</translation>
    </message>
    <message>
        <source>Delete container:</source>
        <translation>Eliminare il container:</translation>
    </message>
    <message>
        <source>Print Container Library report now?</source>
        <translation>Stampare ora il rapporto della libreria container?</translation>
    </message>
    <message>
        <source>Quantity: containers of this type that &quot;Copy to&quot; puts into the current task</source>
        <translation>Quantità: container di questo tipo che &quot;Copia in&quot; inserisce nel progetto corrente</translation>
    </message>
    <message>
        <source>Fill direction: boxes are loaded along the Length, across it (Width), or Either way</source>
        <translation>Direzione di riempimento: le scatole sono caricate lungo la lunghezza (Length), lungo la larghezza (Width) o in entrambi i sensi (Either)</translation>
    </message>
    <message>
        <source>Load limit of the front (nose) axle; 0 with TailWt 0: no axle check</source>
        <translation>Carico massimo dell&apos;asse anteriore; 0 con PesoPost 0: nessun controllo degli assi</translation>
    </message>
    <message>
        <source>Load limit of the rear (tail) axle; 0 with NoseWt 0: no axle check</source>
        <translation>Carico massimo dell&apos;asse posteriore; 0 con PesoAnt 0: nessun controllo degli assi</translation>
    </message>
    <message>
        <source>Distance of the front (nose) axle from the front end</source>
        <translation>Distanza dell&apos;asse anteriore dall&apos;estremità anteriore</translation>
    </message>
    <message>
        <source>Distance of the rear (tail) axle from the rear end</source>
        <translation>Distanza dell&apos;asse posteriore dall&apos;estremità posteriore</translation>
    </message>
    <message>
        <source>Temporary record: &quot;Clear&quot; in edit mode deletes it when no task uses it</source>
        <translation>Record temporaneo: &quot;Cancella&quot; in modalità modifica lo elimina se nessun progetto lo usa</translation>
    </message>
</context>
<context>
    <name>palvane::TDMForm</name>
    <message>
        <source>This container Type is used in Export DB.</source>
        <translation>Questo tipo di container è usato nel DB di esportazione.</translation>
    </message>
    <message>
        <source>This container Type is used in a task:</source>
        <translation>Questo tipo di container è usato in un progetto:</translation>
    </message>
    <message>
        <source>Are you sure to modify container properties (Yes/No)</source>
        <translation>Modificare davvero le proprietà del container (Sì/No)</translation>
    </message>
    <message>
        <source>This container Type already presents in the table</source>
        <translation>Questo tipo di container è già presente nella tabella</translation>
    </message>
    <message>
        <source>You&apos;d define container Type at first</source>
        <translation>Definire prima il tipo di container</translation>
    </message>
    <message>
        <source>Available container number should not be less than<byte value="xd"/>already Used number, needed for Fixed containers.</source>
        <translation>Il numero di container disponibili non deve essere inferiore<byte value="xd"/>al numero già usato, necessario per i container bloccati.</translation>
    </message>
    <message>
        <source>This container Type is used<byte value="xd"/>for Fixed containers.<byte value="xd"/>It should not be deleted.</source>
        <translation>Questo tipo di container è usato<byte value="xd"/>per container bloccati.<byte value="xd"/>Non deve essere eliminato.</translation>
    </message>
    <message>
        <source>This box Kind is used in Export DB.</source>
        <translation>Questo tipo di scatola è usato nel DB di esportazione.</translation>
    </message>
    <message>
        <source>This box Kind is used in a task:</source>
        <translation>Questo tipo di scatola è usato in un progetto:</translation>
    </message>
    <message>
        <source>Are you sure to modify box properties (Yes/No)?</source>
        <translation>Modificare davvero le proprietà della scatola (Sì/No)?</translation>
    </message>
    <message>
        <source>This box Kind already presents in the table</source>
        <translation>Questo tipo di scatola è già presente nella tabella</translation>
    </message>
    <message>
        <source>You&apos;d define box Kind at first</source>
        <translation>Definire prima il tipo di scatola</translation>
    </message>
    <message>
        <source>Total box number should not be less than<byte value="xd"/>already Used number, placed in Fixed containers.</source>
        <translation>Il numero totale di scatole non deve essere inferiore<byte value="xd"/>al numero di scatole già posizionate in container bloccati.</translation>
    </message>
    <message>
        <source>This box Kind is used<byte value="xd"/>in Fixed containers.<byte value="xd"/>It should not be deleted.</source>
        <translation>Questo tipo di scatola è usato<byte value="xd"/>in container bloccati.<byte value="xd"/>Non deve essere eliminato.</translation>
    </message>
    <message>
        <source>Axle displacements sum should<byte value="xd"/>be less then container length.</source>
        <translation>La somma delle distanze degli assi deve<byte value="xd"/>essere inferiore alla lunghezza del container.</translation>
    </message>
    <message>
        <source>Choose a value from drop-down list</source>
        <translation>Scegliere un valore dall&apos;elenco a discesa</translation>
    </message>
    <message>
        <source>You can not edit Export DB library,<byte value="xd"/>you may only delete unused records.</source>
        <translation>Non è possibile modificare la libreria del DB di esportazione,<byte value="xd"/>si possono solo eliminare i record non usati.</translation>
    </message>
    <message>
        <source>Edit action should be cancelled.</source>
        <translation>La modifica deve essere annullata.</translation>
    </message>
    <message>
        <source>Data changes could be accepted<byte value="xd"/>just after task solution was cleared.</source>
        <translation>Le modifiche sono accettate<byte value="xd"/>solo dopo aver cancellato la soluzione del progetto.</translation>
    </message>
    <message>
        <source>... regarding all other related tasks (All)?</source>
        <translation>... per tutti gli altri progetti collegati (Tutti)?</translation>
    </message>
    <message>
        <source>... regarding all containers to modify (Yes to All)?</source>
        <translation>... per tutti i container da modificare (Sì a tutti)?</translation>
    </message>
    <message>
        <source>Delete action should be cancelled.</source>
        <translation>L&apos;eliminazione deve essere annullata.</translation>
    </message>
    <message>
        <source>Number must be positive</source>
        <translation>Il numero deve essere positivo</translation>
    </message>
    <message>
        <source>Cost must be positive</source>
        <translation>Il costo deve essere positivo</translation>
    </message>
    <message>
        <source>Table file &quot;%1&quot; holds %2 value(s) outside the limits of their fields.<byte value="xd"/>They are shown within the limits; the file keeps them until they are edited.</source>
        <translation>Il file di tabella &quot;%1&quot; contiene %2 valore/i fuori dai limiti dei rispettivi campi.<byte value="xd"/>Sono mostrati entro i limiti; il file li conserva finché non vengono modificati.</translation>
    </message>
    <message>
        <source>DB is busy or wrong</source>
        <translation>Il DB è occupato o errato</translation>
    </message>
    <message>
        <source>Deleting DB task data...</source>
        <translation>Eliminazione dei dati del progetto...</translation>
    </message>
    <message>
        <source>The task could not be deleted; nothing was removed.<byte value="xd"/>%1</source>
        <translation>Impossibile eliminare il progetto; non è stato rimosso nulla.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The row could not be deleted from table &quot;%1&quot;:<byte value="xd"/>%2</source>
        <translation>Impossibile eliminare la riga dalla tabella &quot;%1&quot;:<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>palvane::TDistrForm</name>
    <message>
        <source>Click box mark center to see properties</source>
        <translation>Fare clic al centro della sigla di una scatola per vederne le proprietà</translation>
    </message>
    <message>
        <source>Container Area/Weight Capacity Utilization</source>
        <translation>Utilizzo della capacità area/peso dei container</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Immagine</translation>
    </message>
    <message>
        <source>Return to 2D Image</source>
        <translation>Torna all&apos;immagine 2D</translation>
    </message>
    <message>
        <source>Box Set Disposition</source>
        <translation>Disposizione delle scatole</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Grafico</translation>
    </message>
    <message>
        <source>Area-Weight utilization diagram</source>
        <translation>Diagramma di utilizzo area-peso</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Scatole</translation>
    </message>
    <message>
        <source>Containers</source>
        <translation>Container</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Loading Sequence</source>
        <translation>Sequenza di carico</translation>
    </message>
    <message>
        <source>Container to view</source>
        <translation>Container da visualizzare</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>View Options</source>
        <translation>Opzioni di visualizzazione</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Stam&amp;pa</translation>
    </message>
    <message>
        <source>Print Current Image</source>
        <translation>Stampa l&apos;immagine corrente</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Return to Task / Solution page</source>
        <translation>Torna alla pagina Progetto / Soluzione</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Singolo</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultimo</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primo</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Prec.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Succ.</translation>
    </message>
    <message>
        <source>Dims: </source>
        <translation>Dim.: </translation>
    </message>
    <message>
        <source>Wgt: </source>
        <translation>Peso: </translation>
    </message>
    <message>
        <source>XY: </source>
        <translation>XY: </translation>
    </message>
    <message>
        <source>Right click mouse to adjust view</source>
        <translation>Clic destro per regolare la vista</translation>
    </message>
    <message>
        <source>Print current Image now?</source>
        <translation>Stampare ora l&apos;immagine corrente?</translation>
    </message>
</context>
<context>
    <name>palvane::TNameForm</name>
    <message>
        <source>Select a Task</source>
        <translation>Seleziona un progetto</translation>
    </message>
    <message>
        <source>Select stored task</source>
        <translation>Selezionare un progetto salvato</translation>
    </message>
    <message>
        <source>  Task Name</source>
        <translation>  Nome progetto</translation>
    </message>
    <message>
        <source>  Date</source>
        <translation>  Data</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Soluzione</translation>
    </message>
    <message>
        <source>  Description</source>
        <translation>  Descrizione</translation>
    </message>
    <message>
        <source>&amp;Delete Task</source>
        <translation>&amp;Elimina progetto</translation>
    </message>
    <message>
        <source>D&amp;uplicate Task</source>
        <translation>&amp;Duplica progetto</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>DB is empty</source>
        <translation>Il DB è vuoto</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>Eliminare il record?</translation>
    </message>
</context>
<context>
    <name>palvane::TOptForm</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Optimizer Settings</source>
        <translation>Impostazioni dell&apos;ottimizzatore</translation>
    </message>
    <message>
        <source>Exchange DB</source>
        <translation>DB di scambio</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Close Settings page</source>
        <translation>Chiudere la pagina Impostazioni</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Attive</translation>
    </message>
    <message>
        <source>Active settings</source>
        <translation>Impostazioni attive</translation>
    </message>
    <message>
        <source>Current Task</source>
        <translation>Progetto corrente</translation>
    </message>
    <message>
        <source>Current task settings</source>
        <translation>Impostazioni del progetto corrente</translation>
    </message>
    <message>
        <source>Intensity (0..20)</source>
        <translation>Intensità (0..20)</translation>
    </message>
    <message>
        <source>Increases optimizer search intensity and runtime</source>
        <translation>Aumenta l&apos;intensità della ricerca e il tempo di calcolo</translation>
    </message>
    <message>
        <source>Time Limit (sec)</source>
        <translation>Tempo max. (s)</translation>
    </message>
    <message>
        <source>Optimizer run time limit</source>
        <translation>Tempo massimo di calcolo dell&apos;ottimizzatore</translation>
    </message>
    <message>
        <source>Random Line No</source>
        <translation>N. serie casuale</translation>
    </message>
    <message>
        <source>May influence upon a solution</source>
        <translation>Può influire sulla soluzione</translation>
    </message>
    <message>
        <source>Weight Factor,%</source>
        <translation>Fattore peso, %</translation>
    </message>
    <message>
        <source>Increases LoadWeight vs Area utilization</source>
        <translation>Favorisce l&apos;utilizzo del peso rispetto all&apos;area</translation>
    </message>
    <message>
        <source>Net Cost Factor</source>
        <translation>Fattore costo netto</translation>
    </message>
    <message>
        <source>Increases resulting Net Cost importance</source>
        <translation>Aumenta l&apos;importanza del costo netto risultante</translation>
    </message>
    <message>
        <source>Left Items Factor</source>
        <translation>Fattore elementi rimasti</translation>
    </message>
    <message>
        <source>Can decrease non placed item number</source>
        <translation>Può ridurre il numero di elementi non posizionati</translation>
    </message>
    <message>
        <source>Bind Group Factor</source>
        <translation>Fattore di raggruppamento</translation>
    </message>
    <message>
        <source>Helps to keep identical item groups in the same container</source>
        <translation>Aiuta a tenere i gruppi di elementi identici nello stesso container</translation>
    </message>
    <message>
        <source>Ignore Last Container</source>
        <translation>Ignora l&apos;ultimo container</translation>
    </message>
    <message>
        <source>Exclude last half-empty container from results</source>
        <translation>Escludere dai risultati l&apos;ultimo container semivuoto</translation>
    </message>
    <message>
        <source>Item to Item Gap</source>
        <translation>Distanza tra elementi</translation>
    </message>
    <message>
        <source>Intermediate space layer</source>
        <translation>Spazio tra gli elementi</translation>
    </message>
    <message>
        <source>Item to Edge Gap</source>
        <translation>Distanza dai bordi</translation>
    </message>
    <message>
        <source>Space layer near edges</source>
        <translation>Spazio lungo i bordi</translation>
    </message>
    <message>
        <source>Keep current settings</source>
        <translation>Mantieni le impostazioni attuali</translation>
    </message>
    <message>
        <source>Keep active settings when changing the task</source>
        <translation>Mantenere le impostazioni attive al cambio di progetto</translation>
    </message>
    <message>
        <source>Load task specific</source>
        <translation>Carica quelle del progetto</translation>
    </message>
    <message>
        <source>Load specific settings saved with a task solution</source>
        <translation>Caricare le impostazioni salvate con la soluzione di un progetto</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Predefinite</translation>
    </message>
    <message>
        <source>Activate default optimizer settings</source>
        <translation>Attivare le impostazioni predefinite dell&apos;ottimizzatore</translation>
    </message>
    <message>
        <source>EXCHANGE DB FUNCTIONS</source>
        <translation>FUNZIONI DEI DB DI SCAMBIO</translation>
    </message>
    <message>
        <source>&amp;Add Task to Export DB</source>
        <translation>&amp;Aggiungi progetto al DB di esportazione</translation>
    </message>
    <message>
        <source>Add current task data to Export DB</source>
        <translation>Aggiungere i dati del progetto corrente al DB di esportazione</translation>
    </message>
    <message>
        <source>Switch to E&amp;xport DB</source>
        <translation>Passa al DB di &amp;esportazione</translation>
    </message>
    <message>
        <source>Activate Export DB</source>
        <translation>Attivare il DB di esportazione</translation>
    </message>
    <message>
        <source>Switch to I&amp;mport DB</source>
        <translation>Passa al DB di &amp;importazione</translation>
    </message>
    <message>
        <source>Activate Import DB</source>
        <translation>Attivare il DB di importazione</translation>
    </message>
    <message>
        <source>Switch to &amp;Home DB</source>
        <translation>Torna al DB &amp;principale</translation>
    </message>
    <message>
        <source>Reactivate main Home DB</source>
        <translation>Riattivare il DB principale</translation>
    </message>
    <message>
        <source>Remove all task data from current DB</source>
        <translation>Rimuovere tutti i dati dei progetti dal DB attivo</translation>
    </message>
    <message>
        <source>&amp;Empty Export DB</source>
        <translation>S&amp;vuota DB di esportazione</translation>
    </message>
    <message>
        <source>&amp;Empty Import DB</source>
        <translation>S&amp;vuota DB di importazione</translation>
    </message>
    <message>
        <source>&amp;Empty active DB</source>
        <translation>S&amp;vuota DB attivo</translation>
    </message>
    <message>
        <source>Improve (s)</source>
        <translation>Miglioramento (s)</translation>
    </message>
    <message>
        <source>Seconds spent improving the plan after the search (0 = off)</source>
        <translation>Secondi di miglioramento del piano dopo la ricerca (0 = disattivato)</translation>
    </message>
</context>
<context>
    <name>palvane::TSolutForm</name>
    <message>
        <source>  -  Solution page</source>
        <translation>  -  Pagina Soluzione</translation>
    </message>
    <message>
        <source>CONTAINER  TOTAL  LOAD  DATA </source>
        <translation>DATI  DI  CARICO  DEI  CONTAINER </translation>
    </message>
    <message>
        <source>BOX SET in the SELECTED CONTAINER </source>
        <translation>SCATOLE nel CONTAINER SELEZIONATO </translation>
    </message>
    <message>
        <source>BOX  POSITIONS  in  the  SELECTED  CONTAINER</source>
        <translation>POSIZIONI  delle  SCATOLE  nel  CONTAINER  SELEZIONATO</translation>
    </message>
    <message>
        <source>Containers used in the solution</source>
        <translation>Container usati nella soluzione</translation>
    </message>
    <message>
        <source>Box set placed into selected container </source>
        <translation>Scatole posizionate nel container selezionato </translation>
    </message>
    <message>
        <source>Box coordinates &amp; put orientations</source>
        <translation>Coordinate e orientamenti delle scatole</translation>
    </message>
    <message>
        <source>Fix Selected</source>
        <translation>Blocca selezionato</translation>
    </message>
    <message>
        <source>Container fixing switch</source>
        <translation>Blocca / sblocca il container</translation>
    </message>
    <message>
        <source> Selected Container </source>
        <translation> Container selezionato </translation>
    </message>
    <message>
        <source> Selected Box </source>
        <translation> Scatola selezionata </translation>
    </message>
    <message>
        <source>Type </source>
        <translation>Tipo </translation>
    </message>
    <message>
        <source>Load Weight</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>L , W</source>
        <translation>Lu , La</translation>
    </message>
    <message>
        <source>Kind </source>
        <translation>Tipo </translation>
    </message>
    <message>
        <source>Box Weight</source>
        <translation>Peso scatola</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vista</translation>
    </message>
    <message>
        <source>Open Image Page</source>
        <translation>Aprire la pagina Immagine</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Stam&amp;pa</translation>
    </message>
    <message>
        <source>Print Solution Data</source>
        <translation>Stampare i dati della soluzione</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>File Solution Data</source>
        <translation>Salvare la soluzione su file</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Return to Task page</source>
        <translation>Torna alla pagina Progetto</translation>
    </message>
    <message>
        <source>Container Type</source>
        <translation>Container</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Blocc.</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Scat.</translation>
    </message>
    <message>
        <source>%Area</source>
        <translation>%Area</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>%Wgt</source>
        <translation>%Peso</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>NoseWt</source>
        <translation>P.Ant</translation>
    </message>
    <message>
        <source>TailWt</source>
        <translation>P.Post</translation>
    </message>
    <message>
        <source>Box Kind</source>
        <translation>Tipo di scatola</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Tot.</translation>
    </message>
    <message>
        <source> Area</source>
        <translation> Area</translation>
    </message>
    <message>
        <source>Pos X</source>
        <translation>Pos X</translation>
    </message>
    <message>
        <source>Pos Y</source>
        <translation>Pos Y</translation>
    </message>
    <message>
        <source>Put L</source>
        <translation>Pos. Lu</translation>
    </message>
    <message>
        <source>Put W</source>
        <translation>Pos. La</translation>
    </message>
    <message>
        <source>Load N</source>
        <translation>N. car.</translation>
    </message>
    <message>
        <source>Print current solution report now?</source>
        <translation>Stampare ora il rapporto della soluzione corrente?</translation>
    </message>
    <message>
        <source>Note: to print the other container</source>
        <translation>Nota: per stampare un altro container,</translation>
    </message>
    <message>
        <source>data, select it and press &quot;Print&quot;</source>
        <translation>selezionarlo e premere &quot;Stampa&quot;</translation>
    </message>
</context>
<context>
    <name>palvane::TTasksForm</name>
    <message>
        <source>CURRENT TASK</source>
        <translation>PROGETTO</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIZIONE</translation>
    </message>
    <message>
        <source>Current Task Name</source>
        <translation>Nome del progetto corrente</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Elenco dei progetti</translation>
    </message>
    <message>
        <source>Task Navigator</source>
        <translation>Navigazione tra i progetti</translation>
    </message>
    <message>
        <source>Current Task Description</source>
        <translation>Descrizione del progetto corrente</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Last solution date</source>
        <translation>Data dell&apos;ultima soluzione</translation>
    </message>
    <message>
        <source>SHEETS /  2D Containers to Load</source>
        <translation>FOGLI / Containers 2D da caricare</translation>
    </message>
    <message>
        <source>&amp;Container Library</source>
        <translation>Libreria &amp;container</translation>
    </message>
    <message>
        <source>Open Container Library</source>
        <translation>Aprire la libreria container</translation>
    </message>
    <message>
        <source>Containers to use for loading</source>
        <translation>Container da usare per il carico</translation>
    </message>
    <message>
        <source>PARTS  /  2D Boxes  to  Pack</source>
        <translation>ELEMENTI / Scatole da posizionare</translation>
    </message>
    <message>
        <source>&amp;Box Library</source>
        <translation>Libreria &amp;scatole</translation>
    </message>
    <message>
        <source>Open Box Library</source>
        <translation>Aprire la libreria scatole</translation>
    </message>
    <message>
        <source>Boxes to load in above containers</source>
        <translation>Scatole da caricare nei container qui sopra</translation>
    </message>
    <message>
        <source>Total Utilization</source>
        <translation>Utilizzo totale</translation>
    </message>
    <message>
        <source>Total container capacity utilization</source>
        <translation>Utilizzo totale della capacità dei container</translation>
    </message>
    <message>
        <source>%Wgt</source>
        <translation>%Peso</translation>
    </message>
    <message>
        <source>%Area</source>
        <translation>%Area</translation>
    </message>
    <message>
        <source>Container Load Weight average utilization, %</source>
        <translation>Utilizzo medio della portata dei container, %</translation>
    </message>
    <message>
        <source>Container Area average utilization, %</source>
        <translation>Utilizzo medio dell&apos;area dei container, %</translation>
    </message>
    <message>
        <source>Containers:       Avail        Used</source>
        <translation>Container:        Disp.        Usati</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>LoadWt</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Boxes:               Total            Left</source>
        <translation>Scatole:            Totale           Rimaste</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Net Cost</source>
        <translation>Costo netto</translation>
    </message>
    <message>
        <source>Used boxes minus containers cost</source>
        <translation>Scatole usate meno il costo dei container</translation>
    </message>
    <message>
        <source>Common Turn Rules:</source>
        <translation>Rotazioni comuni:</translation>
    </message>
    <message>
        <source>Turn on common box orientation rules</source>
        <translation>Attivare le regole comuni di orientamento delle scatole</translation>
    </message>
    <message>
        <source>Horiz.TurnOn</source>
        <translation>Rot. orizz.</translation>
    </message>
    <message>
        <source>Allow turns around the vertical axis</source>
        <translation>Consentire la rotazione attorno all&apos;asse verticale</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vista</translation>
    </message>
    <message>
        <source>Open Image page</source>
        <translation>Aprire la pagina Immagine</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>&amp;Risultati</translation>
    </message>
    <message>
        <source>Open Solution page</source>
        <translation>Aprire la pagina Soluzione</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>Optional Controls &amp; Settings</source>
        <translation>Comandi e impostazioni opzionali</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Stam&amp;pa</translation>
    </message>
    <message>
        <source>Print task data</source>
        <translation>Stampare i dati del progetto</translation>
    </message>
    <message>
        <source>Currently active DB</source>
        <translation>DB attivo</translation>
    </message>
    <message>
        <source>Area Multipl.</source>
        <translation>Moltipl. area</translation>
    </message>
    <message>
        <source>Multiplier for all Area values</source>
        <translation>Moltiplicatore di tutti i valori di area</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Uscire dal programma</translation>
    </message>
    <message>
        <source>Container Type</source>
        <translation>Tipo di container</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Pr</source>
        <translation>Pr</translation>
    </message>
    <message>
        <source>Avail</source>
        <translation>Disp.</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Usati</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Sigla</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lungh.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largh.</translation>
    </message>
    <message>
        <source>Fill Dir</source>
        <translation>Riemp.</translation>
    </message>
    <message>
        <source>Box Kind</source>
        <translation>Tipo di scatola</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>TurnOn</source>
        <translation>Rotaz.</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Ca&amp;ncella</translation>
    </message>
    <message>
        <source>So&amp;lve</source>
        <translation>So&amp;luzione</translation>
    </message>
    <message>
        <source>Clear current Solution</source>
        <translation>Cancellare la soluzione corrente</translation>
    </message>
    <message>
        <source>Start solver run</source>
        <translation>Avviare il calcolo</translation>
    </message>
    <message>
        <source>Task page</source>
        <translation>Pagina Progetto</translation>
    </message>
    <message>
        <source>Export DB on</source>
        <translation>DB di esportazione attivo</translation>
    </message>
    <message>
        <source>Import DB on</source>
        <translation>DB di importazione attivo</translation>
    </message>
    <message>
        <source> Home DB on</source>
        <translation> DB principale attivo</translation>
    </message>
    <message>
        <source>You&apos;d &quot;Clear&quot; preceding solution<byte value="xd"/>before task data modifying</source>
        <translation>Cancellare la soluzione precedente<byte value="xd"/>prima di modificare i dati del progetto</translation>
    </message>
    <message>
        <source>You can modify yellow columns data<byte value="xd"/>just from the Container/Box Library</source>
        <translation>Le colonne gialle si modificano<byte value="xd"/>solo dalla libreria container/scatole</translation>
    </message>
    <message>
        <source>Problem saving data files.<byte value="xd"/><byte value="xd"/>Running this program without necessary rights to<byte value="xd"/>read/write files can possibly violate data structure.<byte value="xd"/><byte value="xd"/>Please move program into any folder avoiding protected<byte value="xd"/>areas like C:\Program Files.., C:\ProgramData.. <byte value="xd"/>(to move, you&apos;d uninstall and then install program again).<byte value="xd"/>Alternatively, always run program &quot;As Administrator&quot;.</source>
        <translation>Problema nel salvataggio dei file di dati.<byte value="xd"/><byte value="xd"/>Eseguire questo programma senza i diritti necessari per<byte value="xd"/>leggere/scrivere file può danneggiare la struttura dei dati.<byte value="xd"/><byte value="xd"/>Spostare il programma in una cartella fuori dalle aree<byte value="xd"/>protette come C:\Program Files.., C:\ProgramData.. <byte value="xd"/>(per spostarlo, disinstallarlo e poi reinstallarlo).<byte value="xd"/>In alternativa, eseguire sempre il programma &quot;Come amministratore&quot;.</translation>
    </message>
    <message>
        <source>Clear current task solution?</source>
        <translation>Cancellare la soluzione corrente?</translation>
    </message>
    <message>
        <source>Total container number exceeds limit: </source>
        <translation>Il numero totale di container supera il limite: </translation>
    </message>
    <message>
        <source>Total box number exceeds limit: </source>
        <translation>Il numero totale di scatole supera il limite: </translation>
    </message>
    <message>
        <source>You should define container(s)</source>
        <translation>Definire uno o più container</translation>
    </message>
    <message>
        <source>You should define boxes</source>
        <translation>Definire le scatole</translation>
    </message>
    <message>
        <source>The task could not be read.</source>
        <translation>Impossibile leggere il progetto.</translation>
    </message>
    <message>
        <source>The plan could not be stored; the previous solution is unchanged.</source>
        <translation>Impossibile salvare il piano; la soluzione precedente è invariata.</translation>
    </message>
    <message>
        <source>The solution could not be cleared.</source>
        <translation>Impossibile cancellare la soluzione.</translation>
    </message>
    <message>
        <source>Print task data report now?</source>
        <translation>Stampare ora il rapporto del progetto?</translation>
    </message>
    <message>
        <source>Exit program?</source>
        <translation>Esci dal programma?</translation>
    </message>
    <message>
        <source>Boxes not placed in the plan. Boxes are left when:
- &quot;Ignore Last Container&quot; (Settings) drops the last, half-empty container,
- the Net Cost Factor finds them not worth the cost of a container,
- the time limit ends the search before they found a place,
- the containers are too few, or a box is larger than every container.</source>
        <translation>Scatole non collocate nel piano. Restano scatole quando:
- &quot;Ignora l&apos;ultimo container&quot; (Impostazioni) scarta l&apos;ultimo container semivuoto,
- il fattore costo netto le giudica non convenienti rispetto al costo di un container,
- il tempo max. ferma la ricerca prima che trovino posto,
- i container sono troppo pochi, o una scatola è più grande di ogni container.</translation>
    </message>
    <message>
        <source>These box kinds fit no container of the task in any permitted orientation<byte value="xd"/>(gaps included); their boxes will be left:</source>
        <translation>Questi tipi di scatola non entrano in nessun container del progetto, in nessun orientamento permesso<byte value="xd"/>(distanze incluse); le loro scatole resteranno fuori:</translation>
    </message>
</context>
<context>
    <name>palvane::TTuneForm</name>
    <message>
        <source>View Options</source>
        <translation>Opzioni di visualizzazione</translation>
    </message>
    <message>
        <source>Choose grid frequency</source>
        <translation>Scegliere il passo della griglia</translation>
    </message>
    <message>
        <source>Overall scale tuner</source>
        <translation>Regolazione della scala generale</translation>
    </message>
    <message>
        <source>Move across</source>
        <translation>Spostare in orizzontale</translation>
    </message>
    <message>
        <source>Move up/down</source>
        <translation>Spostare in alto/in basso</translation>
    </message>
    <message>
        <source>Visual separation</source>
        <translation>Separazione visiva</translation>
    </message>
    <message>
        <source>Wire line width</source>
        <translation>Spessore delle linee</translation>
    </message>
    <message>
        <source>Choose color set</source>
        <translation>Scegliere la tavolozza dei colori</translation>
    </message>
    <message>
        <source>Line brightness</source>
        <translation>Luminosità delle linee</translation>
    </message>
    <message>
        <source>Box / Part color</source>
        <translation>Colore delle scatole / elementi</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Colore dello sfondo</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Click to reset grid</source>
        <translation>Fare clic per ripristinare la griglia</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Click to reset size</source>
        <translation>Fare clic per ripristinare la dimensione</translation>
    </message>
    <message>
        <source>Move X</source>
        <translation>Sposta X</translation>
    </message>
    <message>
        <source>Click to reset shifts</source>
        <translation>Fare clic per annullare gli spostamenti</translation>
    </message>
    <message>
        <source>Move Y</source>
        <translation>Sposta Y</translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation>Distanze</translation>
    </message>
    <message>
        <source>Click to reset gaps</source>
        <translation>Fare clic per ripristinare le distanze</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linee</translation>
    </message>
    <message>
        <source>Click to reset lines</source>
        <translation>Fare clic per ripristinare le linee</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Click to reset coloring</source>
        <translation>Fare clic per ripristinare i colori</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Luce</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Elementi</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Box Kinds</source>
        <translation>Tipi di scatola</translation>
    </message>
    <message>
        <source>Display box Kinds instead of Marks</source>
        <translation>Mostrare i tipi di scatola invece delle sigle</translation>
    </message>
    <message>
        <source>Turn Signs</source>
        <translation>Segni di rotazione</translation>
    </message>
    <message>
        <source>Display box orientation signs</source>
        <translation>Mostrare i segni di orientamento delle scatole</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Restore all normal values</source>
        <translation>Ripristinare tutti i valori normali</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close View Options</source>
        <translation>Chiudere le opzioni di visualizzazione</translation>
    </message>
</context>
<context>
    <name>palvane::TWaitForm</name>
    <message>
        <source>Fixed objects processing...</source>
        <translation>Elaborazione degli oggetti bloccati...</translation>
    </message>
    <message>
        <source>Reading DB task...</source>
        <translation>Lettura del progetto...</translation>
    </message>
    <message>
        <source>Packing progress...</source>
        <translation>Packing in corso...</translation>
    </message>
    <message>
        <source>Writing DB...</source>
        <translation>Scrittura del DB...</translation>
    </message>
    <message>
        <source>Clearing DB solution...</source>
        <translation>Cancellazione della soluzione...</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Attendere prego</translation>
    </message>
    <message>
        <source>Esc to abort</source>
        <translation>Esc per interrompere</translation>
    </message>
    <message>
        <source>Aborted...</source>
        <translation>Annullato...</translation>
    </message>
    <message>
        <source>Pure packing time</source>
        <translation>Tempo netto di calcolo</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ciclo</translation>
    </message>
    <message>
        <source>Improving the plan...</source>
        <translation>Miglioramento del piano...</translation>
    </message>
</context>
<context>
    <name>palvane::TaskExchange</name>
    <message>
        <source>DB is busy or incorrect</source>
        <translation>Il DB è occupato o non corretto</translation>
    </message>
    <message>
        <source>Add current task to Export DB?</source>
        <translation>Aggiungere il progetto corrente al DB di esportazione?</translation>
    </message>
    <message>
        <source>Duplicate current task?</source>
        <translation>Duplicare il progetto corrente?</translation>
    </message>
    <message>
        <source>Task copying...</source>
        <translation>Copia del progetto...</translation>
    </message>
    <message>
        <source>Task copying failed; the Export DB was not changed.</source>
        <translation>Copia del progetto non riuscita; il DB di esportazione non è stato modificato.</translation>
    </message>
    <message>
        <source>Task copying failed; nothing was changed.</source>
        <translation>Copia del progetto non riuscita; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Export DB tasks use container types or box kinds<byte value="xd"/>that the Home DB library does not hold:</source>
        <translation>I progetti del DB di esportazione usano tipi di container o di scatole<byte value="xd"/>assenti dalla libreria del DB principale:</translation>
    </message>
    <message>
        <source>The Export DB was not changed.</source>
        <translation>Il DB di esportazione non è stato modificato.</translation>
    </message>
    <message>
        <source>Error export file copy</source>
        <translation>Errore di copia del file di esportazione</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>esportazione</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>importazione</translation>
    </message>
    <message>
        <source>The %1 DB could not be emptied; nothing was removed.</source>
        <translation>Impossibile svuotare il DB di %1; non è stato rimosso nulla.</translation>
    </message>
    <message>
        <source>%1 DB is empty</source>
        <translation>Il DB di %1 è vuoto</translation>
    </message>
    <message>
        <source>Are you sure to delete all %1 DB data?</source>
        <translation>Eliminare davvero tutti i dati del DB di %1?</translation>
    </message>
</context>
<context>
    <name>palvane::TaskJson</name>
    <message>
        <source>Task %1 not found</source>
        <translation>Compito %1 non trovato</translation>
    </message>
    <message>
        <source>Task %1 could not be read: %2</source>
        <translation>Non è stato possibile leggere il compito %1: %2</translation>
    </message>
    <message>
        <source>line %1: %2: %3</source>
        <translation>riga %1: %2: %3</translation>
    </message>
    <message>
        <source>unknown member</source>
        <translation>membro sconosciuto</translation>
    </message>
    <message>
        <source>needs an object</source>
        <translation>richiede un oggetto</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>manca</translation>
    </message>
    <message>
        <source>needs an array</source>
        <translation>richiede un array</translation>
    </message>
    <message>
        <source>needs a whole number from %1 to %2</source>
        <translation>richiede un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>needs a number from 0 to %1</source>
        <translation>richiede un numero da 0 a %1</translation>
    </message>
    <message>
        <source>needs true or false</source>
        <translation>richiede true o false</translation>
    </message>
    <message>
        <source>needs a text</source>
        <translation>richiede un testo</translation>
    </message>
    <message>
        <source>%1 holds control characters</source>
        <translation>%1 contiene caratteri di controllo</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 supera %2 caratteri</translation>
    </message>
    <message>
        <source>needs a name</source>
        <translation>richiede un nome</translation>
    </message>
    <message>
        <source>container type</source>
        <translation>tipo di contenitore</translation>
    </message>
    <message>
        <source>box kind</source>
        <translation>tipo di collo</translation>
    </message>
    <message>
        <source>the container type is listed twice</source>
        <translation>il tipo di contenitore compare due volte</translation>
    </message>
    <message>
        <source>more than %1 containers in the task</source>
        <translation>più di %1 contenitori nel compito</translation>
    </message>
    <message>
        <source>the box kind is listed twice</source>
        <translation>il tipo di collo compare due volte</translation>
    </message>
    <message>
        <source>more than %1 boxes in the task</source>
        <translation>più di %1 colli nel compito</translation>
    </message>
    <message>
        <source>needs %1 or %2</source>
        <translation>richiede %1 o %2</translation>
    </message>
    <message>
        <source>needs Length, Width or Either</source>
        <translation>richiede Length, Width o Either</translation>
    </message>
    <message>
        <source>nose and tail distances together must be less than the length</source>
        <translation>le distanze anteriore e posteriore insieme devono essere minori della lunghezza</translation>
    </message>
    <message>
        <source>no %1 has the id %2</source>
        <translation>nessun %1 ha l&apos;identificativo %2</translation>
    </message>
    <message>
        <source>%1 names %2 library rows; give %3 too</source>
        <translation>%1 indica %2 righe della libreria; indicare anche %3</translation>
    </message>
    <message>
        <source>%1 differs from the library&apos;s %2 (%3)</source>
        <translation>%1 differisce dalla libreria per %2 (%3)</translation>
    </message>
    <message>
        <source>differs from the library&apos;s %1</source>
        <translation>differisce dalla libreria per %1</translation>
    </message>
    <message>
        <source>unknown %1 %2</source>
        <translation>%1 sconosciuto %2</translation>
    </message>
    <message>
        <source>a new %1 needs its length and width</source>
        <translation>un nuovo %1 richiede lunghezza e larghezza</translation>
    </message>
    <message>
        <source>the input is larger than %1 bytes</source>
        <translation>l&apos;input supera %1 byte</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>line 1: the input needs to be a JSON object</source>
        <translation>riga 1: l&apos;input deve essere un oggetto JSON</translation>
    </message>
</context>
<context>
    <name>palvane::TaskTotals</name>
    <message>
        <source>Integer overflow in the task totals.</source>
        <translation>Overflow di interi nei totali del progetto.</translation>
    </message>
</context>
<context>
    <name>palvane::UpDown</name>
    <message>
        <source>Integer from %1 to %2 required,<byte value="xd"/>in steps of %3</source>
        <translation>Richiesto un intero da %1 a %2,<byte value="xd"/>con passo %3</translation>
    </message>
    <message>
        <source>Integer from %1 to %2 required</source>
        <translation>Richiesto un intero da %1 a %2</translation>
    </message>
</context>
</TS>
