<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AIActions</name>
    <message>
        <source>Improve Writing</source>
        <translation>Améliorer le style</translation>
    </message>
    <message>
        <source>Fix Spelling &amp; Grammar</source>
        <translation>Corriger l’orthographe et la grammaire</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>Reformuler</translation>
    </message>
    <message>
        <source>Make Shorter</source>
        <translation>Raccourcir</translation>
    </message>
    <message>
        <source>Make Longer</source>
        <translation>Développer</translation>
    </message>
    <message>
        <source>Professional Tone</source>
        <translation>Ton professionnel</translation>
    </message>
    <message>
        <source>Casual Tone</source>
        <translation>Ton décontracté</translation>
    </message>
    <message>
        <source>Summarize</source>
        <translation>Résumer</translation>
    </message>
    <message>
        <source>Draft from Outline</source>
        <translation>Rédiger à partir du plan</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Expliquer</translation>
    </message>
    <message>
        <source>Suggest Title &amp; Tags</source>
        <translation>Suggérer un titre et des étiquettes</translation>
    </message>
</context>
<context>
    <name>AIAssistSheet</name>
    <message>
        <source>AI Assist</source>
        <translation>Assistant IA</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable the assist actions.</source>
        <translation>Ajoutez votre clé d’API DeepSeek dans l’onglet IA des Paramètres pour activer les actions de l’assistant.</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>Traitement…</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Custom instruction (optional)</source>
        <translation>Consigne (facultative)</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>Document entier</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message numerus="yes">
        <source>%n files or links were not opened.</source>
        <translation>
            <numerusform>%n fichier ou lien n’a pas été ouvert.</numerusform>
            <numerusform>%n fichiers ou liens n’ont pas été ouverts.</numerusform>
        </translation>
    </message>
    <message>
        <source>One request opens at most %1 of them. Not opened:
%2</source>
        <translation>Une demande en ouvre au plus %1. Non ouverts :
%2</translation>
    </message>
</context>
<context>
    <name>AssistRunner</name>
    <message>
        <source>The text changed while the answer was on its way, so nothing was changed. Run it again.</source>
        <translation>Le texte a changé pendant l’attente de la réponse&#xa0;; rien n’a été modifié. Relancez l’action.</translation>
    </message>
    <message>
        <source>The answer was empty, so nothing was changed.</source>
        <translation>La réponse était vide&#xa0;; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The editor did not accept the change.</source>
        <translation>L’éditeur n’a pas accepté la modification.</translation>
    </message>
</context>
<context>
    <name>AssistSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Portée</translation>
    </message>
</context>
<context>
    <name>AutosaveStore</name>
    <message>
        <source>The autosave folder “%1” could not be created.</source>
        <translation>Le dossier d’enregistrement automatique «&#xa0;%1&#xa0;» n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>The autosave folder “%1” cannot be written: %2</source>
        <translation>Impossible d’écrire dans le dossier d’enregistrement automatique «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>BatchExport</name>
    <message>
        <source>Another file of the folder is exported as “%1”.</source>
        <translation>Un autre fichier du dossier est exporté sous le nom «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>It is not valid UTF-8 text.</source>
        <translation>Ce n’est pas du texte UTF-8 valide.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>A file to be written already exists.</source>
        <translation>Un fichier à écrire existe déjà.</translation>
    </message>
    <message numerus="yes">
        <source>%n files to be written already exist.</source>
        <translation>
            <numerusform>%n fichier à écrire existe déjà.</numerusform>
            <numerusform>%n fichiers à écrire existent déjà.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replacing them overwrites their current contents:
</source>
        <translation>Le remplacement écrase le contenu actuel&#xa0;:
</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Enregistré dans %1.</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Rien à exporter</translation>
    </message>
    <message>
        <source>No Markdown files found in that folder.</source>
        <translation>Aucun fichier Markdown dans ce dossier.</translation>
    </message>
    <message>
        <source>Exported 1 file</source>
        <translation>1 fichier exporté</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n files</source>
        <translation>
            <numerusform>%n fichier exporté</numerusform>
            <numerusform>%n fichiers exportés</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Not exported:</source>
        <translation>Non exportés&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>Exported %1 of %n files</source>
        <translation>
            <numerusform>Fichiers exportés&#xa0;: %1 sur %n</numerusform>
            <numerusform>Fichiers exportés&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” is a link to another file; it was not replaced.</source>
        <translation>«&#xa0;%1&#xa0;» est un lien vers un autre fichier&#xa0;; il n’a pas été remplacé.</translation>
    </message>
</context>
<context>
    <name>BatchExporter</name>
    <message>
        <source>Exporting…</source>
        <translation>Exportation…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>It could not be written.</source>
        <translation>Il n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to export.</source>
        <translation>Choisissez un dossier de fichiers Markdown à exporter.</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>Tout exporter</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
</context>
<context>
    <name>CommandCategory</name>
    <message>
        <source>Headings</source>
        <translation>Titres</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Lists &amp; Blocks</source>
        <translation>Listes et blocs</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertion</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformation</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportation</translation>
    </message>
</context>
<context>
    <name>CommandPalette</name>
    <message>
        <source>Command Palette</source>
        <translation>Palette de commandes</translation>
    </message>
    <message>
        <source>Type a command…</source>
        <translation>Saisissez une commande…</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>Rechercher des commandes</translation>
    </message>
    <message>
        <source>No matching commands</source>
        <translation>Aucune commande correspondante</translation>
    </message>
