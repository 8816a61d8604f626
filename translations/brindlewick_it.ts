<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AIActions</name>
    <message>
        <source>Improve Writing</source>
        <translation>Migliora la scrittura</translation>
    </message>
    <message>
        <source>Fix Spelling &amp; Grammar</source>
        <translation>Correggi ortografia e grammatica</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>Riscrivi</translation>
    </message>
    <message>
        <source>Make Shorter</source>
        <translation>Accorcia</translation>
    </message>
    <message>
        <source>Make Longer</source>
        <translation>Allunga</translation>
    </message>
    <message>
        <source>Professional Tone</source>
        <translation>Tono professionale</translation>
    </message>
    <message>
        <source>Casual Tone</source>
        <translation>Tono informale</translation>
    </message>
    <message>
        <source>Summarize</source>
        <translation>Riassumi</translation>
    </message>
    <message>
        <source>Draft from Outline</source>
        <translation>Bozza dalla struttura</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Spiega</translation>
    </message>
    <message>
        <source>Suggest Title &amp; Tags</source>
        <translation>Suggerisci titolo e tag</translation>
    </message>
</context>
<context>
    <name>AIAssistSheet</name>
    <message>
        <source>AI Assist</source>
        <translation>Assistente IA</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable the assist actions.</source>
        <translation>Aggiungi la tua chiave API di DeepSeek nella scheda IA delle Impostazioni per attivare le azioni dell’assistente.</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>Elaborazione…</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Esegui</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Custom instruction (optional)</source>
        <translation>Istruzioni (facoltative)</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selezione</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>Intero documento</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message numerus="yes">
        <source>%n files or links were not opened.</source>
        <translation>
            <numerusform>%n file o collegamento non è stato aperto.</numerusform>
            <numerusform>%n file o collegamenti non sono stati aperti.</numerusform>
        </translation>
    </message>
    <message>
        <source>One request opens at most %1 of them. Not opened:
%2</source>
        <translation>Una richiesta ne apre al massimo %1. Non aperti:
%2</translation>
    </message>
</context>
<context>
    <name>AssistRunner</name>
    <message>
        <source>The text changed while the answer was on its way, so nothing was changed. Run it again.</source>
        <translation>Il testo è cambiato mentre arrivava la risposta, quindi non è stato modificato nulla. Esegui di nuovo l’azione.</translation>
    </message>
    <message>
        <source>The answer was empty, so nothing was changed.</source>
        <translation>La risposta era vuota, quindi non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The editor did not accept the change.</source>
        <translation>L’editor non ha accettato la modifica.</translation>
    </message>
</context>
<context>
    <name>AssistSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Ambito</translation>
    </message>
</context>
<context>
    <name>AutosaveStore</name>
    <message>
        <source>The autosave folder “%1” could not be created.</source>
        <translation>Impossibile creare la cartella di salvataggio automatico “%1”.</translation>
    </message>
    <message>
        <source>The autosave folder “%1” cannot be written: %2</source>
        <translation>Impossibile scrivere nella cartella di salvataggio automatico “%1”: %2</translation>
    </message>
</context>
<context>
    <name>BatchExport</name>
    <message>
        <source>Another file of the folder is exported as “%1”.</source>
        <translation>Un altro file della cartella viene esportato come “%1”.</translation>
    </message>
    <message>
        <source>It is not valid UTF-8 text.</source>
        <translation>Non è testo UTF-8 valido.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>A file to be written already exists.</source>
        <translation>Esiste già un file da scrivere.</translation>
    </message>
    <message numerus="yes">
        <source>%n files to be written already exist.</source>
        <translation>
            <numerusform>Esiste già %n file da scrivere.</numerusform>
            <numerusform>Esistono già %n file da scrivere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replacing them overwrites their current contents:
</source>
        <translation>La sostituzione ne sovrascrive il contenuto attuale:
</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Esportazione salvata in %1.</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Niente da esportare</translation>
    </message>
    <message>
        <source>No Markdown files found in that folder.</source>
        <translation>Nessun file Markdown trovato in quella cartella.</translation>
    </message>
    <message>
        <source>Exported 1 file</source>
        <translation>1 file esportato</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n files</source>
        <translation>
            <numerusform>%n file esportato</numerusform>
            <numerusform>%n file esportati</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>Not exported:</source>
        <translation>Non esportati:</translation>
    </message>
    <message numerus="yes">
        <source>Exported %1 of %n files</source>
        <translation>
            <numerusform>%1 di %n file esportato</numerusform>
            <numerusform>%1 di %n file esportati</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” is a link to another file; it was not replaced.</source>
        <translation>“%1” è un collegamento a un altro file; non è stato sostituito.</translation>
    </message>
</context>
<context>
    <name>BatchExporter</name>
    <message>
        <source>Exporting…</source>
        <translation>Esportazione…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>It could not be written.</source>
        <translation>Impossibile scriverlo.</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to export.</source>
        <translation>Scegli una cartella di file Markdown da esportare.</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>Esporta tutto</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
</context>
<context>
    <name>CommandCategory</name>
    <message>
        <source>Headings</source>
        <translation>Titoli</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Lists &amp; Blocks</source>
        <translation>Elenchi e blocchi</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Trasforma</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
</context>
<context>
    <name>CommandPalette</name>
    <message>
        <source>Command Palette</source>
        <translation>Palette comandi</translation>
    </message>
    <message>
        <source>Type a command…</source>
        <translation>Digita un comando…</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>Cerca comandi</translation>
    </message>
    <message>
        <source>No matching commands</source>
        <translation>Nessun comando corrispondente</translation>
    </message>
