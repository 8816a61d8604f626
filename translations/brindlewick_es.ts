<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AIActions</name>
    <message>
        <source>Improve Writing</source>
        <translation>Mejorar la redacción</translation>
    </message>
    <message>
        <source>Fix Spelling &amp; Grammar</source>
        <translation>Corregir ortografía y gramática</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>Reescribir</translation>
    </message>
    <message>
        <source>Make Shorter</source>
        <translation>Acortar</translation>
    </message>
    <message>
        <source>Make Longer</source>
        <translation>Alargar</translation>
    </message>
    <message>
        <source>Professional Tone</source>
        <translation>Tono profesional</translation>
    </message>
    <message>
        <source>Casual Tone</source>
        <translation>Tono informal</translation>
    </message>
    <message>
        <source>Summarize</source>
        <translation>Resumir</translation>
    </message>
    <message>
        <source>Draft from Outline</source>
        <translation>Redactar a partir del esquema</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Explicar</translation>
    </message>
    <message>
        <source>Suggest Title &amp; Tags</source>
        <translation>Sugerir título y etiquetas</translation>
    </message>
</context>
<context>
    <name>AIAssistSheet</name>
    <message>
        <source>AI Assist</source>
        <translation>Asistente de IA</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable the assist actions.</source>
        <translation>Añada su clave de API de DeepSeek en la pestaña IA de Preferencias para activar las acciones del asistente.</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>Procesando…</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Custom instruction (optional)</source>
        <translation>Instrucción (opcional)</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>Todo el documento</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message numerus="yes">
        <source>%n files or links were not opened.</source>
        <translation>
            <numerusform>%n archivo o enlace no se abrió.</numerusform>
            <numerusform>%n archivos o enlaces no se abrieron.</numerusform>
        </translation>
    </message>
    <message>
        <source>One request opens at most %1 of them. Not opened:
%2</source>
        <translation>Una solicitud abre como máximo %1. No abiertos:
%2</translation>
    </message>
</context>
<context>
    <name>AssistRunner</name>
    <message>
        <source>The text changed while the answer was on its way, so nothing was changed. Run it again.</source>
        <translation>El texto cambió mientras llegaba la respuesta, así que no se ha modificado nada. Vuelva a ejecutarlo.</translation>
    </message>
    <message>
        <source>The answer was empty, so nothing was changed.</source>
        <translation>La respuesta estaba vacía, así que no se ha modificado nada.</translation>
    </message>
    <message>
        <source>The editor did not accept the change.</source>
        <translation>El editor no aceptó el cambio.</translation>
    </message>
</context>
<context>
    <name>AssistSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Alcance</translation>
    </message>
</context>
<context>
    <name>AutosaveStore</name>
    <message>
        <source>The autosave folder “%1” could not be created.</source>
        <translation>No se ha podido crear la carpeta de guardado automático «%1».</translation>
    </message>
    <message>
        <source>The autosave folder “%1” cannot be written: %2</source>
        <translation>No se puede escribir en la carpeta de guardado automático «%1»: %2</translation>
    </message>
</context>
<context>
    <name>BatchExport</name>
    <message>
        <source>Another file of the folder is exported as “%1”.</source>
        <translation>Otro archivo de la carpeta se exporta como «%1».</translation>
    </message>
    <message>
        <source>It is not valid UTF-8 text.</source>
        <translation>No es texto UTF-8 válido.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>A file to be written already exists.</source>
        <translation>Ya existe un archivo que se va a escribir.</translation>
    </message>
    <message numerus="yes">
        <source>%n files to be written already exist.</source>
        <translation>
            <numerusform>Ya existe %n archivo que se va a escribir.</numerusform>
            <numerusform>Ya existen %n archivos que se van a escribir.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replacing them overwrites their current contents:
</source>
        <translation>Al reemplazar se sobrescribe el contenido actual de:
</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Guardado en %1.</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Nada que exportar</translation>
    </message>
    <message>
        <source>No Markdown files found in that folder.</source>
        <translation>No hay archivos Markdown en esa carpeta.</translation>
    </message>
    <message>
        <source>Exported 1 file</source>
        <translation>1 archivo exportado</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n files</source>
        <translation>
            <numerusform>%n archivo exportado</numerusform>
            <numerusform>%n archivos exportados</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Not exported:</source>
        <translation>Sin exportar:</translation>
    </message>
    <message numerus="yes">
        <source>Exported %1 of %n files</source>
        <translation>
            <numerusform>Archivos exportados: %1 de %n</numerusform>
            <numerusform>Archivos exportados: %1 de %n</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” is a link to another file; it was not replaced.</source>
        <translation>«%1» es un enlace a otro archivo; no se ha reemplazado.</translation>
    </message>
</context>
<context>
    <name>BatchExporter</name>
    <message>
        <source>Exporting…</source>
        <translation>Exportando…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>It could not be written.</source>
        <translation>No se ha podido escribir.</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to export.</source>
        <translation>Elija una carpeta de archivos Markdown para exportar.</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>Exportar todo</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
</context>
<context>
    <name>CommandCategory</name>
    <message>
        <source>Headings</source>
        <translation>Títulos</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Lists &amp; Blocks</source>
        <translation>Listas y bloques</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformar</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
</context>
<context>
    <name>CommandPalette</name>
    <message>
        <source>Command Palette</source>
        <translation>Paleta de comandos</translation>
    </message>
    <message>
        <source>Type a command…</source>
        <translation>Escriba un comando…</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>Buscar comandos</translation>
    </message>
    <message>
        <source>No matching commands</source>
        <translation>Ningún comando coincide</translation>
    </message>