</context>
<context>
    <name>CommandRegistry</name>
    <message>
        <source>Heading 1</source>
        <translation>Titre 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Titre 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Titre 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Titre 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Titre 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Titre 6</translation>
    </message>
    <message>
        <source>Body Text</source>
        <translation>Corps de texte</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Gras italique</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Code en ligne</translation>
    </message>
    <message>
        <source>Comment (HTML)</source>
        <translation>Commentaire (HTML)</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>Liste à puces</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>Liste numérotée</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Liste de tâches</translation>
    </message>
    <message>
        <source>Toggle Task Done</source>
        <translation>Cocher/décocher la tâche</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>Citation</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Bloc de code</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Augmenter le retrait</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Diminuer le retrait</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Ligne horizontale</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>Note de bas de page</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Table des matières</translation>
    </message>
    <message>
        <source>Today&apos;s Date</source>
        <translation>Date du jour</translation>
    </message>
    <message>
        <source>Table (2×2)</source>
        <translation>Tableau (2×2)</translation>
    </message>
    <message>
        <source>Table (3×3)</source>
        <translation>Tableau (3×3)</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>Formule en ligne</translation>
    </message>
    <message>
        <source>Format Table</source>
        <translation>Mettre en forme le tableau</translation>
    </message>
    <message>
        <source>Table: Insert Row Above</source>
        <translation>Tableau&#xa0;: insérer une ligne au-dessus</translation>
    </message>
    <message>
        <source>Table: Insert Row Below</source>
        <translation>Tableau&#xa0;: insérer une ligne en dessous</translation>
    </message>
    <message>
        <source>Table: Delete Row</source>
        <translation>Tableau&#xa0;: supprimer la ligne</translation>
    </message>
    <message>
        <source>Table: Insert Column Left</source>
        <translation>Tableau&#xa0;: insérer une colonne à gauche</translation>
    </message>
    <message>
        <source>Table: Insert Column Right</source>
        <translation>Tableau&#xa0;: insérer une colonne à droite</translation>
    </message>
    <message>
        <source>Table: Delete Column</source>
        <translation>Tableau&#xa0;: supprimer la colonne</translation>
    </message>
    <message>
        <source>Table: Align Column Left</source>
        <translation>Tableau&#xa0;: aligner la colonne à gauche</translation>
    </message>
    <message>
        <source>Table: Align Column Center</source>
        <translation>Tableau&#xa0;: centrer la colonne</translation>
    </message>
    <message>
        <source>Table: Align Column Right</source>
        <translation>Tableau&#xa0;: aligner la colonne à droite</translation>
    </message>
    <message>
        <source>UPPERCASE</source>
        <translation>MAJUSCULES</translation>
    </message>
    <message>
        <source>lowercase</source>
        <translation>minuscules</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Majuscule à chaque mot</translation>
    </message>
    <message>
        <source>Sort Lines A→Z</source>
        <translation>Trier les lignes A→Z</translation>
    </message>
    <message>
        <source>Sort Lines Z→A</source>
        <translation>Trier les lignes Z→A</translation>
    </message>
    <message>
        <source>Remove Duplicate Lines</source>
        <translation>Supprimer les lignes en double</translation>
    </message>
    <message>
        <source>Move Line Up</source>
        <translation>Monter la ligne</translation>
    </message>
    <message>
        <source>Move Line Down</source>
        <translation>Descendre la ligne</translation>
    </message>
    <message>
        <source>Duplicate Line</source>
        <translation>Dupliquer la ligne</translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>Select Line</source>
        <translation>Sélectionner la ligne</translation>
    </message>
    <message>
        <source>Toggle WYSIWYG / Markdown Source</source>
        <translation>Basculer WYSIWYG / source Markdown</translation>
    </message>
    <message>
        <source>Suggest Continuation</source>
        <translation>Suggérer une suite</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>Nettoyer le Markdown</translation>
    </message>
    <message>
        <source>Export as HTML…</source>
        <translation>Exporter en HTML…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exporter en PDF…</translation>
    </message>
    <message>
        <source>Export as Rich Text…</source>
        <translation>Exporter en texte enrichi…</translation>
    </message>
    <message>
        <source>Export as Word…</source>
        <translation>Exporter en Word…</translation>
    </message>
    <message>
        <source>Export as OpenDocument…</source>
        <translation>Exporter en OpenDocument…</translation>
    </message>
    <message>
        <source>Copy as HTML</source>
        <translation>Copier en HTML</translation>
    </message>
</context>
<context>
    <name>CustomThemesEditor</name>
    <message>
        <source>Custom themes</source>
        <translation>Thèmes personnalisés</translation>
    </message>
    <message>
        <source>Add Theme</source>
        <translation>Ajouter un thème</translation>
    </message>
    <message>
        <source>Add a theme to start from the current colours, then edit them here.</source>
        <translation>Ajoutez un thème pour partir des couleurs actuelles, puis modifiez-les ici.</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>actif</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Use This Theme</source>
        <translation>Utiliser ce thème</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>Do you want to save the changes made to the document “%1”?</source>
        <translation>Voulez-vous enregistrer les modifications apportées au document «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>Don’t Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>The file of the document “%1” was moved or deleted by another program.</source>
        <translation>Le fichier du document «&#xa0;%1&#xa0;» a été déplacé ou supprimé par un autre programme.</translation>
    </message>
    <message>
        <source>The document “%1” was changed by another program.</source>
        <translation>Le document «&#xa0;%1&#xa0;» a été modifié par un autre programme.</translation>
    </message>
    <message>
        <source>Save your version to write the file again, save it under another name, or leave the file removed.</source>
        <translation>Enregistrez votre version pour réécrire le fichier, enregistrez-la sous un autre nom, ou laissez le fichier supprimé.</translation>
    </message>
    <message>
        <source>Keep your version to overwrite the file, reload the version on disk (your changes can be undone), or save your version under another name.</source>
        <translation>Gardez votre version pour écraser le fichier, rechargez la version du disque (vos modifications pourront être annulées), ou enregistrez votre version sous un autre nom.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Garder la mienne</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>The document “%1” could not be opened.</source>
        <translation>Le document «&#xa0;%1&#xa0;» n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Effa&amp;cer la liste</translation>
    </message>
    <message>
        <source>The last save of “%1” did not finish.</source>
        <translation>Le dernier enregistrement de «&#xa0;%1&#xa0;» ne s’est pas terminé.</translation>
    </message>
    <message>
        <source>The file “%1” may be incomplete. This window holds the text that was being saved: write it back to the file, or keep it here for now.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est peut-être incomplet. Cette fenêtre contient le texte qui était en cours d’enregistrement&#xa0;: réécrivez-le dans le fichier, ou gardez-le ici pour l’instant.</translation>
    </message>
    <message>
        <source>Write Back</source>
        <translation>Réécrire</translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>Sans titre %1</translation>
    </message>
    <message>
        <source>The document “%1” could not be saved.</source>
        <translation>Le document «&#xa0;%1&#xa0;» n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>“%1” is open in another window. Close that window first, or choose another name.</source>
        <translation>«&#xa0;%1&#xa0;» est ouvert dans une autre fenêtre. Fermez d’abord cette fenêtre ou choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Unsaved text cannot be kept for the next launch.</source>
        <translation>Le texte non enregistré ne peut pas être conservé pour le prochain lancement.</translation>
    </message>
    <message>
        <source>The document “%1” could not be autosaved.</source>
        <translation>Le document «&#xa0;%1&#xa0;» n’a pas pu être enregistré automatiquement.</translation>
    </message>
    <message>
        <source>The file “%1” was moved or deleted by another program; it was not written again.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» a été déplacé ou supprimé par un autre programme&#xa0;; il n’a pas été réécrit.</translation>
    </message>
    <message>
        <source>“%1” was changed by another program; it was not overwritten.</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié par un autre programme&#xa0;; il n’a pas été écrasé.</translation>
    </message>
    <message>
        <source>%1 (recovered)</source>
        <translation>%1 (récupéré)</translation>
    </message>