</context>
<context>
    <name>CommandRegistry</name>
    <message>
        <source>Heading 1</source>
        <translation>Titolo 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Titolo 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Titolo 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Titolo 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Titolo 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Titolo 6</translation>
    </message>
    <message>
        <source>Body Text</source>
        <translation>Testo normale</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Grassetto corsivo</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Barrato</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Codice in linea</translation>
    </message>
    <message>
        <source>Comment (HTML)</source>
        <translation>Commento (HTML)</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>Elenco puntato</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>Elenco numerato</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Elenco attività</translation>
    </message>
    <message>
        <source>Toggle Task Done</source>
        <translation>Completa/riapri attività</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>Citazione</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Blocco di codice</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Aumenta rientro</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Riduci rientro</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Linea orizzontale</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>Nota a piè di pagina</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Today&apos;s Date</source>
        <translation>Data di oggi</translation>
    </message>
    <message>
        <source>Table (2×2)</source>
        <translation>Tabella (2×2)</translation>
    </message>
    <message>
        <source>Table (3×3)</source>
        <translation>Tabella (3×3)</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>Formula in linea</translation>
    </message>
    <message>
        <source>Format Table</source>
        <translation>Formatta tabella</translation>
    </message>
    <message>
        <source>Table: Insert Row Above</source>
        <translation>Tabella: inserisci riga sopra</translation>
    </message>
    <message>
        <source>Table: Insert Row Below</source>
        <translation>Tabella: inserisci riga sotto</translation>
    </message>
    <message>
        <source>Table: Delete Row</source>
        <translation>Tabella: elimina riga</translation>
    </message>
    <message>
        <source>Table: Insert Column Left</source>
        <translation>Tabella: inserisci colonna a sinistra</translation>
    </message>
    <message>
        <source>Table: Insert Column Right</source>
        <translation>Tabella: inserisci colonna a destra</translation>
    </message>
    <message>
        <source>Table: Delete Column</source>
        <translation>Tabella: elimina colonna</translation>
    </message>
    <message>
        <source>Table: Align Column Left</source>
        <translation>Tabella: allinea colonna a sinistra</translation>
    </message>
    <message>
        <source>Table: Align Column Center</source>
        <translation>Tabella: allinea colonna al centro</translation>
    </message>
    <message>
        <source>Table: Align Column Right</source>
        <translation>Tabella: allinea colonna a destra</translation>
    </message>
    <message>
        <source>UPPERCASE</source>
        <translation>MAIUSCOLO</translation>
    </message>
    <message>
        <source>lowercase</source>
        <translation>minuscolo</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Iniziali Maiuscole</translation>
    </message>
    <message>
        <source>Sort Lines A→Z</source>
        <translation>Ordina righe A→Z</translation>
    </message>
    <message>
        <source>Sort Lines Z→A</source>
        <translation>Ordina righe Z→A</translation>
    </message>
    <message>
        <source>Remove Duplicate Lines</source>
        <translation>Rimuovi righe duplicate</translation>
    </message>
    <message>
        <source>Move Line Up</source>
        <translation>Sposta riga in alto</translation>
    </message>
    <message>
        <source>Move Line Down</source>
        <translation>Sposta riga in basso</translation>
    </message>
    <message>
        <source>Duplicate Line</source>
        <translation>Duplica riga</translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation>Elimina riga</translation>
    </message>
    <message>
        <source>Select Line</source>
        <translation>Seleziona riga</translation>
    </message>
    <message>
        <source>Toggle WYSIWYG / Markdown Source</source>
        <translation>Alterna WYSIWYG / sorgente Markdown</translation>
    </message>
    <message>
        <source>Suggest Continuation</source>
        <translation>Suggerisci continuazione</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>Pulisci Markdown</translation>
    </message>
    <message>
        <source>Export as HTML…</source>
        <translation>Esporta come HTML…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Esporta come PDF…</translation>
    </message>
    <message>
        <source>Export as Rich Text…</source>
        <translation>Esporta come RTF…</translation>
    </message>
    <message>
        <source>Export as Word…</source>
        <translation>Esporta come Word…</translation>
    </message>
    <message>
        <source>Export as OpenDocument…</source>
        <translation>Esporta come OpenDocument…</translation>
    </message>
    <message>
        <source>Copy as HTML</source>
        <translation>Copia come HTML</translation>
    </message>
</context>
<context>
    <name>CustomThemesEditor</name>
    <message>
        <source>Custom themes</source>
        <translation>Temi personalizzati</translation>
    </message>
    <message>
        <source>Add Theme</source>
        <translation>Aggiungi tema</translation>
    </message>
    <message>
        <source>Add a theme to start from the current colours, then edit them here.</source>
        <translation>Aggiungi un tema partendo dai colori attuali, poi modificali qui.</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>in uso</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Use This Theme</source>
        <translation>Usa questo tema</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>Do you want to save the changes made to the document “%1”?</source>
        <translation>Salvare le modifiche apportate al documento “%1”?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Se non le salvi, le modifiche andranno perse.</translation>
    </message>
    <message>
        <source>Don’t Save</source>
        <translation>Non salvare</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva come</translation>
    </message>
    <message>
        <source>The file of the document “%1” was moved or deleted by another program.</source>
        <translation>Il file del documento “%1” è stato spostato o eliminato da un altro programma.</translation>
    </message>
    <message>
        <source>The document “%1” was changed by another program.</source>
        <translation>Il documento “%1” è stato modificato da un altro programma.</translation>
    </message>
    <message>
        <source>Save your version to write the file again, save it under another name, or leave the file removed.</source>
        <translation>Salva la tua versione per riscrivere il file, salvala con un altro nome oppure lascia il file rimosso.</translation>
    </message>
    <message>
        <source>Keep your version to overwrite the file, reload the version on disk (your changes can be undone), or save your version under another name.</source>
        <translation>Mantieni la tua versione per sovrascrivere il file, ricarica la versione su disco (le tue modifiche si possono annullare) oppure salva la tua versione con un altro nome.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Mantieni la mia</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salva come…</translation>
    </message>
    <message>
        <source>The document “%1” could not be opened.</source>
        <translation>Impossibile aprire il documento “%1”.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Cancella elenco</translation>
    </message>
    <message>
        <source>The last save of “%1” did not finish.</source>
        <translation>L’ultimo salvataggio di “%1” non è stato completato.</translation>
    </message>
    <message>
        <source>The file “%1” may be incomplete. This window holds the text that was being saved: write it back to the file, or keep it here for now.</source>
        <translation>Il file “%1” potrebbe essere incompleto. Questa finestra contiene il testo che si stava salvando: riscrivilo nel file o tienilo qui per ora.</translation>
    </message>
    <message>
        <source>Write Back</source>
        <translation>Riscrivi</translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>Senza titolo %1</translation>
    </message>
    <message>
        <source>The document “%1” could not be saved.</source>
        <translation>Impossibile salvare il documento “%1”.</translation>
    </message>
    <message>
        <source>“%1” is open in another window. Close that window first, or choose another name.</source>
        <translation>“%1” è aperto in un’altra finestra. Chiudi prima quella finestra o scegli un altro nome.</translation>
    </message>
    <message>
        <source>Unsaved text cannot be kept for the next launch.</source>
        <translation>Il testo non salvato non può essere conservato per il prossimo avvio.</translation>
    </message>
    <message>
        <source>The document “%1” could not be autosaved.</source>
        <translation>Impossibile salvare automaticamente il documento “%1”.</translation>
    </message>
    <message>
        <source>The file “%1” was moved or deleted by another program; it was not written again.</source>
        <translation>Il file “%1” è stato spostato o eliminato da un altro programma; non è stato riscritto.</translation>
    </message>
    <message>
        <source>“%1” was changed by another program; it was not overwritten.</source>
        <translation>“%1” è stato modificato da un altro programma; non è stato sovrascritto.</translation>
    </message>
    <message>
        <source>%1 (recovered)</source>
        <translation>%1 (recuperato)</translation>
    </message>