</context>
<context>
    <name>CommandRegistry</name>
    <message>
        <source>Heading 1</source>
        <translation>Título 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Título 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Título 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Título 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Título 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Título 6</translation>
    </message>
    <message>
        <source>Body Text</source>
        <translation>Cuerpo de texto</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Negrita cursiva</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Código en línea</translation>
    </message>
    <message>
        <source>Comment (HTML)</source>
        <translation>Comentario (HTML)</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>Lista con viñetas</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>Lista numerada</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Lista de tareas</translation>
    </message>
    <message>
        <source>Toggle Task Done</source>
        <translation>Marcar/desmarcar tarea</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>Cita</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Bloque de código</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Aumentar sangría</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Reducir sangría</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Línea horizontal</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>Nota al pie</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Tabla de contenido</translation>
    </message>
    <message>
        <source>Today&apos;s Date</source>
        <translation>Fecha de hoy</translation>
    </message>
    <message>
        <source>Table (2×2)</source>
        <translation>Tabla (2×2)</translation>
    </message>
    <message>
        <source>Table (3×3)</source>
        <translation>Tabla (3×3)</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>Fórmula en línea</translation>
    </message>
    <message>
        <source>Format Table</source>
        <translation>Formatear tabla</translation>
    </message>
    <message>
        <source>Table: Insert Row Above</source>
        <translation>Tabla: insertar fila encima</translation>
    </message>
    <message>
        <source>Table: Insert Row Below</source>
        <translation>Tabla: insertar fila debajo</translation>
    </message>
    <message>
        <source>Table: Delete Row</source>
        <translation>Tabla: eliminar fila</translation>
    </message>
    <message>
        <source>Table: Insert Column Left</source>
        <translation>Tabla: insertar columna a la izquierda</translation>
    </message>
    <message>
        <source>Table: Insert Column Right</source>
        <translation>Tabla: insertar columna a la derecha</translation>
    </message>
    <message>
        <source>Table: Delete Column</source>
        <translation>Tabla: eliminar columna</translation>
    </message>
    <message>
        <source>Table: Align Column Left</source>
        <translation>Tabla: alinear columna a la izquierda</translation>
    </message>
    <message>
        <source>Table: Align Column Center</source>
        <translation>Tabla: centrar columna</translation>
    </message>
    <message>
        <source>Table: Align Column Right</source>
        <translation>Tabla: alinear columna a la derecha</translation>
    </message>
    <message>
        <source>UPPERCASE</source>
        <translation>MAYÚSCULAS</translation>
    </message>
    <message>
        <source>lowercase</source>
        <translation>minúsculas</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Tipo Título</translation>
    </message>
    <message>
        <source>Sort Lines A→Z</source>
        <translation>Ordenar líneas A→Z</translation>
    </message>
    <message>
        <source>Sort Lines Z→A</source>
        <translation>Ordenar líneas Z→A</translation>
    </message>
    <message>
        <source>Remove Duplicate Lines</source>
        <translation>Quitar líneas duplicadas</translation>
    </message>
    <message>
        <source>Move Line Up</source>
        <translation>Subir línea</translation>
    </message>
    <message>
        <source>Move Line Down</source>
        <translation>Bajar línea</translation>
    </message>
    <message>
        <source>Duplicate Line</source>
        <translation>Duplicar línea</translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation>Eliminar línea</translation>
    </message>
    <message>
        <source>Select Line</source>
        <translation>Seleccionar línea</translation>
    </message>
    <message>
        <source>Toggle WYSIWYG / Markdown Source</source>
        <translation>Alternar WYSIWYG / código Markdown</translation>
    </message>
    <message>
        <source>Suggest Continuation</source>
        <translation>Sugerir continuación</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>Limpiar Markdown</translation>
    </message>
    <message>
        <source>Export as HTML…</source>
        <translation>Exportar como HTML…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exportar como PDF…</translation>
    </message>
    <message>
        <source>Export as Rich Text…</source>
        <translation>Exportar como texto enriquecido…</translation>
    </message>
    <message>
        <source>Export as Word…</source>
        <translation>Exportar como Word…</translation>
    </message>
    <message>
        <source>Export as OpenDocument…</source>
        <translation>Exportar como OpenDocument…</translation>
    </message>
    <message>
        <source>Copy as HTML</source>
        <translation>Copiar como HTML</translation>
    </message>
</context>
<context>
    <name>CustomThemesEditor</name>
    <message>
        <source>Custom themes</source>
        <translation>Temas personalizados</translation>
    </message>
    <message>
        <source>Add Theme</source>
        <translation>Añadir tema</translation>
    </message>
    <message>
        <source>Add a theme to start from the current colours, then edit them here.</source>
        <translation>Añada un tema para partir de los colores actuales y edítelos aquí.</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>en uso</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Use This Theme</source>
        <translation>Usar este tema</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>Do you want to save the changes made to the document “%1”?</source>
        <translation>¿Desea guardar los cambios realizados en el documento «%1»?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Si no los guarda, se perderán los cambios.</translation>
    </message>
    <message>
        <source>Don’t Save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>The file of the document “%1” was moved or deleted by another program.</source>
        <translation>Otro programa ha movido o eliminado el archivo del documento «%1».</translation>
    </message>
    <message>
        <source>The document “%1” was changed by another program.</source>
        <translation>Otro programa ha modificado el documento «%1».</translation>
    </message>
    <message>
        <source>Save your version to write the file again, save it under another name, or leave the file removed.</source>
        <translation>Guarde su versión para volver a escribir el archivo, guárdela con otro nombre o deje el archivo eliminado.</translation>
    </message>
    <message>
        <source>Keep your version to overwrite the file, reload the version on disk (your changes can be undone), or save your version under another name.</source>
        <translation>Conserve su versión para sobrescribir el archivo, recargue la versión del disco (podrá deshacer sus cambios) o guarde su versión con otro nombre.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Conservar la mía</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>The document “%1” could not be opened.</source>
        <translation>No se ha podido abrir el documento «%1».</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Borrar re&amp;cientes</translation>
    </message>
    <message>
        <source>The last save of “%1” did not finish.</source>
        <translation>El último guardado de «%1» no terminó.</translation>
    </message>
    <message>
        <source>The file “%1” may be incomplete. This window holds the text that was being saved: write it back to the file, or keep it here for now.</source>
        <translation>Es posible que el archivo «%1» esté incompleto. Esta ventana contiene el texto que se estaba guardando: vuelva a escribirlo en el archivo o consérvelo aquí por ahora.</translation>
    </message>
    <message>
        <source>Write Back</source>
        <translation>Volver a escribir</translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>Sin título %1</translation>
    </message>
    <message>
        <source>The document “%1” could not be saved.</source>
        <translation>No se ha podido guardar el documento «%1».</translation>
    </message>
    <message>
        <source>“%1” is open in another window. Close that window first, or choose another name.</source>
        <translation>«%1» está abierto en otra ventana. Cierre primero esa ventana o elija otro nombre.</translation>
    </message>
    <message>
        <source>Unsaved text cannot be kept for the next launch.</source>
        <translation>El texto sin guardar no se puede conservar para el próximo inicio.</translation>
    </message>
    <message>
        <source>The document “%1” could not be autosaved.</source>
        <translation>No se ha podido guardar automáticamente el documento «%1».</translation>
    </message>
    <message>
        <source>The file “%1” was moved or deleted by another program; it was not written again.</source>
        <translation>Otro programa ha movido o eliminado el archivo «%1»; no se ha vuelto a escribir.</translation>
    </message>
    <message>
        <source>“%1” was changed by another program; it was not overwritten.</source>
        <translation>Otro programa ha modificado «%1»; no se ha sobrescrito.</translation>
    </message>
    <message>
        <source>%1 (recovered)</source>
        <translation>%1 (recuperado)</translation>
    </message>
