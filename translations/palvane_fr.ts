<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>LayoutRenderer</name>
    <message>
        <source> of </source>
        <translation> sur </translation>
    </message>
    <message>
        <source> it.</source>
        <translation> él.</translation>
    </message>
    <message>
        <source>Left boxes:</source>
        <translation>Boîtes restantes :</translation>
    </message>
    <message>
        <source>Last cont:</source>
        <translation>Dern. cont. :</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Quillo Container Library</source>
        <translation>Quillo Bibliothèque de conteneurs</translation>
    </message>
    <message>
        <source>Quillo Box Library</source>
        <translation>Quillo Bibliothèque de boîtes</translation>
    </message>
    <message>
        <source>Quillo Task Report</source>
        <translation>Quillo Rapport de tâche</translation>
    </message>
    <message>
        <source>Quillo Solution</source>
        <translation>Quillo Solution</translation>
    </message>
    <message>
        <source>Quillo Image</source>
        <translation>Quillo Image</translation>
    </message>
    <message>
        <source>Sheet / Container Type</source>
        <translation>Feuille / Type de conteneur</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Repère</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Fill Dir</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>LoadWt</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Nose / Tail Weigt &amp; Posit</source>
        <translation>Poids et pos. avant / arrière</translation>
    </message>
    <message>
        <source>Sheet / 2D Container Library</source>
        <translation>Bibliothèque des feuilles / conteneurs 2D</translation>
    </message>
    <message>
        <source>Part / Box Kind</source>
        <translation>Pièce / Type de boîte</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>TurnOn</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Part / 2D Box Library</source>
        <translation>Bibliothèque des pièces / boîtes 2D</translation>
    </message>
    <message>
        <source>Layout for a task:</source>
        <translation>Plan de chargement de la tâche :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Container Type</source>
        <translation>Type de conteneur</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Avail</source>
        <translation>Dispo</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisés</translation>
    </message>
    <message>
        <source>LoadWgt</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Task Name: </source>
        <translation>Nom de la tâche : </translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Description : </translation>
    </message>
    <message>
        <source>Common Turn Rules =  </source>
        <translation>Règles communes de rotation =  </translation>
    </message>
    <message>
        <source>:   TurnOn:  </source>
        <translation>:   Rotation :  </translation>
    </message>
    <message>
        <source>Totals:  Area Util:</source>
        <translation>Totaux :  Util. surface :</translation>
    </message>
    <message>
        <source>Weight Util:</source>
        <translation>Util. poids :</translation>
    </message>
    <message>
        <source>Net Cost:</source>
        <translation>Coût net :</translation>
    </message>
    <message>
        <source>Gaps (Item-Item / Item-Edge):</source>
        <translation>Écarts (élément-élément / élément-bord) :</translation>
    </message>
    <message>
        <source>Area Mult:</source>
        <translation>Mult. surface :</translation>
    </message>
    <message>
        <source>Sheets  /  2D Containers to Load: </source>
        <translation>Feuilles  /  Conteneurs 2D à charger : </translation>
    </message>
    <message>
        <source>SUMMARY - Available:</source>
        <translation>RÉSUMÉ - Disponibles :</translation>
    </message>
    <message>
        <source>Used:</source>
        <translation>Utilisés :</translation>
    </message>
    <message>
        <source>Box Kind</source>
        <translation>Type de boîte</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Parts  /  2D Boxes to Pack: </source>
        <translation>Pièces  /  Boîtes 2D à emballer : </translation>
    </message>
    <message>
        <source>SUMMARY  - Total:</source>
        <translation>RÉSUMÉ  - Total :</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Restant :</translation>
    </message>
    <message>
        <source>Cont No</source>
        <translation>N° cont.</translation>
    </message>
    <message>
        <source>Box Sum</source>
        <translation>Nb boîtes</translation>
    </message>
    <message>
        <source>Util,%</source>
        <translation>Util., %</translation>
    </message>
    <message>
        <source>NoseWgt  TailWgt</source>
        <translation>PoidsAv  PoidsAr</translation>
    </message>
    <message>
        <source>Solution for a task: </source>
        <translation>Solution de la tâche : </translation>
    </message>
    <message>
        <source>Sheet  /  Container Total Load Data: </source>
        <translation>Feuille  /  Charge totale des conteneurs : </translation>
    </message>
    <message>
        <source>Box No</source>
        <translation>N° boîte</translation>
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
        <translation>Pose L</translation>
    </message>
    <message>
        <source>Put W</source>
        <translation>Pose l</translation>
    </message>
    <message>
        <source>Load No</source>
        <translation>N° chargt</translation>
    </message>
    <message>
        <source>Part  /  Box Space Positions for Cont No: </source>
        <translation>Pièce  /  Positions des boîtes du conteneur n° : </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Box Library</source>
        <translation>Bibliothèque de boîtes</translation>
    </message>
    <message>
        <source>Number  </source>
        <translation>Nombre  </translation>
    </message>
    <message>
        <source>LoadWgt  </source>
        <translation>Charge  </translation>
    </message>
    <message>
        <source>Area   </source>
        <translation>Surface   </translation>
    </message>
    <message>
        <source>Weight  </source>
        <translation>Poids  </translation>
    </message>
</context>
<context>
    <name>palvane::ActiveSettings</name>
    <message>
        <source>Positive integer required,<byte value="xd"/>no more than</source>
        <translation>Entier positif requis,<byte value="xd"/>pas plus de</translation>
    </message>
</context>
<context>
    <name>palvane::BoxImport</name>
    <message>
        <source>Box import file format or reading error.</source>
        <translation>Erreur de format ou de lecture du fichier d&apos;import de boîtes.</translation>
    </message>
    <message>
        <source>All lines/rows below are omited.</source>
        <translation>Toutes les lignes suivantes sont ignorées.</translation>
    </message>
    <message>
        <source>Box lengths must be positive integers up to</source>
        <translation>Les longueurs des boîtes doivent être des entiers positifs jusqu&apos;à</translation>
    </message>
    <message>
        <source>Box widths must be positive integers up to</source>
        <translation>Les largeurs des boîtes doivent être des entiers positifs jusqu&apos;à</translation>
    </message>
    <message>
        <source>Box weights must be positive integers up to</source>
        <translation>Les poids des boîtes doivent être des entiers positifs jusqu&apos;à</translation>
    </message>
    <message>
        <source>Box numbers must be positive integers up to</source>
        <translation>Les quantités de boîtes doivent être des entiers positifs jusqu&apos;à</translation>
    </message>
    <message>
        <source>Box Kinds must be defined.</source>
        <translation>Les types de boîtes doivent être définis.</translation>
    </message>
    <message>
        <source>Box Mark must be a valid string.</source>
        <translation>Le repère de la boîte doit être un texte valide.</translation>
    </message>
    <message>
        <source>Box turn rule signs must be &quot;0&quot; (Off) or &quot;1&quot; (On).</source>
        <translation>Les règles de rotation des boîtes doivent valoir « 0 » (non) ou « 1 » (oui).</translation>
    </message>
    <message>
        <source>There are no text data on the Clipboard</source>
        <translation>Le presse-papiers ne contient pas de texte</translation>
    </message>
    <message>
        <source>Are you sure to add to this library table<byte value="xd"/>data from the current Clipboard contents ?</source>
        <translation>Voulez-vous vraiment ajouter à cette bibliothèque<byte value="xd"/>les données du presse-papiers ?</translation>
    </message>
    <message>
        <source>Error proccessing Clipboard paste</source>
        <translation>Erreur lors du collage depuis le presse-papiers</translation>
    </message>
    <message>
        <source>Q&apos;ty</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Repère</translation>
    </message>
    <message>
        <source>TurnOn</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>Le champ %1 manque</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>Le champ %1 est vide</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a whole number</source>
        <translation>%1 « %2 » n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1 %2 is outside %3 to %4</source>
        <translation>%1 %2 est hors de la plage %3 à %4</translation>
    </message>
    <message>
        <source>%1 %2 is not 0, 1, True or False</source>
        <translation>%1 %2 n&apos;est ni 0, ni 1, ni True, ni False</translation>
    </message>
    <message>
        <source>The line is longer than %1 characters</source>
        <translation>La ligne dépasse %1 caractères</translation>
    </message>
    <message>
        <source>The line has more than %1 fields</source>
        <translation>La ligne a plus de %1 champs</translation>
    </message>
    <message>
        <source>The line holds control characters</source>
        <translation>La ligne contient des caractères de contrôle</translation>
    </message>
    <message>
        <source>The file cannot be read</source>
        <translation>Le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>An import adds at most %1 box kinds.</source>
        <translation>Une importation ajoute au plus %1 types de colis.</translation>
    </message>
    <message>
        <source>See box file/list line/row # %1.</source>
        <translation>Voir la ligne %1 du fichier ou de la liste de boîtes.</translation>
    </message>