</context>
<context>
    <name>EditorToolbar</name>
    <message>
        <source>Formatting</source>
        <translation>Formattazione</translation>
    </message>
    <message>
        <source>Paragraph style</source>
        <translation>Stile paragrafo</translation>
    </message>
    <message>
        <source>Insert Link</source>
        <translation>Inserisci link</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>Citazione</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Blocco di codice</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Barrato</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Codice in linea</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>Elenco puntato</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>Elenco numerato</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Elenco attività</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Allinea a sinistra</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Allinea al centro</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Allinea a destra</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>Giustifica</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Riduci rientro</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Aumenta rientro</translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation>Inserisci immagine</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Inserisci tabella</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Linea orizzontale</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>Formula in linea</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>Nota a piè di pagina</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>Inserisci data</translation>
    </message>
    <message>
        <source>AI Assist…</source>
        <translation>Assistente IA…</translation>
    </message>
    <message>
        <source>Translate…</source>
        <translation>Traduci…</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>Pulisci Markdown</translation>
    </message>
    <message>
        <source>Version History…</source>
        <translation>Cronologia versioni…</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Struttura</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Righello</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Palette comandi</translation>
    </message>
    <message>
        <source>All tools</source>
        <translation>Tutti gli strumenti</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Switch to Markdown source</source>
        <translation>Passa al sorgente Markdown</translation>
    </message>
    <message>
        <source>Switch to WYSIWYG</source>
        <translation>Passa a WYSIWYG</translation>
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
        <translation>Accademico</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Compatto</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Academic PDF</source>
        <translation>PDF accademico</translation>
    </message>
    <message>
        <source>Clean PDF</source>
        <translation>PDF essenziale</translation>
    </message>
    <message>
        <source>New Preset</source>
        <translation>Nuovo preset</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>Copia di %1</translation>
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
        <translation>RTF</translation>
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
        <translation>Copia HTML</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>Preset di esportazione</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Custom CSS (appended after the theme)</source>
        <translation>CSS personalizzato (aggiunto dopo il tema)</translation>
    </message>
    <message>
        <source>Select or add a preset</source>
        <translation>Seleziona o aggiungi un preset</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Aggiungi preset</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Elimina preset</translation>
    </message>
    <message>
        <source>Duplicate preset</source>
        <translation>Duplica preset</translation>
    </message>
    <message>
        <source>Export With This Preset</source>
        <translation>Esporta con questo preset</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <source>PDF pages are made by the page renderer.</source>
        <translation>Le pagine PDF sono create dal motore di impaginazione.</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>Impossibile convertire il documento.</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported as PDF.</source>
        <translation>Impossibile esportare il documento “%1” in PDF.</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported.</source>
        <translation>Impossibile esportare il documento “%1”.</translation>
    </message>
    <message>
        <source>The document “%1” could not be converted.</source>
        <translation>Impossibile convertire il documento “%1”.</translation>
    </message>
    <message>
        <source>HTML Page (*.html)</source>
        <translation>Pagina HTML (*.html)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Rich Text Document (*.rtf)</source>
        <translation>Documento RTF (*.rtf)</translation>
    </message>
    <message>
        <source>Word Document (*.docx)</source>
        <translation>Documento Word (*.docx)</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>Testo OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
</context>
<context>
    <name>FileBrowserSidebar</name>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Refresh file list</source>
        <translation>Aggiorna l’elenco dei file</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>Apri cartella…</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>No folder open</source>
        <translation>Nessuna cartella aperta</translation>
    </message>
    <message>
        <source>No Markdown files here</source>
        <translation>Nessun file Markdown qui</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to browse.</source>
        <translation>Scegli una cartella di file Markdown da sfogliare.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Sostituisci con</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n risultato</numerusform>
            <numerusform>%n risultati</numerusform>
        </translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Sostituisci tutto</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nessun risultato</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 risultato</translation>
    </message>
</context>
<context>
    <name>FrontMatterEditor</name>
    <message>
        <source>Document Info</source>
        <translation>Informazioni documento</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>comma, separated</source>
        <translation>separati da virgola</translation>
    </message>
    <message>
        <source>Stored as YAML front matter at the top of the document.</source>
        <translation>Salvato come front matter YAML all’inizio del documento.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
</context>
<context>
    <name>HeaderFooterEditor</name>
    <message>
        <source>Page Header &amp; Footer</source>
        <translation>Intestazione e piè di pagina</translation>
    </message>
    <message>
        <source>Shown on printed and exported pages. Markdown has no header/footer concept, so these apply to output only.</source>
        <translation>Mostrati sulle pagine stampate ed esportate. Markdown non prevede intestazioni e piè di pagina, quindi valgono solo per stampa ed esportazione.</translation>
    </message>
    <message>
        <source>e.g. {title}</source>
        <translation>es. {title}</translation>
    </message>
    <message>
        <source>e.g. Page {page} of {pages}</source>
        <translation>es. Pagina {page} di {pages}</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Intestazione</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Piè di pagina</translation>
    </message>
    <message>
        <source>Tokens:</source>
        <translation>Segnaposto:</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>ImageInsertView</name>
    <message>
        <source>Insert Image</source>
        <translation>Inserisci immagine</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Scegli file…</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oppure</translation>
    </message>
    <message>
        <source>Image URL</source>
        <translation>URL dell’immagine</translation>
    </message>
    <message>
        <source>Alt text (optional)</source>
        <translation>Testo alternativo (facoltativo)</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Scegli immagine</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
</context>
<context>
    <name>LinkEditorView</name>
    <message>
        <source>Insert Link</source>
        <translation>Inserisci link</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
</context>
<context>
    <name>LongPaste</name>
    <message>
        <source>Paste progress</source>
        <translation>Avanzamento di Incolla</translation>
    </message>
    <message>
        <source>Pasting… %p%</source>
        <translation>Incolla in corso… %p%</translation>
    </message>
    <message>
        <source>Pasting…</source>
        <translation>Incolla in corso…</translation>
    </message>
