<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AIActions</name>
    <message>
        <source>Improve Writing</source>
        <translation>Text verbessern</translation>
    </message>
    <message>
        <source>Fix Spelling &amp; Grammar</source>
        <translation>Rechtschreibung &amp; Grammatik korrigieren</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>Umformulieren</translation>
    </message>
    <message>
        <source>Make Shorter</source>
        <translation>Kürzen</translation>
    </message>
    <message>
        <source>Make Longer</source>
        <translation>Erweitern</translation>
    </message>
    <message>
        <source>Professional Tone</source>
        <translation>Professioneller Ton</translation>
    </message>
    <message>
        <source>Casual Tone</source>
        <translation>Lockerer Ton</translation>
    </message>
    <message>
        <source>Summarize</source>
        <translation>Zusammenfassen</translation>
    </message>
    <message>
        <source>Draft from Outline</source>
        <translation>Entwurf aus Gliederung</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Erklären</translation>
    </message>
    <message>
        <source>Suggest Title &amp; Tags</source>
        <translation>Titel &amp; Tags vorschlagen</translation>
    </message>
</context>
<context>
    <name>AIAssistSheet</name>
    <message>
        <source>AI Assist</source>
        <translation>KI-Assistent</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable the assist actions.</source>
        <translation>Tragen Sie Ihren DeepSeek-API-Schlüssel in den Einstellungen unter „KI“ ein, um die Assistenzaktionen zu nutzen.</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>Wird ausgeführt…</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Custom instruction (optional)</source>
        <translation>Eigene Anweisung (optional)</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>Ganzes Dokument</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message numerus="yes">
        <source>%n files or links were not opened.</source>
        <translation>
            <numerusform>%n Datei oder Link wurde nicht geöffnet.</numerusform>
            <numerusform>%n Dateien oder Links wurden nicht geöffnet.</numerusform>
        </translation>
    </message>
    <message>
        <source>One request opens at most %1 of them. Not opened:
%2</source>
        <translation>Eine Anfrage öffnet höchstens %1 davon. Nicht geöffnet:
%2</translation>
    </message>
</context>
<context>
    <name>AssistRunner</name>
    <message>
        <source>The text changed while the answer was on its way, so nothing was changed. Run it again.</source>
        <translation>Der Text hat sich geändert, während die Antwort unterwegs war; daher wurde nichts geändert. Führen Sie die Aktion erneut aus.</translation>
    </message>
    <message>
        <source>The answer was empty, so nothing was changed.</source>
        <translation>Die Antwort war leer; daher wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The editor did not accept the change.</source>
        <translation>Der Editor hat die Änderung nicht übernommen.</translation>
    </message>
</context>
<context>
    <name>AssistSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Bereich</translation>
    </message>
</context>
<context>
    <name>AutosaveStore</name>
    <message>
        <source>The autosave folder “%1” could not be created.</source>
        <translation>Der Ordner für automatische Sicherungen „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The autosave folder “%1” cannot be written: %2</source>
        <translation>In den Ordner für automatische Sicherungen „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>BatchExport</name>
    <message>
        <source>Another file of the folder is exported as “%1”.</source>
        <translation>Eine andere Datei des Ordners wird bereits als „%1“ exportiert.</translation>
    </message>
    <message>
        <source>It is not valid UTF-8 text.</source>
        <translation>Die Datei ist kein gültiger UTF-8-Text.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>A file to be written already exists.</source>
        <translation>Eine Zieldatei ist bereits vorhanden.</translation>
    </message>
    <message numerus="yes">
        <source>%n files to be written already exist.</source>
        <translation>
            <numerusform>%n Zieldatei ist bereits vorhanden.</numerusform>
            <numerusform>%n Zieldateien sind bereits vorhanden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replacing them overwrites their current contents:
</source>
        <translation>Beim Ersetzen wird ihr bisheriger Inhalt überschrieben:
</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Gespeichert in %1.</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Nichts zu exportieren</translation>
    </message>
    <message>
        <source>No Markdown files found in that folder.</source>
        <translation>In diesem Ordner wurden keine Markdown-Dateien gefunden.</translation>
    </message>
    <message>
        <source>Exported 1 file</source>
        <translation>1 Datei exportiert</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n files</source>
        <translation>
            <numerusform>%n Datei exportiert</numerusform>
            <numerusform>%n Dateien exportiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Not exported:</source>
        <translation>Nicht exportiert:</translation>
    </message>
    <message numerus="yes">
        <source>Exported %1 of %n files</source>
        <translation>
            <numerusform>%1 von %n Datei exportiert</numerusform>
            <numerusform>%1 von %n Dateien exportiert</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” is a link to another file; it was not replaced.</source>
        <translation>„%1“ ist eine Verknüpfung auf eine andere Datei; sie wurde nicht ersetzt.</translation>
    </message>
</context>
<context>
    <name>BatchExporter</name>
    <message>
        <source>Exporting…</source>
        <translation>Wird exportiert…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>It could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to export.</source>
        <translation>Wählen Sie einen Ordner mit Markdown-Dateien zum Exportieren.</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>Alle exportieren</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
</context>
<context>
    <name>CommandCategory</name>
    <message>
        <source>Headings</source>
        <translation>Überschriften</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Lists &amp; Blocks</source>
        <translation>Listen &amp; Blöcke</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
</context>
<context>
    <name>CommandPalette</name>
    <message>
        <source>Command Palette</source>
        <translation>Befehlspalette</translation>
    </message>
    <message>
        <source>Type a command…</source>
        <translation>Befehl eingeben…</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>Befehle durchsuchen</translation>
    </message>
    <message>
        <source>No matching commands</source>
        <translation>Keine passenden Befehle</translation>
    </message>