</context>
<context>
    <name>palvane::ContainerPlan</name>
    <message>
        <source>FRONT</source>
        <translation>AVANT</translation>
    </message>
    <message>
        <source>REAR</source>
        <translation>ARRIÈRE</translation>
    </message>
    <message>
        <source>Loading direction: from the rear towards the front</source>
        <translation>Sens de chargement : de l&apos;arrière vers l&apos;avant</translation>
    </message>
    <message>
        <source>Container %1: %2</source>
        <translation>Conteneur %1 : %2</translation>
    </message>
    <message>
        <source>%1 boxes, %2 % of the area, load %3</source>
        <translation>%1 colis, %2 % de la surface, charge %3</translation>
    </message>
</context>
<context>
    <name>palvane::Cursor</name>
    <message>
        <source>Field &apos;%1&apos; must have a value.</source>
        <translation>Le champ « %1 » doit avoir une valeur.</translation>
    </message>
    <message>
        <source>The database of table &quot;%1&quot; is not open.</source>
        <translation>La base de la table « %1 » n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>Key violation.</source>
        <translation>Violation de clé.</translation>
    </message>
    <message>
        <source>The row could not be stored in table &quot;%1&quot;:<byte value="xd"/>%2</source>
        <translation>La ligne n&apos;a pas pu être enregistrée dans la table « %1 » :<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The row could not be deleted from table &quot;%1&quot;:<byte value="xd"/>%2</source>
        <translation>La ligne n&apos;a pas pu être supprimée de la table « %1 » :<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The text for field &apos;%1&apos; is too long: at most %2 characters.</source>
        <translation>Le texte du champ « %1 » est trop long : %2 caractères au plus.</translation>
    </message>
    <message>
        <source>Enter &apos;f&apos; (false) or &apos;t&apos; (true)</source>
        <translation>Entrez « f » (faux) ou « t » (vrai)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>« %1 » n&apos;est pas une date valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>« %1 » n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for field &apos;%2&apos;. The allowed range is %3 to %4</source>
        <translation>« %1 » n&apos;est pas une valeur valide pour le champ « %2 ». Les valeurs permises vont de %3 à %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not found in the list.</source>
        <translation>« %1 » ne figure pas dans la liste.</translation>
    </message>
</context>
<context>
    <name>palvane::CursorNavigator</name>
    <message>
        <source>First record</source>
        <translation>Premier enregistrement</translation>
    </message>
    <message>
        <source>Prior record</source>
        <translation>Enregistrement précédent</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Enregistrement suivant</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Dernier enregistrement</translation>
    </message>
    <message>
        <source>Insert record</source>
        <translation>Insérer un enregistrement</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Supprimer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>Supprimer l&apos;enregistrement?</translation>
    </message>
</context>
<context>
    <name>palvane::DatabaseAliases</name>
    <message>
        <source>Database configuration cannot be read:</source>
        <translation>Impossible de lire la configuration des bases :</translation>
    </message>
    <message>
        <source>Database configuration cannot be written:</source>
        <translation>Impossible d&apos;écrire la configuration des bases :</translation>
    </message>
    <message>
        <source>Main/Home</source>
        <translation>Principale</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>DB location not found, alias:</source>
        <translation>Emplacement de la base introuvable, alias :</translation>
    </message>
    <message>
        <source>The aliases %1 and %2 name the same DB location:</source>
        <translation>Les alias %1 et %2 désignent le même emplacement de BD :</translation>
    </message>
    <message>
        <source>Unknown driver %1 for the alias %2</source>
        <translation>Pilote %1 inconnu pour l&apos;alias %2</translation>
    </message>
</context>
<context>
    <name>palvane::EngineRows</name>
    <message>
        <source>Task %1 not found</source>
        <translation>Tâche %1 introuvable</translation>
    </message>
</context>
<context>
    <name>palvane::HelpMenu</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
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
        <translation>Rétablir par défaut</translation>
    </message>
</context>
<context>
    <name>palvane::HelpWindow</name>
    <message>
        <source>  -  Help</source>
        <translation>  -  Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
</context>
<context>
    <name>palvane::IniFile</name>
    <message>
        <source>IniFile access error.<byte value="xd"/>Loading default settings</source>
        <translation>Erreur d&apos;accès au fichier IniFile.<byte value="xd"/>Chargement des paramètres par défaut</translation>
    </message>
    <message>
        <source>IniFile write error</source>
        <translation>Erreur d&apos;écriture du fichier IniFile</translation>
    </message>
</context>
<context>
    <name>palvane::LibraryForm</name>
    <message>
        <source>Nothing to delete</source>
        <translation>Rien à supprimer</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Remise à zéro</translation>
    </message>
    <message>
        <source>Reset all Quantities to zero</source>
        <translation>Remettre toutes les quantités à zéro</translation>
    </message>
    <message>
        <source>&amp;Copy to</source>
        <translation>&amp;Copier vers</translation>
    </message>
    <message>
        <source>Copy non zero Quantities to the current task</source>
        <translation>Copier les quantités non nulles dans la tâche en cours</translation>
    </message>
    <message>
        <source>Current task Name</source>
        <translation>Nom de la tâche en cours</translation>
    </message>
    <message>
        <source>Allow/Stop Edit Mode</source>
        <translation>Activer/Arrêter le mode édition</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>Ferm&amp;er</translation>
    </message>
    <message>
        <source>Return to Task page</source>
        <translation>Retour à la page Tâche</translation>
    </message>
    <message>
        <source>&amp;Fix</source>
        <translation>&amp;Figer</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>É&amp;diter</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Eff&amp;acer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Clear not used temporary records</source>
        <translation>Effacer les enregistrements temporaires inutilisés</translation>
    </message>
    <message>
        <source>Print Library List</source>
        <translation>Imprimer la liste de la bibliothèque</translation>
    </message>
    <message>
        <source>You&apos;d press &quot;Fix&quot; button<byte value="xd"/>to modify Q&apos;ty column data.</source>
        <translation>Appuyez sur le bouton « Figer »<byte value="xd"/>pour modifier la colonne Qté.</translation>
    </message>
    <message>
        <source>You&apos;d press &quot;Edit&quot; button<byte value="xd"/>to modify yellow columns data<byte value="xd"/>or insert a new item.</source>
        <translation>Appuyez sur le bouton « Éditer »<byte value="xd"/>pour modifier les colonnes jaunes<byte value="xd"/>ou insérer un nouvel élément.</translation>
    </message>
</context>
<context>
    <name>palvane::LoadingSheet</name>
    <message>
        <source>%1 of %2 (%3 %)</source>
        <translation>%1 sur %2 (%3 %)</translation>
    </message>
    <message>
        <source>Loading sheet</source>
        <translation>Fiche de chargement</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Container %1 of %2</source>
        <translation>Conteneur %1 sur %2</translation>
    </message>
    <message>
        <source>(continued)</source>
        <translation>(suite)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Container type:</source>
        <translation>Type de conteneur :</translation>
    </message>
    <message>
        <source>Floor L x W:</source>
        <translation>Plancher L x l :</translation>
    </message>
    <message>
        <source>Boxes:</source>
        <translation>Colis :</translation>
    </message>
    <message>
        <source>Used area:</source>
        <translation>Surface utilisée :</translation>
    </message>
    <message>
        <source>Load weight:</source>
        <translation>Poids chargé :</translation>
    </message>
    <message>
        <source>Nose load:</source>
        <translation>Charge avant :</translation>
    </message>
    <message>
        <source>Tail load:</source>
        <translation>Charge arrière :</translation>
    </message>
    <message>
        <source>Kinds on this container</source>
        <translation>Types dans ce conteneur</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>L x W</source>
        <translation>L x l</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>... and %1 more kinds</source>
        <translation>... et %1 autres types</translation>
    </message>
    <message>
        <source>Corner triangle: box turned by 90 degrees</source>
        <translation>Triangle dans le coin : colis tourné de 90 degrés</translation>
    </message>
    <message>
        <source>Boxes in loading order</source>
        <translation>Colis dans l&apos;ordre de chargement</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N°</translation>
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
        <translation>Tourné</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>Quillo Loading Sheet</source>
        <translation>Quillo Fiche de chargement</translation>
    </message>