</context>
<context>
    <name>EditorToolbar</name>
    <message>
        <source>Formatting</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Paragraph style</source>
        <translation>Estilo de párrafo</translation>
    </message>
    <message>
        <source>Insert Link</source>
        <translation>Insertar enlace</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>Cita</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Bloque de código</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Código en línea</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>Lista con viñetas</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>Lista numerada</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Lista de tareas</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Alinear a la izquierda</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Centrar</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Alinear a la derecha</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>Justificar</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Reducir sangría</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Aumentar sangría</translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation>Insertar imagen</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Insertar tabla</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Línea horizontal</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>Fórmula en línea</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>Nota al pie</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Tabla de contenido</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>Insertar fecha</translation>
    </message>
    <message>
        <source>AI Assist…</source>
        <translation>Asistente de IA…</translation>
    </message>
    <message>
        <source>Translate…</source>
        <translation>Traducir…</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>Limpiar Markdown</translation>
    </message>
    <message>
        <source>Version History…</source>
        <translation>Historial de versiones…</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Esquema</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Regla</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Paleta de comandos</translation>
    </message>
    <message>
        <source>All tools</source>
        <translation>Todas las herramientas</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Switch to Markdown source</source>
        <translation>Cambiar a código Markdown</translation>
    </message>
    <message>
        <source>Switch to WYSIWYG</source>
        <translation>Cambiar a WYSIWYG</translation>
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
        <translation>Académico</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Compacto</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Academic PDF</source>
        <translation>PDF académico</translation>
    </message>
    <message>
        <source>Clean PDF</source>
        <translation>PDF limpio</translation>
    </message>
    <message>
        <source>New Preset</source>
        <translation>Nuevo preajuste</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>Copia de %1</translation>
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
        <translation>Texto enriquecido</translation>
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
        <translation>Copiar HTML</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>Preajustes de exportación</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
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
        <translation>CSS personalizado (se añade tras el tema)</translation>
    </message>
    <message>
        <source>Select or add a preset</source>
        <translation>Seleccione o añada un preajuste</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Añadir preajuste</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Eliminar preajuste</translation>
    </message>
    <message>
        <source>Duplicate preset</source>
        <translation>Duplicar preajuste</translation>
    </message>
    <message>
        <source>Export With This Preset</source>
        <translation>Exportar con este preajuste</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <source>PDF pages are made by the page renderer.</source>
        <translation>Las páginas PDF las genera el motor de páginas.</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>No se ha podido convertir el documento.</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported as PDF.</source>
        <translation>No se ha podido exportar el documento «%1» como PDF.</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported.</source>
        <translation>No se ha podido exportar el documento «%1».</translation>
    </message>
    <message>
        <source>The document “%1” could not be converted.</source>
        <translation>No se ha podido convertir el documento «%1».</translation>
    </message>
    <message>
        <source>HTML Page (*.html)</source>
        <translation>Página HTML (*.html)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Rich Text Document (*.rtf)</source>
        <translation>Documento de texto enriquecido (*.rtf)</translation>
    </message>
    <message>
        <source>Word Document (*.docx)</source>
        <translation>Documento de Word (*.docx)</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>Texto OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>FileBrowserSidebar</name>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Refresh file list</source>
        <translation>Actualizar la lista de archivos</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>Abrir carpeta…</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>No folder open</source>
        <translation>Ninguna carpeta abierta</translation>
    </message>
    <message>
        <source>No Markdown files here</source>
        <translation>No hay archivos Markdown</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to browse.</source>
        <translation>Elija una carpeta de archivos Markdown para explorar.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Reemplazar con</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n coincidencia</numerusform>
            <numerusform>%n coincidencias</numerusform>
        </translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Reemplazar todo</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Sin coincidencias</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 coincidencia</translation>
    </message>
</context>
<context>
    <name>FrontMatterEditor</name>
    <message>
        <source>Document Info</source>
        <translation>Información del documento</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>comma, separated</source>
        <translation>separadas por comas</translation>
    </message>
    <message>
        <source>Stored as YAML front matter at the top of the document.</source>
        <translation>Se guarda como metadatos YAML al principio del documento.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>HeaderFooterEditor</name>
    <message>
        <source>Page Header &amp; Footer</source>
        <translation>Encabezado y pie de página</translation>
    </message>
    <message>
        <source>Shown on printed and exported pages. Markdown has no header/footer concept, so these apply to output only.</source>
        <translation>Se muestran en las páginas impresas y exportadas. Markdown no tiene encabezados ni pies de página, así que solo se aplican al resultado.</translation>
    </message>
    <message>
        <source>e.g. {title}</source>
        <translation>p. ej., {title}</translation>
    </message>
    <message>
        <source>e.g. Page {page} of {pages}</source>
        <translation>p. ej., Página {page} de {pages}</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Pie de página</translation>
    </message>
    <message>
        <source>Tokens:</source>
        <translation>Variables:</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>ImageInsertView</name>
    <message>
        <source>Insert Image</source>
        <translation>Insertar imagen</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Elegir archivo…</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <source>Image URL</source>
        <translation>URL de la imagen</translation>
    </message>
    <message>
        <source>Alt text (optional)</source>
        <translation>Texto alternativo (opcional)</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
</context>
<context>
    <name>LinkEditorView</name>
    <message>
        <source>Insert Link</source>
        <translation>Insertar enlace</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