</context>
<context>
    <name>CommandRegistry</name>
    <message>
        <source>Heading 1</source>
        <translation>Überschrift 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Überschrift 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Überschrift 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Überschrift 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Überschrift 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Überschrift 6</translation>
    </message>
    <message>
        <source>Body Text</source>
        <translation>Fließtext</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Fett kursiv</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Inline-Code</translation>
    </message>
    <message>
        <source>Comment (HTML)</source>
        <translation>Kommentar (HTML)</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>Aufzählung</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>Nummerierte Liste</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Aufgabenliste</translation>
    </message>
    <message>
        <source>Toggle Task Done</source>
        <translation>Aufgabe erledigt umschalten</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>Zitat</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Codeblock</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Einrücken</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Ausrücken</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>Fußnote</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Inhaltsverzeichnis</translation>
    </message>
    <message>
        <source>Today&apos;s Date</source>
        <translation>Heutiges Datum</translation>
    </message>
    <message>
        <source>Table (2×2)</source>
        <translation>Tabelle (2×2)</translation>
    </message>
    <message>
        <source>Table (3×3)</source>
        <translation>Tabelle (3×3)</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>Inline-Formel</translation>
    </message>
    <message>
        <source>Format Table</source>
        <translation>Tabelle formatieren</translation>
    </message>
    <message>
        <source>Table: Insert Row Above</source>
        <translation>Tabelle: Zeile oberhalb einfügen</translation>
    </message>
    <message>
        <source>Table: Insert Row Below</source>
        <translation>Tabelle: Zeile unterhalb einfügen</translation>
    </message>
    <message>
        <source>Table: Delete Row</source>
        <translation>Tabelle: Zeile löschen</translation>
    </message>
    <message>
        <source>Table: Insert Column Left</source>
        <translation>Tabelle: Spalte links einfügen</translation>
    </message>
    <message>
        <source>Table: Insert Column Right</source>
        <translation>Tabelle: Spalte rechts einfügen</translation>
    </message>
    <message>
        <source>Table: Delete Column</source>
        <translation>Tabelle: Spalte löschen</translation>
    </message>
    <message>
        <source>Table: Align Column Left</source>
        <translation>Tabelle: Spalte linksbündig</translation>
    </message>
    <message>
        <source>Table: Align Column Center</source>
        <translation>Tabelle: Spalte zentriert</translation>
    </message>
    <message>
        <source>Table: Align Column Right</source>
        <translation>Tabelle: Spalte rechtsbündig</translation>
    </message>
    <message>
        <source>UPPERCASE</source>
        <translation>GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <source>lowercase</source>
        <translation>kleinbuchstaben</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Wortanfänge groß</translation>
    </message>
    <message>
        <source>Sort Lines A→Z</source>
        <translation>Zeilen sortieren A→Z</translation>
    </message>
    <message>
        <source>Sort Lines Z→A</source>
        <translation>Zeilen sortieren Z→A</translation>
    </message>
    <message>
        <source>Remove Duplicate Lines</source>
        <translation>Doppelte Zeilen entfernen</translation>
    </message>
    <message>
        <source>Move Line Up</source>
        <translation>Zeile nach oben</translation>
    </message>
    <message>
        <source>Move Line Down</source>
        <translation>Zeile nach unten</translation>
    </message>
    <message>
        <source>Duplicate Line</source>
        <translation>Zeile duplizieren</translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Select Line</source>
        <translation>Zeile auswählen</translation>
    </message>
    <message>
        <source>Toggle WYSIWYG / Markdown Source</source>
        <translation>WYSIWYG / Markdown-Quelltext umschalten</translation>
    </message>
    <message>
        <source>Suggest Continuation</source>
        <translation>Fortsetzung vorschlagen</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>Markdown bereinigen</translation>
    </message>
    <message>
        <source>Export as HTML…</source>
        <translation>Als HTML exportieren…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Als PDF exportieren…</translation>
    </message>
    <message>
        <source>Export as Rich Text…</source>
        <translation>Als Rich Text exportieren…</translation>
    </message>
    <message>
        <source>Export as Word…</source>
        <translation>Als Word exportieren…</translation>
    </message>
    <message>
        <source>Export as OpenDocument…</source>
        <translation>Als OpenDocument exportieren…</translation>
    </message>
    <message>
        <source>Copy as HTML</source>
        <translation>Als HTML kopieren</translation>
    </message>
</context>
<context>
    <name>CustomThemesEditor</name>
    <message>
        <source>Custom themes</source>
        <translation>Eigene Designs</translation>
    </message>
    <message>
        <source>Add Theme</source>
        <translation>Design hinzufügen</translation>
    </message>
    <message>
        <source>Add a theme to start from the current colours, then edit them here.</source>
        <translation>Fügen Sie ein Design hinzu, das von den aktuellen Farben ausgeht, und bearbeiten Sie es dann hier.</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Use This Theme</source>
        <translation>Dieses Design verwenden</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>Do you want to save the changes made to the document “%1”?</source>
        <translation>Möchten Sie die Änderungen am Dokument „%1“ speichern?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>Don’t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>The file of the document “%1” was moved or deleted by another program.</source>
        <translation>Die Datei des Dokuments „%1“ wurde von einem anderen Programm verschoben oder gelöscht.</translation>
    </message>
    <message>
        <source>The document “%1” was changed by another program.</source>
        <translation>Das Dokument „%1“ wurde von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>Save your version to write the file again, save it under another name, or leave the file removed.</source>
        <translation>Speichern Sie Ihre Fassung, um die Datei neu zu schreiben, speichern Sie sie unter einem anderen Namen oder lassen Sie die Datei entfernt.</translation>
    </message>
    <message>
        <source>Keep your version to overwrite the file, reload the version on disk (your changes can be undone), or save your version under another name.</source>
        <translation>Behalten Sie Ihre Fassung, um die Datei zu überschreiben, laden Sie die Fassung vom Datenträger neu (Ihre Änderungen lassen sich rückgängig machen) oder speichern Sie Ihre Fassung unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Meine behalten</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>The document “%1” could not be opened.</source>
        <translation>Das Dokument „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>The last save of “%1” did not finish.</source>
        <translation>Das letzte Sichern von „%1“ wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>The file “%1” may be incomplete. This window holds the text that was being saved: write it back to the file, or keep it here for now.</source>
        <translation>Die Datei „%1“ ist möglicherweise unvollständig. Dieses Fenster enthält den Text, der gerade gesichert wurde: Schreiben Sie ihn in die Datei zurück oder behalten Sie ihn vorerst hier.</translation>
    </message>
    <message>
        <source>Write Back</source>
        <translation>Zurückschreiben</translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>Unbenannt %1</translation>
    </message>
    <message>
        <source>The document “%1” could not be saved.</source>
        <translation>Das Dokument „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>“%1” is open in another window. Close that window first, or choose another name.</source>
        <translation>„%1“ ist in einem anderen Fenster geöffnet. Schließen Sie zuerst dieses Fenster oder wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Unsaved text cannot be kept for the next launch.</source>
        <translation>Nicht gespeicherter Text kann nicht für den nächsten Start aufbewahrt werden.</translation>
    </message>
    <message>
        <source>The document “%1” could not be autosaved.</source>
        <translation>Das Dokument „%1“ konnte nicht automatisch gesichert werden.</translation>
    </message>
    <message>
        <source>The file “%1” was moved or deleted by another program; it was not written again.</source>
        <translation>Die Datei „%1“ wurde von einem anderen Programm verschoben oder gelöscht; sie wurde nicht erneut geschrieben.</translation>
    </message>
    <message>
        <source>“%1” was changed by another program; it was not overwritten.</source>
        <translation>„%1“ wurde von einem anderen Programm geändert; die Datei wurde nicht überschrieben.</translation>
    </message>
    <message>
        <source>%1 (recovered)</source>
        <translation>%1 (wiederhergestellt)</translation>
    </message>