</context>
<context>
    <name>palvane::LoadingSheetButton</name>
    <message>
        <source>Current container (%1)</source>
        <translation>Conteneur courant (%1)</translation>
    </message>
    <message>
        <source>Current container</source>
        <translation>Conteneur courant</translation>
    </message>
    <message>
        <source>Loading s&amp;heet</source>
        <translation>F&amp;iche de chargement</translation>
    </message>
    <message>
        <source>Print the loading sheet: one page per container for the loading dock</source>
        <translation>Imprimer la fiche de chargement : une page par conteneur pour le quai de chargement</translation>
    </message>
    <message>
        <source>All containers</source>
        <translation>Tous les conteneurs</translation>
    </message>
    <message>
        <source>S&amp;heet</source>
        <translation>F&amp;iche</translation>
    </message>
</context>
<context>
    <name>palvane::MessagePrompter</name>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
</context>
<context>
    <name>palvane::PrompterMessages</name>
    <message>
        <source>Container to fix deficit for:</source>
        <translation>Conteneurs manquants pour figer :</translation>
    </message>
    <message>
        <source>Its fixing omited</source>
        <translation>Il n&apos;est pas figé</translation>
    </message>
    <message>
        <source>Box to fix deficit for:</source>
        <translation>Boîtes manquantes pour figer :</translation>
    </message>
    <message>
        <source>ContFix Error </source>
        <translation>Erreur ContFix </translation>
    </message>
    <message>
        <source>BoxFix Error </source>
        <translation>Erreur BoxFix </translation>
    </message>
</context>
<context>
    <name>palvane::RegularFile</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB.</source>
        <translation>%1 dépasse %2 Kio.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>palvane::ReportPrinter</name>
    <message>
        <source>The report could not be printed.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>Print to PDF File</source>
        <translation>Imprimer dans un fichier PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>There is no stored plan to print.</source>
        <translation>Il n&apos;y a pas de plan enregistré à imprimer.</translation>
    </message>
    <message>
        <source>Default printer was not found on program start.</source>
        <translation>Aucune imprimante par défaut au démarrage du logiciel.</translation>
    </message>
    <message>
        <source>Please turn on printer/server and restart program.</source>
        <translation>Allumez l&apos;imprimante/le serveur et redémarrez le logiciel.</translation>
    </message>
</context>
<context>
    <name>palvane::SolutionCsv</name>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Write current solution to files now?</source>
        <translation>Écrire maintenant la solution en cours dans des fichiers?</translation>
    </message>
    <message>
        <source>Solution file(s) write error</source>
        <translation>Erreur d&apos;écriture du ou des fichiers de solution</translation>
    </message>
    <message>
        <source>Solution data has been</source>
        <translation>Les données de la solution ont été</translation>
    </message>
    <message>
        <source>written into the following files:</source>
        <translation>écrites dans les fichiers suivants :</translation>
    </message>
</context>
<context>
    <name>palvane::Store</name>
    <message>
        <source>DB is busy or wrong</source>
        <translation>La base est occupée ou erronée</translation>
    </message>
    <message>
        <source>The folder cannot be written</source>
        <translation>Le dossier n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Le disque est plein</translation>
    </message>
    <message>
        <source>Missing table files: %1</source>
        <translation>Fichiers de table manquants : %1</translation>
    </message>
    <message>
        <source>The task is being solved by another user.</source>
        <translation>La tâche est en cours de résolution par un autre utilisateur.</translation>
    </message>
    <message>
        <source>The row was changed by another user.</source>
        <translation>La ligne a été modifiée par un autre utilisateur.</translation>
    </message>
    <message>
        <source>The tables differ: %1</source>
        <translation>Les tables diffèrent : %1</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt is not installed</source>
        <translation>Le pilote PostgreSQL de Qt n&apos;est pas installé</translation>
    </message>
    <message>
        <source>The database server refused the connection: %1</source>
        <translation>Le serveur de base de données a refusé la connexion : %1</translation>
    </message>
</context>
<context>
    <name>palvane::StoreCheck</name>
    <message>
        <source>Table file is damaged:</source>
        <translation>Fichier de table endommagé :</translation>
    </message>
</context>
<context>
    <name>palvane::TAboutForm</name>
    <message>
        <source>About  </source>
        <translation>À propos de  </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Thank you for using  </source>
        <translation>Merci d&apos;utiliser  </translation>
    </message>
    <message>
        <source>Prompts</source>
        <translation>Bulles d&apos;aide</translation>
    </message>
    <message>
        <source>Show context prompts and hints</source>
        <translation>Afficher les bulles d&apos;aide contextuelles</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>Show all warnings and confirm messages</source>
        <translation>Afficher tous les avertissements et demandes de confirmation</translation>
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
        <translation>Remerciements</translation>
    </message>
    <message>
        <source>Many thanks go to the translators of the<byte value="xd"/>localized versions for their hard work:</source>
        <translation>Un grand merci aux traducteurs des<byte value="xd"/>versions localisées pour leur travail :</translation>
    </message>
    <message>
        <source>French:<byte value="xd"/><byte value="xd"/>Italian:</source>
        <translation>Français :<byte value="xd"/><byte value="xd"/>Italien :</translation>
    </message>
    <message>
        <source>If you would like to add a translation<byte value="xd"/>in a new language, please contact:</source>
        <translation>Pour ajouter une traduction<byte value="xd"/>dans une nouvelle langue, contactez :</translation>
    </message>
    <message>
        <source>The 2D Palvane translation team<byte value="xd"/><byte value="xd"/>The 2D Palvane translation team</source>
        <translation>L&apos;équipe de traduction de 2D Palvane<byte value="xd"/><byte value="xd"/>L&apos;équipe de traduction de 2D Palvane</translation>
    </message>
    <message>
        <source>The 2D Palvane maintainers,<byte value="xd"/>through the project&apos;s issue tracker</source>
        <translation>Les responsables de 2D Palvane,<byte value="xd"/>via le suivi des tickets du projet</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>palvane::TBoxForm</name>
    <message>
        <source>Q&apos;ty</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Part / 2D Box Kind</source>
        <translation>Pièce / Type de boîte 2D</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Rep.</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Long.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larg.</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>TurnOn</source>
        <translation>Rot.</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>  Description</source>
        <translation>  Description</translation>
    </message>
    <message>
        <source>Box Library</source>
        <translation>Bibliothèque de boîtes</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Add box records from a text file or clipboard</source>
        <translation>Ajouter des boîtes depuis un fichier texte ou le presse-papiers</translation>
    </message>
    <message>
        <source>Import actions:</source>
        <translation>Actions d&apos;import :</translation>
    </message>
    <message>
        <source>    Read part / box data from file...</source>
        <translation>    Lire les pièces / boîtes depuis un fichier...</translation>
    </message>
    <message>
        <source>    Paste part / box data from clipboard...</source>
        <translation>    Coller les pièces / boîtes depuis le presse-papiers...</translation>
    </message>
    <message>
        <source>Define input data column order:</source>
        <translation>Ordre des colonnes des données :</translation>
    </message>
    <message>
        <source>   0)  Q&apos;ty   Kind   Length   Width   [ Weight   Mark   TurnOn ]</source>
        <translation>   0)  Qté   Type   Longueur   Largeur   [ Poids   Repère   Rotation ]</translation>
    </message>
    <message>
        <source>   1)  Kind   Q&apos;ty   Length   Width   [ Weight   Mark   TurnOn ]</source>
        <translation>   1)  Type   Qté   Longueur   Largeur   [ Poids   Repère   Rotation ]</translation>
    </message>
    <message>
        <source>   2)  Kind   Length   Width   [ Q&apos;ty   Weight   Mark   TurnOn ]</source>
        <translation>   2)  Type   Longueur   Largeur   [ Qté   Poids   Repère   Rotation ]</translation>
    </message>
    <message>
        <source>   3)  Kind   Length   Width   [ Weight   Q&apos;ty   Mark   TurnOn ]</source>
        <translation>   3)  Type   Longueur   Largeur   [ Poids   Qté   Repère   Rotation ]</translation>
    </message>
    <message>
        <source>Define input data field separators:</source>
        <translation>Séparateurs des champs de données :</translation>
    </message>
    <message>
        <source>   Space or Tab  ( *.txt files)</source>
        <translation>   Espace ou tabulation  (fichiers *.txt)</translation>
    </message>
    <message>
        <source>   Comma  ( *.csv files)</source>
        <translation>   Virgule  (fichiers *.csv)</translation>
    </message>
    <message>
        <source>Check to omit first header line (paste from MS Access case)</source>
        <translation>Cocher pour ignorer la première ligne d&apos;en-tête (données collées depuis MS Access)</translation>
    </message>
    <message>
        <source>Delete box:</source>
        <translation>Supprimer la boîte :</translation>
    </message>
    <message>
        <source>Print Box Library report now?</source>
        <translation>Imprimer maintenant le rapport de la bibliothèque de boîtes?</translation>
    </message>
    <message>
        <source>Choose file to import new boxes into the library from..</source>
        <translation>Choisir le fichier à partir duquel importer de nouvelles boîtes dans la bibliothèque..</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Quillo box import file (*.csv)</source>
        <translation>Fichier Quillo d&apos;import de boîtes (*.csv)</translation>
    </message>
    <message>
        <source>Quillo box import file (*.txt)</source>
        <translation>Fichier Quillo d&apos;import de boîtes (*.txt)</translation>
    </message>
    <message>
        <source>Quantity: boxes of this kind that &quot;Copy to&quot; puts into the current task</source>
        <translation>Quantité : boîtes de ce type que « Copier vers » place dans la tâche en cours</translation>
    </message>
    <message>
        <source>True: the box may be turned by 90 degrees on the floor</source>
        <translation>True : la boîte peut être tournée de 90 degrés sur le plancher</translation>
    </message>
    <message>
        <source>Temporary record: &quot;Clear&quot; in edit mode deletes it when no task uses it</source>
        <translation>Enregistrement temporaire : « Effacer » en mode édition le supprime si aucune tâche ne l&apos;utilise</translation>
    </message>