</context>
<context>
    <name>EditorToolbar</name>
    <message>
        <source>Formatting</source>
        <translation>Mise en forme</translation>
    </message>
    <message>
        <source>Paragraph style</source>
        <translation>Style de paragraphe</translation>
    </message>
    <message>
        <source>Insert Link</source>
        <translation>Insérer un lien</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>Citation</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Bloc de code</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Code en ligne</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>Liste à puces</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>Liste numérotée</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Liste de tâches</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>Justifier</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Diminuer le retrait</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Augmenter le retrait</translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation>Insérer une image</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Insérer un tableau</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Ligne horizontale</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>Formule en ligne</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>Note de bas de page</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Table des matières</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>Insérer la date</translation>
    </message>
    <message>
        <source>AI Assist…</source>
        <translation>Assistant IA…</translation>
    </message>
    <message>
        <source>Translate…</source>
        <translation>Traduire…</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>Nettoyer le Markdown</translation>
    </message>
    <message>
        <source>Version History…</source>
        <translation>Historique des versions…</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Palette de commandes</translation>
    </message>
    <message>
        <source>All tools</source>
        <translation>Tous les outils</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Switch to Markdown source</source>
        <translation>Passer à la source Markdown</translation>
    </message>
    <message>
        <source>Switch to WYSIWYG</source>
        <translation>Passer en WYSIWYG</translation>
    </message>
    <message>
        <source>Ctrl+%1</source>
        <translation>Ctrl+%1</translation>
    </message>
</context>
<context>
    <name>ExportPresets</name>
    <message>
        <source>Academic</source>
        <translation>Académique</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Compact</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Academic PDF</source>
        <translation>PDF académique</translation>
    </message>
    <message>
        <source>Clean PDF</source>
        <translation>PDF épuré</translation>
    </message>
    <message>
        <source>New Preset</source>
        <translation>Nouveau préréglage</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>Copie de %1</translation>
    </message>
</context>
<context>
    <name>ExportPresetsView</name>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Rich Text</source>
        <translation>Texte enrichi</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Word</translation>
    </message>
    <message>
        <source>OpenDocument</source>
        <translation>OpenDocument</translation>
    </message>
    <message>
        <source>Copy HTML</source>
        <translation>Copier le HTML</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>Préréglages d’exportation</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Custom CSS (appended after the theme)</source>
        <translation>CSS personnalisé (ajouté après le thème)</translation>
    </message>
    <message>
        <source>Select or add a preset</source>
        <translation>Sélectionnez ou ajoutez un préréglage</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Ajouter un préréglage</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Supprimer le préréglage</translation>
    </message>
    <message>
        <source>Duplicate preset</source>
        <translation>Dupliquer le préréglage</translation>
    </message>
    <message>
        <source>Export With This Preset</source>
        <translation>Exporter avec ce préréglage</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <source>PDF pages are made by the page renderer.</source>
        <translation>Les pages PDF sont produites par le moteur de mise en page.</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>Le document n’a pas pu être converti.</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported as PDF.</source>
        <translation>Le document «&#xa0;%1&#xa0;» n’a pas pu être exporté en PDF.</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported.</source>
        <translation>Le document «&#xa0;%1&#xa0;» n’a pas pu être exporté.</translation>
    </message>
    <message>
        <source>The document “%1” could not be converted.</source>
        <translation>Le document «&#xa0;%1&#xa0;» n’a pas pu être converti.</translation>
    </message>
    <message>
        <source>HTML Page (*.html)</source>
        <translation>Page HTML (*.html)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Rich Text Document (*.rtf)</source>
        <translation>Document texte enrichi (*.rtf)</translation>
    </message>
    <message>
        <source>Word Document (*.docx)</source>
        <translation>Document Word (*.docx)</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>Texte OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>FileBrowserSidebar</name>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Refresh file list</source>
        <translation>Actualiser la liste des fichiers</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>Ouvrir un dossier…</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <source>No folder open</source>
        <translation>Aucun dossier ouvert</translation>
    </message>
    <message>
        <source>No Markdown files here</source>
        <translation>Aucun fichier Markdown ici</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to browse.</source>
        <translation>Choisissez un dossier de fichiers Markdown à parcourir.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Remplacer par</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n résultat</numerusform>
            <numerusform>%n résultats</numerusform>
        </translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Tout remplacer</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 résultat</translation>
    </message>
</context>
<context>
    <name>FrontMatterEditor</name>
    <message>
        <source>Document Info</source>
        <translation>Informations du document</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>comma, separated</source>
        <translation>séparées par des virgules</translation>
    </message>
    <message>
        <source>Stored as YAML front matter at the top of the document.</source>
        <translation>Enregistrées en métadonnées YAML au début du document.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>HeaderFooterEditor</name>
    <message>
        <source>Page Header &amp; Footer</source>
        <translation>En-tête et pied de page</translation>
    </message>
    <message>
        <source>Shown on printed and exported pages. Markdown has no header/footer concept, so these apply to output only.</source>
        <translation>Affichés sur les pages imprimées et exportées. Markdown ne connaît ni en-tête ni pied de page&#xa0;: ils ne s’appliquent qu’aux pages produites.</translation>
    </message>
    <message>
        <source>e.g. {title}</source>
        <translation>ex.&#xa0;: {title}</translation>
    </message>
    <message>
        <source>e.g. Page {page} of {pages}</source>
        <translation>ex.&#xa0;: Page {page} sur {pages}</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Pied de page</translation>
    </message>
    <message>
        <source>Tokens:</source>
        <translation>Variables&#xa0;:</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>ImageInsertView</name>
    <message>
        <source>Insert Image</source>
        <translation>Insérer une image</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Choisir un fichier…</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>Image URL</source>
        <translation>URL de l’image</translation>
    </message>
    <message>
        <source>Alt text (optional)</source>
        <translation>Texte alternatif (facultatif)</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
</context>
<context>
    <name>LinkEditorView</name>
    <message>
        <source>Insert Link</source>
        <translation>Insérer un lien</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
