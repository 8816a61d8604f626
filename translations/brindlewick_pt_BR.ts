<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AIActions</name>
    <message>
        <source>Improve Writing</source>
        <translation>Melhorar a escrita</translation>
    </message>
    <message>
        <source>Fix Spelling &amp; Grammar</source>
        <translation>Corrigir ortografia e gramática</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>Reescrever</translation>
    </message>
    <message>
        <source>Make Shorter</source>
        <translation>Encurtar</translation>
    </message>
    <message>
        <source>Make Longer</source>
        <translation>Alongar</translation>
    </message>
    <message>
        <source>Professional Tone</source>
        <translation>Tom profissional</translation>
    </message>
    <message>
        <source>Casual Tone</source>
        <translation>Tom informal</translation>
    </message>
    <message>
        <source>Summarize</source>
        <translation>Resumir</translation>
    </message>
    <message>
        <source>Draft from Outline</source>
        <translation>Rascunho a partir da estrutura</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Explicar</translation>
    </message>
    <message>
        <source>Suggest Title &amp; Tags</source>
        <translation>Sugerir título e tags</translation>
    </message>
</context>
<context>
    <name>AIAssistSheet</name>
    <message>
        <source>AI Assist</source>
        <translation>Assistente de IA</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable the assist actions.</source>
        <translation>Adicione sua chave de API do DeepSeek na aba IA das Configurações para ativar as ações do assistente.</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>Processando…</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Custom instruction (optional)</source>
        <translation>Instruções (opcional)</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Seleção</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>Documento inteiro</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message numerus="yes">
        <source>%n files or links were not opened.</source>
        <translation>
            <numerusform>%n arquivo ou link não foi aberto.</numerusform>
            <numerusform>%n arquivos ou links não foram abertos.</numerusform>
        </translation>
    </message>
    <message>
        <source>One request opens at most %1 of them. Not opened:
%2</source>
        <translation>Um pedido abre no máximo %1. Não abertos:
%2</translation>
    </message>
</context>
<context>
    <name>AssistRunner</name>
    <message>
        <source>The text changed while the answer was on its way, so nothing was changed. Run it again.</source>
        <translation>O texto mudou enquanto a resposta chegava, por isso nada foi alterado. Execute novamente.</translation>
    </message>
    <message>
        <source>The answer was empty, so nothing was changed.</source>
        <translation>A resposta veio vazia, por isso nada foi alterado.</translation>
    </message>
    <message>
        <source>The editor did not accept the change.</source>
        <translation>O editor não aceitou a alteração.</translation>
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
        <translation>Escopo</translation>
    </message>
</context>
<context>
    <name>AutosaveStore</name>
    <message>
        <source>The autosave folder “%1” could not be created.</source>
        <translation>Não foi possível criar a pasta de salvamento automático “%1”.</translation>
    </message>
    <message>
        <source>The autosave folder “%1” cannot be written: %2</source>
        <translation>Não é possível gravar na pasta de salvamento automático “%1”: %2</translation>
    </message>
</context>
<context>
    <name>BatchExport</name>
    <message>
        <source>Another file of the folder is exported as “%1”.</source>
        <translation>Outro arquivo da pasta é exportado como “%1”.</translation>
    </message>
    <message>
        <source>It is not valid UTF-8 text.</source>
        <translation>Não é um texto UTF-8 válido.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>A file to be written already exists.</source>
        <translation>Já existe um arquivo a ser gravado.</translation>
    </message>
    <message numerus="yes">
        <source>%n files to be written already exist.</source>
        <translation>
            <numerusform>Já existe %n arquivo a ser gravado.</numerusform>
            <numerusform>Já existem %n arquivos a serem gravados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replacing them overwrites their current contents:
</source>
        <translation>A substituição sobrescreve o conteúdo atual:
</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Exportação salva em %1.</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Nada para exportar</translation>
    </message>
    <message>
        <source>No Markdown files found in that folder.</source>
        <translation>Nenhum arquivo Markdown encontrado nessa pasta.</translation>
    </message>
    <message>
        <source>Exported 1 file</source>
        <translation>1 arquivo exportado</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n files</source>
        <translation>
            <numerusform>%n arquivo exportado</numerusform>
            <numerusform>%n arquivos exportados</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Not exported:</source>
        <translation>Não exportados:</translation>
    </message>
    <message numerus="yes">
        <source>Exported %1 of %n files</source>
        <translation>
            <numerusform>%1 de %n arquivo exportado</numerusform>
            <numerusform>%1 de %n arquivos exportados</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” is a link to another file; it was not replaced.</source>
        <translation>“%1” é um link para outro arquivo; ele não foi substituído.</translation>
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
        <translation>Não foi possível gravá-lo.</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to export.</source>
        <translation>Escolha uma pasta de arquivos Markdown para exportar.</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>Exportar tudo</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
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
        <translation>Formatar</translation>
    </message>
    <message>
        <source>Lists &amp; Blocks</source>
        <translation>Listas e blocos</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformar</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
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
        <translation>Digite um comando…</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>Pesquisar comandos</translation>
    </message>
    <message>
        <source>No matching commands</source>
        <translation>Nenhum comando encontrado</translation>
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
        <translation>Texto normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Negrito itálico</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Código em linha</translation>
    </message>
    <message>
        <source>Comment (HTML)</source>
        <translation>Comentário (HTML)</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>Lista com marcadores</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>Lista numerada</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Lista de tarefas</translation>
    </message>
    <message>
        <source>Toggle Task Done</source>
        <translation>Concluir/reabrir tarefa</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>Bloco de citação</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Bloco de código</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Aumentar recuo</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Diminuir recuo</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Linha horizontal</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>Nota de rodapé</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Sumário</translation>
    </message>
    <message>
        <source>Today&apos;s Date</source>
        <translation>Data de hoje</translation>
    </message>
    <message>
        <source>Table (2×2)</source>
        <translation>Tabela (2×2)</translation>
    </message>
    <message>
        <source>Table (3×3)</source>
        <translation>Tabela (3×3)</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>Fórmula em linha</translation>
    </message>
    <message>
        <source>Format Table</source>
        <translation>Formatar tabela</translation>
    </message>
    <message>
        <source>Table: Insert Row Above</source>
        <translation>Tabela: inserir linha acima</translation>
    </message>
    <message>
        <source>Table: Insert Row Below</source>
        <translation>Tabela: inserir linha abaixo</translation>
    </message>
    <message>
        <source>Table: Delete Row</source>
        <translation>Tabela: excluir linha</translation>
    </message>
    <message>
        <source>Table: Insert Column Left</source>
        <translation>Tabela: inserir coluna à esquerda</translation>
    </message>
    <message>
        <source>Table: Insert Column Right</source>
        <translation>Tabela: inserir coluna à direita</translation>
    </message>
    <message>
        <source>Table: Delete Column</source>
        <translation>Tabela: excluir coluna</translation>
    </message>
    <message>
        <source>Table: Align Column Left</source>
        <translation>Tabela: alinhar coluna à esquerda</translation>
    </message>
    <message>
        <source>Table: Align Column Center</source>
        <translation>Tabela: alinhar coluna ao centro</translation>
    </message>
    <message>
        <source>Table: Align Column Right</source>
        <translation>Tabela: alinhar coluna à direita</translation>
    </message>
    <message>
        <source>UPPERCASE</source>
        <translation>MAIÚSCULAS</translation>
    </message>
    <message>
        <source>lowercase</source>
        <translation>minúsculas</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Iniciais Maiúsculas</translation>
    </message>
    <message>
        <source>Sort Lines A→Z</source>
        <translation>Ordenar linhas A→Z</translation>
    </message>
    <message>
        <source>Sort Lines Z→A</source>
        <translation>Ordenar linhas Z→A</translation>
    </message>
    <message>
        <source>Remove Duplicate Lines</source>
        <translation>Remover linhas duplicadas</translation>
    </message>
    <message>
        <source>Move Line Up</source>
        <translation>Mover linha para cima</translation>
    </message>
    <message>
        <source>Move Line Down</source>
        <translation>Mover linha para baixo</translation>
    </message>
    <message>
        <source>Duplicate Line</source>
        <translation>Duplicar linha</translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation>Excluir linha</translation>
    </message>
    <message>
        <source>Select Line</source>
        <translation>Selecionar linha</translation>
    </message>
    <message>
        <source>Toggle WYSIWYG / Markdown Source</source>
        <translation>Alternar WYSIWYG / código-fonte Markdown</translation>
    </message>
    <message>
        <source>Suggest Continuation</source>
        <translation>Sugerir continuação</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>Limpar Markdown</translation>
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
        <translation>Exportar como RTF…</translation>
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
        <translation>Adicionar tema</translation>
    </message>
    <message>
        <source>Add a theme to start from the current colours, then edit them here.</source>
        <translation>Adicione um tema a partir das cores atuais e depois edite-as aqui.</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>em uso</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>Do you want to save the changes made to the document “%1”?</source>
        <translation>Deseja salvar as alterações feitas no documento “%1”?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Suas alterações serão perdidas se você não salvá-las.</translation>
    </message>
    <message>
        <source>Don’t Save</source>
        <translation>Não salvar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>The file of the document “%1” was moved or deleted by another program.</source>
        <translation>O arquivo do documento “%1” foi movido ou excluído por outro programa.</translation>
    </message>
    <message>
        <source>The document “%1” was changed by another program.</source>
        <translation>O documento “%1” foi alterado por outro programa.</translation>
    </message>
    <message>
        <source>Save your version to write the file again, save it under another name, or leave the file removed.</source>
        <translation>Salve sua versão para gravar o arquivo de novo, salve-a com outro nome ou deixe o arquivo removido.</translation>
    </message>
    <message>
        <source>Keep your version to overwrite the file, reload the version on disk (your changes can be undone), or save your version under another name.</source>
        <translation>Mantenha sua versão para sobrescrever o arquivo, recarregue a versão do disco (suas alterações podem ser desfeitas) ou salve sua versão com outro nome.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Manter a minha</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>The document “%1” could not be opened.</source>
        <translation>Não foi possível abrir o documento “%1”.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Limpar re&amp;centes</translation>
    </message>
    <message>
        <source>The last save of “%1” did not finish.</source>
        <translation>O último salvamento de “%1” não terminou.</translation>
    </message>
    <message>
        <source>The file “%1” may be incomplete. This window holds the text that was being saved: write it back to the file, or keep it here for now.</source>
        <translation>O arquivo “%1” pode estar incompleto. Esta janela contém o texto que estava sendo salvo: grave-o de volta no arquivo ou mantenha-o aqui por enquanto.</translation>
    </message>
    <message>
        <source>Write Back</source>
        <translation>Gravar de volta</translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>Sem título %1</translation>
    </message>
    <message>
        <source>The document “%1” could not be saved.</source>
        <translation>Não foi possível salvar o documento “%1”.</translation>
    </message>
    <message>
        <source>“%1” is open in another window. Close that window first, or choose another name.</source>
        <translation>“%1” está aberto em outra janela. Feche essa janela primeiro ou escolha outro nome.</translation>
    </message>
    <message>
        <source>Unsaved text cannot be kept for the next launch.</source>
        <translation>O texto não salvo não pode ser mantido para a próxima execução.</translation>
    </message>
    <message>
        <source>The document “%1” could not be autosaved.</source>
        <translation>Não foi possível salvar automaticamente o documento “%1”.</translation>
    </message>
    <message>
        <source>The file “%1” was moved or deleted by another program; it was not written again.</source>
        <translation>O arquivo “%1” foi movido ou excluído por outro programa; ele não foi gravado novamente.</translation>
    </message>
    <message>
        <source>“%1” was changed by another program; it was not overwritten.</source>
        <translation>“%1” foi alterado por outro programa; ele não foi sobrescrito.</translation>
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
        <translation>Formatação</translation>
    </message>
    <message>
        <source>Paragraph style</source>
        <translation>Estilo de parágrafo</translation>
    </message>
    <message>
        <source>Insert Link</source>
        <translation>Inserir link</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>Bloco de citação</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>Bloco de código</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>Código em linha</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>Lista com marcadores</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>Lista numerada</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Lista de tarefas</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Alinhar à esquerda</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Centralizar</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Alinhar à direita</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>Justificar</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Diminuir recuo</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Aumentar recuo</translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation>Inserir imagem</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Inserir tabela</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Linha horizontal</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>Fórmula em linha</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>Nota de rodapé</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Sumário</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>Inserir data</translation>
    </message>
    <message>
        <source>AI Assist…</source>
        <translation>Assistente de IA…</translation>
    </message>
    <message>
        <source>Translate…</source>
        <translation>Traduzir…</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>Limpar Markdown</translation>
    </message>
    <message>
        <source>Version History…</source>
        <translation>Histórico de versões…</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Estrutura</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Régua</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Paleta de comandos</translation>
    </message>
    <message>
        <source>All tools</source>
        <translation>Todas as ferramentas</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Switch to Markdown source</source>
        <translation>Alternar para o código-fonte Markdown</translation>
    </message>
    <message>
        <source>Switch to WYSIWYG</source>
        <translation>Alternar para WYSIWYG</translation>
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
        <translation>Acadêmico</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Compacto</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Academic PDF</source>
        <translation>PDF acadêmico</translation>
    </message>
    <message>
        <source>Clean PDF</source>
        <translation>PDF limpo</translation>
    </message>
    <message>
        <source>New Preset</source>
        <translation>Nova predefinição</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>Cópia de %1</translation>
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
        <translation>Copiar HTML</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>Predefinições de exportação</translation>
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
        <translation>CSS personalizado (adicionado após o tema)</translation>
    </message>
    <message>
        <source>Select or add a preset</source>
        <translation>Selecione ou adicione uma predefinição</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Adicionar predefinição</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Excluir predefinição</translation>
    </message>
    <message>
        <source>Duplicate preset</source>
        <translation>Duplicar predefinição</translation>
    </message>
    <message>
        <source>Export With This Preset</source>
        <translation>Exportar com esta predefinição</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <source>PDF pages are made by the page renderer.</source>
        <translation>As páginas PDF são geradas pelo renderizador de páginas.</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>Não foi possível converter o documento.</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported as PDF.</source>
        <translation>Não foi possível exportar o documento “%1” como PDF.</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported.</source>
        <translation>Não foi possível exportar o documento “%1”.</translation>
    </message>
    <message>
        <source>The document “%1” could not be converted.</source>
        <translation>Não foi possível converter o documento “%1”.</translation>
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
        <translation>Documento RTF (*.rtf)</translation>
    </message>
    <message>
        <source>Word Document (*.docx)</source>
        <translation>Documento do Word (*.docx)</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>Texto OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
