<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AIActions</name>
    <message>
        <source>Improve Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix Spelling &amp; Grammar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Shorter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Longer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Professional Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Casual Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summarize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draft from Outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest Title &amp; Tags</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AIAssistSheet</name>
    <message>
        <source>AI Assist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable the assist actions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom instruction (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AssistRunner</name>
    <message>
        <source>The text changed while the answer was on its way, so nothing was changed. Run it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer was empty, so nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The editor did not accept the change.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AssistSheet</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scope</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutosaveStore</name>
    <message>
        <source>The autosave folder “%1” could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The autosave folder “%1” cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchExport</name>
    <message>
        <source>Another file of the folder is exported as “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not valid UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file to be written already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n files to be written already exist.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Replacing them overwrites their current contents:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Markdown files found in that folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported 1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Exported %n files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not exported:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Exported %1 of %n files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchExporter</name>
    <message>
        <source>Exporting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandCategory</name>
    <message>
        <source>Headings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists &amp; Blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandPalette</name>
    <message>
        <source>Command Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a command…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matching commands</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandRegistry</name>
    <message>
        <source>Heading 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment (HTML)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle Task Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table (2×2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table (3×3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table: Insert Row Above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table: Insert Row Below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table: Delete Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table: Insert Column Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table: Insert Column Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table: Delete Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table: Align Column Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table: Align Column Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table: Align Column Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UPPERCASE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lowercase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Lines A→Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Lines Z→A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Duplicate Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Line Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Line Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle WYSIWYG / Markdown Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest Continuation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as HTML…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as Rich Text…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as Word…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as OpenDocument…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as HTML</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomThemesEditor</name>
    <message>
        <source>Custom themes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a theme to start from the current colours, then edit them here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use This Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>Do you want to save the changes made to the document “%1”?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don’t Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file of the document “%1” was moved or deleted by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document “%1” was changed by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save your version to write the file again, save it under another name, or leave the file removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep your version to overwrite the file, reload the version on disk (your changes can be undone), or save your version under another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document “%1” could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document “%1” could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is open in another window. Close that window first, or choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved text cannot be kept for the next launch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document “%1” could not be autosaved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file “%1” was moved or deleted by another program; it was not written again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was changed by another program; it was not overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorToolbar</name>
    <message>
        <source>Formatting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paragraph style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Justify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI Assist…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translate…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version History…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to Markdown source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to WYSIWYG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportPresets</name>
    <message>
        <source>Academic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Academic PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportPresetsView</name>
    <message>
        <source>HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenDocument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom CSS (appended after the theme)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select or add a preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export With This Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <source>PDF pages are made by the page renderer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document “%1” could not be exported as PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document “%1” could not be exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document “%1” could not be converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML Page (*.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text Document (*.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word Document (*.docx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileBrowserSidebar</name>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh file list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folder open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Markdown files here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to browse.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 match</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrontMatterEditor</name>
    <message>
        <source>Document Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comma, separated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored as YAML front matter at the top of the document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeaderFooterEditor</name>
    <message>
        <source>Page Header &amp; Footer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown on printed and exported pages. Markdown has no header/footer concept, so these apply to output only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. {title}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. Page {page} of {pages}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tokens:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageInsertView</name>
    <message>
        <source>Insert Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt text (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkEditorView</name>
    <message>
        <source>Insert Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MarkdownDocument</name>
    <message>
        <source>The file is not valid UTF-8 text (byte 0x%1 at offset %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not valid UTF-8 text (byte 0x%2 at offset %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain text (*.txt *.text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MarkdownTextView</name>
    <message>
        <source>Markdown editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Guesses Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ignore Spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word could not be added to the dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is accepted until the program quits, but it could not be kept: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Open the Menu Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show File &amp;Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide File &amp;Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Out&amp;line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Out&amp;line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Minimap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Minimap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Markdown Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show WYSIWYG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manage Export Presets…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Brindlewick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlewick %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Markdown editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Batch Export Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Align</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Li&amp;nes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New from &amp;Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quic&amp;k Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As &amp;HTML…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As &amp;PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As &amp;Word…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As &amp;OpenDocument…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As &amp;Rich Text…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy as HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Header &amp;&amp; Footer…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Access to &amp;Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;&amp; &amp;Replace…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;Selection for Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inline &amp;Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading &amp;3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading &amp;4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading &amp;5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading &amp;6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Body Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bulleted List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Numbered List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Task List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle Task &amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Outdent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block&amp;quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;UPPERCASE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;lowercase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Lines &amp;A→Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Lines &amp;Z→A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove &amp;Duplicate Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Line &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Line &amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Du&amp;plicate Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;elete Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Link…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code &amp;Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert 3×3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format &amp;Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Row &amp;Above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Row &amp;Below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Column &amp;Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Column &amp;Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;elete Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Column Le&amp;ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Column Ce&amp;nter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Column Ri&amp;ght</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal &amp;Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Footnote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table of &amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Document Info…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI &amp;Assist…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Translate…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Suggest Continuation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clean Up Markdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Version History…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshot &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle &amp;Distraction-Free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Command Palette…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Welcome to Brindlewick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s &amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markdown &amp;Cheat Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Brindlewick</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenableFile</name>
    <message>
        <source>“%1” does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a folder, not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a pipe, not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a socket, not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a device, not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is larger than %L2 MB and is not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a folder, not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a pipe, not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a socket, not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a device, not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than %L1 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutlineSidebar</name>
    <message>
        <source>Outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No headings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PDFStamper</name>
    <message>
        <source>the PDF has no pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the header and footer could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PagedDocumentLayout</name>
    <message>
        <source>Header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PersonalDictionary</name>
    <message>
        <source>“%1” cannot be added to the dictionary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a file that the word list can be written to.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintController</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuickOpenSheet</name>
    <message>
        <source>Quick Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open recent…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search recent documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matches</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the folder “%1” does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder “%1” is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>System Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Theme %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsPages</name>
    <message>
        <source>%1 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relaunch Brindlewick to apply a new language.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editing mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WYSIWYG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markdown Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monospaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus mode (dim inactive paragraphs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typewriter scrolling (keep caret centered)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left-to-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right-to-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reveal Markdown syntax on the active line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When on, the raw markdown (**, #, `) appears on the line your cursor is on. Off keeps it hidden while you edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check spelling while typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-pair markers around selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-pair wraps the selected text when you type * _ ` or [.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reopen documents from last session on launch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files you had open are reopened the next time you start Brindlewick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DeepSeek (cloud)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ollama (local)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom (OpenAI-compatible)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DeepSeek API Key (sk-…)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored locally; sent only to DeepSeek. Get one at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs entirely on this computer — no key, nothing leaves the device. Requires Ollama installed and running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Endpoint URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>API Key (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic inline suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When on, Brindlewick asks your AI provider to continue your text after you pause typing — one request per pause, so it may incur cost on cloud providers. Press Tab to accept a suggestion, Esc to dismiss. You can also trigger one manually from Tools ▸ Suggest Continuation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom CSS for HTML/PDF export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appended to the export stylesheet. Also enables MathJax ($$…$$) and Mermaid (```mermaid) in exported HTML.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formatting (headings, bold, italic…)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links &amp; media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists &amp; blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indent / outdent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Behavior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snippets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Press keys…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShortcutsSettingsView</name>
    <message>
        <source>Assign your own keys to any command. Combinations must include Ctrl or Meta. Menu shortcuts take priority, so prefer unused combinations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>conflicts with %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SnippetsSettingsView</name>
    <message>
        <source>Type a trigger and press Tab to expand. Use $| for the caret and $date for today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add snippet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove snippet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expansion</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatsPopover</name>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>~%1 min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Zoom Out (Ctrl+−)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>~%1 min read</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Goal %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableGridPicker</name>
    <message>
        <source>%1 by %2 table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplateStore</name>
    <message>
        <source>Blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meeting Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>README</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blog Post</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily Journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To-Do List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table Starter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextViewCommands</name>
    <message>
        <source>Save Pasted Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TranslateSheet</name>
    <message>
        <source>Translate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable translation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translating…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or type a language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TranslationError</name>
    <message>
        <source>Invalid AI endpoint. Check Settings ▸ AI.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The API key contains line breaks or control characters. Check Settings ▸ AI.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The translation service returned an unexpected response.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTP %1 from server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTP %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current text could not be kept as a version, so nothing was restored.

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VersionHistoryView</name>
    <message>
        <source>Version History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this document first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version history is kept per file, so an untitled document has no history until it is saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshot Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No versions saved yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlewick snapshots this document as you edit. Use “Snapshot Now” to capture one immediately.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a version to preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>+%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>−%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document could not be changed, so the version was not restored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VersionStore</name>
    <message>
        <source>Could not save a version of “%1”: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder “%1” cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not delete the version: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Welcome to Brindlewick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A clean, native Markdown editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New from Template…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markdown Cheat Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this window when Brindlewick opens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WhatsNewWindow</name>
    <message>
        <source>What&apos;s New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s New in Brindlewick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowFiles</name>
    <message>
        <source>A version of the document could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