</context>
<context>
    <name>EditorToolbar</name>
    <message>
        <source>Formatting</source>
        <translation>Formatierung</translation>
    </message>
    <message>
        <source>Paragraph style</source>
        <translation>Absatzformat</translation>
    </message>
    <message>
        <source>Insert Link</source>
        <translation>Link einfügen</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>Zitat</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Codeblock</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Inline-Code</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>Aufzählung</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>Nummerierte Liste</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Aufgabenliste</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>Blocksatz</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Ausrücken</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Einrücken</translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Tabelle einfügen</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>Inline-Formel</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>Fußnote</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Inhaltsverzeichnis</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>Datum einfügen</translation>
    </message>
    <message>
        <source>AI Assist…</source>
        <translation>KI-Assistent…</translation>
    </message>
    <message>
        <source>Translate…</source>
        <translation>Übersetzen…</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>Markdown bereinigen</translation>
    </message>
    <message>
        <source>Version History…</source>
        <translation>Versionsverlauf…</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Gliederung</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Befehlspalette</translation>
    </message>
    <message>
        <source>All tools</source>
        <translation>Alle Werkzeuge</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Switch to Markdown source</source>
        <translation>Zum Markdown-Quelltext wechseln</translation>
    </message>
    <message>
        <source>Switch to WYSIWYG</source>
        <translation>Zu WYSIWYG wechseln</translation>
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
        <translation>Akademisch</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Kompakt</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Academic PDF</source>
        <translation>Akademisches PDF</translation>
    </message>
    <message>
        <source>Clean PDF</source>
        <translation>Schlichtes PDF</translation>
    </message>
    <message>
        <source>New Preset</source>
        <translation>Neue Vorgabe</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 Kopie</translation>
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
        <translation>Rich Text</translation>
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
        <translation>HTML kopieren</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>Exportvorgaben</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Custom CSS (appended after the theme)</source>
        <translation>Eigenes CSS (nach dem Design angefügt)</translation>
    </message>
    <message>
        <source>Select or add a preset</source>
        <translation>Wählen Sie eine Vorgabe oder fügen Sie eine hinzu</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Vorgabe hinzufügen</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Vorgabe löschen</translation>
    </message>
    <message>
        <source>Duplicate preset</source>
        <translation>Vorgabe duplizieren</translation>
    </message>
    <message>
        <source>Export With This Preset</source>
        <translation>Mit dieser Vorgabe exportieren</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <source>PDF pages are made by the page renderer.</source>
        <translation>PDF-Seiten werden vom Seitenrenderer erstellt.</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>Das Dokument konnte nicht konvertiert werden.</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported as PDF.</source>
        <translation>Das Dokument „%1“ konnte nicht als PDF exportiert werden.</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported.</source>
        <translation>Das Dokument „%1“ konnte nicht exportiert werden.</translation>
    </message>
    <message>
        <source>The document “%1” could not be converted.</source>
        <translation>Das Dokument „%1“ konnte nicht konvertiert werden.</translation>
    </message>
    <message>
        <source>HTML Page (*.html)</source>
        <translation>HTML-Seite (*.html)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Rich Text Document (*.rtf)</source>
        <translation>Rich-Text-Dokument (*.rtf)</translation>
    </message>
    <message>
        <source>Word Document (*.docx)</source>
        <translation>Word-Dokument (*.docx)</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>OpenDocument-Text (*.odt)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>FileBrowserSidebar</name>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Refresh file list</source>
        <translation>Dateiliste aktualisieren</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>Ordner öffnen…</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>No folder open</source>
        <translation>Kein Ordner geöffnet</translation>
    </message>
    <message>
        <source>No Markdown files here</source>
        <translation>Keine Markdown-Dateien vorhanden</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to browse.</source>
        <translation>Wählen Sie einen Ordner mit Markdown-Dateien zum Anzeigen.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n Treffer</numerusform>
            <numerusform>%n Treffer</numerusform>
        </translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 Treffer</translation>
    </message>
</context>
<context>
    <name>FrontMatterEditor</name>
    <message>
        <source>Document Info</source>
        <translation>Dokumentinfo</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>comma, separated</source>
        <translation>durch Komma getrennt</translation>
    </message>
    <message>
        <source>Stored as YAML front matter at the top of the document.</source>
        <translation>Wird als YAML-Front-Matter am Anfang des Dokuments gespeichert.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
</context>
<context>
    <name>HeaderFooterEditor</name>
    <message>
        <source>Page Header &amp; Footer</source>
        <translation>Kopf- &amp; Fußzeile</translation>
    </message>
    <message>
        <source>Shown on printed and exported pages. Markdown has no header/footer concept, so these apply to output only.</source>
        <translation>Kopf- und Fußzeile erscheinen auf gedruckten und exportierten Seiten. Markdown kennt keine Kopf- und Fußzeilen, daher wirken sie nur in der Ausgabe.</translation>
    </message>
    <message>
        <source>e.g. {title}</source>
        <translation>z. B. {title}</translation>
    </message>
    <message>
        <source>e.g. Page {page} of {pages}</source>
        <translation>z. B. Seite {page} von {pages}</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Fußzeile</translation>
    </message>
    <message>
        <source>Tokens:</source>
        <translation>Platzhalter:</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>ImageInsertView</name>
    <message>
        <source>Insert Image</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Datei auswählen…</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>Image URL</source>
        <translation>Bild-URL</translation>
    </message>
    <message>
        <source>Alt text (optional)</source>
        <translation>Alternativtext (optional)</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