</context>
<context>
    <name>palvane::TCntForm</name>
    <message>
        <source>Q&apos;ty</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Sheet / 2D Container Type</source>
        <translation>Feuille / Type de conteneur 2D</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Rep.</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Long.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larg.</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Fill Dir</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>LoadWt</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>NoseWt</source>
        <translation>PoidsAv</translation>
    </message>
    <message>
        <source>TailWt</source>
        <translation>PoidsAr</translation>
    </message>
    <message>
        <source>NoseDL</source>
        <translation>DistAv</translation>
    </message>
    <message>
        <source>TailDL</source>
        <translation>DistAr</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>  Description</source>
        <translation>  Description</translation>
    </message>
    <message>
        <source>Container Library</source>
        <translation>Bibliothèque de conteneurs</translation>
    </message>
    <message>
        <source>Delete container:</source>
        <translation>Supprimer le conteneur :</translation>
    </message>
    <message>
        <source>Print Container Library report now?</source>
        <translation>Imprimer maintenant le rapport de la bibliothèque de conteneurs?</translation>
    </message>
    <message>
        <source>Quantity: containers of this type that &quot;Copy to&quot; puts into the current task</source>
        <translation>Quantité : conteneurs de ce type que « Copier vers » place dans la tâche en cours</translation>
    </message>
    <message>
        <source>Fill direction: boxes are loaded along the Length, across it (Width), or Either way</source>
        <translation>Sens de remplissage : les boîtes sont chargées dans la longueur (Length), dans la largeur (Width) ou dans les deux sens (Either)</translation>
    </message>
    <message>
        <source>Load limit of the front (nose) axle; 0 with TailWt 0: no axle check</source>
        <translation>Charge maximale de l&apos;essieu avant ; 0 avec PoidsAr 0 : pas de contrôle des essieux</translation>
    </message>
    <message>
        <source>Load limit of the rear (tail) axle; 0 with NoseWt 0: no axle check</source>
        <translation>Charge maximale de l&apos;essieu arrière ; 0 avec PoidsAv 0 : pas de contrôle des essieux</translation>
    </message>
    <message>
        <source>Distance of the front (nose) axle from the front end</source>
        <translation>Distance de l&apos;essieu avant à l&apos;extrémité avant</translation>
    </message>
    <message>
        <source>Distance of the rear (tail) axle from the rear end</source>
        <translation>Distance de l&apos;essieu arrière à l&apos;extrémité arrière</translation>
    </message>
    <message>
        <source>Temporary record: &quot;Clear&quot; in edit mode deletes it when no task uses it</source>
        <translation>Enregistrement temporaire : « Effacer » en mode édition le supprime si aucune tâche ne l&apos;utilise</translation>
    </message>