</context>
<context>
    <name>FileBrowserSidebar</name>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Refresh file list</source>
        <translation>Atualizar lista de arquivos</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>Abrir pasta…</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>No folder open</source>
        <translation>Nenhuma pasta aberta</translation>
    </message>
    <message>
        <source>No Markdown files here</source>
        <translation>Nenhum arquivo Markdown aqui</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to browse.</source>
        <translation>Escolha uma pasta de arquivos Markdown para navegar.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Substituir por</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n resultado</numerusform>
            <numerusform>%n resultados</numerusform>
        </translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Substituir tudo</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nenhum resultado</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 resultado</translation>
    </message>
</context>
<context>
    <name>FrontMatterEditor</name>
    <message>
        <source>Document Info</source>
        <translation>Informações do documento</translation>
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
        <translation>Data</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>comma, separated</source>
        <translation>separadas por vírgula</translation>
    </message>
    <message>
        <source>Stored as YAML front matter at the top of the document.</source>
        <translation>Armazenado como front matter YAML no início do documento.</translation>
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
        <translation>Cabeçalho e rodapé</translation>
    </message>
    <message>
        <source>Shown on printed and exported pages. Markdown has no header/footer concept, so these apply to output only.</source>
        <translation>Exibidos nas páginas impressas e exportadas. O Markdown não tem cabeçalho nem rodapé, então eles valem apenas para impressão e exportação.</translation>
    </message>
    <message>
        <source>e.g. {title}</source>
        <translation>ex.: {title}</translation>
    </message>
    <message>
        <source>e.g. Page {page} of {pages}</source>
        <translation>ex.: Página {page} de {pages}</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Cabeçalho</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Rodapé</translation>
    </message>
    <message>
        <source>Tokens:</source>
        <translation>Variáveis:</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Restaurar padrão</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>ImageInsertView</name>
    <message>
        <source>Insert Image</source>
        <translation>Inserir imagem</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Escolher arquivo…</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>Image URL</source>
        <translation>URL da imagem</translation>
    </message>
    <message>
        <source>Alt text (optional)</source>
        <translation>Texto alternativo (opcional)</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Escolher imagem</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Imagens (%1)</translation>
    </message>
</context>
<context>
    <name>LinkEditorView</name>
    <message>
        <source>Insert Link</source>
        <translation>Inserir link</translation>
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
        <translation>Inserir</translation>
    </message>
</context>
<context>
    <name>LongPaste</name>
    <message>
        <source>Paste progress</source>
        <translation>Progresso da colagem</translation>
    </message>
    <message>
        <source>Pasting… %p%</source>
        <translation>Colando… %p%</translation>
    </message>
    <message>
        <source>Pasting…</source>
        <translation>Colando…</translation>
    </message>