</context>
<context>
    <name>LinkEditorView</name>
    <message>
        <source>Insert Link</source>
        <translation>Link einfügen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>LongPaste</name>
    <message>
        <source>Paste progress</source>
        <translation>Fortschritt beim Einfügen</translation>
    </message>
    <message>
        <source>Pasting… %p%</source>
        <translation>Wird eingefügt … %p%</translation>
    </message>
    <message>
        <source>Pasting…</source>
        <translation>Wird eingefügt …</translation>
    </message>
</context>
<context>
    <name>MarkdownDocument</name>
    <message>
        <source>The file is not valid UTF-8 text (byte 0x%1 at offset %2).</source>
        <translation>Die Datei ist kein gültiger UTF-8-Text (Byte 0x%1 an Position %2).</translation>
    </message>
    <message>
        <source>“%1” is not valid UTF-8 text (byte 0x%2 at offset %3).</source>
        <translation>„%1“ ist kein gültiger UTF-8-Text (Byte 0x%2 an Position %3).</translation>
    </message>
    <message>
        <source>“%1” could not be saved: %2</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</source>
        <translation>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</translation>
    </message>
    <message>
        <source>Plain text (*.txt *.text)</source>
        <translation>Reiner Text (*.txt *.text)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>MarkdownTextView</name>
    <message>
        <source>Markdown editor</source>
        <translation>Markdown-Editor</translation>
    </message>
    <message>
        <source>No Guesses Found</source>
        <translation>Keine Vorschläge</translation>
    </message>
    <message>
        <source>&amp;Ignore Spelling</source>
        <translation>Wort &amp;ignorieren</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>Zum &amp;Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>The word could not be added to the dictionary</source>
        <translation>Das Wort konnte nicht zum Wörterbuch hinzugefügt werden</translation>
    </message>
    <message>
        <source>“%1” is accepted until the program quits, but it could not be kept: %2</source>
        <translation>„%1“ wird bis zum Beenden des Programms akzeptiert, konnte aber nicht dauerhaft gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Open the Menu Bar</source>
        <translation>Menüleiste öffnen</translation>
    </message>
    <message>
        <source>Show File &amp;Browser</source>
        <translation>&amp;Dateibrowser einblenden</translation>
    </message>
    <message>
        <source>Hide File &amp;Browser</source>
        <translation>&amp;Dateibrowser ausblenden</translation>
    </message>
    <message>
        <source>Show Out&amp;line</source>
        <translation>Gl&amp;iederung einblenden</translation>
    </message>
    <message>
        <source>Hide Out&amp;line</source>
        <translation>Gl&amp;iederung ausblenden</translation>
    </message>
    <message>
        <source>Show &amp;Minimap</source>
        <translation>&amp;Minimap einblenden</translation>
    </message>
    <message>
        <source>Hide &amp;Minimap</source>
        <translation>&amp;Minimap ausblenden</translation>
    </message>
    <message>
        <source>Show &amp;Ruler</source>
        <translation>&amp;Lineal einblenden</translation>
    </message>
    <message>
        <source>Hide &amp;Ruler</source>
        <translation>&amp;Lineal ausblenden</translation>
    </message>
    <message>
        <source>&amp;Show Markdown Source</source>
        <translation>Markdown-&amp;Quelltext anzeigen</translation>
    </message>
    <message>
        <source>&amp;Show WYSIWYG</source>
        <translation>&amp;WYSIWYG anzeigen</translation>
    </message>
    <message>
        <source>&amp;Manage Export Presets…</source>
        <translation>Exportvorgaben &amp;verwalten…</translation>
    </message>
    <message>
        <source>About Brindlewick</source>
        <translation>Über Brindlewick</translation>
    </message>
    <message>
        <source>Brindlewick %1</source>
        <translation>Brindlewick %1</translation>
    </message>
    <message>
        <source>A Markdown editor.</source>
        <translation>Ein Markdown-Editor.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Batch Export Folder</source>
        <translation>&amp;Ordner exportieren</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>&amp;Heading</source>
        <translation>&amp;Überschrift</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listen</translation>
    </message>
    <message>
        <source>&amp;Align</source>
        <translation>&amp;Ausrichtung</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>&amp;Umwandeln</translation>
    </message>
    <message>
        <source>Li&amp;nes</source>
        <translation>Z&amp;eilen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Öffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>New from &amp;Template</source>
        <translation>Neu aus &amp;Vorlage</translation>
    </message>
    <message>
        <source>Quic&amp;k Open…</source>
        <translation>Schnell ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>As &amp;HTML…</source>
        <translation>Als &amp;HTML…</translation>
    </message>
    <message>
        <source>As &amp;PDF…</source>
        <translation>Als &amp;PDF…</translation>
    </message>
    <message>
        <source>As &amp;Word…</source>
        <translation>Als &amp;Word…</translation>
    </message>
    <message>
        <source>As &amp;OpenDocument…</source>
        <translation>Als Open&amp;Document…</translation>
    </message>
    <message>
        <source>As &amp;Rich Text…</source>
        <translation>Als &amp;Rich Text…</translation>
    </message>
    <message>
        <source>&amp;Copy as HTML</source>
        <translation>Als HTML &amp;kopieren</translation>
    </message>
    <message>
        <source>Pre&amp;sets</source>
        <translation>&amp;Vorgaben</translation>
    </message>
    <message>
        <source>&amp;Header &amp;&amp; Footer…</source>
        <translation>&amp;Kopf- &amp;&amp; Fußzeile…</translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation>Seite ein&amp;richten…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Allow Access to &amp;Folder…</source>
        <translation>Zugriff auf &amp;Ordner erlauben…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Suchen…</translation>
    </message>
    <message>
        <source>Find &amp;&amp; &amp;Replace…</source>
        <translation>Suchen &amp;&amp; &amp;Ersetzen…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>&amp;Rückwärts suchen</translation>
    </message>
    <message>
        <source>Use &amp;Selection for Find</source>
        <translation>&amp;Auswahl als Suchbegriff</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>E&amp;instellungen…</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>Inline &amp;Code</source>
        <translation>Inline-&amp;Code</translation>
    </message>
    <message>
        <source>Heading &amp;1</source>
        <translation>Überschrift &amp;1</translation>
    </message>
    <message>
        <source>Heading &amp;2</source>
        <translation>Überschrift &amp;2</translation>
    </message>
    <message>
        <source>Heading &amp;3</source>
        <translation>Überschrift &amp;3</translation>
    </message>
    <message>
        <source>Heading &amp;4</source>
        <translation>Überschrift &amp;4</translation>
    </message>
    <message>
        <source>Heading &amp;5</source>
        <translation>Überschrift &amp;5</translation>
    </message>
    <message>
        <source>Heading &amp;6</source>
        <translation>Überschrift &amp;6</translation>
    </message>
    <message>
        <source>&amp;Body Text</source>
        <translation>&amp;Fließtext</translation>
    </message>
    <message>
        <source>&amp;Bulleted List</source>
        <translation>Auf&amp;zählung</translation>
    </message>
    <message>
        <source>&amp;Numbered List</source>
        <translation>&amp;Nummerierte Liste</translation>
    </message>
    <message>
        <source>&amp;Task List</source>
        <translation>Aufgaben&amp;liste</translation>
    </message>
    <message>
        <source>Toggle Task &amp;Done</source>
        <translation>Erle&amp;digt umschalten</translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation>&amp;Einrücken</translation>
    </message>
    <message>
        <source>&amp;Outdent</source>
        <translation>A&amp;usrücken</translation>
    </message>
    <message>
        <source>Block&amp;quote</source>
        <translation>&amp;Zitat</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Zentriert</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>&amp;Blocksatz</translation>
    </message>
    <message>
        <source>&amp;UPPERCASE</source>
        <translation>&amp;GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <source>&amp;lowercase</source>
        <translation>&amp;kleinbuchstaben</translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <translation>&amp;Wortanfänge groß</translation>
    </message>
    <message>
        <source>Sort Lines &amp;A→Z</source>
        <translation>Zeilen sortieren &amp;A→Z</translation>
    </message>
    <message>
        <source>Sort Lines &amp;Z→A</source>
        <translation>Zeilen sortieren &amp;Z→A</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicate Lines</source>
        <translation>&amp;Doppelte Zeilen entfernen</translation>
    </message>
    <message>
        <source>Move Line &amp;Up</source>
        <translation>Zeile nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Line &amp;Down</source>
        <translation>Zeile nach &amp;unten</translation>
    </message>
    <message>
        <source>Du&amp;plicate Line</source>
        <translation>Zeile &amp;duplizieren</translation>
    </message>
    <message>
        <source>D&amp;elete Line</source>
        <translation>Zeile &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Select Line</source>
        <translation>Zeile &amp;auswählen</translation>
    </message>
    <message>
        <source>&amp;Link…</source>
        <translation>&amp;Link…</translation>
    </message>
    <message>
        <source>Code &amp;Block</source>
        <translation>&amp;Codeblock</translation>
    </message>
    <message>
        <source>&amp;Insert 3×3</source>
        <translation>3×3 &amp;einfügen</translation>
    </message>
    <message>
        <source>Format &amp;Table</source>
        <translation>Tabelle &amp;formatieren</translation>
    </message>
    <message>
        <source>Insert Row &amp;Above</source>
        <translation>Zeile &amp;oberhalb einfügen</translation>
    </message>
    <message>
        <source>Insert Row &amp;Below</source>
        <translation>Zeile &amp;unterhalb einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>&amp;Zeile löschen</translation>
    </message>
    <message>
        <source>Insert Column &amp;Left</source>
        <translation>Spalte &amp;links einfügen</translation>
    </message>
    <message>
        <source>Insert Column &amp;Right</source>
        <translation>Spalte &amp;rechts einfügen</translation>
    </message>
    <message>
        <source>D&amp;elete Column</source>
        <translation>&amp;Spalte löschen</translation>
    </message>
    <message>
        <source>Align Column Le&amp;ft</source>
        <translation>Spalte links&amp;bündig</translation>
    </message>
    <message>
        <source>Align Column Ce&amp;nter</source>
        <translation>Spalte zen&amp;triert</translation>
    </message>
    <message>
        <source>Align Column Ri&amp;ght</source>
        <translation>Spalte rechtsbündi&amp;g</translation>
    </message>
    <message>
        <source>Horizontal &amp;Rule</source>
        <translation>T&amp;rennlinie</translation>
    </message>
    <message>
        <source>&amp;Footnote</source>
        <translation>&amp;Fußnote</translation>
    </message>
    <message>
        <source>Table of &amp;Contents</source>
        <translation>&amp;Inhaltsverzeichnis</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Date</source>
        <translation>Heutiges &amp;Datum</translation>
    </message>
    <message>
        <source>Co&amp;mment</source>
        <translation>&amp;Kommentar</translation>
    </message>
    <message>
        <source>&amp;Document Info…</source>
        <translation>&amp;Dokumentinfo…</translation>
    </message>
    <message>
        <source>AI &amp;Assist…</source>
        <translation>&amp;KI-Assistent…</translation>
    </message>
    <message>
        <source>&amp;Translate…</source>
        <translation>&amp;Übersetzen…</translation>
    </message>
    <message>
        <source>&amp;Suggest Continuation</source>
        <translation>&amp;Fortsetzung vorschlagen</translation>
    </message>
    <message>
        <source>&amp;Clean Up Markdown</source>
        <translation>Markdown &amp;bereinigen</translation>
    </message>
    <message>
        <source>&amp;Version History…</source>
        <translation>&amp;Versionsverlauf…</translation>
    </message>
    <message>
        <source>Snapshot &amp;Now</source>
        <translation>Version &amp;jetzt sichern</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>An &amp;Breite anpassen</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>An &amp;Seite anpassen</translation>
    </message>
    <message>
        <source>Open &amp;Folder…</source>
        <translation>O&amp;rdner öffnen…</translation>
    </message>
    <message>
        <source>Toggle &amp;Distraction-Free</source>
        <translation>&amp;Ablenkungsfreier Modus</translation>
    </message>
    <message>
        <source>&amp;Command Palette…</source>
        <translation>Befehls&amp;palette…</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Welcome to Brindlewick</source>
        <translation>&amp;Willkommen bei Brindlewick</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New</source>
        <translation>&amp;Neuigkeiten</translation>
    </message>
    <message>
        <source>Markdown &amp;Cheat Sheet</source>
        <translation>Markdown-&amp;Kurzreferenz</translation>
    </message>
    <message>
        <source>&amp;About Brindlewick</source>
        <translation>&amp;Über Brindlewick</translation>
    </message>