</context>
<context>
    <name>palvane::TDMForm</name>
    <message>
        <source>This container Type is used in Export DB.</source>
        <translation>Ce type de conteneur est utilisé dans la base Export.</translation>
    </message>
    <message>
        <source>This container Type is used in a task:</source>
        <translation>Ce type de conteneur est utilisé dans une tâche :</translation>
    </message>
    <message>
        <source>Are you sure to modify container properties (Yes/No)</source>
        <translation>Voulez-vous vraiment modifier les propriétés du conteneur (Oui/Non)</translation>
    </message>
    <message>
        <source>This container Type already presents in the table</source>
        <translation>Ce type de conteneur figure déjà dans la table</translation>
    </message>
    <message>
        <source>You&apos;d define container Type at first</source>
        <translation>Définissez d&apos;abord le type de conteneur</translation>
    </message>
    <message>
        <source>Available container number should not be less than<byte value="xd"/>already Used number, needed for Fixed containers.</source>
        <translation>Le nombre de conteneurs disponibles ne doit pas être inférieur<byte value="xd"/>au nombre déjà utilisé, nécessaire aux conteneurs figés.</translation>
    </message>
    <message>
        <source>This container Type is used<byte value="xd"/>for Fixed containers.<byte value="xd"/>It should not be deleted.</source>
        <translation>Ce type de conteneur est utilisé<byte value="xd"/>par des conteneurs figés.<byte value="xd"/>Il ne doit pas être supprimé.</translation>
    </message>
    <message>
        <source>This box Kind is used in Export DB.</source>
        <translation>Ce type de boîte est utilisé dans la base Export.</translation>
    </message>
    <message>
        <source>This box Kind is used in a task:</source>
        <translation>Ce type de boîte est utilisé dans une tâche :</translation>
    </message>
    <message>
        <source>Are you sure to modify box properties (Yes/No)?</source>
        <translation>Voulez-vous vraiment modifier les propriétés de la boîte (Oui/Non)?</translation>
    </message>
    <message>
        <source>This box Kind already presents in the table</source>
        <translation>Ce type de boîte figure déjà dans la table</translation>
    </message>
    <message>
        <source>You&apos;d define box Kind at first</source>
        <translation>Définissez d&apos;abord le type de boîte</translation>
    </message>
    <message>
        <source>Total box number should not be less than<byte value="xd"/>already Used number, placed in Fixed containers.</source>
        <translation>Le nombre total de boîtes ne doit pas être inférieur<byte value="xd"/>au nombre de boîtes déjà placées dans des conteneurs figés.</translation>
    </message>
    <message>
        <source>This box Kind is used<byte value="xd"/>in Fixed containers.<byte value="xd"/>It should not be deleted.</source>
        <translation>Ce type de boîte est utilisé<byte value="xd"/>dans des conteneurs figés.<byte value="xd"/>Il ne doit pas être supprimé.</translation>
    </message>
    <message>
        <source>Axle displacements sum should<byte value="xd"/>be less then container length.</source>
        <translation>La somme des distances d&apos;essieux doit<byte value="xd"/>être inférieure à la longueur du conteneur.</translation>
    </message>
    <message>
        <source>Choose a value from drop-down list</source>
        <translation>Choisissez une valeur dans la liste déroulante</translation>
    </message>
    <message>
        <source>You can not edit Export DB library,<byte value="xd"/>you may only delete unused records.</source>
        <translation>Impossible de modifier la bibliothèque de la base Export,<byte value="xd"/>vous pouvez seulement supprimer les enregistrements inutilisés.</translation>
    </message>
    <message>
        <source>Edit action should be cancelled.</source>
        <translation>La modification doit être annulée.</translation>
    </message>
    <message>
        <source>Data changes could be accepted<byte value="xd"/>just after task solution was cleared.</source>
        <translation>Les modifications ne sont acceptées<byte value="xd"/>qu&apos;après effacement de la solution de la tâche.</translation>
    </message>
    <message>
        <source>... regarding all other related tasks (All)?</source>
        <translation>... pour toutes les autres tâches concernées (Tout)?</translation>
    </message>
    <message>
        <source>... regarding all containers to modify (Yes to All)?</source>
        <translation>... pour tous les conteneurs à modifier (Oui pour tout)?</translation>
    </message>
    <message>
        <source>Delete action should be cancelled.</source>
        <translation>La suppression doit être annulée.</translation>
    </message>
    <message>
        <source>Number must be positive</source>
        <translation>Le nombre doit être positif</translation>
    </message>
    <message>
        <source>Cost must be positive</source>
        <translation>Le coût doit être positif</translation>
    </message>
    <message>
        <source>Table file &quot;%1&quot; holds %2 value(s) outside the limits of their fields.<byte value="xd"/>They are shown within the limits; the file keeps them until they are edited.</source>
        <translation>Le fichier de table « %1 » contient %2 valeur(s) hors des limites de leurs champs.<byte value="xd"/>Elles sont affichées dans les limites ; le fichier les garde jusqu&apos;à leur modification.</translation>
    </message>
    <message>
        <source>DB is busy or wrong</source>
        <translation>La base est occupée ou erronée</translation>
    </message>
    <message>
        <source>Deleting DB task data...</source>
        <translation>Suppression des données de la tâche...</translation>
    </message>
    <message>
        <source>The task could not be deleted; nothing was removed.<byte value="xd"/>%1</source>
        <translation>La tâche n&apos;a pas pu être supprimée ; rien n&apos;a été effacé.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The row could not be deleted from table &quot;%1&quot;:<byte value="xd"/>%2</source>
        <translation>La ligne n&apos;a pas pu être supprimée de la table « %1 » :<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>palvane::TDistrForm</name>
    <message>
        <source>Click box mark center to see properties</source>
        <translation>Cliquez au centre du repère d&apos;une boîte pour voir ses propriétés</translation>
    </message>
    <message>
        <source>Container Area/Weight Capacity Utilization</source>
        <translation>Utilisation de la surface/du poids des conteneurs</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>Return to 2D Image</source>
        <translation>Retour à l&apos;image 2D</translation>
    </message>
    <message>
        <source>Box Set Disposition</source>
        <translation>Disposition des boîtes</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>Area-Weight utilization diagram</source>
        <translation>Diagramme d&apos;utilisation surface-poids</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Boîtes</translation>
    </message>
    <message>
        <source>Containers</source>
        <translation>Conteneurs</translation>
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
        <translation>Séquence de chargement</translation>
    </message>
    <message>
        <source>Container to view</source>
        <translation>Conteneur à afficher</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>View Options</source>
        <translation>Options d&apos;affichage</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Print Current Image</source>
        <translation>Imprimer l&apos;image affichée</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>Ferm&amp;er</translation>
    </message>
    <message>
        <source>Return to Task / Solution page</source>
        <translation>Retour à la page Tâche / Solution</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Unique</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Préc.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suiv.</translation>
    </message>
    <message>
        <source>Dims: </source>
        <translation>Dim. : </translation>
    </message>
    <message>
        <source>Wgt: </source>
        <translation>Poids : </translation>
    </message>
    <message>
        <source>XY: </source>
        <translation>XY : </translation>
    </message>
    <message>
        <source>Right click mouse to adjust view</source>
        <translation>Clic droit pour régler l&apos;affichage</translation>
    </message>
    <message>
        <source>Print current Image now?</source>
        <translation>Imprimer maintenant l&apos;image affichée?</translation>
    </message>
</context>
<context>
    <name>palvane::TNameForm</name>
    <message>
        <source>Select a Task</source>
        <translation>Choisir une tâche</translation>
    </message>
    <message>
        <source>Select stored task</source>
        <translation>Choisir une tâche enregistrée</translation>
    </message>
    <message>
        <source>  Task Name</source>
        <translation>  Nom de la tâche</translation>
    </message>
    <message>
        <source>  Date</source>
        <translation>  Date</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>  Description</source>
        <translation>  Description</translation>
    </message>
    <message>
        <source>&amp;Delete Task</source>
        <translation>&amp;Supprimer la tâche</translation>
    </message>
    <message>
        <source>D&amp;uplicate Task</source>
        <translation>&amp;Dupliquer la tâche</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>Ferm&amp;er</translation>
    </message>
    <message>
        <source>DB is empty</source>
        <translation>La base est vide</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>Supprimer l&apos;enregistrement?</translation>
    </message>
</context>
<context>
    <name>palvane::TOptForm</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Optimizer Settings</source>
        <translation>Paramètres de l&apos;optimiseur</translation>
    </message>
    <message>
        <source>Exchange DB</source>
        <translation>Bases d&apos;échange</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>Ferm&amp;er</translation>
    </message>
    <message>
        <source>Close Settings page</source>
        <translation>Fermer la page Paramètres</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actifs</translation>
    </message>
    <message>
        <source>Active settings</source>
        <translation>Paramètres actifs</translation>
    </message>
    <message>
        <source>Current Task</source>
        <translation>Tâche en cours</translation>
    </message>
    <message>
        <source>Current task settings</source>
        <translation>Paramètres de la tâche en cours</translation>
    </message>
    <message>
        <source>Intensity (0..20)</source>
        <translation>Intensité (0..20)</translation>
    </message>
    <message>
        <source>Increases optimizer search intensity and runtime</source>
        <translation>Augmente l&apos;intensité de la recherche et la durée de calcul</translation>
    </message>
    <message>
        <source>Time Limit (sec)</source>
        <translation>Durée max. (s)</translation>
    </message>
    <message>
        <source>Optimizer run time limit</source>
        <translation>Durée maximale de calcul de l&apos;optimiseur</translation>
    </message>
    <message>
        <source>Random Line No</source>
        <translation>N° de série aléatoire</translation>
    </message>
    <message>
        <source>May influence upon a solution</source>
        <translation>Peut influer sur la solution</translation>
    </message>
    <message>
        <source>Weight Factor,%</source>
        <translation>Facteur poids, %</translation>
    </message>
    <message>
        <source>Increases LoadWeight vs Area utilization</source>
        <translation>Favorise l&apos;utilisation du poids plutôt que de la surface</translation>
    </message>
    <message>
        <source>Net Cost Factor</source>
        <translation>Facteur coût net</translation>
    </message>
    <message>
        <source>Increases resulting Net Cost importance</source>
        <translation>Augmente l&apos;importance du coût net obtenu</translation>
    </message>
    <message>
        <source>Left Items Factor</source>
        <translation>Facteur éléments restants</translation>
    </message>
    <message>
        <source>Can decrease non placed item number</source>
        <translation>Peut réduire le nombre d&apos;éléments non placés</translation>
    </message>
    <message>
        <source>Bind Group Factor</source>
        <translation>Facteur de groupement</translation>
    </message>
    <message>
        <source>Helps to keep identical item groups in the same container</source>
        <translation>Aide à garder les groupes d&apos;éléments identiques dans le même conteneur</translation>
    </message>
    <message>
        <source>Ignore Last Container</source>
        <translation>Ignorer le dernier conteneur</translation>
    </message>
    <message>
        <source>Exclude last half-empty container from results</source>
        <translation>Exclure des résultats le dernier conteneur à moitié vide</translation>
    </message>
    <message>
        <source>Item to Item Gap</source>
        <translation>Écart entre éléments</translation>
    </message>
    <message>
        <source>Intermediate space layer</source>
        <translation>Espace entre les éléments</translation>
    </message>
    <message>
        <source>Item to Edge Gap</source>
        <translation>Écart aux bords</translation>
    </message>
    <message>
        <source>Space layer near edges</source>
        <translation>Espace le long des bords</translation>
    </message>
    <message>
        <source>Keep current settings</source>
        <translation>Garder les paramètres actuels</translation>
    </message>
    <message>
        <source>Keep active settings when changing the task</source>
        <translation>Garder les paramètres actifs au changement de tâche</translation>
    </message>
    <message>
        <source>Load task specific</source>
        <translation>Charger ceux de la tâche</translation>
    </message>
    <message>
        <source>Load specific settings saved with a task solution</source>
        <translation>Charger les paramètres enregistrés avec la solution d&apos;une tâche</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>Activate default optimizer settings</source>
        <translation>Activer les paramètres par défaut de l&apos;optimiseur</translation>
    </message>
    <message>
        <source>EXCHANGE DB FUNCTIONS</source>
        <translation>FONCTIONS DES BASES D&apos;ÉCHANGE</translation>
    </message>
    <message>
        <source>&amp;Add Task to Export DB</source>
        <translation>&amp;Ajouter la tâche à la base Export</translation>
    </message>
    <message>
        <source>Add current task data to Export DB</source>
        <translation>Ajouter les données de la tâche en cours à la base Export</translation>
    </message>
    <message>
        <source>Switch to E&amp;xport DB</source>
        <translation>Passer à la base E&amp;xport</translation>
    </message>
    <message>
        <source>Activate Export DB</source>
        <translation>Activer la base Export</translation>
    </message>
    <message>
        <source>Switch to I&amp;mport DB</source>
        <translation>Passer à la base I&amp;mport</translation>
    </message>
    <message>
        <source>Activate Import DB</source>
        <translation>Activer la base Import</translation>
    </message>
    <message>
        <source>Switch to &amp;Home DB</source>
        <translation>Revenir à la base &amp;principale</translation>
    </message>
    <message>
        <source>Reactivate main Home DB</source>
        <translation>Réactiver la base principale</translation>
    </message>
    <message>
        <source>Remove all task data from current DB</source>
        <translation>Supprimer toutes les données des tâches de la base active</translation>
    </message>
    <message>
        <source>&amp;Empty Export DB</source>
        <translation>&amp;Vider la base Export</translation>
    </message>
    <message>
        <source>&amp;Empty Import DB</source>
        <translation>&amp;Vider la base Import</translation>
    </message>
    <message>
        <source>&amp;Empty active DB</source>
        <translation>&amp;Vider la base active</translation>
    </message>
    <message>
        <source>Improve (s)</source>
        <translation>Amélioration (s)</translation>
    </message>
    <message>
        <source>Seconds spent improving the plan after the search (0 = off)</source>
        <translation>Secondes d&apos;amélioration du plan après la recherche (0 = désactivé)</translation>
    </message>