</context>
<context>
    <name>MarkdownDocument</name>
    <message>
        <source>The file is not valid UTF-8 text (byte 0x%1 at offset %2).</source>
        <translation>O arquivo não é um texto UTF-8 válido (byte 0x%1 na posição %2).</translation>
    </message>
    <message>
        <source>“%1” is not valid UTF-8 text (byte 0x%2 at offset %3).</source>
        <translation>“%1” não é um texto UTF-8 válido (byte 0x%2 na posição %3).</translation>
    </message>
    <message>
        <source>“%1” could not be saved: %2</source>
        <translation>Não foi possível salvar “%1”: %2</translation>
    </message>
    <message>
        <source>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</source>
        <translation>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</translation>
    </message>
    <message>
        <source>Plain text (*.txt *.text)</source>
        <translation>Texto simples (*.txt *.text)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
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
        <translation>Nenhuma sugestão</translation>
    </message>
    <message>
        <source>&amp;Ignore Spelling</source>
        <translation>&amp;Ignorar palavra</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>&amp;Adicionar ao dicionário</translation>
    </message>
    <message>
        <source>The word could not be added to the dictionary</source>
        <translation>Não foi possível adicionar a palavra ao dicionário</translation>
    </message>
    <message>
        <source>“%1” is accepted until the program quits, but it could not be kept: %2</source>
        <translation>“%1” será aceita até o programa ser fechado, mas não pôde ser guardada: %2</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Open the Menu Bar</source>
        <translation>Abrir a barra de menus</translation>
    </message>
    <message>
        <source>Show File &amp;Browser</source>
        <translation>Mostrar &amp;navegador de arquivos</translation>
    </message>
    <message>
        <source>Hide File &amp;Browser</source>
        <translation>Ocultar &amp;navegador de arquivos</translation>
    </message>
    <message>
        <source>Show Out&amp;line</source>
        <translation>Mostrar &amp;estrutura</translation>
    </message>
    <message>
        <source>Hide Out&amp;line</source>
        <translation>Ocultar &amp;estrutura</translation>
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
        <translation>Mostrar ré&amp;gua</translation>
    </message>
    <message>
        <source>Hide &amp;Ruler</source>
        <translation>Ocultar ré&amp;gua</translation>
    </message>
    <message>
        <source>&amp;Show Markdown Source</source>
        <translation>Mostrar código-&amp;fonte Markdown</translation>
    </message>
    <message>
        <source>&amp;Show WYSIWYG</source>
        <translation>Mostrar &amp;WYSIWYG</translation>
    </message>
    <message>
        <source>&amp;Manage Export Presets…</source>
        <translation>Ad&amp;ministrar predefinições de exportação…</translation>
    </message>
    <message>
        <source>About Brindlewick</source>
        <translation>Sobre o Brindlewick</translation>
    </message>
    <message>
        <source>Brindlewick %1</source>
        <translation>Brindlewick %1</translation>
    </message>
    <message>
        <source>A Markdown editor.</source>
        <translation>Um editor de Markdown.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>&amp;Batch Export Folder</source>
        <translation>Exportar pasta em &amp;lote</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>L&amp;ocalizar</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormatar</translation>
    </message>
    <message>
        <source>&amp;Heading</source>
        <translation>Tít&amp;ulo</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listas</translation>
    </message>
    <message>
        <source>&amp;Align</source>
        <translation>&amp;Alinhar</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>T&amp;ransformar</translation>
    </message>
    <message>
        <source>Li&amp;nes</source>
        <translation>Lin&amp;has</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Inserir</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabela</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir recen&amp;te</translation>
    </message>
    <message>
        <source>New from &amp;Template</source>
        <translation>Novo a partir de &amp;modelo</translation>
    </message>
    <message>
        <source>Quic&amp;k Open…</source>
        <translation>Abertura rápi&amp;da…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salvar &amp;como…</translation>
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
        <translation>Como &amp;RTF…</translation>
    </message>
    <message>
        <source>&amp;Copy as HTML</source>
        <translation>&amp;Copiar como HTML</translation>
    </message>
    <message>
        <source>Pre&amp;sets</source>
        <translation>Pr&amp;edefinições</translation>
    </message>
    <message>
        <source>&amp;Header &amp;&amp; Footer…</source>
        <translation>Ca&amp;beçalho e rodapé…</translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation>Configurar &amp;página…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Allow Access to &amp;Folder…</source>
        <translation>Permitir acess&amp;o à pasta…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Selecionar tudo</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Localizar…</translation>
    </message>
    <message>
        <source>Find &amp;&amp; &amp;Replace…</source>
        <translation>Localizar e &amp;substituir…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Localizar &amp;próximo</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Localizar &amp;anterior</translation>
    </message>
    <message>
        <source>Use &amp;Selection for Find</source>
        <translation>&amp;Usar seleção para localizar</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>Co&amp;nfigurações…</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrito</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Itálico</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>&amp;Tachado</translation>
    </message>
    <message>
        <source>Inline &amp;Code</source>
        <translation>&amp;Código em linha</translation>
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
        <translation>&amp;Texto normal</translation>
    </message>
    <message>
        <source>&amp;Bulleted List</source>
        <translation>Lista com &amp;marcadores</translation>
    </message>
    <message>
        <source>&amp;Numbered List</source>
        <translation>Lista &amp;numerada</translation>
    </message>
    <message>
        <source>&amp;Task List</source>
        <translation>Lista de &amp;tarefas</translation>
    </message>
    <message>
        <source>Toggle Task &amp;Done</source>
        <translation>&amp;Concluir/reabrir tarefa</translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation>Aumentar &amp;recuo</translation>
    </message>
    <message>
        <source>&amp;Outdent</source>
        <translation>&amp;Diminuir recuo</translation>
    </message>
    <message>
        <source>Block&amp;quote</source>
        <translation>&amp;Bloco de citação</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>À &amp;esquerda</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>Ao &amp;centro</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>À &amp;direita</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>&amp;Justificado</translation>
    </message>
    <message>
        <source>&amp;UPPERCASE</source>
        <translation>&amp;MAIÚSCULAS</translation>
    </message>
    <message>
        <source>&amp;lowercase</source>
        <translation>m&amp;inúsculas</translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <translation>I&amp;niciais Maiúsculas</translation>
    </message>
    <message>
        <source>Sort Lines &amp;A→Z</source>
        <translation>Ordenar linhas &amp;A→Z</translation>
    </message>
    <message>
        <source>Sort Lines &amp;Z→A</source>
        <translation>Ordenar linhas &amp;Z→A</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicate Lines</source>
        <translation>Remover linhas &amp;duplicadas</translation>
    </message>
    <message>
        <source>Move Line &amp;Up</source>
        <translation>Mover linha para &amp;cima</translation>
    </message>
    <message>
        <source>Move Line &amp;Down</source>
        <translation>Mover linha para &amp;baixo</translation>
    </message>
    <message>
        <source>Du&amp;plicate Line</source>
        <translation>&amp;Duplicar linha</translation>
    </message>
    <message>
        <source>D&amp;elete Line</source>
        <translation>&amp;Excluir linha</translation>
    </message>
    <message>
        <source>&amp;Select Line</source>
        <translation>&amp;Selecionar linha</translation>
    </message>
    <message>
        <source>&amp;Link…</source>
        <translation>&amp;Link…</translation>
    </message>
    <message>
        <source>Code &amp;Block</source>
        <translation>&amp;Bloco de código</translation>
    </message>
    <message>
        <source>&amp;Insert 3×3</source>
        <translation>&amp;Inserir 3×3</translation>
    </message>
    <message>
        <source>Format &amp;Table</source>
        <translation>&amp;Formatar tabela</translation>
    </message>
    <message>
        <source>Insert Row &amp;Above</source>
        <translation>Inserir linha &amp;acima</translation>
    </message>
    <message>
        <source>Insert Row &amp;Below</source>
        <translation>Inserir linha a&amp;baixo</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>&amp;Excluir linha</translation>
    </message>
    <message>
        <source>Insert Column &amp;Left</source>
        <translation>Inserir coluna à es&amp;querda</translation>
    </message>
    <message>
        <source>Insert Column &amp;Right</source>
        <translation>Inserir coluna à &amp;direita</translation>
    </message>
    <message>
        <source>D&amp;elete Column</source>
        <translation>Excluir &amp;coluna</translation>
    </message>
    <message>
        <source>Align Column Le&amp;ft</source>
        <translation>Alinhar coluna à e&amp;squerda</translation>
    </message>
    <message>
        <source>Align Column Ce&amp;nter</source>
        <translation>Alinhar coluna ao ce&amp;ntro</translation>
    </message>
    <message>
        <source>Align Column Ri&amp;ght</source>
        <translation>Alinhar coluna à di&amp;reita</translation>
    </message>
    <message>
        <source>Horizontal &amp;Rule</source>
        <translation>Linha &amp;horizontal</translation>
    </message>
    <message>
        <source>&amp;Footnote</source>
        <translation>&amp;Nota de rodapé</translation>
    </message>
    <message>
        <source>Table of &amp;Contents</source>
        <translation>&amp;Sumário</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Date</source>
        <translation>&amp;Data de hoje</translation>
    </message>
    <message>
        <source>Co&amp;mment</source>
        <translation>Co&amp;mentário</translation>
    </message>
    <message>
        <source>&amp;Document Info…</source>
        <translation>&amp;Informações do documento…</translation>
    </message>
    <message>
        <source>AI &amp;Assist…</source>
        <translation>&amp;Assistente de IA…</translation>
    </message>
    <message>
        <source>&amp;Translate…</source>
        <translation>&amp;Traduzir…</translation>
    </message>
    <message>
        <source>&amp;Suggest Continuation</source>
        <translation>&amp;Sugerir continuação</translation>
    </message>
    <message>
        <source>&amp;Clean Up Markdown</source>
        <translation>&amp;Limpar Markdown</translation>
    </message>
    <message>
        <source>&amp;Version History…</source>
        <translation>&amp;Histórico de versões…</translation>
    </message>
    <message>
        <source>Snapshot &amp;Now</source>
        <translation>&amp;Criar instantâneo</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamanho real</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>Ajustar à &amp;largura</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>Ajustar à &amp;página</translation>
    </message>
    <message>
        <source>Open &amp;Folder…</source>
        <translation>Abrir pa&amp;sta…</translation>
    </message>
    <message>
        <source>Toggle &amp;Distraction-Free</source>
        <translation>Modo sem &amp;distrações</translation>
    </message>
    <message>
        <source>&amp;Command Palette…</source>
        <translation>Paleta de &amp;comandos…</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>Tela c&amp;heia</translation>
    </message>
    <message>
        <source>&amp;Welcome to Brindlewick</source>
        <translation>&amp;Boas-vindas ao Brindlewick</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New</source>
        <translation>&amp;Novidades</translation>
    </message>
    <message>
        <source>Markdown &amp;Cheat Sheet</source>
        <translation>&amp;Guia rápido de Markdown</translation>
    </message>
    <message>
        <source>&amp;About Brindlewick</source>
        <translation>&amp;Sobre o Brindlewick</translation>
    </message>