</context>
<context>
    <name>LongPaste</name>
    <message>
        <source>Paste progress</source>
        <translation>Progreso del pegado</translation>
    </message>
    <message>
        <source>Pasting… %p%</source>
        <translation>Pegando… %p%</translation>
    </message>
    <message>
        <source>Pasting…</source>
        <translation>Pegando…</translation>
    </message>
</context>
<context>
    <name>MarkdownDocument</name>
    <message>
        <source>The file is not valid UTF-8 text (byte 0x%1 at offset %2).</source>
        <translation>El archivo no es texto UTF-8 válido (byte 0x%1 en la posición %2).</translation>
    </message>
    <message>
        <source>“%1” is not valid UTF-8 text (byte 0x%2 at offset %3).</source>
        <translation>«%1» no es texto UTF-8 válido (byte 0x%2 en la posición %3).</translation>
    </message>
    <message>
        <source>“%1” could not be saved: %2</source>
        <translation>No se ha podido guardar «%1»: %2</translation>
    </message>
    <message>
        <source>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</source>
        <translation>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</translation>
    </message>
    <message>
        <source>Plain text (*.txt *.text)</source>
        <translation>Texto sin formato (*.txt *.text)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>MarkdownTextView</name>
    <message>
        <source>Markdown editor</source>
        <translation>Editor de Markdown</translation>
    </message>
    <message>
        <source>No Guesses Found</source>
        <translation>No hay sugerencias</translation>
    </message>
    <message>
        <source>&amp;Ignore Spelling</source>
        <translation>&amp;Ignorar ortografía</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>&amp;Añadir al diccionario</translation>
    </message>
    <message>
        <source>The word could not be added to the dictionary</source>
        <translation>No se ha podido añadir la palabra al diccionario</translation>
    </message>
    <message>
        <source>“%1” is accepted until the program quits, but it could not be kept: %2</source>
        <translation>«%1» se acepta hasta que se cierre el programa, pero no se ha podido conservar: %2</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Open the Menu Bar</source>
        <translation>Abrir la barra de menús</translation>
    </message>
    <message>
        <source>Show File &amp;Browser</source>
        <translation>Mostrar &amp;explorador de archivos</translation>
    </message>
    <message>
        <source>Hide File &amp;Browser</source>
        <translation>Ocultar &amp;explorador de archivos</translation>
    </message>
    <message>
        <source>Show Out&amp;line</source>
        <translation>Mostrar es&amp;quema</translation>
    </message>
    <message>
        <source>Hide Out&amp;line</source>
        <translation>Ocultar es&amp;quema</translation>
    </message>
    <message>
        <source>Show &amp;Minimap</source>
        <translation>Mostrar &amp;minimapa</translation>
    </message>
    <message>
        <source>Hide &amp;Minimap</source>
        <translation>Ocultar &amp;minimapa</translation>
    </message>
    <message>
        <source>Show &amp;Ruler</source>
        <translation>Mostrar &amp;regla</translation>
    </message>
    <message>
        <source>Hide &amp;Ruler</source>
        <translation>Ocultar &amp;regla</translation>
    </message>
    <message>
        <source>&amp;Show Markdown Source</source>
        <translation>Mostrar código Mark&amp;down</translation>
    </message>
    <message>
        <source>&amp;Show WYSIWYG</source>
        <translation>Mostrar &amp;WYSIWYG</translation>
    </message>
    <message>
        <source>&amp;Manage Export Presets…</source>
        <translation>Ad&amp;ministrar preajustes…</translation>
    </message>
    <message>
        <source>About Brindlewick</source>
        <translation>Acerca de Brindlewick</translation>
    </message>
    <message>
        <source>Brindlewick %1</source>
        <translation>Brindlewick %1</translation>
    </message>
    <message>
        <source>A Markdown editor.</source>
        <translation>Un editor de Markdown.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>&amp;Batch Export Folder</source>
        <translation>Exportar carpeta en &amp;lote</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;Formato</translation>
    </message>
    <message>
        <source>&amp;Heading</source>
        <translation>&amp;Título</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>Li&amp;stas</translation>
    </message>
    <message>
        <source>&amp;Align</source>
        <translation>&amp;Alineación</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>T&amp;ransformar</translation>
    </message>
    <message>
        <source>Li&amp;nes</source>
        <translation>Lín&amp;eas</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertar</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabla</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>New from &amp;Template</source>
        <translation>Nuevo desde &amp;plantilla</translation>
    </message>
    <message>
        <source>Quic&amp;k Open…</source>
        <translation>Apertura rápi&amp;da…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar c&amp;omo…</translation>
    </message>
    <message>
        <source>As &amp;HTML…</source>
        <translation>Como &amp;HTML…</translation>
    </message>
    <message>
        <source>As &amp;PDF…</source>
        <translation>Como &amp;PDF…</translation>
    </message>
    <message>
        <source>As &amp;Word…</source>
        <translation>Como &amp;Word…</translation>
    </message>
    <message>
        <source>As &amp;OpenDocument…</source>
        <translation>Como &amp;OpenDocument…</translation>
    </message>
    <message>
        <source>As &amp;Rich Text…</source>
        <translation>Como texto en&amp;riquecido…</translation>
    </message>
    <message>
        <source>&amp;Copy as HTML</source>
        <translation>&amp;Copiar como HTML</translation>
    </message>
    <message>
        <source>Pre&amp;sets</source>
        <translation>Pr&amp;eajustes</translation>
    </message>
    <message>
        <source>&amp;Header &amp;&amp; Footer…</source>
        <translation>Enca&amp;bezado y pie de página…</translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation>Con&amp;figurar página…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Allow Access to &amp;Folder…</source>
        <translation>Permitir acceso a una carpe&amp;ta…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Buscar…</translation>
    </message>
    <message>
        <source>Find &amp;&amp; &amp;Replace…</source>
        <translation>Buscar y &amp;reemplazar…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Buscar &amp;anterior</translation>
    </message>
    <message>
        <source>Use &amp;Selection for Find</source>
        <translation>&amp;Usar selección para buscar</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>Pre&amp;ferencias…</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>Tac&amp;hado</translation>
    </message>
    <message>
        <source>Inline &amp;Code</source>
        <translation>Código en &amp;línea</translation>
    </message>
    <message>
        <source>Heading &amp;1</source>
        <translation>Título &amp;1</translation>
    </message>
    <message>
        <source>Heading &amp;2</source>
        <translation>Título &amp;2</translation>
    </message>
    <message>
        <source>Heading &amp;3</source>
        <translation>Título &amp;3</translation>
    </message>
    <message>
        <source>Heading &amp;4</source>
        <translation>Título &amp;4</translation>
    </message>
    <message>
        <source>Heading &amp;5</source>
        <translation>Título &amp;5</translation>
    </message>
    <message>
        <source>Heading &amp;6</source>
        <translation>Título &amp;6</translation>
    </message>
    <message>
        <source>&amp;Body Text</source>
        <translation>&amp;Cuerpo de texto</translation>
    </message>
    <message>
        <source>&amp;Bulleted List</source>
        <translation>Lista con &amp;viñetas</translation>
    </message>
    <message>
        <source>&amp;Numbered List</source>
        <translation>Lista &amp;numerada</translation>
    </message>
    <message>
        <source>&amp;Task List</source>
        <translation>Lista de &amp;tareas</translation>
    </message>
    <message>
        <source>Toggle Task &amp;Done</source>
        <translation>&amp;Marcar/desmarcar tarea</translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation>&amp;Aumentar sangría</translation>
    </message>
    <message>
        <source>&amp;Outdent</source>
        <translation>&amp;Reducir sangría</translation>
    </message>
    <message>
        <source>Block&amp;quote</source>
        <translation>C&amp;ita</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>A la &amp;izquierda</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centrado</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>A la &amp;derecha</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>&amp;Justificado</translation>
    </message>
    <message>
        <source>&amp;UPPERCASE</source>
        <translation>&amp;MAYÚSCULAS</translation>
    </message>
    <message>
        <source>&amp;lowercase</source>
        <translation>mi&amp;núsculas</translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <translation>&amp;Tipo Título</translation>
    </message>
    <message>
        <source>Sort Lines &amp;A→Z</source>
        <translation>Ordenar líneas &amp;A→Z</translation>
    </message>
    <message>
        <source>Sort Lines &amp;Z→A</source>
        <translation>Ordenar líneas &amp;Z→A</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicate Lines</source>
        <translation>Quitar líneas &amp;duplicadas</translation>
    </message>
    <message>
        <source>Move Line &amp;Up</source>
        <translation>&amp;Subir línea</translation>
    </message>
    <message>
        <source>Move Line &amp;Down</source>
        <translation>&amp;Bajar línea</translation>
    </message>
    <message>
        <source>Du&amp;plicate Line</source>
        <translation>D&amp;uplicar línea</translation>
    </message>
    <message>
        <source>D&amp;elete Line</source>
        <translation>&amp;Eliminar línea</translation>
    </message>
    <message>
        <source>&amp;Select Line</source>
        <translation>Se&amp;leccionar línea</translation>
    </message>
    <message>
        <source>&amp;Link…</source>
        <translation>&amp;Enlace…</translation>
    </message>
    <message>
        <source>Code &amp;Block</source>
        <translation>&amp;Bloque de código</translation>
    </message>
    <message>
        <source>&amp;Insert 3×3</source>
        <translation>&amp;Insertar 3×3</translation>
    </message>
    <message>
        <source>Format &amp;Table</source>
        <translation>&amp;Formatear tabla</translation>
    </message>
    <message>
        <source>Insert Row &amp;Above</source>
        <translation>Insertar fila &amp;encima</translation>
    </message>
    <message>
        <source>Insert Row &amp;Below</source>
        <translation>Insertar fila &amp;debajo</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>Eliminar fi&amp;la</translation>
    </message>
    <message>
        <source>Insert Column &amp;Left</source>
        <translation>Insertar columna a la i&amp;zquierda</translation>
    </message>
    <message>
        <source>Insert Column &amp;Right</source>
        <translation>Insertar columna a la de&amp;recha</translation>
    </message>
    <message>
        <source>D&amp;elete Column</source>
        <translation>Eliminar &amp;columna</translation>
    </message>
    <message>
        <source>Align Column Le&amp;ft</source>
        <translation>&amp;Alinear columna a la izquierda</translation>
    </message>
    <message>
        <source>Align Column Ce&amp;nter</source>
        <translation>Ce&amp;ntrar columna</translation>
    </message>
    <message>
        <source>Align Column Ri&amp;ght</source>
        <translation>Alinear columna a la derec&amp;ha</translation>
    </message>
    <message>
        <source>Horizontal &amp;Rule</source>
        <translation>&amp;Línea horizontal</translation>
    </message>
    <message>
        <source>&amp;Footnote</source>
        <translation>&amp;Nota al pie</translation>
    </message>
    <message>
        <source>Table of &amp;Contents</source>
        <translation>Tabla de &amp;contenido</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Date</source>
        <translation>&amp;Fecha de hoy</translation>
    </message>
    <message>
        <source>Co&amp;mment</source>
        <translation>Co&amp;mentario</translation>
    </message>
    <message>
        <source>&amp;Document Info…</source>
        <translation>&amp;Información del documento…</translation>
    </message>
    <message>
        <source>AI &amp;Assist…</source>
        <translation>&amp;Asistente de IA…</translation>
    </message>
    <message>
        <source>&amp;Translate…</source>
        <translation>&amp;Traducir…</translation>
    </message>
    <message>
        <source>&amp;Suggest Continuation</source>
        <translation>&amp;Sugerir continuación</translation>
    </message>
    <message>
        <source>&amp;Clean Up Markdown</source>
        <translation>&amp;Limpiar Markdown</translation>
    </message>
    <message>
        <source>&amp;Version History…</source>
        <translation>&amp;Historial de versiones…</translation>
    </message>
    <message>
        <source>Snapshot &amp;Now</source>
        <translation>&amp;Crear instantánea</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>Ajustar al a&amp;ncho</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>Ajustar a la pá&amp;gina</translation>
    </message>
    <message>
        <source>Open &amp;Folder…</source>
        <translation>Abrir &amp;carpeta…</translation>
    </message>
    <message>
        <source>Toggle &amp;Distraction-Free</source>
        <translation>Modo &amp;sin distracciones</translation>
    </message>
    <message>
        <source>&amp;Command Palette…</source>
        <translation>Paleta de c&amp;omandos…</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Welcome to Brindlewick</source>
        <translation>&amp;Bienvenida a Brindlewick</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New</source>
        <translation>&amp;Novedades</translation>
    </message>
    <message>
        <source>Markdown &amp;Cheat Sheet</source>
        <translation>&amp;Guía rápida de Markdown</translation>
    </message>
    <message>
        <source>&amp;About Brindlewick</source>
        <translation>&amp;Acerca de Brindlewick</translation>
    </message>