</context>
<context>
    <name>palvane::TSolutForm</name>
    <message>
        <source>  -  Solution page</source>
        <translation>  -  Page Solution</translation>
    </message>
    <message>
        <source>CONTAINER  TOTAL  LOAD  DATA </source>
        <translation>CHARGE  TOTALE  DES  CONTENEURS </translation>
    </message>
    <message>
        <source>BOX SET in the SELECTED CONTAINER </source>
        <translation>BOÎTES du CONTENEUR SÉLECTIONNÉ </translation>
    </message>
    <message>
        <source>BOX  POSITIONS  in  the  SELECTED  CONTAINER</source>
        <translation>POSITIONS  des  BOÎTES  du  CONTENEUR  SÉLECTIONNÉ</translation>
    </message>
    <message>
        <source>Containers used in the solution</source>
        <translation>Conteneurs utilisés dans la solution</translation>
    </message>
    <message>
        <source>Box set placed into selected container </source>
        <translation>Boîtes placées dans le conteneur sélectionné </translation>
    </message>
    <message>
        <source>Box coordinates &amp; put orientations</source>
        <translation>Coordonnées et orientations des boîtes</translation>
    </message>
    <message>
        <source>Fix Selected</source>
        <translation>Figer la sélection</translation>
    </message>
    <message>
        <source>Container fixing switch</source>
        <translation>Figer / libérer le conteneur</translation>
    </message>
    <message>
        <source> Selected Container </source>
        <translation> Conteneur sélectionné </translation>
    </message>
    <message>
        <source> Selected Box </source>
        <translation> Boîte sélectionnée </translation>
    </message>
    <message>
        <source>Type </source>
        <translation>Type </translation>
    </message>
    <message>
        <source>Load Weight</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Surf.</translation>
    </message>
    <message>
        <source>L , W</source>
        <translation>L , l</translation>
    </message>
    <message>
        <source>Kind </source>
        <translation>Type </translation>
    </message>
    <message>
        <source>Box Weight</source>
        <translation>Poids boîte</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vue</translation>
    </message>
    <message>
        <source>Open Image Page</source>
        <translation>Ouvrir la page Image</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Print Solution Data</source>
        <translation>Imprimer les données de la solution</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>File Solution Data</source>
        <translation>Enregistrer la solution dans des fichiers</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>Ferm&amp;er</translation>
    </message>
    <message>
        <source>Return to Task page</source>
        <translation>Retour à la page Tâche</translation>
    </message>
    <message>
        <source>Container Type</source>
        <translation>Conteneur</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Figé</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Nb</translation>
    </message>
    <message>
        <source>%Area</source>
        <translation>%Surf</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>%Wgt</source>
        <translation>%Pds</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>NoseWt</source>
        <translation>P.Av</translation>
    </message>
    <message>
        <source>TailWt</source>
        <translation>P.Ar</translation>
    </message>
    <message>
        <source>Box Kind</source>
        <translation>Type de boîte</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Nb</translation>
    </message>
    <message>
        <source> Area</source>
        <translation> Surf.</translation>
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
        <translation>Pose L</translation>
    </message>
    <message>
        <source>Put W</source>
        <translation>Pose l</translation>
    </message>
    <message>
        <source>Load N</source>
        <translation>N° ch.</translation>
    </message>
    <message>
        <source>Print current solution report now?</source>
        <translation>Imprimer maintenant le rapport de la solution?</translation>
    </message>
    <message>
        <source>Note: to print the other container</source>
        <translation>Note : pour imprimer un autre conteneur,</translation>
    </message>
    <message>
        <source>data, select it and press &quot;Print&quot;</source>
        <translation>sélectionnez-le et appuyez sur « Imprimer »</translation>
    </message>