</context>
<context>
    <name>OpenableFile</name>
    <message>
        <source>“%1” does not exist.</source>
        <translation>“%1” não existe.</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a text file.</source>
        <translation>“%1” é uma pasta, não um arquivo de texto.</translation>
    </message>
    <message>
        <source>“%1” is a pipe, not a text file.</source>
        <translation>“%1” é um pipe, não um arquivo de texto.</translation>
    </message>
    <message>
        <source>“%1” is a socket, not a text file.</source>
        <translation>“%1” é um socket, não um arquivo de texto.</translation>
    </message>
    <message>
        <source>“%1” is a device, not a text file.</source>
        <translation>“%1” é um dispositivo, não um arquivo de texto.</translation>
    </message>
    <message>
        <source>“%1” is larger than %L2 MB and is not opened.</source>
        <translation>“%1” tem mais de %L2 MB e não será aberto.</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>Não foi possível ler “%1”: %2</translation>
    </message>
    <message>
        <source>It does not exist.</source>
        <translation>Não existe.</translation>
    </message>
    <message>
        <source>It is a folder, not a text file.</source>
        <translation>É uma pasta, não um arquivo de texto.</translation>
    </message>
    <message>
        <source>It is a pipe, not a text file.</source>
        <translation>É um pipe, não um arquivo de texto.</translation>
    </message>
    <message>
        <source>It is a socket, not a text file.</source>
        <translation>É um socket, não um arquivo de texto.</translation>
    </message>
    <message>
        <source>It is a device, not a text file.</source>
        <translation>É um dispositivo, não um arquivo de texto.</translation>
    </message>
    <message>
        <source>It is larger than %L1 MB.</source>
        <translation>Tem mais de %L1 MB.</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Não foi possível lê-lo: %1</translation>
    </message>