</context>
<context>
    <name>OpenableFile</name>
    <message>
        <source>“%1” does not exist.</source>
        <translation>«%1» no existe.</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a text file.</source>
        <translation>«%1» es una carpeta, no un archivo de texto.</translation>
    </message>
    <message>
        <source>“%1” is a pipe, not a text file.</source>
        <translation>«%1» es una tubería, no un archivo de texto.</translation>
    </message>
    <message>
        <source>“%1” is a socket, not a text file.</source>
        <translation>«%1» es un socket, no un archivo de texto.</translation>
    </message>
    <message>
        <source>“%1” is a device, not a text file.</source>
        <translation>«%1» es un dispositivo, no un archivo de texto.</translation>
    </message>
    <message>
        <source>“%1” is larger than %L2 MB and is not opened.</source>
        <translation>«%1» ocupa más de %L2&#xa0;MB y no se abre.</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>No se ha podido leer «%1»: %2</translation>
    </message>
    <message>
        <source>It does not exist.</source>
        <translation>No existe.</translation>
    </message>
    <message>
        <source>It is a folder, not a text file.</source>
        <translation>Es una carpeta, no un archivo de texto.</translation>
    </message>
    <message>
        <source>It is a pipe, not a text file.</source>
        <translation>Es una tubería, no un archivo de texto.</translation>
    </message>
    <message>
        <source>It is a socket, not a text file.</source>
        <translation>Es un socket, no un archivo de texto.</translation>
    </message>
    <message>
        <source>It is a device, not a text file.</source>
        <translation>Es un dispositivo, no un archivo de texto.</translation>
    </message>
    <message>
        <source>It is larger than %L1 MB.</source>
        <translation>Ocupa más de %L1&#xa0;MB.</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>No se ha podido leer: %1</translation>
    </message>