</context>
<context>
    <name>LongPaste</name>
    <message>
        <source>Paste progress</source>
        <translation>Progression du collage</translation>
    </message>
    <message>
        <source>Pasting… %p%</source>
        <translation>Collage… %p&#xa0;%</translation>
    </message>
    <message>
        <source>Pasting…</source>
        <translation>Collage…</translation>
    </message>
</context>
<context>
    <name>MarkdownDocument</name>
    <message>
        <source>The file is not valid UTF-8 text (byte 0x%1 at offset %2).</source>
        <translation>Le fichier n’est pas du texte UTF-8 valide (octet 0x%1 à la position %2).</translation>
    </message>
    <message>
        <source>“%1” is not valid UTF-8 text (byte 0x%2 at offset %3).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas du texte UTF-8 valide (octet 0x%2 à la position %3).</translation>
    </message>
    <message>
        <source>“%1” could not be saved: %2</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <source>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</source>
        <translation>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</translation>
    </message>
    <message>
        <source>Plain text (*.txt *.text)</source>
        <translation>Texte brut (*.txt *.text)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>MarkdownTextView</name>
    <message>
        <source>Markdown editor</source>
        <translation>Éditeur Markdown</translation>
    </message>
    <message>
        <source>No Guesses Found</source>
        <translation>Aucune suggestion</translation>
    </message>
    <message>
        <source>&amp;Ignore Spelling</source>
        <translation>I&amp;gnorer l’orthographe</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>Ajouter au &amp;dictionnaire</translation>
    </message>
    <message>
        <source>The word could not be added to the dictionary</source>
        <translation>Le mot n’a pas pu être ajouté au dictionnaire</translation>
    </message>
    <message>
        <source>“%1” is accepted until the program quits, but it could not be kept: %2</source>
        <translation>«&#xa0;%1&#xa0;» est accepté jusqu’à la fermeture du programme, mais n’a pas pu être conservé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Open the Menu Bar</source>
        <translation>Ouvrir la barre de menus</translation>
    </message>
    <message>
        <source>Show File &amp;Browser</source>
        <translation>Afficher le &amp;navigateur de fichiers</translation>
    </message>
    <message>
        <source>Hide File &amp;Browser</source>
        <translation>Masquer le &amp;navigateur de fichiers</translation>
    </message>
    <message>
        <source>Show Out&amp;line</source>
        <translation>Afficher le pl&amp;an</translation>
    </message>
    <message>
        <source>Hide Out&amp;line</source>
        <translation>Masquer le pl&amp;an</translation>
    </message>
    <message>
        <source>Show &amp;Minimap</source>
        <translation>Afficher la &amp;minicarte</translation>
    </message>
    <message>
        <source>Hide &amp;Minimap</source>
        <translation>Masquer la &amp;minicarte</translation>
    </message>
    <message>
        <source>Show &amp;Ruler</source>
        <translation>Afficher la règl&amp;e</translation>
    </message>
    <message>
        <source>Hide &amp;Ruler</source>
        <translation>Masquer la règl&amp;e</translation>
    </message>
    <message>
        <source>&amp;Show Markdown Source</source>
        <translation>Afficher la s&amp;ource Markdown</translation>
    </message>
    <message>
        <source>&amp;Show WYSIWYG</source>
        <translation>Afficher en &amp;WYSIWYG</translation>
    </message>
    <message>
        <source>&amp;Manage Export Presets…</source>
        <translation>&amp;Modifier les préréglages…</translation>
    </message>
    <message>
        <source>About Brindlewick</source>
        <translation>À propos de Brindlewick</translation>
    </message>
    <message>
        <source>Brindlewick %1</source>
        <translation>Brindlewick %1</translation>
    </message>
    <message>
        <source>A Markdown editor.</source>
        <translation>Un éditeur Markdown.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>&amp;Batch Export Folder</source>
        <translation>Exporter un &amp;dossier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Rec&amp;hercher</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>Fo&amp;rmat</translation>
    </message>
    <message>
        <source>&amp;Heading</source>
        <translation>&amp;Titre</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>Li&amp;stes</translation>
    </message>
    <message>
        <source>&amp;Align</source>
        <translation>&amp;Alignement</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>T&amp;ransformer</translation>
    </message>
    <message>
        <source>Li&amp;nes</source>
        <translation>Lig&amp;nes</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertion</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tableau</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>New from &amp;Template</source>
        <translation>Nouveau depuis un &amp;modèle</translation>
    </message>
    <message>
        <source>Quic&amp;k Open…</source>
        <translation>Ouverture ra&amp;pide…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>As &amp;HTML…</source>
        <translation>En &amp;HTML…</translation>
    </message>
    <message>
        <source>As &amp;PDF…</source>
        <translation>En &amp;PDF…</translation>
    </message>
    <message>
        <source>As &amp;Word…</source>
        <translation>En &amp;Word…</translation>
    </message>
    <message>
        <source>As &amp;OpenDocument…</source>
        <translation>En &amp;OpenDocument…</translation>
    </message>
    <message>
        <source>As &amp;Rich Text…</source>
        <translation>En texte &amp;enrichi…</translation>
    </message>
    <message>
        <source>&amp;Copy as HTML</source>
        <translation>&amp;Copier en HTML</translation>
    </message>
    <message>
        <source>Pre&amp;sets</source>
        <translation>Pré&amp;réglages</translation>
    </message>
    <message>
        <source>&amp;Header &amp;&amp; Footer…</source>
        <translation>En-&amp;tête et pied de page…</translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation>Mise en pa&amp;ge…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Allow Access to &amp;Folder…</source>
        <translation>Autoriser l’accès à un &amp;dossier…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Rechercher…</translation>
    </message>
    <message>
        <source>Find &amp;&amp; &amp;Replace…</source>
        <translation>Rechercher et re&amp;mplacer…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Rechercher le &amp;précédent</translation>
    </message>
    <message>
        <source>Use &amp;Selection for Find</source>
        <translation>Rechercher la sé&amp;lection</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>&amp;Paramètres…</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>Inline &amp;Code</source>
        <translation>Code en &amp;ligne</translation>
    </message>
    <message>
        <source>Heading &amp;1</source>
        <translation>Titre &amp;1</translation>
    </message>
    <message>
        <source>Heading &amp;2</source>
        <translation>Titre &amp;2</translation>
    </message>
    <message>
        <source>Heading &amp;3</source>
        <translation>Titre &amp;3</translation>
    </message>
    <message>
        <source>Heading &amp;4</source>
        <translation>Titre &amp;4</translation>
    </message>
    <message>
        <source>Heading &amp;5</source>
        <translation>Titre &amp;5</translation>
    </message>
    <message>
        <source>Heading &amp;6</source>
        <translation>Titre &amp;6</translation>
    </message>
    <message>
        <source>&amp;Body Text</source>
        <translation>&amp;Corps de texte</translation>
    </message>
    <message>
        <source>&amp;Bulleted List</source>
        <translation>Liste à &amp;puces</translation>
    </message>
    <message>
        <source>&amp;Numbered List</source>
        <translation>Liste &amp;numérotée</translation>
    </message>
    <message>
        <source>&amp;Task List</source>
        <translation>Liste de &amp;tâches</translation>
    </message>
    <message>
        <source>Toggle Task &amp;Done</source>
        <translation>&amp;Cocher/décocher la tâche</translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation>&amp;Augmenter le retrait</translation>
    </message>
    <message>
        <source>&amp;Outdent</source>
        <translation>&amp;Diminuer le retrait</translation>
    </message>
    <message>
        <source>Block&amp;quote</source>
        <translation>&amp;Citation</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>À &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>Au &amp;centre</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>À &amp;droite</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>&amp;Justifié</translation>
    </message>
    <message>
        <source>&amp;UPPERCASE</source>
        <translation>&amp;MAJUSCULES</translation>
    </message>
    <message>
        <source>&amp;lowercase</source>
        <translation>mi&amp;nuscules</translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <translation>Majuscule à &amp;chaque mot</translation>
    </message>
    <message>
        <source>Sort Lines &amp;A→Z</source>
        <translation>Trier les lignes &amp;A→Z</translation>
    </message>
    <message>
        <source>Sort Lines &amp;Z→A</source>
        <translation>Trier les lignes &amp;Z→A</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicate Lines</source>
        <translation>Supprimer les lignes en &amp;double</translation>
    </message>
    <message>
        <source>Move Line &amp;Up</source>
        <translation>&amp;Monter la ligne</translation>
    </message>
    <message>
        <source>Move Line &amp;Down</source>
        <translation>&amp;Descendre la ligne</translation>
    </message>
    <message>
        <source>Du&amp;plicate Line</source>
        <translation>D&amp;upliquer la ligne</translation>
    </message>
    <message>
        <source>D&amp;elete Line</source>
        <translation>&amp;Supprimer la ligne</translation>
    </message>
    <message>
        <source>&amp;Select Line</source>
        <translation>Sé&amp;lectionner la ligne</translation>
    </message>
    <message>
        <source>&amp;Link…</source>
        <translation>&amp;Lien…</translation>
    </message>
    <message>
        <source>Code &amp;Block</source>
        <translation>&amp;Bloc de code</translation>
    </message>
    <message>
        <source>&amp;Insert 3×3</source>
        <translation>&amp;Insérer 3×3</translation>
    </message>
    <message>
        <source>Format &amp;Table</source>
        <translation>&amp;Mettre en forme le tableau</translation>
    </message>
    <message>
        <source>Insert Row &amp;Above</source>
        <translation>Insérer une ligne au-&amp;dessus</translation>
    </message>
    <message>
        <source>Insert Row &amp;Below</source>
        <translation>Insérer une ligne &amp;en dessous</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>&amp;Supprimer la ligne</translation>
    </message>
    <message>
        <source>Insert Column &amp;Left</source>
        <translation>Insérer une colonne à &amp;gauche</translation>
    </message>
    <message>
        <source>Insert Column &amp;Right</source>
        <translation>Insérer une colonne à d&amp;roite</translation>
    </message>
    <message>
        <source>D&amp;elete Column</source>
        <translation>Supprimer la &amp;colonne</translation>
    </message>
    <message>
        <source>Align Column Le&amp;ft</source>
        <translation>&amp;Aligner la colonne à gauche</translation>
    </message>
    <message>
        <source>Align Column Ce&amp;nter</source>
        <translation>Ce&amp;ntrer la colonne</translation>
    </message>
    <message>
        <source>Align Column Ri&amp;ght</source>
        <translation>Aligner la colonne à droi&amp;te</translation>
    </message>
    <message>
        <source>Horizontal &amp;Rule</source>
        <translation>Ligne &amp;horizontale</translation>
    </message>
    <message>
        <source>&amp;Footnote</source>
        <translation>&amp;Note de bas de page</translation>
    </message>
    <message>
        <source>Table of &amp;Contents</source>
        <translation>Table des &amp;matières</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Date</source>
        <translation>&amp;Date du jour</translation>
    </message>
    <message>
        <source>Co&amp;mment</source>
        <translation>&amp;Commentaire</translation>
    </message>
    <message>
        <source>&amp;Document Info…</source>
        <translation>&amp;Informations du document…</translation>
    </message>
    <message>
        <source>AI &amp;Assist…</source>
        <translation>&amp;Assistant IA…</translation>
    </message>
    <message>
        <source>&amp;Translate…</source>
        <translation>&amp;Traduire…</translation>
    </message>
    <message>
        <source>&amp;Suggest Continuation</source>
        <translation>&amp;Suggérer une suite</translation>
    </message>
    <message>
        <source>&amp;Clean Up Markdown</source>
        <translation>&amp;Nettoyer le Markdown</translation>
    </message>
    <message>
        <source>&amp;Version History…</source>
        <translation>&amp;Historique des versions…</translation>
    </message>
    <message>
        <source>Snapshot &amp;Now</source>
        <translation>&amp;Créer un instantané</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Zoom avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>Ajuster à la &amp;largeur</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>Ajuster à la pa&amp;ge</translation>
    </message>
    <message>
        <source>Open &amp;Folder…</source>
        <translation>Ouvrir un &amp;dossier…</translation>
    </message>
    <message>
        <source>Toggle &amp;Distraction-Free</source>
        <translation>Mode &amp;sans distraction</translation>
    </message>
    <message>
        <source>&amp;Command Palette…</source>
        <translation>&amp;Palette de commandes…</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>Ple&amp;in écran</translation>
    </message>
    <message>
        <source>&amp;Welcome to Brindlewick</source>
        <translation>&amp;Bienvenue dans Brindlewick</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New</source>
        <translation>&amp;Nouveautés</translation>
    </message>
    <message>
        <source>Markdown &amp;Cheat Sheet</source>
        <translation>&amp;Aide-mémoire Markdown</translation>
    </message>
    <message>
        <source>&amp;About Brindlewick</source>
        <translation>À &amp;propos de Brindlewick</translation>
    </message>