</context>
<context>
    <name>OutlineSidebar</name>
    <message>
        <source>Outline</source>
        <translation>Estrutura</translation>
    </message>
    <message>
        <source>No headings</source>
        <translation>Nenhum título</translation>
    </message>
</context>
<context>
    <name>PDFStamper</name>
    <message>
        <source>the PDF has no pages</source>
        <translation>o PDF não tem páginas</translation>
    </message>
    <message>
        <source>the header and footer could not be drawn</source>
        <translation>não foi possível desenhar o cabeçalho e o rodapé</translation>
    </message>
</context>
<context>
    <name>PagedDocumentLayout</name>
    <message>
        <source>Header</source>
        <translation>Cabeçalho</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Rodapé</translation>
    </message>
</context>
<context>
    <name>PersonalDictionary</name>
    <message>
        <source>“%1” cannot be added to the dictionary.</source>
        <translation>Não é possível adicionar “%1” ao dicionário.</translation>
    </message>
    <message>
        <source>“%1” is not a file that the word list can be written to.</source>
        <translation>“%1” não é um arquivo em que a lista de palavras possa ser gravada.</translation>
    </message>
</context>
<context>
    <name>PrintController</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Não foi possível gerar o PDF.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing…</source>
        <translation>Imprimindo…</translation>
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
        <translation>Abertura rápida</translation>
    </message>
    <message>
        <source>Open recent…</source>
        <translation>Abrir recente…</translation>
    </message>
    <message>
        <source>Search recent documents</source>
        <translation>Pesquisar documentos recentes</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>Nenhum documento recente</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nenhum resultado</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the folder “%1” does not exist.</source>
        <translation>a pasta “%1” não existe.</translation>
    </message>
    <message>
        <source>the folder “%1” is read-only.</source>
        <translation>a pasta “%1” é somente leitura.</translation>
    </message>
    <message>
        <source>“%1” is read-only.</source>
        <translation>“%1” é somente leitura.</translation>
    </message>
    <message>
        <source>the disk is full.</source>
        <translation>o disco está cheio.</translation>
    </message>
    <message>
        <source>the disk is read-only.</source>
        <translation>o disco é somente leitura.</translation>
    </message>
    <message>
        <source>“%1” is not a file (it is a folder, a device, a pipe or a socket); nothing was written to it.</source>
        <translation>“%1” não é um arquivo (é uma pasta, um dispositivo, um pipe ou um socket); nada foi gravado nele.</translation>
    </message>
    <message>
        <source>the name “%1” is too long; choose a shorter one.</source>
        <translation>o nome “%1” é longo demais; escolha um mais curto.</translation>
    </message>
    <message>
        <source>its path is too long; choose a folder with a shorter path.</source>
        <translation>o caminho é longo demais; escolha uma pasta com um caminho mais curto.</translation>
    </message>
    <message>
        <source>the links on the way to “%1” go round in a circle and never reach a file; nothing was written to it.</source>
        <translation>os links no caminho até “%1” andam em círculo e nunca chegam a um arquivo; nada foi gravado nele.</translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>System Default</source>
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Nenhuma</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palavra</numerusform>
            <numerusform>%n palavras</numerusform>
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
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>My Theme %1</source>
        <translation>Meu tema %1</translation>
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
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Relaunch Brindlewick to apply a new language.</source>
        <translation>Reinicie o Brindlewick para aplicar o novo idioma.</translation>
    </message>
    <message>
        <source>Editing mode</source>
        <translation>Modo de edição</translation>
    </message>
    <message>
        <source>WYSIWYG</source>
        <translation>WYSIWYG</translation>
    </message>
    <message>
        <source>Markdown Source</source>
        <translation>Código-fonte Markdown</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Serif</source>
        <translation>Com serifa</translation>
    </message>
    <message>
        <source>Monospaced</source>
        <translation>Monoespaçada</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamanho do texto</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>Espaçamento entre linhas</translation>
    </message>
    <message>
        <source>Writing goal</source>
        <translation>Meta de escrita</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Largura da página</translation>
    </message>
    <message>
        <source>Page margin</source>
        <translation>Margem da página</translation>
    </message>
    <message>
        <source>Focus mode (dim inactive paragraphs)</source>
        <translation>Modo foco (esmaece parágrafos inativos)</translation>
    </message>
    <message>
        <source>Typewriter scrolling (keep caret centered)</source>
        <translation>Rolagem de máquina de escrever (cursor centralizado)</translation>
    </message>
    <message>
        <source>Text direction</source>
        <translation>Direção do texto</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Left-to-Right</source>
        <translation>Da esquerda para a direita</translation>
    </message>
    <message>
        <source>Right-to-Left</source>
        <translation>Da direita para a esquerda</translation>
    </message>
    <message>
        <source>Spelling language</source>
        <translation>Idioma do corretor</translation>
    </message>
    <message>
        <source>Reveal Markdown syntax on the active line</source>
        <translation>Mostrar a sintaxe Markdown na linha ativa</translation>
    </message>
    <message>
        <source>When on, the raw markdown (**, #, `) appears on the line your cursor is on. Off keeps it hidden while you edit.</source>
        <translation>Quando ativada, a marcação Markdown (**, #, `) aparece na linha em que está o cursor. Desativada, ela fica oculta enquanto você edita.</translation>
    </message>
    <message>
        <source>Check spelling while typing</source>
        <translation>Verificar ortografia ao digitar</translation>
    </message>
    <message>
        <source>Auto-pair markers around selection</source>
        <translation>Envolver a seleção com marcadores</translation>
    </message>
    <message>
        <source>Auto-pair wraps the selected text when you type * _ ` or [.</source>
        <translation>O texto selecionado é envolvido quando você digita * _ ` ou [.</translation>
    </message>
    <message>
        <source>Reopen documents from last session on launch</source>
        <translation>Reabrir os documentos da última sessão ao iniciar</translation>
    </message>
    <message>
        <source>Files you had open are reopened the next time you start Brindlewick.</source>
        <translation>Os arquivos que estavam abertos são reabertos na próxima vez que você iniciar o Brindlewick.</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Provedor</translation>
    </message>
    <message>
        <source>DeepSeek (cloud)</source>
        <translation>DeepSeek (nuvem)</translation>
    </message>
    <message>
        <source>Ollama (local)</source>
        <translation>Ollama (local)</translation>
    </message>
    <message>
        <source>Custom (OpenAI-compatible)</source>
        <translation>Personalizado (compatível com OpenAI)</translation>
    </message>
    <message>
        <source>DeepSeek API Key (sk-…)</source>
        <translation>Chave de API do DeepSeek (sk-…)</translation>
    </message>
    <message>
        <source>Stored locally; sent only to DeepSeek. Get one at %1.</source>
        <translation>Armazenada localmente; enviada só ao DeepSeek. Obtenha uma em %1.</translation>
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
        <translation>Roda inteiramente neste computador — sem chave, nada sai do dispositivo. Requer o Ollama instalado e em execução.</translation>
    </message>
    <message>
        <source>Endpoint URL</source>
        <translation>URL do endpoint</translation>
    </message>
    <message>
        <source>API Key (optional)</source>
        <translation>Chave de API (opcional)</translation>
    </message>
    <message>
        <source>Automatic inline suggestions</source>
        <translation>Sugestões automáticas no texto</translation>
    </message>
    <message>
        <source>When on, Brindlewick asks your AI provider to continue your text after you pause typing — one request per pause, so it may incur cost on cloud providers. Press Tab to accept a suggestion, Esc to dismiss. You can also trigger one manually from Tools ▸ Suggest Continuation.</source>
        <translation>Quando ativadas, o Brindlewick pede ao seu provedor de IA que continue o texto quando você faz uma pausa na digitação — uma solicitação por pausa, o que pode gerar custos em provedores na nuvem. Pressione Tab para aceitar uma sugestão e Esc para descartá-la. Você também pode pedir uma manualmente em Ferramentas ▸ Sugerir continuação.</translation>
    </message>
    <message>
        <source>Appended to the export stylesheet. Also enables MathJax ($$…$$) and Mermaid (```mermaid) in exported HTML.</source>
        <translation>Adicionado à folha de estilos da exportação. Também ativa o MathJax ($$…$$) e o Mermaid (```mermaid) no HTML exportado.</translation>
    </message>
    <message>
        <source>Toolbar groups</source>
        <translation>Grupos da barra de ferramentas</translation>
    </message>
    <message>
        <source>Formatting (headings, bold, italic…)</source>
        <translation>Formatação (títulos, negrito, itálico…)</translation>
    </message>
    <message>
        <source>Links &amp; media</source>
        <translation>Links e mídia</translation>
    </message>
    <message>
        <source>Lists &amp; blocks</source>
        <translation>Listas e blocos</translation>
    </message>
    <message>
        <source>Indent / outdent</source>
        <translation>Aumentar / diminuir recuo</translation>
    </message>
    <message>
        <source>%1 (no dictionary installed)</source>
        <translation>%1 (nenhum dicionário instalado)</translation>
    </message>
    <message>
        <source>Custom CSS for every export (HTML, PDF, Word, OpenDocument, Rich Text)</source>
        <translation>CSS personalizado para todas as exportações (HTML, PDF, Word, OpenDocument, Rich Text)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
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
        <translation>Exportação</translation>
    </message>
    <message>
        <source>Snippets</source>
        <translation>Trechos</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Press keys…</source>
        <translation>Pressione as teclas…</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
</context>
<context>
    <name>ShortcutsSettingsView</name>
    <message>
        <source>Assign your own keys to any command. Combinations must include Ctrl or Meta. Menu shortcuts take priority, so prefer unused combinations.</source>
        <translation>Atribua suas próprias teclas a qualquer comando. As combinações devem incluir Ctrl ou Meta. Os atalhos dos menus têm prioridade, então prefira combinações livres.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Limpar atalho</translation>
    </message>
    <message>
        <source>conflicts with %1</source>
        <translation>conflita com %1</translation>
    </message>
</context>
<context>
    <name>SnippetsSettingsView</name>
    <message>
        <source>Type a trigger and press Tab to expand. Use $| for the caret and $date for today.</source>
        <translation>Digite uma abreviação e pressione Tab para expandi-la. Use $| para o cursor e $date para a data de hoje.</translation>
    </message>
    <message>
        <source>Add snippet</source>
        <translation>Adicionar trecho</translation>
    </message>
    <message>
        <source>Remove snippet</source>
        <translation>Remover trecho</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>abreviação</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Abreviação</translation>
    </message>
    <message>
        <source>expansion</source>
        <translation>expansão</translation>
    </message>
</context>
<context>
    <name>StatsPopover</name>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caracteres</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>Sem espaços</translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation>Frases</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>Parágrafos</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Reading time</source>
        <translation>Tempo de leitura</translation>
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
        <translation>Reduzir (Ctrl+−)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar à largura</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar à página</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>Ampliar (Ctrl++)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palavra</numerusform>
            <numerusform>%n palavras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters</source>
        <translation>
            <numerusform>%n caractere</numerusform>
            <numerusform>%n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>~%1 min read</source>
        <translation>~%1 min de leitura</translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n selecionada</numerusform>
            <numerusform>%n selecionadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Goal %1/%2</source>
        <translation>Meta %1/%2</translation>
    </message>
</context>
<context>
    <name>TableGridPicker</name>
    <message>
        <source>%1 by %2 table</source>
        <translation>Tabela de %1 por %2</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Inserir tabela</translation>
    </message>
    <message>
        <source>%1 × %2 table</source>
        <translation>Tabela %1 × %2</translation>
    </message>
</context>
<context>
    <name>TemplateStore</name>
    <message>
        <source>Blank</source>
        <translation>Em branco</translation>
    </message>
    <message>
        <source>Meeting Notes</source>
        <translation>Notas de reunião</translation>
    </message>
    <message>
        <source>README</source>
        <translation>README</translation>
    </message>
    <message>
        <source>Blog Post</source>
        <translation>Post de blog</translation>
    </message>
    <message>
        <source>Daily Journal</source>
        <translation>Diário</translation>
    </message>
    <message>
        <source>To-Do List</source>
        <translation>Lista de afazeres</translation>
    </message>
    <message>
        <source>Table Starter</source>
        <translation>Tabela básica</translation>
    </message>
</context>
<context>
    <name>TextViewCommands</name>
    <message>
        <source>Save Pasted Image</source>
        <translation>Salvar imagem colada</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>TranslateSheet</name>
    <message>
        <source>Translate</source>
        <translation>Traduzir</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable translation.</source>
        <translation>Adicione sua chave de API do DeepSeek na aba IA das Configurações para ativar a tradução.</translation>
    </message>
    <message>
        <source>Translating…</source>
        <translation>Traduzindo…</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Or type a language</source>
        <translation>Ou digite um idioma</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Seleção</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>Documento inteiro</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Holandês</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinês tradicional</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
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
        <translation>Polonês</translation>
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
        <translation>Tailandês</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonésio</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grego</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebraico</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
</context>
<context>
    <name>TranslationError</name>
    <message>
        <source>Invalid AI endpoint. Check Settings ▸ AI.</source>
        <translation>Endpoint de IA inválido. Verifique Configurações ▸ IA.</translation>
    </message>
    <message>
        <source>The API key contains line breaks or control characters. Check Settings ▸ AI.</source>
        <translation>A chave de API contém quebras de linha ou caracteres de controle. Verifique Configurações ▸ IA.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>A solicitação expirou.</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings first.</source>
        <translation>Adicione primeiro sua chave de API do DeepSeek na aba IA das Configurações.</translation>
    </message>
    <message>
        <source>The translation service returned an unexpected response.</source>
        <translation>O serviço de tradução retornou uma resposta inesperada.</translation>
    </message>
    <message>
        <source>HTTP %1 from server</source>
        <translation>HTTP %1 do servidor</translation>
    </message>
    <message>
        <source>HTTP %1 from %2</source>
        <translation>HTTP %1 de %2</translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>The current text could not be kept as a version, so nothing was restored.

%1</source>
        <translation>Não foi possível guardar o texto atual como versão, então nada foi restaurado.

%1</translation>
    </message>
</context>
<context>
    <name>VersionHistoryView</name>
    <message>
        <source>Version History</source>
        <translation>Histórico de versões</translation>
    </message>
    <message>
        <source>Save this document first</source>
        <translation>Salve este documento primeiro</translation>
    </message>
    <message>
        <source>Version history is kept per file, so an untitled document has no history until it is saved.</source>
        <translation>O histórico de versões é mantido por arquivo, então um documento sem título não tem histórico até ser salvo.</translation>
    </message>
    <message>
        <source>Snapshot Now</source>
        <translation>Criar instantâneo</translation>
    </message>
    <message>
        <source>No versions saved yet</source>
        <translation>Nenhuma versão salva ainda</translation>
    </message>
    <message>
        <source>Brindlewick snapshots this document as you edit. Use “Snapshot Now” to capture one immediately.</source>
        <translation>O Brindlewick cria instantâneos deste documento enquanto você edita. Use “Criar instantâneo” para capturar um imediatamente.</translation>
    </message>
    <message>
        <source>Select a version to preview</source>
        <translation>Selecione uma versão para visualizar</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>Nenhuma alteração</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Restaurar esta versão</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n palavra</numerusform>
            <numerusform>%n palavras</numerusform>
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
        <translation>Não foi possível alterar o documento, então a versão não foi restaurada.</translation>
    </message>
</context>
<context>
    <name>VersionStore</name>
    <message>
        <source>Could not save a version of “%1”: %2</source>
        <translation>Não foi possível salvar uma versão de “%1”: %2</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be written.</source>
        <translation>não é possível gravar na pasta “%1”.</translation>
    </message>
    <message>
        <source>Could not delete the version: %1</source>
        <translation>Não foi possível excluir a versão: %1</translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Welcome to Brindlewick</source>
        <translation>Boas-vindas ao Brindlewick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>A clean, native Markdown editor.</source>
        <translation>Um editor de Markdown limpo e nativo.</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Novo documento</translation>
    </message>
    <message>
        <source>New from Template…</source>
        <translation>Novo a partir de modelo…</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Markdown Cheat Sheet</source>
        <translation>Guia rápido de Markdown</translation>
    </message>
    <message>
        <source>Show this window when Brindlewick opens</source>
        <translation>Mostrar esta janela ao abrir o Brindlewick</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recentes</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>Nenhum documento recente</translation>
    </message>
</context>
<context>
    <name>WhatsNewWindow</name>
    <message>
        <source>What&apos;s New</source>
        <translation>Novidades</translation>
    </message>
    <message>
        <source>What&apos;s New in Brindlewick</source>
        <translation>Novidades do Brindlewick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
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
        <translation>Não foi possível salvar uma versão do documento.</translation>
    </message>
    <message>
        <source>A version of the document “%1” could not be saved.</source>
        <translation>Não foi possível salvar uma versão do documento “%1”.</translation>
    </message>
</context>
</TS>