</context>
<context>
    <name>MarkdownDocument</name>
    <message>
        <source>The file is not valid UTF-8 text (byte 0x%1 at offset %2).</source>
        <translation>Il file non è testo UTF-8 valido (byte 0x%1 alla posizione %2).</translation>
    </message>
    <message>
        <source>“%1” is not valid UTF-8 text (byte 0x%2 at offset %3).</source>
        <translation>“%1” non è testo UTF-8 valido (byte 0x%2 alla posizione %3).</translation>
    </message>
    <message>
        <source>“%1” could not be saved: %2</source>
        <translation>Impossibile salvare “%1”: %2</translation>
    </message>
    <message>
        <source>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</source>
        <translation>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</translation>
    </message>
    <message>
        <source>Plain text (*.txt *.text)</source>
        <translation>Testo semplice (*.txt *.text)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>MarkdownTextView</name>
    <message>
        <source>Markdown editor</source>
        <translation>Editor Markdown</translation>
    </message>
    <message>
        <source>No Guesses Found</source>
        <translation>Nessun suggerimento</translation>
    </message>
    <message>
        <source>&amp;Ignore Spelling</source>
        <translation>I&amp;gnora parola</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>&amp;Aggiungi al dizionario</translation>
    </message>
    <message>
        <source>The word could not be added to the dictionary</source>
        <translation>Impossibile aggiungere la parola al dizionario</translation>
    </message>
    <message>
        <source>“%1” is accepted until the program quits, but it could not be kept: %2</source>
        <translation>“%1” è accettata fino alla chiusura del programma, ma non è stato possibile conservarla: %2</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Open the Menu Bar</source>
        <translation>Apri la barra dei menu</translation>
    </message>
    <message>
        <source>Show File &amp;Browser</source>
        <translation>Mostra pannello &amp;file</translation>
    </message>
    <message>
        <source>Hide File &amp;Browser</source>
        <translation>Nascondi pannello &amp;file</translation>
    </message>
    <message>
        <source>Show Out&amp;line</source>
        <translation>Mostra s&amp;truttura</translation>
    </message>
    <message>
        <source>Hide Out&amp;line</source>
        <translation>Nascondi s&amp;truttura</translation>
    </message>
    <message>
        <source>Show &amp;Minimap</source>
        <translation>Mostra &amp;minimappa</translation>
    </message>
    <message>
        <source>Hide &amp;Minimap</source>
        <translation>Nascondi &amp;minimappa</translation>
    </message>
    <message>
        <source>Show &amp;Ruler</source>
        <translation>Mostra ri&amp;ghello</translation>
    </message>
    <message>
        <source>Hide &amp;Ruler</source>
        <translation>Nascondi ri&amp;ghello</translation>
    </message>
    <message>
        <source>&amp;Show Markdown Source</source>
        <translation>Mostra s&amp;orgente Markdown</translation>
    </message>
    <message>
        <source>&amp;Show WYSIWYG</source>
        <translation>Mostra &amp;WYSIWYG</translation>
    </message>
    <message>
        <source>&amp;Manage Export Presets…</source>
        <translation>&amp;Modifica preset di esportazione…</translation>
    </message>
    <message>
        <source>About Brindlewick</source>
        <translation>Informazioni su Brindlewick</translation>
    </message>
    <message>
        <source>Brindlewick %1</source>
        <translation>Brindlewick %1</translation>
    </message>
    <message>
        <source>A Markdown editor.</source>
        <translation>Un editor Markdown.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Es&amp;porta</translation>
    </message>
    <message>
        <source>&amp;Batch Export Folder</source>
        <translation>Esporta cartella in &amp;blocco</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Tr&amp;ova</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormato</translation>
    </message>
    <message>
        <source>&amp;Heading</source>
        <translation>&amp;Titolo</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Elenchi</translation>
    </message>
    <message>
        <source>&amp;Align</source>
        <translation>&amp;Allinea</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>T&amp;rasforma</translation>
    </message>
    <message>
        <source>Li&amp;nes</source>
        <translation>Rig&amp;he</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Inserisci</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabella</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>New from &amp;Template</source>
        <translation>Nuovo da &amp;modello</translation>
    </message>
    <message>
        <source>Quic&amp;k Open…</source>
        <translation>Apertura &amp;veloce…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salva c&amp;ome…</translation>
    </message>
    <message>
        <source>As &amp;HTML…</source>
        <translation>Come &amp;HTML…</translation>
    </message>
    <message>
        <source>As &amp;PDF…</source>
        <translation>Come &amp;PDF…</translation>
    </message>
    <message>
        <source>As &amp;Word…</source>
        <translation>Come &amp;Word…</translation>
    </message>
    <message>
        <source>As &amp;OpenDocument…</source>
        <translation>Come &amp;OpenDocument…</translation>
    </message>
    <message>
        <source>As &amp;Rich Text…</source>
        <translation>Come &amp;RTF…</translation>
    </message>
    <message>
        <source>&amp;Copy as HTML</source>
        <translation>&amp;Copia come HTML</translation>
    </message>
    <message>
        <source>Pre&amp;sets</source>
        <translation>Pre&amp;set</translation>
    </message>
    <message>
        <source>&amp;Header &amp;&amp; Footer…</source>
        <translation>&amp;Intestazione e piè di pagina…</translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation>Imposta pa&amp;gina…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>S&amp;tampa…</translation>
    </message>
    <message>
        <source>Allow Access to &amp;Folder…</source>
        <translation>Consenti accesso a una carte&amp;lla…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rifai</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleziona tutto</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Trova…</translation>
    </message>
    <message>
        <source>Find &amp;&amp; &amp;Replace…</source>
        <translation>Trova e sostit&amp;uisci…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Trova &amp;successivo</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Trova &amp;precedente</translation>
    </message>
    <message>
        <source>Use &amp;Selection for Find</source>
        <translation>Usa la selezione per la &amp;ricerca</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>Im&amp;postazioni…</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Grassetto</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Corsivo</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>&amp;Barrato</translation>
    </message>
    <message>
        <source>Inline &amp;Code</source>
        <translation>Co&amp;dice in linea</translation>
    </message>
    <message>
        <source>Heading &amp;1</source>
        <translation>Titolo &amp;1</translation>
    </message>
    <message>
        <source>Heading &amp;2</source>
        <translation>Titolo &amp;2</translation>
    </message>
    <message>
        <source>Heading &amp;3</source>
        <translation>Titolo &amp;3</translation>
    </message>
    <message>
        <source>Heading &amp;4</source>
        <translation>Titolo &amp;4</translation>
    </message>
    <message>
        <source>Heading &amp;5</source>
        <translation>Titolo &amp;5</translation>
    </message>
    <message>
        <source>Heading &amp;6</source>
        <translation>Titolo &amp;6</translation>
    </message>
    <message>
        <source>&amp;Body Text</source>
        <translation>&amp;Testo normale</translation>
    </message>
    <message>
        <source>&amp;Bulleted List</source>
        <translation>Elenco &amp;puntato</translation>
    </message>
    <message>
        <source>&amp;Numbered List</source>
        <translation>Elenco &amp;numerato</translation>
    </message>
    <message>
        <source>&amp;Task List</source>
        <translation>Elenco &amp;attività</translation>
    </message>
    <message>
        <source>Toggle Task &amp;Done</source>
        <translation>&amp;Completa/riapri attività</translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation>Aumenta &amp;rientro</translation>
    </message>
    <message>
        <source>&amp;Outdent</source>
        <translation>Ri&amp;duci rientro</translation>
    </message>
    <message>
        <source>Block&amp;quote</source>
        <translation>C&amp;itazione</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>A &amp;sinistra</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>Al &amp;centro</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>A &amp;destra</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>&amp;Giustificato</translation>
    </message>
    <message>
        <source>&amp;UPPERCASE</source>
        <translation>&amp;MAIUSCOLO</translation>
    </message>
    <message>
        <source>&amp;lowercase</source>
        <translation>mi&amp;nuscolo</translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <translation>&amp;Iniziali Maiuscole</translation>
    </message>
    <message>
        <source>Sort Lines &amp;A→Z</source>
        <translation>Ordina righe &amp;A→Z</translation>
    </message>
    <message>
        <source>Sort Lines &amp;Z→A</source>
        <translation>Ordina righe &amp;Z→A</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicate Lines</source>
        <translation>Rimuovi righe &amp;duplicate</translation>
    </message>
    <message>
        <source>Move Line &amp;Up</source>
        <translation>Sposta riga in &amp;alto</translation>
    </message>
    <message>
        <source>Move Line &amp;Down</source>
        <translation>Sposta riga in &amp;basso</translation>
    </message>
    <message>
        <source>Du&amp;plicate Line</source>
        <translation>&amp;Duplica riga</translation>
    </message>
    <message>
        <source>D&amp;elete Line</source>
        <translation>&amp;Elimina riga</translation>
    </message>
    <message>
        <source>&amp;Select Line</source>
        <translation>&amp;Seleziona riga</translation>
    </message>
    <message>
        <source>&amp;Link…</source>
        <translation>&amp;Link…</translation>
    </message>
    <message>
        <source>Code &amp;Block</source>
        <translation>&amp;Blocco di codice</translation>
    </message>
    <message>
        <source>&amp;Insert 3×3</source>
        <translation>&amp;Inserisci 3×3</translation>
    </message>
    <message>
        <source>Format &amp;Table</source>
        <translation>&amp;Formatta tabella</translation>
    </message>
    <message>
        <source>Insert Row &amp;Above</source>
        <translation>Inserisci riga &amp;sopra</translation>
    </message>
    <message>
        <source>Insert Row &amp;Below</source>
        <translation>Inserisci riga s&amp;otto</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>&amp;Elimina riga</translation>
    </message>
    <message>
        <source>Insert Column &amp;Left</source>
        <translation>Inserisci colonna a si&amp;nistra</translation>
    </message>
    <message>
        <source>Insert Column &amp;Right</source>
        <translation>Inserisci colonna a &amp;destra</translation>
    </message>
    <message>
        <source>D&amp;elete Column</source>
        <translation>Elimina &amp;colonna</translation>
    </message>
    <message>
        <source>Align Column Le&amp;ft</source>
        <translation>&amp;Allinea colonna a sinistra</translation>
    </message>
    <message>
        <source>Align Column Ce&amp;nter</source>
        <translation>Allinea colonna al cen&amp;tro</translation>
    </message>
    <message>
        <source>Align Column Ri&amp;ght</source>
        <translation>Allinea colonna a dest&amp;ra</translation>
    </message>
    <message>
        <source>Horizontal &amp;Rule</source>
        <translation>Linea &amp;orizzontale</translation>
    </message>
    <message>
        <source>&amp;Footnote</source>
        <translation>&amp;Nota a piè di pagina</translation>
    </message>
    <message>
        <source>Table of &amp;Contents</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Date</source>
        <translation>&amp;Data di oggi</translation>
    </message>
    <message>
        <source>Co&amp;mment</source>
        <translation>Co&amp;mmento</translation>
    </message>
    <message>
        <source>&amp;Document Info…</source>
        <translation>&amp;Informazioni documento…</translation>
    </message>
    <message>
        <source>AI &amp;Assist…</source>
        <translation>&amp;Assistente IA…</translation>
    </message>
    <message>
        <source>&amp;Translate…</source>
        <translation>&amp;Traduci…</translation>
    </message>
    <message>
        <source>&amp;Suggest Continuation</source>
        <translation>&amp;Suggerisci continuazione</translation>
    </message>
    <message>
        <source>&amp;Clean Up Markdown</source>
        <translation>&amp;Pulisci Markdown</translation>
    </message>
    <message>
        <source>&amp;Version History…</source>
        <translation>Cronologia &amp;versioni…</translation>
    </message>
    <message>
        <source>Snapshot &amp;Now</source>
        <translation>&amp;Crea istantanea</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Dimensione reale</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>Adatta alla &amp;larghezza</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>Adatta alla &amp;pagina</translation>
    </message>
    <message>
        <source>Open &amp;Folder…</source>
        <translation>Apri c&amp;artella…</translation>
    </message>
    <message>
        <source>Toggle &amp;Distraction-Free</source>
        <translation>Modalità &amp;senza distrazioni</translation>
    </message>
    <message>
        <source>&amp;Command Palette…</source>
        <translation>Palette &amp;comandi…</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>Sc&amp;hermo intero</translation>
    </message>
    <message>
        <source>&amp;Welcome to Brindlewick</source>
        <translation>&amp;Benvenuto in Brindlewick</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New</source>
        <translation>&amp;Novità</translation>
    </message>
    <message>
        <source>Markdown &amp;Cheat Sheet</source>
        <translation>&amp;Guida rapida Markdown</translation>
    </message>
    <message>
        <source>&amp;About Brindlewick</source>
        <translation>&amp;Informazioni su Brindlewick</translation>
    </message>