</context>
<context>
    <name>OpenableFile</name>
    <message>
        <source>“%1” does not exist.</source>
        <translation>„%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a text file.</source>
        <translation>„%1“ ist ein Ordner, keine Textdatei.</translation>
    </message>
    <message>
        <source>“%1” is a pipe, not a text file.</source>
        <translation>„%1“ ist eine Pipe, keine Textdatei.</translation>
    </message>
    <message>
        <source>“%1” is a socket, not a text file.</source>
        <translation>„%1“ ist ein Socket, keine Textdatei.</translation>
    </message>
    <message>
        <source>“%1” is a device, not a text file.</source>
        <translation>„%1“ ist ein Gerät, keine Textdatei.</translation>
    </message>
    <message>
        <source>“%1” is larger than %L2 MB and is not opened.</source>
        <translation>„%1“ ist größer als %L2 MB und wird nicht geöffnet.</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>It does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It is a folder, not a text file.</source>
        <translation>Das ist ein Ordner, keine Textdatei.</translation>
    </message>
    <message>
        <source>It is a pipe, not a text file.</source>
        <translation>Das ist eine Pipe, keine Textdatei.</translation>
    </message>
    <message>
        <source>It is a socket, not a text file.</source>
        <translation>Das ist ein Socket, keine Textdatei.</translation>
    </message>
    <message>
        <source>It is a device, not a text file.</source>
        <translation>Das ist ein Gerät, keine Textdatei.</translation>
    </message>
    <message>
        <source>It is larger than %L1 MB.</source>
        <translation>Die Datei ist größer als %L1 MB.</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>OutlineSidebar</name>
    <message>
        <source>Outline</source>
        <translation>Gliederung</translation>
    </message>
    <message>
        <source>No headings</source>
        <translation>Keine Überschriften</translation>
    </message>