</context>
<context>
    <name>palvane::TTasksForm</name>
    <message>
        <source>CURRENT TASK</source>
        <translation>TÂCHE en Cours</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>Current Task Name</source>
        <translation>Nom de la tâche en cours</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Liste des tâches</translation>
    </message>
    <message>
        <source>Task Navigator</source>
        <translation>Navigation dans les tâches</translation>
    </message>
    <message>
        <source>Current Task Description</source>
        <translation>Description de la tâche en cours</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Last solution date</source>
        <translation>Date de la dernière solution</translation>
    </message>
    <message>
        <source>SHEETS /  2D Containers to Load</source>
        <translation>FEUILLES / Conteneurs en 2D</translation>
    </message>
    <message>
        <source>&amp;Container Library</source>
        <translation>Bibliothèque &amp;conteneurs</translation>
    </message>
    <message>
        <source>Open Container Library</source>
        <translation>Ouvrir la bibliothèque de conteneurs</translation>
    </message>
    <message>
        <source>Containers to use for loading</source>
        <translation>Conteneurs à utiliser pour le chargement</translation>
    </message>
    <message>
        <source>PARTS  /  2D Boxes  to  Pack</source>
        <translation>PARTIES / Boîtes en 2D à Emballer</translation>
    </message>
    <message>
        <source>&amp;Box Library</source>
        <translation>Bibliothèque &amp;boîtes</translation>
    </message>
    <message>
        <source>Open Box Library</source>
        <translation>Ouvrir la bibliothèque de boîtes</translation>
    </message>
    <message>
        <source>Boxes to load in above containers</source>
        <translation>Boîtes à charger dans les conteneurs ci-dessus</translation>
    </message>
    <message>
        <source>Total Utilization</source>
        <translation>Utilisation totale</translation>
    </message>
    <message>
        <source>Total container capacity utilization</source>
        <translation>Utilisation totale de la capacité des conteneurs</translation>
    </message>
    <message>
        <source>%Wgt</source>
        <translation>%Poids</translation>
    </message>
    <message>
        <source>%Area</source>
        <translation>%Surf</translation>
    </message>
    <message>
        <source>Container Load Weight average utilization, %</source>
        <translation>Utilisation moyenne de la charge des conteneurs, %</translation>
    </message>
    <message>
        <source>Container Area average utilization, %</source>
        <translation>Utilisation moyenne de la surface des conteneurs, %</translation>
    </message>
    <message>
        <source>Containers:       Avail        Used</source>
        <translation>Conteneurs :     Dispo      Utilisés</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>LoadWt</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Boxes:               Total            Left</source>
        <translation>Boîtes :            Total           Restant</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Net Cost</source>
        <translation>Coût net</translation>
    </message>
    <message>
        <source>Used boxes minus containers cost</source>
        <translation>Boîtes utilisées moins le coût des conteneurs</translation>
    </message>
    <message>
        <source>Common Turn Rules:</source>
        <translation>Rotations communes :</translation>
    </message>
    <message>
        <source>Turn on common box orientation rules</source>
        <translation>Activer les règles communes d&apos;orientation des boîtes</translation>
    </message>
    <message>
        <source>Horiz.TurnOn</source>
        <translation>Rot. horiz.</translation>
    </message>
    <message>
        <source>Allow turns around the vertical axis</source>
        <translation>Autoriser la rotation autour de l&apos;axe vertical</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vue</translation>
    </message>
    <message>
        <source>Open Image page</source>
        <translation>Ouvrir la page Image</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>&amp;Solution</translation>
    </message>
    <message>
        <source>Open Solution page</source>
        <translation>Ouvrir la page Solution</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>Para&amp;mètres</translation>
    </message>
    <message>
        <source>Optional Controls &amp; Settings</source>
        <translation>Commandes et paramètres optionnels</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Print task data</source>
        <translation>Imprimer les données de la tâche</translation>
    </message>
    <message>
        <source>Currently active DB</source>
        <translation>Base active</translation>
    </message>
    <message>
        <source>Area Multipl.</source>
        <translation>Multipl. surface</translation>
    </message>
    <message>
        <source>Multiplier for all Area values</source>
        <translation>Multiplicateur de toutes les surfaces</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Quitter le logiciel</translation>
    </message>
    <message>
        <source>Container Type</source>
        <translation>Type de conteneur</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Pr</source>
        <translation>Pr</translation>
    </message>
    <message>
        <source>Avail</source>
        <translation>Dispo</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisés</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Repère</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Fill Dir</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Box Kind</source>
        <translation>Type de boîte</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>TurnOn</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Eff&amp;acer</translation>
    </message>
    <message>
        <source>So&amp;lve</source>
        <translation>Résoudr&amp;e</translation>
    </message>
    <message>
        <source>Clear current Solution</source>
        <translation>Effacer la solution en cours</translation>
    </message>
    <message>
        <source>Start solver run</source>
        <translation>Lancer le calcul</translation>
    </message>
    <message>
        <source>Task page</source>
        <translation>Page Tâche</translation>
    </message>
    <message>
        <source>Export DB on</source>
        <translation>Base Export active</translation>
    </message>
    <message>
        <source>Import DB on</source>
        <translation>Base Import active</translation>
    </message>
    <message>
        <source> Home DB on</source>
        <translation> Base principale active</translation>
    </message>
    <message>
        <source>You&apos;d &quot;Clear&quot; preceding solution<byte value="xd"/>before task data modifying</source>
        <translation>Effacez d&apos;abord la solution précédente<byte value="xd"/>avant de modifier les données de la tâche</translation>
    </message>
    <message>
        <source>You can modify yellow columns data<byte value="xd"/>just from the Container/Box Library</source>
        <translation>Les colonnes jaunes se modifient<byte value="xd"/>uniquement dans la bibliothèque de conteneurs/boîtes</translation>
    </message>
    <message>
        <source>Problem saving data files.<byte value="xd"/><byte value="xd"/>Running this program without necessary rights to<byte value="xd"/>read/write files can possibly violate data structure.<byte value="xd"/><byte value="xd"/>Please move program into any folder avoiding protected<byte value="xd"/>areas like C:\Program Files.., C:\ProgramData.. <byte value="xd"/>(to move, you&apos;d uninstall and then install program again).<byte value="xd"/>Alternatively, always run program &quot;As Administrator&quot;.</source>
        <translation>Problème d&apos;enregistrement des fichiers de données.<byte value="xd"/><byte value="xd"/>Exécuter ce logiciel sans les droits nécessaires pour<byte value="xd"/>lire/écrire des fichiers peut endommager les données.<byte value="xd"/><byte value="xd"/>Déplacez le logiciel dans un dossier hors des zones<byte value="xd"/>protégées comme C:\Program Files.., C:\ProgramData.. <byte value="xd"/>(pour le déplacer, désinstallez-le puis réinstallez-le).<byte value="xd"/>Sinon, lancez toujours le logiciel « En tant qu&apos;administrateur ».</translation>
    </message>
    <message>
        <source>Clear current task solution?</source>
        <translation>Effacer la solution de la tâche en cours?</translation>
    </message>
    <message>
        <source>Total container number exceeds limit: </source>
        <translation>Le nombre total de conteneurs dépasse la limite : </translation>
    </message>
    <message>
        <source>Total box number exceeds limit: </source>
        <translation>Le nombre total de boîtes dépasse la limite : </translation>
    </message>
    <message>
        <source>You should define container(s)</source>
        <translation>Définissez un ou plusieurs conteneurs</translation>
    </message>
    <message>
        <source>You should define boxes</source>
        <translation>Définissez des boîtes</translation>
    </message>
    <message>
        <source>The task could not be read.</source>
        <translation>La tâche n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>The plan could not be stored; the previous solution is unchanged.</source>
        <translation>Le plan n&apos;a pas pu être enregistré ; la solution précédente est inchangée.</translation>
    </message>
    <message>
        <source>The solution could not be cleared.</source>
        <translation>La solution n&apos;a pas pu être effacée.</translation>
    </message>
    <message>
        <source>Print task data report now?</source>
        <translation>Imprimer maintenant le rapport de la tâche?</translation>
    </message>
    <message>
        <source>Exit program?</source>
        <translation>Quitter le logiciel?</translation>
    </message>
    <message>
        <source>Boxes not placed in the plan. Boxes are left when:
- &quot;Ignore Last Container&quot; (Settings) drops the last, half-empty container,
- the Net Cost Factor finds them not worth the cost of a container,
- the time limit ends the search before they found a place,
- the containers are too few, or a box is larger than every container.</source>
        <translation>Boîtes non placées dans le plan. Des boîtes restent quand :
- « Ignorer le dernier conteneur » (Paramètres) écarte le dernier conteneur à moitié vide,
- le facteur coût net les juge moins rentables que le coût d&apos;un conteneur,
- la durée max. arrête la recherche avant qu&apos;elles aient trouvé une place,
- les conteneurs sont trop peu nombreux, ou une boîte est plus grande que tous les conteneurs.</translation>
    </message>
    <message>
        <source>These box kinds fit no container of the task in any permitted orientation<byte value="xd"/>(gaps included); their boxes will be left:</source>
        <translation>Ces types de boîtes n&apos;entrent dans aucun conteneur de la tâche, dans aucune orientation permise<byte value="xd"/>(écarts compris) ; leurs boîtes resteront :</translation>
    </message>
</context>
<context>
    <name>palvane::TTuneForm</name>
    <message>
        <source>View Options</source>
        <translation>Options d&apos;affichage</translation>
    </message>
    <message>
        <source>Choose grid frequency</source>
        <translation>Choisir le pas de la grille</translation>
    </message>
    <message>
        <source>Overall scale tuner</source>
        <translation>Réglage de l&apos;échelle générale</translation>
    </message>
    <message>
        <source>Move across</source>
        <translation>Déplacer horizontalement</translation>
    </message>
    <message>
        <source>Move up/down</source>
        <translation>Déplacer vers le haut/bas</translation>
    </message>
    <message>
        <source>Visual separation</source>
        <translation>Séparation visuelle</translation>
    </message>
    <message>
        <source>Wire line width</source>
        <translation>Épaisseur des traits</translation>
    </message>
    <message>
        <source>Choose color set</source>
        <translation>Choisir la palette de couleurs</translation>
    </message>
    <message>
        <source>Line brightness</source>
        <translation>Luminosité des traits</translation>
    </message>
    <message>
        <source>Box / Part color</source>
        <translation>Couleur des boîtes / pièces</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Couleur du fond</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Click to reset grid</source>
        <translation>Cliquez pour rétablir la grille</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Click to reset size</source>
        <translation>Cliquez pour rétablir la taille</translation>
    </message>
    <message>
        <source>Move X</source>
        <translation>Décal. X</translation>
    </message>
    <message>
        <source>Click to reset shifts</source>
        <translation>Cliquez pour annuler les décalages</translation>
    </message>
    <message>
        <source>Move Y</source>
        <translation>Décal. Y</translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation>Écarts</translation>
    </message>
    <message>
        <source>Click to reset gaps</source>
        <translation>Cliquez pour rétablir les écarts</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Traits</translation>
    </message>
    <message>
        <source>Click to reset lines</source>
        <translation>Cliquez pour rétablir les traits</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Click to reset coloring</source>
        <translation>Cliquez pour rétablir les couleurs</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lumière</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Box Kinds</source>
        <translation>Types de boîtes</translation>
    </message>
    <message>
        <source>Display box Kinds instead of Marks</source>
        <translation>Afficher les types de boîtes au lieu des repères</translation>
    </message>
    <message>
        <source>Turn Signs</source>
        <translation>Signes de rotation</translation>
    </message>
    <message>
        <source>Display box orientation signs</source>
        <translation>Afficher les signes d&apos;orientation des boîtes</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Restore all normal values</source>
        <translation>Rétablir toutes les valeurs normales</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close View Options</source>
        <translation>Fermer les options d&apos;affichage</translation>
    </message>