</context>
<context>
    <name>OpenableFile</name>
    <message>
        <source>“%1” does not exist.</source>
        <translation>“%1” non esiste.</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a text file.</source>
        <translation>“%1” è una cartella, non un file di testo.</translation>
    </message>
    <message>
        <source>“%1” is a pipe, not a text file.</source>
        <translation>“%1” è una pipe, non un file di testo.</translation>
    </message>
    <message>
        <source>“%1” is a socket, not a text file.</source>
        <translation>“%1” è un socket, non un file di testo.</translation>
    </message>
    <message>
        <source>“%1” is a device, not a text file.</source>
        <translation>“%1” è un dispositivo, non un file di testo.</translation>
    </message>
    <message>
        <source>“%1” is larger than %L2 MB and is not opened.</source>
        <translation>“%1” supera i %L2 MB e non viene aperto.</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>Impossibile leggere “%1”: %2</translation>
    </message>
    <message>
        <source>It does not exist.</source>
        <translation>Non esiste.</translation>
    </message>
    <message>
        <source>It is a folder, not a text file.</source>
        <translation>È una cartella, non un file di testo.</translation>
    </message>
    <message>
        <source>It is a pipe, not a text file.</source>
        <translation>È una pipe, non un file di testo.</translation>
    </message>
    <message>
        <source>It is a socket, not a text file.</source>
        <translation>È un socket, non un file di testo.</translation>
    </message>
    <message>
        <source>It is a device, not a text file.</source>
        <translation>È un dispositivo, non un file di testo.</translation>
    </message>
    <message>
        <source>It is larger than %L1 MB.</source>
        <translation>Supera i %L1 MB.</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Impossibile leggerlo: %1</translation>
    </message>