</context>
<context>
    <name>PDFStamper</name>
    <message>
        <source>the PDF has no pages</source>
        <translation>das PDF hat keine Seiten</translation>
    </message>
    <message>
        <source>the header and footer could not be drawn</source>
        <translation>Kopf- und Fußzeile konnten nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>PagedDocumentLayout</name>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Fußzeile</translation>
    </message>
</context>
<context>
    <name>PersonalDictionary</name>
    <message>
        <source>“%1” cannot be added to the dictionary.</source>
        <translation>„%1“ kann nicht zum Wörterbuch hinzugefügt werden.</translation>
    </message>
    <message>
        <source>“%1” is not a file that the word list can be written to.</source>
        <translation>„%1“ ist keine Datei, in die die Wortliste geschrieben werden kann.</translation>
    </message>
</context>
<context>
    <name>PrintController</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Das PDF konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing…</source>
        <translation>Wird gedruckt…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QuickOpenSheet</name>
    <message>
        <source>Quick Open</source>
        <translation>Schnell öffnen</translation>
    </message>
    <message>
        <source>Open recent…</source>
        <translation>Zuletzt geöffnet…</translation>
    </message>
    <message>
        <source>Search recent documents</source>
        <translation>Zuletzt geöffnete Dokumente durchsuchen</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>Keine zuletzt geöffneten Dokumente</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the folder “%1” does not exist.</source>
        <translation>der Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>the folder “%1” is read-only.</source>
        <translation>der Ordner „%1“ ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>“%1” is read-only.</source>
        <translation>„%1“ ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>the disk is full.</source>
        <translation>der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>the disk is read-only.</source>
        <translation>der Datenträger ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>“%1” is not a file (it is a folder, a device, a pipe or a socket); nothing was written to it.</source>
        <translation>„%1“ ist keine Datei (sondern ein Ordner, ein Gerät, eine Pipe oder ein Socket); es wurde nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>the name “%1” is too long; choose a shorter one.</source>
        <translation>der Name „%1“ ist zu lang; wählen Sie einen kürzeren.</translation>
    </message>
    <message>
        <source>its path is too long; choose a folder with a shorter path.</source>
        <translation>sein Pfad ist zu lang; wählen Sie einen Ordner mit kürzerem Pfad.</translation>
    </message>
    <message>
        <source>the links on the way to “%1” go round in a circle and never reach a file; nothing was written to it.</source>
        <translation>die Verknüpfungen auf dem Weg zu „%1“ führen im Kreis und erreichen nie eine Datei; es wurde nichts hineingeschrieben.</translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
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
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>My Theme %1</source>
        <translation>Mein Design %1</translation>
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
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Relaunch Brindlewick to apply a new language.</source>
        <translation>Starten Sie Brindlewick neu, um die neue Sprache zu übernehmen.</translation>
    </message>
    <message>
        <source>Editing mode</source>
        <translation>Bearbeitungsmodus</translation>
    </message>
    <message>
        <source>WYSIWYG</source>
        <translation>WYSIWYG</translation>
    </message>
    <message>
        <source>Markdown Source</source>
        <translation>Markdown-Quelltext</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Serif</source>
        <translation>Serif</translation>
    </message>
    <message>
        <source>Monospaced</source>
        <translation>Feste Breite</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>Zeilenabstand</translation>
    </message>
    <message>
        <source>Writing goal</source>
        <translation>Schreibziel</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Page margin</source>
        <translation>Seitenrand</translation>
    </message>
    <message>
        <source>Focus mode (dim inactive paragraphs)</source>
        <translation>Fokusmodus (inaktive Absätze abblenden)</translation>
    </message>
    <message>
        <source>Typewriter scrolling (keep caret centered)</source>
        <translation>Schreibmaschinenmodus (Cursor mittig halten)</translation>
    </message>
    <message>
        <source>Text direction</source>
        <translation>Textrichtung</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Left-to-Right</source>
        <translation>Links nach rechts</translation>
    </message>
    <message>
        <source>Right-to-Left</source>
        <translation>Rechts nach links</translation>
    </message>
    <message>
        <source>Spelling language</source>
        <translation>Rechtschreibsprache</translation>
    </message>
    <message>
        <source>Reveal Markdown syntax on the active line</source>
        <translation>Markdown-Syntax in der aktiven Zeile zeigen</translation>
    </message>
    <message>
        <source>When on, the raw markdown (**, #, `) appears on the line your cursor is on. Off keeps it hidden while you edit.</source>
        <translation>Wenn aktiviert, erscheint das rohe Markdown (**, #, `) in der Zeile, in der der Cursor steht. Wenn deaktiviert, bleibt es beim Bearbeiten verborgen.</translation>
    </message>
    <message>
        <source>Check spelling while typing</source>
        <translation>Rechtschreibung während der Eingabe prüfen</translation>
    </message>
    <message>
        <source>Auto-pair markers around selection</source>
        <translation>Markierungen automatisch um die Auswahl setzen</translation>
    </message>
    <message>
        <source>Auto-pair wraps the selected text when you type * _ ` or [.</source>
        <translation>Umschließt den ausgewählten Text, wenn Sie * _ ` oder [ eingeben.</translation>
    </message>
    <message>
        <source>Reopen documents from last session on launch</source>
        <translation>Dokumente der letzten Sitzung beim Start wieder öffnen</translation>
    </message>
    <message>
        <source>Files you had open are reopened the next time you start Brindlewick.</source>
        <translation>Geöffnete Dateien werden beim nächsten Start von Brindlewick wieder geöffnet.</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>DeepSeek (cloud)</source>
        <translation>DeepSeek (Cloud)</translation>
    </message>
    <message>
        <source>Ollama (local)</source>
        <translation>Ollama (lokal)</translation>
    </message>
    <message>
        <source>Custom (OpenAI-compatible)</source>
        <translation>Eigener (OpenAI-kompatibel)</translation>
    </message>
    <message>
        <source>DeepSeek API Key (sk-…)</source>
        <translation>DeepSeek-API-Schlüssel (sk-…)</translation>
    </message>
    <message>
        <source>Stored locally; sent only to DeepSeek. Get one at %1.</source>
        <translation>Wird lokal gespeichert und nur an DeepSeek gesendet. Einen Schlüssel erhalten Sie unter %1.</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>Basis-URL</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Runs entirely on this computer — no key, nothing leaves the device. Requires Ollama installed and running.</source>
        <translation>Läuft vollständig auf diesem Computer – kein Schlüssel, nichts verlässt das Gerät. Ollama muss installiert sein und laufen.</translation>
    </message>
    <message>
        <source>Endpoint URL</source>
        <translation>Endpunkt-URL</translation>
    </message>
    <message>
        <source>API Key (optional)</source>
        <translation>API-Schlüssel (optional)</translation>
    </message>
    <message>
        <source>Automatic inline suggestions</source>
        <translation>Automatische Vorschläge im Text</translation>
    </message>
    <message>
        <source>When on, Brindlewick asks your AI provider to continue your text after you pause typing — one request per pause, so it may incur cost on cloud providers. Press Tab to accept a suggestion, Esc to dismiss. You can also trigger one manually from Tools ▸ Suggest Continuation.</source>
        <translation>Wenn aktiviert, bittet Brindlewick Ihren KI-Anbieter, Ihren Text fortzusetzen, sobald Sie beim Tippen innehalten – eine Anfrage pro Pause, was bei Cloud-Anbietern Kosten verursachen kann. Drücken Sie Tab, um einen Vorschlag anzunehmen, oder Esc, um ihn zu verwerfen. Sie können einen Vorschlag auch über Extras ▸ Fortsetzung vorschlagen anfordern.</translation>
    </message>
    <message>
        <source>Appended to the export stylesheet. Also enables MathJax ($$…$$) and Mermaid (```mermaid) in exported HTML.</source>
        <translation>Wird an das Export-Stylesheet angehängt. Aktiviert außerdem MathJax ($$…$$) und Mermaid (```mermaid) im exportierten HTML.</translation>
    </message>
    <message>
        <source>Toolbar groups</source>
        <translation>Gruppen der Werkzeugleiste</translation>
    </message>
    <message>
        <source>Formatting (headings, bold, italic…)</source>
        <translation>Formatierung (Überschriften, fett, kursiv…)</translation>
    </message>
    <message>
        <source>Links &amp; media</source>
        <translation>Links &amp; Medien</translation>
    </message>
    <message>
        <source>Lists &amp; blocks</source>
        <translation>Listen &amp; Blöcke</translation>
    </message>
    <message>
        <source>Indent / outdent</source>
        <translation>Einrücken / Ausrücken</translation>
    </message>
    <message>
        <source>%1 (no dictionary installed)</source>
        <translation>%1 (kein Wörterbuch installiert)</translation>
    </message>
    <message>
        <source>Custom CSS for every export (HTML, PDF, Word, OpenDocument, Rich Text)</source>
        <translation>Eigenes CSS für alle Exporte (HTML, PDF, Word, OpenDocument, Rich Text)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Behavior</source>
        <translation>Verhalten</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>KI</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Snippets</source>
        <translation>Textbausteine</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Press keys…</source>
        <translation>Tasten drücken…</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
</context>
<context>
    <name>ShortcutsSettingsView</name>
    <message>
        <source>Assign your own keys to any command. Combinations must include Ctrl or Meta. Menu shortcuts take priority, so prefer unused combinations.</source>
        <translation>Weisen Sie jedem Befehl eigene Tasten zu. Kombinationen müssen Ctrl oder Meta enthalten. Tastenkürzel der Menüs haben Vorrang, wählen Sie daher unbelegte Kombinationen.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Tastenkürzel entfernen</translation>
    </message>
    <message>
        <source>conflicts with %1</source>
        <translation>kollidiert mit %1</translation>
    </message>
</context>
<context>
    <name>SnippetsSettingsView</name>
    <message>
        <source>Type a trigger and press Tab to expand. Use $| for the caret and $date for today.</source>
        <translation>Geben Sie ein Kürzel ein und drücken Sie Tab, um es zu erweitern. $| steht für den Cursor, $date für das heutige Datum.</translation>
    </message>
    <message>
        <source>Add snippet</source>
        <translation>Textbaustein hinzufügen</translation>
    </message>
    <message>
        <source>Remove snippet</source>
        <translation>Textbaustein entfernen</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>expansion</source>
        <translation>Ersetzungstext</translation>
    </message>
</context>
<context>
    <name>StatsPopover</name>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>Ohne Leerzeichen</translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Absätze</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Reading time</source>
        <translation>Lesezeit</translation>
    </message>
    <message>
        <source>~%1 min</source>
        <translation>~%1 Min.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Zoom Out (Ctrl+−)</source>
        <translation>Verkleinern (Ctrl+−)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>An Breite anpassen</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>An Seite anpassen</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>Vergrößern (Ctrl++)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters</source>
        <translation>
            <numerusform>%n Zeichen</numerusform>
            <numerusform>%n Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>~%1 min read</source>
        <translation>~%1 Min. Lesezeit</translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n ausgewählt</numerusform>
            <numerusform>%n ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Goal %1/%2</source>
        <translation>Ziel %1/%2</translation>
    </message>
</context>
<context>
    <name>TableGridPicker</name>
    <message>
        <source>%1 by %2 table</source>
        <translation>Tabelle %1 mal %2</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Tabelle einfügen</translation>
    </message>
    <message>
        <source>%1 × %2 table</source>
        <translation>Tabelle %1 × %2</translation>
    </message>
</context>
<context>
    <name>TemplateStore</name>
    <message>
        <source>Blank</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Meeting Notes</source>
        <translation>Besprechungsnotizen</translation>
    </message>
    <message>
        <source>README</source>
        <translation>README</translation>
    </message>
    <message>
        <source>Blog Post</source>
        <translation>Blogbeitrag</translation>
    </message>
    <message>
        <source>Daily Journal</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>To-Do List</source>
        <translation>To-do-Liste</translation>
    </message>
    <message>
        <source>Table Starter</source>
        <translation>Tabellengerüst</translation>
    </message>
</context>
<context>
    <name>TextViewCommands</name>
    <message>
        <source>Save Pasted Image</source>
        <translation>Eingefügtes Bild speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
</context>
<context>
    <name>TranslateSheet</name>
    <message>
        <source>Translate</source>
        <translation>Übersetzen</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable translation.</source>
        <translation>Tragen Sie Ihren DeepSeek-API-Schlüssel in den Einstellungen unter „KI“ ein, um die Übersetzung zu nutzen.</translation>
    </message>
    <message>
        <source>Translating…</source>
        <translation>Wird übersetzt…</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Or type a language</source>
        <translation>Oder Sprache eingeben</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>Ganzes Dokument</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
</context>
<context>
    <name>TranslationError</name>
    <message>
        <source>Invalid AI endpoint. Check Settings ▸ AI.</source>
        <translation>Ungültiger KI-Endpunkt. Prüfen Sie Einstellungen ▸ KI.</translation>
    </message>
    <message>
        <source>The API key contains line breaks or control characters. Check Settings ▸ AI.</source>
        <translation>Der API-Schlüssel enthält Zeilenumbrüche oder Steuerzeichen. Prüfen Sie Einstellungen ▸ KI.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Zeitüberschreitung bei der Anfrage.</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings first.</source>
        <translation>Tragen Sie zuerst Ihren DeepSeek-API-Schlüssel in den Einstellungen unter „KI“ ein.</translation>
    </message>
    <message>
        <source>The translation service returned an unexpected response.</source>
        <translation>Der Übersetzungsdienst hat eine unerwartete Antwort geliefert.</translation>
    </message>
    <message>
        <source>HTTP %1 from server</source>
        <translation>HTTP %1 vom Server</translation>
    </message>
    <message>
        <source>HTTP %1 from %2</source>
        <translation>HTTP %1 von %2</translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The current text could not be kept as a version, so nothing was restored.

%1</source>
        <translation>Der aktuelle Text konnte nicht als Version gesichert werden; daher wurde nichts wiederhergestellt.

%1</translation>
    </message>
</context>
<context>
    <name>VersionHistoryView</name>
    <message>
        <source>Version History</source>
        <translation>Versionsverlauf</translation>
    </message>
    <message>
        <source>Save this document first</source>
        <translation>Speichern Sie zuerst dieses Dokument</translation>
    </message>
    <message>
        <source>Version history is kept per file, so an untitled document has no history until it is saved.</source>
        <translation>Der Versionsverlauf wird je Datei geführt; ein unbenanntes Dokument hat daher erst nach dem Speichern einen Verlauf.</translation>
    </message>
    <message>
        <source>Snapshot Now</source>
        <translation>Version jetzt sichern</translation>
    </message>
    <message>
        <source>No versions saved yet</source>
        <translation>Noch keine Versionen gesichert</translation>
    </message>
    <message>
        <source>Brindlewick snapshots this document as you edit. Use “Snapshot Now” to capture one immediately.</source>
        <translation>Brindlewick sichert beim Bearbeiten Versionen dieses Dokuments. Mit „Version jetzt sichern“ legen Sie sofort eine an.</translation>
    </message>
    <message>
        <source>Select a version to preview</source>
        <translation>Wählen Sie eine Version für die Vorschau</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>Keine Änderungen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Diese Version wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
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
        <translation>Das Dokument konnte nicht geändert werden; daher wurde die Version nicht wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>VersionStore</name>
    <message>
        <source>Could not save a version of “%1”: %2</source>
        <translation>Eine Version von „%1“ konnte nicht gesichert werden: %2</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be written.</source>
        <translation>in den Ordner „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Could not delete the version: %1</source>
        <translation>Die Version konnte nicht gelöscht werden: %1</translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Welcome to Brindlewick</source>
        <translation>Willkommen bei Brindlewick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A clean, native Markdown editor.</source>
        <translation>Ein aufgeräumter, nativer Markdown-Editor.</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Neues Dokument</translation>
    </message>
    <message>
        <source>New from Template…</source>
        <translation>Neu aus Vorlage…</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Markdown Cheat Sheet</source>
        <translation>Markdown-Kurzreferenz</translation>
    </message>
    <message>
        <source>Show this window when Brindlewick opens</source>
        <translation>Dieses Fenster beim Start von Brindlewick anzeigen</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>Keine zuletzt geöffneten Dokumente</translation>
    </message>
</context>
<context>
    <name>WhatsNewWindow</name>
    <message>
        <source>What&apos;s New</source>
        <translation>Neuigkeiten</translation>
    </message>
    <message>
        <source>What&apos;s New in Brindlewick</source>
        <translation>Neu in Brindlewick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>WindowFiles</name>
    <message>
        <source>A version of the document could not be saved.</source>
        <translation>Eine Version des Dokuments konnte nicht gesichert werden.</translation>
    </message>
    <message>
        <source>A version of the document “%1” could not be saved.</source>
        <translation>Eine Version des Dokuments „%1“ konnte nicht gesichert werden.</translation>
    </message>
</context>
</TS>