</context>
<context>
    <name>OutlineSidebar</name>
    <message>
        <source>Outline</source>
        <translation>Esquema</translation>
    </message>
    <message>
        <source>No headings</source>
        <translation>No hay títulos</translation>
    </message>
</context>
<context>
    <name>PDFStamper</name>
    <message>
        <source>the PDF has no pages</source>
        <translation>el PDF no tiene páginas</translation>
    </message>
    <message>
        <source>the header and footer could not be drawn</source>
        <translation>no se han podido dibujar el encabezado y el pie de página</translation>
    </message>
</context>
<context>
    <name>PagedDocumentLayout</name>
    <message>
        <source>Header</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Pie de página</translation>
    </message>
</context>
<context>
    <name>PersonalDictionary</name>
    <message>
        <source>“%1” cannot be added to the dictionary.</source>
        <translation>«%1» no se puede añadir al diccionario.</translation>
    </message>
    <message>
        <source>“%1” is not a file that the word list can be written to.</source>
        <translation>«%1» no es un archivo en el que se pueda escribir la lista de palabras.</translation>
    </message>
</context>
<context>
    <name>PrintController</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>No se ha podido crear el PDF.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing…</source>
        <translation>Imprimiendo…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QuickOpenSheet</name>
    <message>
        <source>Quick Open</source>
        <translation>Apertura rápida</translation>
    </message>
    <message>
        <source>Open recent…</source>
        <translation>Abrir reciente…</translation>
    </message>
    <message>
        <source>Search recent documents</source>
        <translation>Buscar en documentos recientes</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>No hay documentos recientes</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Sin coincidencias</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the folder “%1” does not exist.</source>
        <translation>la carpeta «%1» no existe.</translation>
    </message>
    <message>
        <source>the folder “%1” is read-only.</source>
        <translation>la carpeta «%1» es de solo lectura.</translation>
    </message>
    <message>
        <source>“%1” is read-only.</source>
        <translation>«%1» es de solo lectura.</translation>
    </message>
    <message>
        <source>the disk is full.</source>
        <translation>el disco está lleno.</translation>
    </message>
    <message>
        <source>the disk is read-only.</source>
        <translation>el disco es de solo lectura.</translation>
    </message>
    <message>
        <source>“%1” is not a file (it is a folder, a device, a pipe or a socket); nothing was written to it.</source>
        <translation>«%1» no es un archivo (es una carpeta, un dispositivo, una tubería o un socket); no se ha escrito nada en él.</translation>
    </message>
    <message>
        <source>the name “%1” is too long; choose a shorter one.</source>
        <translation>el nombre «%1» es demasiado largo; elija uno más corto.</translation>
    </message>
    <message>
        <source>its path is too long; choose a folder with a shorter path.</source>
        <translation>su ruta es demasiado larga; elija una carpeta con una ruta más corta.</translation>
    </message>
    <message>
        <source>the links on the way to “%1” go round in a circle and never reach a file; nothing was written to it.</source>
        <translation>los enlaces en el camino hacia «%1» dan vueltas en círculo y nunca llegan a un archivo; no se ha escrito nada en él.</translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>System Default</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
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
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>My Theme %1</source>
        <translation>Mi tema %1</translation>
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
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Relaunch Brindlewick to apply a new language.</source>
        <translation>Reinicie Brindlewick para aplicar el nuevo idioma.</translation>
    </message>
    <message>
        <source>Editing mode</source>
        <translation>Modo de edición</translation>
    </message>
    <message>
        <source>WYSIWYG</source>
        <translation>WYSIWYG</translation>
    </message>
    <message>
        <source>Markdown Source</source>
        <translation>Código Markdown</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Serif</source>
        <translation>Serif</translation>
    </message>
    <message>
        <source>Monospaced</source>
        <translation>Monoespaciado</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>Interlineado</translation>
    </message>
    <message>
        <source>Writing goal</source>
        <translation>Objetivo de escritura</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Ancho de página</translation>
    </message>
    <message>
        <source>Page margin</source>
        <translation>Margen de página</translation>
    </message>
    <message>
        <source>Focus mode (dim inactive paragraphs)</source>
        <translation>Modo concentración (atenúa los demás párrafos)</translation>
    </message>
    <message>
        <source>Typewriter scrolling (keep caret centered)</source>
        <translation>Desplazamiento de máquina de escribir (cursor centrado)</translation>
    </message>
    <message>
        <source>Text direction</source>
        <translation>Dirección del texto</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Left-to-Right</source>
        <translation>De izquierda a derecha</translation>
    </message>
    <message>
        <source>Right-to-Left</source>
        <translation>De derecha a izquierda</translation>
    </message>
    <message>
        <source>Spelling language</source>
        <translation>Idioma de ortografía</translation>
    </message>
    <message>
        <source>Reveal Markdown syntax on the active line</source>
        <translation>Mostrar la sintaxis Markdown en la línea activa</translation>
    </message>
    <message>
        <source>When on, the raw markdown (**, #, `) appears on the line your cursor is on. Off keeps it hidden while you edit.</source>
        <translation>Si está activado, el Markdown sin procesar (**, #, `) aparece en la línea del cursor. Si no, permanece oculto mientras edita.</translation>
    </message>
    <message>
        <source>Check spelling while typing</source>
        <translation>Revisar la ortografía al escribir</translation>
    </message>
    <message>
        <source>Auto-pair markers around selection</source>
        <translation>Envolver la selección con marcadores</translation>
    </message>
    <message>
        <source>Auto-pair wraps the selected text when you type * _ ` or [.</source>
        <translation>Al escribir * _ ` o [ se envuelve el texto seleccionado.</translation>
    </message>
    <message>
        <source>Reopen documents from last session on launch</source>
        <translation>Reabrir al iniciar los documentos de la última sesión</translation>
    </message>
    <message>
        <source>Files you had open are reopened the next time you start Brindlewick.</source>
        <translation>Los archivos abiertos se reabren la próxima vez que inicie Brindlewick.</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>DeepSeek (cloud)</source>
        <translation>DeepSeek (en la nube)</translation>
    </message>
    <message>
        <source>Ollama (local)</source>
        <translation>Ollama (local)</translation>
    </message>
    <message>
        <source>Custom (OpenAI-compatible)</source>
        <translation>Personalizado (compatible con OpenAI)</translation>
    </message>
    <message>
        <source>DeepSeek API Key (sk-…)</source>
        <translation>Clave de API de DeepSeek (sk-…)</translation>
    </message>
    <message>
        <source>Stored locally; sent only to DeepSeek. Get one at %1.</source>
        <translation>Se guarda localmente y solo se envía a DeepSeek. Consiga una en %1.</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>URL base</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Runs entirely on this computer — no key, nothing leaves the device. Requires Ollama installed and running.</source>
        <translation>Funciona por completo en este equipo: sin clave, nada sale del dispositivo. Requiere Ollama instalado y en ejecución.</translation>
    </message>
    <message>
        <source>Endpoint URL</source>
        <translation>URL del punto de acceso</translation>
    </message>
    <message>
        <source>API Key (optional)</source>
        <translation>Clave de API (opcional)</translation>
    </message>
    <message>
        <source>Automatic inline suggestions</source>
        <translation>Sugerencias automáticas en el texto</translation>
    </message>
    <message>
        <source>When on, Brindlewick asks your AI provider to continue your text after you pause typing — one request per pause, so it may incur cost on cloud providers. Press Tab to accept a suggestion, Esc to dismiss. You can also trigger one manually from Tools ▸ Suggest Continuation.</source>
        <translation>Si está activado, Brindlewick pide a su proveedor de IA que continúe su texto cuando hace una pausa al escribir: una petición por pausa, lo que puede tener coste con proveedores en la nube. Pulse Tab para aceptar una sugerencia y Esc para descartarla. También puede pedir una manualmente desde Herramientas ▸ Sugerir continuación.</translation>
    </message>
    <message>
        <source>Appended to the export stylesheet. Also enables MathJax ($$…$$) and Mermaid (```mermaid) in exported HTML.</source>
        <translation>Se añade a la hoja de estilos de exportación. También activa MathJax ($$…$$) y Mermaid (```mermaid) en el HTML exportado.</translation>
    </message>
    <message>
        <source>Toolbar groups</source>
        <translation>Grupos de la barra de herramientas</translation>
    </message>
    <message>
        <source>Formatting (headings, bold, italic…)</source>
        <translation>Formato (títulos, negrita, cursiva…)</translation>
    </message>
    <message>
        <source>Links &amp; media</source>
        <translation>Enlaces y multimedia</translation>
    </message>
    <message>
        <source>Lists &amp; blocks</source>
        <translation>Listas y bloques</translation>
    </message>
    <message>
        <source>Indent / outdent</source>
        <translation>Sangría</translation>
    </message>
    <message>
        <source>%1 (no dictionary installed)</source>
        <translation>%1 (ningún diccionario instalado)</translation>
    </message>
    <message>
        <source>Custom CSS for every export (HTML, PDF, Word, OpenDocument, Rich Text)</source>
        <translation>CSS personalizado para todas las exportaciones (HTML, PDF, Word, OpenDocument, Rich Text)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Behavior</source>
        <translation>Comportamiento</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>IA</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportación</translation>
    </message>
    <message>
        <source>Snippets</source>
        <translation>Fragmentos</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Press keys…</source>
        <translation>Pulse las teclas…</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Asignar</translation>
    </message>
</context>
<context>
    <name>ShortcutsSettingsView</name>
    <message>
        <source>Assign your own keys to any command. Combinations must include Ctrl or Meta. Menu shortcuts take priority, so prefer unused combinations.</source>
        <translation>Asigne sus propias teclas a cualquier comando. Las combinaciones deben incluir Ctrl o Meta. Los atajos de los menús tienen prioridad, así que es mejor usar combinaciones libres.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Borrar atajo</translation>
    </message>
    <message>
        <source>conflicts with %1</source>
        <translation>en conflicto con %1</translation>
    </message>
</context>
<context>
    <name>SnippetsSettingsView</name>
    <message>
        <source>Type a trigger and press Tab to expand. Use $| for the caret and $date for today.</source>
        <translation>Escriba un activador y pulse Tab para expandirlo. Use $| para el cursor y $date para la fecha de hoy.</translation>
    </message>
    <message>
        <source>Add snippet</source>
        <translation>Añadir fragmento</translation>
    </message>
    <message>
        <source>Remove snippet</source>
        <translation>Quitar fragmento</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>activador</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Activador</translation>
    </message>
    <message>
        <source>expansion</source>
        <translation>texto expandido</translation>
    </message>
</context>
<context>
    <name>StatsPopover</name>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caracteres</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>Sin espacios</translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation>Frases</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Párrafos</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Reading time</source>
        <translation>Tiempo de lectura</translation>
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
        <translation>Alejar (Ctrl+−)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar a la página</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>Acercar (Ctrl++)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters</source>
        <translation>
            <numerusform>%n carácter</numerusform>
            <numerusform>%n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>~%1 min read</source>
        <translation>~%1&#xa0;min de lectura</translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n seleccionada</numerusform>
            <numerusform>%n seleccionadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Goal %1/%2</source>
        <translation>Objetivo %1/%2</translation>
    </message>
</context>
<context>
    <name>TableGridPicker</name>
    <message>
        <source>%1 by %2 table</source>
        <translation>Tabla de %1 por %2</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Insertar tabla</translation>
    </message>
    <message>
        <source>%1 × %2 table</source>
        <translation>Tabla de %1 × %2</translation>
    </message>
</context>
<context>
    <name>TemplateStore</name>
    <message>
        <source>Blank</source>
        <translation>En blanco</translation>
    </message>
    <message>
        <source>Meeting Notes</source>
        <translation>Notas de reunión</translation>
    </message>
    <message>
        <source>README</source>
        <translation>README</translation>
    </message>
    <message>
        <source>Blog Post</source>
        <translation>Entrada de blog</translation>
    </message>
    <message>
        <source>Daily Journal</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>To-Do List</source>
        <translation>Lista de pendientes</translation>
    </message>
    <message>
        <source>Table Starter</source>
        <translation>Tabla básica</translation>
    </message>
</context>
<context>
    <name>TextViewCommands</name>
    <message>
        <source>Save Pasted Image</source>
        <translation>Guardar imagen pegada</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>TranslateSheet</name>
    <message>
        <source>Translate</source>
        <translation>Traducir</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable translation.</source>
        <translation>Añada su clave de API de DeepSeek en la pestaña IA de Preferencias para activar la traducción.</translation>
    </message>
    <message>
        <source>Translating…</source>
        <translation>Traduciendo…</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Or type a language</source>
        <translation>O escriba un idioma</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>Todo el documento</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
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
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tailandés</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesio</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebreo</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
</context>
<context>
    <name>TranslationError</name>
    <message>
        <source>Invalid AI endpoint. Check Settings ▸ AI.</source>
        <translation>Punto de acceso de IA no válido. Revise Preferencias ▸ IA.</translation>
    </message>
    <message>
        <source>The API key contains line breaks or control characters. Check Settings ▸ AI.</source>
        <translation>La clave de API contiene saltos de línea o caracteres de control. Revise Preferencias ▸ IA.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Se agotó el tiempo de espera de la petición.</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings first.</source>
        <translation>Añada primero su clave de API de DeepSeek en la pestaña IA de Preferencias.</translation>
    </message>
    <message>
        <source>The translation service returned an unexpected response.</source>
        <translation>El servicio de traducción devolvió una respuesta inesperada.</translation>
    </message>
    <message>
        <source>HTTP %1 from server</source>
        <translation>Error HTTP %1 del servidor</translation>
    </message>
    <message>
        <source>HTTP %1 from %2</source>
        <translation>Error HTTP %1 de %2</translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>The current text could not be kept as a version, so nothing was restored.

%1</source>
        <translation>No se ha podido conservar el texto actual como versión, así que no se ha restaurado nada.

%1</translation>
    </message>
</context>
<context>
    <name>VersionHistoryView</name>
    <message>
        <source>Version History</source>
        <translation>Historial de versiones</translation>
    </message>
    <message>
        <source>Save this document first</source>
        <translation>Guarde primero este documento</translation>
    </message>
    <message>
        <source>Version history is kept per file, so an untitled document has no history until it is saved.</source>
        <translation>El historial de versiones se guarda por archivo, así que un documento sin título no tiene historial hasta que se guarda.</translation>
    </message>
    <message>
        <source>Snapshot Now</source>
        <translation>Crear instantánea</translation>
    </message>
    <message>
        <source>No versions saved yet</source>
        <translation>Aún no hay versiones guardadas</translation>
    </message>
    <message>
        <source>Brindlewick snapshots this document as you edit. Use “Snapshot Now” to capture one immediately.</source>
        <translation>Brindlewick guarda instantáneas de este documento mientras edita. Use «Crear instantánea» para guardar una ahora mismo.</translation>
    </message>
    <message>
        <source>Select a version to preview</source>
        <translation>Seleccione una versión para verla</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Restaurar esta versión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
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
        <translation>No se ha podido modificar el documento, así que no se ha restaurado la versión.</translation>
    </message>
</context>
<context>
    <name>VersionStore</name>
    <message>
        <source>Could not save a version of “%1”: %2</source>
        <translation>No se ha podido guardar una versión de «%1»: %2</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be written.</source>
        <translation>no se puede escribir en la carpeta «%1».</translation>
    </message>
    <message>
        <source>Could not delete the version: %1</source>
        <translation>No se ha podido eliminar la versión: %1</translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Welcome to Brindlewick</source>
        <translation>Bienvenida a Brindlewick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A clean, native Markdown editor.</source>
        <translation>Un editor de Markdown limpio y nativo.</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Nuevo documento</translation>
    </message>
    <message>
        <source>New from Template…</source>
        <translation>Nuevo desde plantilla…</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Markdown Cheat Sheet</source>
        <translation>Guía rápida de Markdown</translation>
    </message>
    <message>
        <source>Show this window when Brindlewick opens</source>
        <translation>Mostrar esta ventana al abrir Brindlewick</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recientes</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>No hay documentos recientes</translation>
    </message>
</context>
<context>
    <name>WhatsNewWindow</name>
    <message>
        <source>What&apos;s New</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>What&apos;s New in Brindlewick</source>
        <translation>Novedades de Brindlewick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
</context>
<context>
    <name>WindowFiles</name>
    <message>
        <source>A version of the document could not be saved.</source>
        <translation>No se ha podido guardar una versión del documento.</translation>
    </message>
    <message>
        <source>A version of the document “%1” could not be saved.</source>
        <translation>No se ha podido guardar una versión del documento «%1».</translation>
    </message>
</context>
</TS>