</context>
<context>
    <name>OpenableFile</name>
    <message>
        <source>“%1” does not exist.</source>
        <translation>«&#xa0;%1&#xa0;» n’existe pas.</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a text file.</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier, pas un fichier texte.</translation>
    </message>
    <message>
        <source>“%1” is a pipe, not a text file.</source>
        <translation>«&#xa0;%1&#xa0;» est un tube, pas un fichier texte.</translation>
    </message>
    <message>
        <source>“%1” is a socket, not a text file.</source>
        <translation>«&#xa0;%1&#xa0;» est un socket, pas un fichier texte.</translation>
    </message>
    <message>
        <source>“%1” is a device, not a text file.</source>
        <translation>«&#xa0;%1&#xa0;» est un périphérique, pas un fichier texte.</translation>
    </message>
    <message>
        <source>“%1” is larger than %L2 MB and is not opened.</source>
        <translation>«&#xa0;%1&#xa0;» dépasse %L2&#xa0;Mo et n’est pas ouvert.</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>It does not exist.</source>
        <translation>Il n’existe pas.</translation>
    </message>
    <message>
        <source>It is a folder, not a text file.</source>
        <translation>C’est un dossier, pas un fichier texte.</translation>
    </message>
    <message>
        <source>It is a pipe, not a text file.</source>
        <translation>C’est un tube, pas un fichier texte.</translation>
    </message>
    <message>
        <source>It is a socket, not a text file.</source>
        <translation>C’est un socket, pas un fichier texte.</translation>
    </message>
    <message>
        <source>It is a device, not a text file.</source>
        <translation>C’est un périphérique, pas un fichier texte.</translation>
    </message>
    <message>
        <source>It is larger than %L1 MB.</source>
        <translation>Il dépasse %L1&#xa0;Mo.</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Il n’a pas pu être lu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>OutlineSidebar</name>
    <message>
        <source>Outline</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>No headings</source>
        <translation>Aucun titre</translation>
    </message>