</context>
<context>
    <name>OutlineSidebar</name>
    <message>
        <source>Outline</source>
        <translation>Struttura</translation>
    </message>
    <message>
        <source>No headings</source>
        <translation>Nessun titolo</translation>
    </message>
</context>
<context>
    <name>PDFStamper</name>
    <message>
        <source>the PDF has no pages</source>
        <translation>il PDF non ha pagine</translation>
    </message>
    <message>
        <source>the header and footer could not be drawn</source>
        <translation>impossibile disegnare intestazione e piè di pagina</translation>
    </message>
</context>
<context>
    <name>PagedDocumentLayout</name>
    <message>
        <source>Header</source>
        <translation>Intestazione</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Piè di pagina</translation>
    </message>
</context>
<context>
    <name>PersonalDictionary</name>
    <message>
        <source>“%1” cannot be added to the dictionary.</source>
        <translation>Impossibile aggiungere “%1” al dizionario.</translation>
    </message>
    <message>
        <source>“%1” is not a file that the word list can be written to.</source>
        <translation>“%1” non è un file in cui si possa scrivere l’elenco di parole.</translation>
    </message>
</context>
<context>
    <name>PrintController</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Impossibile creare il PDF.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing…</source>
        <translation>Stampa in corso…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>QuickOpenSheet</name>
    <message>
        <source>Quick Open</source>
        <translation>Apertura veloce</translation>
    </message>
    <message>
        <source>Open recent…</source>
        <translation>Apri recente…</translation>
    </message>
    <message>
        <source>Search recent documents</source>
        <translation>Cerca tra i documenti recenti</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>Nessun documento recente</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nessun risultato</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the folder “%1” does not exist.</source>
        <translation>la cartella “%1” non esiste.</translation>
    </message>
    <message>
        <source>the folder “%1” is read-only.</source>
        <translation>la cartella “%1” è di sola lettura.</translation>
    </message>
    <message>
        <source>“%1” is read-only.</source>
        <translation>“%1” è di sola lettura.</translation>
    </message>
    <message>
        <source>the disk is full.</source>
        <translation>il disco è pieno.</translation>
    </message>
    <message>
        <source>the disk is read-only.</source>
        <translation>il disco è di sola lettura.</translation>
    </message>
    <message>
        <source>“%1” is not a file (it is a folder, a device, a pipe or a socket); nothing was written to it.</source>
        <translation>«%1» non è un file (è una cartella, un dispositivo, una pipe o un socket); non vi è stato scritto nulla.</translation>
    </message>
    <message>
        <source>the name “%1” is too long; choose a shorter one.</source>
        <translation>il nome «%1» è troppo lungo; scegline uno più corto.</translation>
    </message>
    <message>
        <source>its path is too long; choose a folder with a shorter path.</source>
        <translation>il suo percorso è troppo lungo; scegli una cartella con un percorso più corto.</translation>
    </message>
    <message>
        <source>the links on the way to “%1” go round in a circle and never reach a file; nothing was written to it.</source>
        <translation>i collegamenti verso «%1» girano in cerchio e non raggiungono mai un file; non vi è stato scritto nulla.</translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>System Default</source>
        <translation>Predefinita di sistema</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Nessuno</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n parola</numerusform>
            <numerusform>%n parole</numerusform>
        </translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Seppia</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>My Theme %1</source>
        <translation>Il mio tema %1</translation>
    </message>