</context>
<context>
    <name>palvane::TWaitForm</name>
    <message>
        <source>Fixed objects processing...</source>
        <translation>Traitement des objets figés...</translation>
    </message>
    <message>
        <source>Reading DB task...</source>
        <translation>Lecture de la tâche...</translation>
    </message>
    <message>
        <source>Packing progress...</source>
        <translation>Chargement en cours...</translation>
    </message>
    <message>
        <source>Writing DB...</source>
        <translation>Écriture de la base...</translation>
    </message>
    <message>
        <source>Clearing DB solution...</source>
        <translation>Effacement de la solution...</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Veuillez patienter</translation>
    </message>
    <message>
        <source>Esc to abort</source>
        <translation>Échap pour arrêter</translation>
    </message>
    <message>
        <source>Aborted...</source>
        <translation>Avorté...</translation>
    </message>
    <message>
        <source>Pure packing time</source>
        <translation>Temps de calcul pur</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Passe</translation>
    </message>
    <message>
        <source>Improving the plan...</source>
        <translation>Amélioration du plan...</translation>
    </message>
</context>
<context>
    <name>palvane::TaskExchange</name>
    <message>
        <source>DB is busy or incorrect</source>
        <translation>La base est occupée ou incorrecte</translation>
    </message>
    <message>
        <source>Add current task to Export DB?</source>
        <translation>Ajouter la tâche en cours à la base Export?</translation>
    </message>
    <message>
        <source>Duplicate current task?</source>
        <translation>Dupliquer la tâche en cours?</translation>
    </message>
    <message>
        <source>Task copying...</source>
        <translation>Copie de la tâche...</translation>
    </message>
    <message>
        <source>Task copying failed; the Export DB was not changed.</source>
        <translation>La copie de la tâche a échoué ; la base Export est inchangée.</translation>
    </message>
    <message>
        <source>Task copying failed; nothing was changed.</source>
        <translation>La copie de la tâche a échoué ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Export DB tasks use container types or box kinds<byte value="xd"/>that the Home DB library does not hold:</source>
        <translation>Des tâches de la base Export utilisent des types de conteneurs ou de boîtes<byte value="xd"/>absents de la bibliothèque de la base principale :</translation>
    </message>
    <message>
        <source>The Export DB was not changed.</source>
        <translation>La base Export est inchangée.</translation>
    </message>
    <message>
        <source>Error export file copy</source>
        <translation>Erreur de copie du fichier d&apos;export</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>The %1 DB could not be emptied; nothing was removed.</source>
        <translation>La base %1 n&apos;a pas pu être vidée ; rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>%1 DB is empty</source>
        <translation>La base %1 est vide</translation>
    </message>
    <message>
        <source>Are you sure to delete all %1 DB data?</source>
        <translation>Supprimer vraiment toutes les données de la base %1?</translation>
    </message>
</context>
<context>
    <name>palvane::TaskJson</name>
    <message>
        <source>Task %1 not found</source>
        <translation>Tâche %1 introuvable</translation>
    </message>
    <message>
        <source>Task %1 could not be read: %2</source>
        <translation>La tâche %1 n&apos;a pas pu être lue : %2</translation>
    </message>
    <message>
        <source>line %1: %2: %3</source>
        <translation>ligne %1 : %2 : %3</translation>
    </message>
    <message>
        <source>unknown member</source>
        <translation>membre inconnu</translation>
    </message>
    <message>
        <source>needs an object</source>
        <translation>demande un objet</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>manque</translation>
    </message>
    <message>
        <source>needs an array</source>
        <translation>demande un tableau</translation>
    </message>
    <message>
        <source>needs a whole number from %1 to %2</source>
        <translation>demande un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>needs a number from 0 to %1</source>
        <translation>demande un nombre de 0 à %1</translation>
    </message>
    <message>
        <source>needs true or false</source>
        <translation>demande true ou false</translation>
    </message>
    <message>
        <source>needs a text</source>
        <translation>demande un texte</translation>
    </message>
    <message>
        <source>%1 holds control characters</source>
        <translation>%1 contient des caractères de contrôle</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 dépasse %2 caractères</translation>
    </message>
    <message>
        <source>needs a name</source>
        <translation>demande un nom</translation>
    </message>
    <message>
        <source>container type</source>
        <translation>type de conteneur</translation>
    </message>
    <message>
        <source>box kind</source>
        <translation>type de colis</translation>
    </message>
    <message>
        <source>the container type is listed twice</source>
        <translation>le type de conteneur figure deux fois</translation>
    </message>
    <message>
        <source>more than %1 containers in the task</source>
        <translation>plus de %1 conteneurs dans la tâche</translation>
    </message>
    <message>
        <source>the box kind is listed twice</source>
        <translation>le type de colis figure deux fois</translation>
    </message>
    <message>
        <source>more than %1 boxes in the task</source>
        <translation>plus de %1 colis dans la tâche</translation>
    </message>
    <message>
        <source>needs %1 or %2</source>
        <translation>demande %1 ou %2</translation>
    </message>
    <message>
        <source>needs Length, Width or Either</source>
        <translation>demande Length, Width ou Either</translation>
    </message>
    <message>
        <source>nose and tail distances together must be less than the length</source>
        <translation>les distances avant et arrière ensemble doivent être inférieures à la longueur</translation>
    </message>
    <message>
        <source>no %1 has the id %2</source>
        <translation>aucun %1 n&apos;a l&apos;identifiant %2</translation>
    </message>
    <message>
        <source>%1 names %2 library rows; give %3 too</source>
        <translation>%1 désigne %2 lignes de la bibliothèque ; indiquez aussi %3</translation>
    </message>
    <message>
        <source>%1 differs from the library&apos;s %2 (%3)</source>
        <translation>%1 diffère de la bibliothèque pour %2 (%3)</translation>
    </message>
    <message>
        <source>differs from the library&apos;s %1</source>
        <translation>diffère de la bibliothèque pour %1</translation>
    </message>
    <message>
        <source>unknown %1 %2</source>
        <translation>%1 inconnu %2</translation>
    </message>
    <message>
        <source>a new %1 needs its length and width</source>
        <translation>un nouveau %1 a besoin de sa longueur et de sa largeur</translation>
    </message>
    <message>
        <source>the input is larger than %1 bytes</source>
        <translation>l&apos;entrée dépasse %1 octets</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>line 1: the input needs to be a JSON object</source>
        <translation>ligne 1 : l&apos;entrée doit être un objet JSON</translation>
    </message>
</context>
<context>
    <name>palvane::TaskTotals</name>
    <message>
        <source>Integer overflow in the task totals.</source>
        <translation>Dépassement de capacité dans les totaux de la tâche.</translation>
    </message>
</context>
<context>
    <name>palvane::UpDown</name>
    <message>
        <source>Integer from %1 to %2 required,<byte value="xd"/>in steps of %3</source>
        <translation>Entier de %1 à %2 requis,<byte value="xd"/>par pas de %3</translation>
    </message>
    <message>
        <source>Integer from %1 to %2 required</source>
        <translation>Entier de %1 à %2 requis</translation>
    </message>
</context>
</TS>