</context>
<context>
    <name>PDFStamper</name>
    <message>
        <source>the PDF has no pages</source>
        <translation>le PDF n’a aucune page</translation>
    </message>
    <message>
        <source>the header and footer could not be drawn</source>
        <translation>l’en-tête et le pied de page n’ont pas pu être dessinés</translation>
    </message>
</context>
<context>
    <name>PagedDocumentLayout</name>
    <message>
        <source>Header</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Pied de page</translation>
    </message>
</context>
<context>
    <name>PersonalDictionary</name>
    <message>
        <source>“%1” cannot be added to the dictionary.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être ajouté au dictionnaire.</translation>
    </message>
    <message>
        <source>“%1” is not a file that the word list can be written to.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier où la liste de mots peut être écrite.</translation>
    </message>
</context>
<context>
    <name>PrintController</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Le PDF n’a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing…</source>
        <translation>Impression…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QuickOpenSheet</name>
    <message>
        <source>Quick Open</source>
        <translation>Ouverture rapide</translation>
    </message>
    <message>
        <source>Open recent…</source>
        <translation>Ouvrir un document récent…</translation>
    </message>
    <message>
        <source>Search recent documents</source>
        <translation>Rechercher dans les documents récents</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>Aucun document récent</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the folder “%1” does not exist.</source>
        <translation>le dossier «&#xa0;%1&#xa0;» n’existe pas.</translation>
    </message>
    <message>
        <source>the folder “%1” is read-only.</source>
        <translation>le dossier «&#xa0;%1&#xa0;» est en lecture seule.</translation>
    </message>
    <message>
        <source>“%1” is read-only.</source>
        <translation>«&#xa0;%1&#xa0;» est en lecture seule.</translation>
    </message>
    <message>
        <source>the disk is full.</source>
        <translation>le disque est plein.</translation>
    </message>
    <message>
        <source>the disk is read-only.</source>
        <translation>le disque est en lecture seule.</translation>
    </message>
    <message>
        <source>“%1” is not a file (it is a folder, a device, a pipe or a socket); nothing was written to it.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier (c’est un dossier, un périphérique, un tube ou un socket)&#xa0;; rien n’y a été écrit.</translation>
    </message>
    <message>
        <source>the name “%1” is too long; choose a shorter one.</source>
        <translation>le nom «&#xa0;%1&#xa0;» est trop long&#xa0;; choisissez-en un plus court.</translation>
    </message>
    <message>
        <source>its path is too long; choose a folder with a shorter path.</source>
        <translation>son chemin est trop long&#xa0;; choisissez un dossier au chemin plus court.</translation>
    </message>
    <message>
        <source>the links on the way to “%1” go round in a circle and never reach a file; nothing was written to it.</source>
        <translation>les liens menant à «&#xa0;%1&#xa0;» tournent en rond et n’aboutissent jamais à un fichier&#xa0;; rien n’y a été écrit.</translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>System Default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
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
        <source>Sepia</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>My Theme %1</source>
        <translation>Mon thème %1</translation>
    </message>