</context>
<context>
    <name>SettingsPages</name>
    <message>
        <source>%1 pt</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Relaunch Brindlewick to apply a new language.</source>
        <translation>Riavvia Brindlewick per applicare la nuova lingua.</translation>
    </message>
    <message>
        <source>Editing mode</source>
        <translation>Modalità di modifica</translation>
    </message>
    <message>
        <source>WYSIWYG</source>
        <translation>WYSIWYG</translation>
    </message>
    <message>
        <source>Markdown Source</source>
        <translation>Sorgente Markdown</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Serif</source>
        <translation>Con grazie</translation>
    </message>
    <message>
        <source>Monospaced</source>
        <translation>Monospaziato</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Dimensione testo</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>Interlinea</translation>
    </message>
    <message>
        <source>Writing goal</source>
        <translation>Obiettivo di scrittura</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Larghezza pagina</translation>
    </message>
    <message>
        <source>Page margin</source>
        <translation>Margine pagina</translation>
    </message>
    <message>
        <source>Focus mode (dim inactive paragraphs)</source>
        <translation>Modalità concentrazione (attenua i paragrafi inattivi)</translation>
    </message>
    <message>
        <source>Typewriter scrolling (keep caret centered)</source>
        <translation>Scorrimento macchina da scrivere (cursore al centro)</translation>
    </message>
    <message>
        <source>Text direction</source>
        <translation>Direzione del testo</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatica</translation>
    </message>
    <message>
        <source>Left-to-Right</source>
        <translation>Da sinistra a destra</translation>
    </message>
    <message>
        <source>Right-to-Left</source>
        <translation>Da destra a sinistra</translation>
    </message>
    <message>
        <source>Spelling language</source>
        <translation>Lingua del correttore</translation>
    </message>
    <message>
        <source>Reveal Markdown syntax on the active line</source>
        <translation>Mostra la sintassi Markdown sulla riga attiva</translation>
    </message>
    <message>
        <source>When on, the raw markdown (**, #, `) appears on the line your cursor is on. Off keeps it hidden while you edit.</source>
        <translation>Se attiva, il markdown grezzo (**, #, `) compare sulla riga in cui si trova il cursore. Se disattivata, resta nascosto mentre scrivi.</translation>
    </message>
    <message>
        <source>Check spelling while typing</source>
        <translation>Controlla l’ortografia durante la digitazione</translation>
    </message>
    <message>
        <source>Auto-pair markers around selection</source>
        <translation>Racchiudi la selezione tra i marcatori</translation>
    </message>
    <message>
        <source>Auto-pair wraps the selected text when you type * _ ` or [.</source>
        <translation>Il testo selezionato viene racchiuso quando digiti * _ ` o [.</translation>
    </message>
    <message>
        <source>Reopen documents from last session on launch</source>
        <translation>All’avvio riapri i documenti dell’ultima sessione</translation>
    </message>
    <message>
        <source>Files you had open are reopened the next time you start Brindlewick.</source>
        <translation>I file che avevi aperto vengono riaperti al prossimo avvio di Brindlewick.</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fornitore</translation>
    </message>
    <message>
        <source>DeepSeek (cloud)</source>
        <translation>DeepSeek (cloud)</translation>
    </message>
    <message>
        <source>Ollama (local)</source>
        <translation>Ollama (locale)</translation>
    </message>
    <message>
        <source>Custom (OpenAI-compatible)</source>
        <translation>Personalizzato (compatibile OpenAI)</translation>
    </message>
    <message>
        <source>DeepSeek API Key (sk-…)</source>
        <translation>Chiave API DeepSeek (sk-…)</translation>
    </message>
    <message>
        <source>Stored locally; sent only to DeepSeek. Get one at %1.</source>
        <translation>Conservata in locale; inviata solo a DeepSeek. Puoi ottenerne una su %1.</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>URL di base</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Runs entirely on this computer — no key, nothing leaves the device. Requires Ollama installed and running.</source>
        <translation>Funziona interamente su questo computer: nessuna chiave, nulla esce dal dispositivo. Richiede Ollama installato e in esecuzione.</translation>
    </message>
    <message>
        <source>Endpoint URL</source>
        <translation>URL dell’endpoint</translation>
    </message>
    <message>
        <source>API Key (optional)</source>
        <translation>Chiave API (facoltativa)</translation>
    </message>
    <message>
        <source>Automatic inline suggestions</source>
        <translation>Suggerimenti automatici nel testo</translation>
    </message>
    <message>
        <source>When on, Brindlewick asks your AI provider to continue your text after you pause typing — one request per pause, so it may incur cost on cloud providers. Press Tab to accept a suggestion, Esc to dismiss. You can also trigger one manually from Tools ▸ Suggest Continuation.</source>
        <translation>Se attivi, Brindlewick chiede al tuo fornitore di IA di continuare il testo quando fai una pausa nella scrittura: una richiesta per pausa, quindi con i fornitori cloud può comportare dei costi. Premi Tab per accettare un suggerimento, Esc per ignorarlo. Puoi anche richiederne uno manualmente da Strumenti ▸ Suggerisci continuazione.</translation>
    </message>
    <message>
        <source>Appended to the export stylesheet. Also enables MathJax ($$…$$) and Mermaid (```mermaid) in exported HTML.</source>
        <translation>Aggiunto al foglio di stile dell’esportazione. Attiva anche MathJax ($$…$$) e Mermaid (```mermaid) nell’HTML esportato.</translation>
    </message>
    <message>
        <source>Toolbar groups</source>
        <translation>Gruppi della barra strumenti</translation>
    </message>
    <message>
        <source>Formatting (headings, bold, italic…)</source>
        <translation>Formattazione (titoli, grassetto, corsivo…)</translation>
    </message>
    <message>
        <source>Links &amp; media</source>
        <translation>Link e media</translation>
    </message>
    <message>
        <source>Lists &amp; blocks</source>
        <translation>Elenchi e blocchi</translation>
    </message>
    <message>
        <source>Indent / outdent</source>
        <translation>Aumenta / riduci rientro</translation>
    </message>
    <message>
        <source>%1 (no dictionary installed)</source>
        <translation>%1 (nessun dizionario installato)</translation>
    </message>
    <message>
        <source>Custom CSS for every export (HTML, PDF, Word, OpenDocument, Rich Text)</source>
        <translation>CSS personalizzato per tutte le esportazioni (HTML, PDF, Word, OpenDocument, Rich Text)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Behavior</source>
        <translation>Comportamento</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>IA</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esportazione</translation>
    </message>
    <message>
        <source>Snippets</source>
        <translation>Frammenti</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra strumenti</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Press keys…</source>
        <translation>Premi i tasti…</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
</context>
<context>
    <name>ShortcutsSettingsView</name>
    <message>
        <source>Assign your own keys to any command. Combinations must include Ctrl or Meta. Menu shortcuts take priority, so prefer unused combinations.</source>
        <translation>Assegna i tuoi tasti a qualsiasi comando. Le combinazioni devono includere Ctrl o Meta. Le scorciatoie dei menu hanno la precedenza, quindi preferisci combinazioni libere.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Cancella scorciatoia</translation>
    </message>
    <message>
        <source>conflicts with %1</source>
        <translation>in conflitto con %1</translation>
    </message>
</context>
<context>
    <name>SnippetsSettingsView</name>
    <message>
        <source>Type a trigger and press Tab to expand. Use $| for the caret and $date for today.</source>
        <translation>Digita un’abbreviazione e premi Tab per espanderla. Usa $| per il cursore e $date per la data di oggi.</translation>
    </message>
    <message>
        <source>Add snippet</source>
        <translation>Aggiungi frammento</translation>
    </message>
    <message>
        <source>Remove snippet</source>
        <translation>Rimuovi frammento</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>abbreviazione</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Abbreviazione</translation>
    </message>
    <message>
        <source>expansion</source>
        <translation>espansione</translation>
    </message>
</context>
<context>
    <name>StatsPopover</name>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caratteri</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>Senza spazi</translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation>Frasi</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Paragrafi</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Reading time</source>
        <translation>Tempo di lettura</translation>
    </message>
    <message>
        <source>~%1 min</source>
        <translation>~%1 min</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Zoom Out (Ctrl+−)</source>
        <translation>Riduci (Ctrl+−)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Adatta alla larghezza</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Adatta alla pagina</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>Ingrandisci (Ctrl++)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n parola</numerusform>
            <numerusform>%n parole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters</source>
        <translation>
            <numerusform>%n carattere</numerusform>
            <numerusform>%n caratteri</numerusform>
        </translation>
    </message>
    <message>
        <source>~%1 min read</source>
        <translation>~%1 min di lettura</translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n selezionata</numerusform>
            <numerusform>%n selezionate</numerusform>
        </translation>
    </message>
    <message>
        <source>Goal %1/%2</source>
        <translation>Obiettivo %1/%2</translation>
    </message>
</context>
<context>
    <name>TableGridPicker</name>
    <message>
        <source>%1 by %2 table</source>
        <translation>Tabella %1 per %2</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Inserisci tabella</translation>
    </message>
    <message>
        <source>%1 × %2 table</source>
        <translation>Tabella %1 × %2</translation>
    </message>
</context>
<context>
    <name>TemplateStore</name>
    <message>
        <source>Blank</source>
        <translation>Vuoto</translation>
    </message>
    <message>
        <source>Meeting Notes</source>
        <translation>Appunti di riunione</translation>
    </message>
    <message>
        <source>README</source>
        <translation>README</translation>
    </message>
    <message>
        <source>Blog Post</source>
        <translation>Articolo di blog</translation>
    </message>
    <message>
        <source>Daily Journal</source>
        <translation>Diario giornaliero</translation>
    </message>
    <message>
        <source>To-Do List</source>
        <translation>Cose da fare</translation>
    </message>
    <message>
        <source>Table Starter</source>
        <translation>Tabella di base</translation>
    </message>
</context>
<context>
    <name>TextViewCommands</name>
    <message>
        <source>Save Pasted Image</source>
        <translation>Salva immagine incollata</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>TranslateSheet</name>
    <message>
        <source>Translate</source>
        <translation>Traduci</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable translation.</source>
        <translation>Aggiungi la tua chiave API di DeepSeek nella scheda IA delle Impostazioni per attivare la traduzione.</translation>
    </message>
    <message>
        <source>Translating…</source>
        <translation>Traduzione in corso…</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Or type a language</source>
        <translation>Oppure digita una lingua</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selezione</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>Intero documento</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabo</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svedese</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailandese</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesiano</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greco</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Ebraico</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
</context>
<context>
    <name>TranslationError</name>
    <message>
        <source>Invalid AI endpoint. Check Settings ▸ AI.</source>
        <translation>Endpoint IA non valido. Controlla Impostazioni ▸ IA.</translation>
    </message>
    <message>
        <source>The API key contains line breaks or control characters. Check Settings ▸ AI.</source>
        <translation>La chiave API contiene interruzioni di riga o caratteri di controllo. Controlla Impostazioni ▸ IA.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Tempo scaduto per la richiesta.</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings first.</source>
        <translation>Aggiungi prima la tua chiave API di DeepSeek nella scheda IA delle Impostazioni.</translation>
    </message>
    <message>
        <source>The translation service returned an unexpected response.</source>
        <translation>Il servizio di traduzione ha restituito una risposta inattesa.</translation>
    </message>
    <message>
        <source>HTTP %1 from server</source>
        <translation>HTTP %1 dal server</translation>
    </message>
    <message>
        <source>HTTP %1 from %2</source>
        <translation>HTTP %1 da %2</translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>The current text could not be kept as a version, so nothing was restored.

%1</source>
        <translation>Impossibile conservare il testo attuale come versione, quindi non è stato ripristinato nulla.

%1</translation>
    </message>
</context>
<context>
    <name>VersionHistoryView</name>
    <message>
        <source>Version History</source>
        <translation>Cronologia versioni</translation>
    </message>
    <message>
        <source>Save this document first</source>
        <translation>Salva prima questo documento</translation>
    </message>
    <message>
        <source>Version history is kept per file, so an untitled document has no history until it is saved.</source>
        <translation>La cronologia delle versioni è legata al file, quindi un documento senza titolo non ha cronologia finché non viene salvato.</translation>
    </message>
    <message>
        <source>Snapshot Now</source>
        <translation>Crea istantanea</translation>
    </message>
    <message>
        <source>No versions saved yet</source>
        <translation>Ancora nessuna versione salvata</translation>
    </message>
    <message>
        <source>Brindlewick snapshots this document as you edit. Use “Snapshot Now” to capture one immediately.</source>
        <translation>Brindlewick crea istantanee di questo documento mentre lo modifichi. Usa “Crea istantanea” per crearne una subito.</translation>
    </message>
    <message>
        <source>Select a version to preview</source>
        <translation>Seleziona una versione per l’anteprima</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>Nessuna modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Ripristina questa versione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n parola</numerusform>
            <numerusform>%n parole</numerusform>
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
        <translation>Impossibile modificare il documento, quindi la versione non è stata ripristinata.</translation>
    </message>
</context>
<context>
    <name>VersionStore</name>
    <message>
        <source>Could not save a version of “%1”: %2</source>
        <translation>Impossibile salvare una versione di “%1”: %2</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be written.</source>
        <translation>impossibile scrivere nella cartella “%1”.</translation>
    </message>
    <message>
        <source>Could not delete the version: %1</source>
        <translation>Impossibile eliminare la versione: %1</translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Welcome to Brindlewick</source>
        <translation>Benvenuto in Brindlewick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>A clean, native Markdown editor.</source>
        <translation>Un editor Markdown essenziale e nativo.</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Nuovo documento</translation>
    </message>
    <message>
        <source>New from Template…</source>
        <translation>Nuovo da modello…</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Apri…</translation>
    </message>
    <message>
        <source>Markdown Cheat Sheet</source>
        <translation>Guida rapida Markdown</translation>
    </message>
    <message>
        <source>Show this window when Brindlewick opens</source>
        <translation>Mostra questa finestra all’avvio di Brindlewick</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recenti</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>Nessun documento recente</translation>
    </message>
</context>
<context>
    <name>WhatsNewWindow</name>
    <message>
        <source>What&apos;s New</source>
        <translation>Novità</translation>
    </message>
    <message>
        <source>What&apos;s New in Brindlewick</source>
        <translation>Novità di Brindlewick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
</context>
<context>
    <name>WindowFiles</name>
    <message>
        <source>A version of the document could not be saved.</source>
        <translation>Impossibile salvare una versione del documento.</translation>
    </message>
    <message>
        <source>A version of the document “%1” could not be saved.</source>
        <translation>Impossibile salvare una versione del documento “%1”.</translation>
    </message>
</context>
</TS>