</context>
<context>
    <name>SettingsPages</name>
    <message>
        <source>%1 pt</source>
        <translation>%1&#xa0;pt</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Relaunch Brindlewick to apply a new language.</source>
        <translation>Relancez Brindlewick pour appliquer la nouvelle langue.</translation>
    </message>
    <message>
        <source>Editing mode</source>
        <translation>Mode d’édition</translation>
    </message>
    <message>
        <source>WYSIWYG</source>
        <translation>WYSIWYG</translation>
    </message>
    <message>
        <source>Markdown Source</source>
        <translation>Source Markdown</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Serif</source>
        <translation>Serif</translation>
    </message>
    <message>
        <source>Monospaced</source>
        <translation>Chasse fixe</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>Interligne</translation>
    </message>
    <message>
        <source>Writing goal</source>
        <translation>Objectif d’écriture</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Largeur de page</translation>
    </message>
    <message>
        <source>Page margin</source>
        <translation>Marge de page</translation>
    </message>
    <message>
        <source>Focus mode (dim inactive paragraphs)</source>
        <translation>Mode concentration (atténue les autres paragraphes)</translation>
    </message>
    <message>
        <source>Typewriter scrolling (keep caret centered)</source>
        <translation>Défilement machine à écrire (curseur centré)</translation>
    </message>
    <message>
        <source>Text direction</source>
        <translation>Sens du texte</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Left-to-Right</source>
        <translation>De gauche à droite</translation>
    </message>
    <message>
        <source>Right-to-Left</source>
        <translation>De droite à gauche</translation>
    </message>
    <message>
        <source>Spelling language</source>
        <translation>Langue du correcteur</translation>
    </message>
    <message>
        <source>Reveal Markdown syntax on the active line</source>
        <translation>Afficher la syntaxe Markdown sur la ligne active</translation>
    </message>
    <message>
        <source>When on, the raw markdown (**, #, `) appears on the line your cursor is on. Off keeps it hidden while you edit.</source>
        <translation>Activé, le Markdown brut (**, #, `) apparaît sur la ligne du curseur. Désactivé, il reste masqué pendant la saisie.</translation>
    </message>
    <message>
        <source>Check spelling while typing</source>
        <translation>Vérifier l’orthographe pendant la saisie</translation>
    </message>
    <message>
        <source>Auto-pair markers around selection</source>
        <translation>Encadrer la sélection par les marqueurs</translation>
    </message>
    <message>
        <source>Auto-pair wraps the selected text when you type * _ ` or [.</source>
        <translation>Taper * _ ` ou [ encadre le texte sélectionné.</translation>
    </message>
    <message>
        <source>Reopen documents from last session on launch</source>
        <translation>Rouvrir au lancement les documents de la dernière session</translation>
    </message>
    <message>
        <source>Files you had open are reopened the next time you start Brindlewick.</source>
        <translation>Les fichiers ouverts sont rouverts au prochain démarrage de Brindlewick.</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>DeepSeek (cloud)</source>
        <translation>DeepSeek (en ligne)</translation>
    </message>
    <message>
        <source>Ollama (local)</source>
        <translation>Ollama (local)</translation>
    </message>
    <message>
        <source>Custom (OpenAI-compatible)</source>
        <translation>Personnalisé (compatible OpenAI)</translation>
    </message>
    <message>
        <source>DeepSeek API Key (sk-…)</source>
        <translation>Clé d’API DeepSeek (sk-…)</translation>
    </message>
    <message>
        <source>Stored locally; sent only to DeepSeek. Get one at %1.</source>
        <translation>Stockée localement&#xa0;; envoyée uniquement à DeepSeek. Obtenez-en une sur %1.</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>URL de base</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Runs entirely on this computer — no key, nothing leaves the device. Requires Ollama installed and running.</source>
        <translation>Fonctionne entièrement sur cet ordinateur — aucune clé, rien ne quitte l’appareil. Ollama doit être installé et lancé.</translation>
    </message>
    <message>
        <source>Endpoint URL</source>
        <translation>URL du point d’accès</translation>
    </message>
    <message>
        <source>API Key (optional)</source>
        <translation>Clé d’API (facultative)</translation>
    </message>
    <message>
        <source>Automatic inline suggestions</source>
        <translation>Suggestions automatiques dans le texte</translation>
    </message>
    <message>
        <source>When on, Brindlewick asks your AI provider to continue your text after you pause typing — one request per pause, so it may incur cost on cloud providers. Press Tab to accept a suggestion, Esc to dismiss. You can also trigger one manually from Tools ▸ Suggest Continuation.</source>
        <translation>Activé, Brindlewick demande à votre fournisseur d’IA de poursuivre votre texte quand vous marquez une pause — une requête par pause, ce qui peut être payant chez les fournisseurs en ligne. Appuyez sur Tab pour accepter une suggestion, sur Esc pour l’ignorer. Vous pouvez aussi en demander une depuis Outils ▸ Suggérer une suite.</translation>
    </message>
    <message>
        <source>Appended to the export stylesheet. Also enables MathJax ($$…$$) and Mermaid (```mermaid) in exported HTML.</source>
        <translation>Ajouté à la feuille de style d’exportation. Active aussi MathJax ($$…$$) et Mermaid (```mermaid) dans le HTML exporté.</translation>
    </message>
    <message>
        <source>Toolbar groups</source>
        <translation>Groupes de la barre d’outils</translation>
    </message>
    <message>
        <source>Formatting (headings, bold, italic…)</source>
        <translation>Mise en forme (titres, gras, italique…)</translation>
    </message>
    <message>
        <source>Links &amp; media</source>
        <translation>Liens et médias</translation>
    </message>
    <message>
        <source>Lists &amp; blocks</source>
        <translation>Listes et blocs</translation>
    </message>
    <message>
        <source>Indent / outdent</source>
        <translation>Retraits</translation>
    </message>
    <message>
        <source>%1 (no dictionary installed)</source>
        <translation>%1 (aucun dictionnaire installé)</translation>
    </message>
    <message>
        <source>Custom CSS for every export (HTML, PDF, Word, OpenDocument, Rich Text)</source>
        <translation>CSS personnalisé pour toutes les exportations (HTML, PDF, Word, OpenDocument, Rich Text)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Behavior</source>
        <translation>Comportement</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>IA</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportation</translation>
    </message>
    <message>
        <source>Snippets</source>
        <translation>Extraits</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Press keys…</source>
        <translation>Appuyez sur les touches…</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Définir</translation>
    </message>
</context>
<context>
    <name>ShortcutsSettingsView</name>
    <message>
        <source>Assign your own keys to any command. Combinations must include Ctrl or Meta. Menu shortcuts take priority, so prefer unused combinations.</source>
        <translation>Attribuez vos propres touches à n’importe quelle commande. Les combinaisons doivent inclure Ctrl ou Meta. Les raccourcis des menus sont prioritaires&#xa0;: préférez des combinaisons libres.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Effacer le raccourci</translation>
    </message>
    <message>
        <source>conflicts with %1</source>
        <translation>en conflit avec %1</translation>
    </message>
</context>
<context>
    <name>SnippetsSettingsView</name>
    <message>
        <source>Type a trigger and press Tab to expand. Use $| for the caret and $date for today.</source>
        <translation>Tapez un déclencheur puis Tab pour le développer. Utilisez $| pour le curseur et $date pour la date du jour.</translation>
    </message>
    <message>
        <source>Add snippet</source>
        <translation>Ajouter un extrait</translation>
    </message>
    <message>
        <source>Remove snippet</source>
        <translation>Supprimer l’extrait</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>déclencheur</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Déclencheur</translation>
    </message>
    <message>
        <source>expansion</source>
        <translation>texte inséré</translation>
    </message>
</context>
<context>
    <name>StatsPopover</name>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caractères</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>Sans espaces</translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation>Phrases</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Paragraphes</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Reading time</source>
        <translation>Temps de lecture</translation>
    </message>
    <message>
        <source>~%1 min</source>
        <translation>~%1&#xa0;min</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Zoom Out (Ctrl+−)</source>
        <translation>Zoom arrière (Ctrl+−)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajuster à la page</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>Zoom avant (Ctrl++)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters</source>
        <translation>
            <numerusform>%n caractère</numerusform>
            <numerusform>%n caractères</numerusform>
        </translation>
    </message>
    <message>
        <source>~%1 min read</source>
        <translation>~%1&#xa0;min de lecture</translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n sélectionné</numerusform>
            <numerusform>%n sélectionnés</numerusform>
        </translation>
    </message>
    <message>
        <source>Goal %1/%2</source>
        <translation>Objectif %1/%2</translation>
    </message>
</context>
<context>
    <name>TableGridPicker</name>
    <message>
        <source>%1 by %2 table</source>
        <translation>Tableau de %1 sur %2</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Insérer un tableau</translation>
    </message>
    <message>
        <source>%1 × %2 table</source>
        <translation>Tableau %1 × %2</translation>
    </message>
</context>
<context>
    <name>TemplateStore</name>
    <message>
        <source>Blank</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Meeting Notes</source>
        <translation>Notes de réunion</translation>
    </message>
    <message>
        <source>README</source>
        <translation>README</translation>
    </message>
    <message>
        <source>Blog Post</source>
        <translation>Article de blog</translation>
    </message>
    <message>
        <source>Daily Journal</source>
        <translation>Journal quotidien</translation>
    </message>
    <message>
        <source>To-Do List</source>
        <translation>Liste de tâches</translation>
    </message>
    <message>
        <source>Table Starter</source>
        <translation>Tableau de départ</translation>
    </message>
</context>
<context>
    <name>TextViewCommands</name>
    <message>
        <source>Save Pasted Image</source>
        <translation>Enregistrer l’image collée</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>TranslateSheet</name>
    <message>
        <source>Translate</source>
        <translation>Traduire</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable translation.</source>
        <translation>Ajoutez votre clé d’API DeepSeek dans l’onglet IA des Paramètres pour activer la traduction.</translation>
    </message>
    <message>
        <source>Translating…</source>
        <translation>Traduction…</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Or type a language</source>
        <translation>Ou saisissez une langue</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>Document entier</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamien</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thaï</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonésien</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hébreu</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
</context>
<context>
    <name>TranslationError</name>
    <message>
        <source>Invalid AI endpoint. Check Settings ▸ AI.</source>
        <translation>Point d’accès IA non valide. Vérifiez Paramètres ▸ IA.</translation>
    </message>
    <message>
        <source>The API key contains line breaks or control characters. Check Settings ▸ AI.</source>
        <translation>La clé d’API contient des sauts de ligne ou des caractères de contrôle. Vérifiez Paramètres ▸ IA.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Le délai de la requête a expiré.</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings first.</source>
        <translation>Ajoutez d’abord votre clé d’API DeepSeek dans l’onglet IA des Paramètres.</translation>
    </message>
    <message>
        <source>The translation service returned an unexpected response.</source>
        <translation>Le service de traduction a renvoyé une réponse inattendue.</translation>
    </message>
    <message>
        <source>HTTP %1 from server</source>
        <translation>Erreur HTTP %1 du serveur</translation>
    </message>
    <message>
        <source>HTTP %1 from %2</source>
        <translation>Erreur HTTP %1 de %2</translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>The current text could not be kept as a version, so nothing was restored.

%1</source>
        <translation>Le texte actuel n’a pas pu être conservé comme version&#xa0;; rien n’a été restauré.

%1</translation>
    </message>
</context>
<context>
    <name>VersionHistoryView</name>
    <message>
        <source>Version History</source>
        <translation>Historique des versions</translation>
    </message>
    <message>
        <source>Save this document first</source>
        <translation>Enregistrez d’abord ce document</translation>
    </message>
    <message>
        <source>Version history is kept per file, so an untitled document has no history until it is saved.</source>
        <translation>L’historique des versions est tenu par fichier&#xa0;: un document sans titre n’en a pas tant qu’il n’est pas enregistré.</translation>
    </message>
    <message>
        <source>Snapshot Now</source>
        <translation>Créer un instantané</translation>
    </message>
    <message>
        <source>No versions saved yet</source>
        <translation>Aucune version enregistrée</translation>
    </message>
    <message>
        <source>Brindlewick snapshots this document as you edit. Use “Snapshot Now” to capture one immediately.</source>
        <translation>Brindlewick prend des instantanés de ce document pendant que vous le modifiez. Utilisez «&#xa0;Créer un instantané&#xa0;» pour en prendre un tout de suite.</translation>
    </message>
    <message>
        <source>Select a version to preview</source>
        <translation>Sélectionnez une version à afficher</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>Aucune modification</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Restaurer cette version</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
    <message>
        <source>+%1</source>
        <translation>+%1</translation>
    </message>
    <message>
        <source>−%1</source>
        <translation>−%1</translation>
    </message>
    <message>
        <source>The document could not be changed, so the version was not restored.</source>
        <translation>Le document n’a pas pu être modifié&#xa0;; la version n’a pas été restaurée.</translation>
    </message>
</context>
<context>
    <name>VersionStore</name>
    <message>
        <source>Could not save a version of “%1”: %2</source>
        <translation>Impossible d’enregistrer une version de «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be written.</source>
        <translation>impossible d’écrire dans le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Could not delete the version: %1</source>
        <translation>Impossible de supprimer la version&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Welcome to Brindlewick</source>
        <translation>Bienvenue dans Brindlewick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A clean, native Markdown editor.</source>
        <translation>Un éditeur Markdown épuré et natif.</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Nouveau document</translation>
    </message>
    <message>
        <source>New from Template…</source>
        <translation>Nouveau depuis un modèle…</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Markdown Cheat Sheet</source>
        <translation>Aide-mémoire Markdown</translation>
    </message>
    <message>
        <source>Show this window when Brindlewick opens</source>
        <translation>Afficher cette fenêtre au démarrage de Brindlewick</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Récents</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>Aucun document récent</translation>
    </message>
</context>
<context>
    <name>WhatsNewWindow</name>
    <message>
        <source>What&apos;s New</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>What&apos;s New in Brindlewick</source>
        <translation>Nouveautés de Brindlewick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
</context>
<context>
    <name>WindowFiles</name>
    <message>
        <source>A version of the document could not be saved.</source>
        <translation>Une version du document n’a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>A version of the document “%1” could not be saved.</source>
        <translation>Une version du document «&#xa0;%1&#xa0;» n’a pas pu être enregistrée.</translation>
    </message>
</context>
</TS>
