<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AIActions</name>
    <message>
        <source>Improve Writing</source>
        <translation>润色文字</translation>
    </message>
    <message>
        <source>Fix Spelling &amp; Grammar</source>
        <translation>修正拼写和语法</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>改写</translation>
    </message>
    <message>
        <source>Make Shorter</source>
        <translation>缩短</translation>
    </message>
    <message>
        <source>Make Longer</source>
        <translation>扩写</translation>
    </message>
    <message>
        <source>Professional Tone</source>
        <translation>专业语气</translation>
    </message>
    <message>
        <source>Casual Tone</source>
        <translation>轻松语气</translation>
    </message>
    <message>
        <source>Summarize</source>
        <translation>总结</translation>
    </message>
    <message>
        <source>Draft from Outline</source>
        <translation>根据大纲起草</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>解释</translation>
    </message>
    <message>
        <source>Suggest Title &amp; Tags</source>
        <translation>建议标题和标签</translation>
    </message>
</context>
<context>
    <name>AIAssistSheet</name>
    <message>
        <source>AI Assist</source>
        <translation>AI 助手</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable the assist actions.</source>
        <translation>请在设置的“AI”页中添加 DeepSeek API 密钥以启用助手操作。</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>正在处理…</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Custom instruction (optional)</source>
        <translation>自定义指令（可选）</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>所选内容</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>整个文档</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message numerus="yes">
        <source>%n files or links were not opened.</source>
        <translation>
            <numerusform>有 %n 个文件或链接未打开。</numerusform>
        </translation>
    </message>
    <message>
        <source>One request opens at most %1 of them. Not opened:
%2</source>
        <translation>一次请求最多打开 %1 个。未打开：
%2</translation>
    </message>
</context>
<context>
    <name>AssistRunner</name>
    <message>
        <source>The text changed while the answer was on its way, so nothing was changed. Run it again.</source>
        <translation>等待回复期间文本已更改，因此未做任何修改。请重新运行。</translation>
    </message>
    <message>
        <source>The answer was empty, so nothing was changed.</source>
        <translation>回复为空，因此未做任何修改。</translation>
    </message>
    <message>
        <source>The editor did not accept the change.</source>
        <translation>编辑器未接受此修改。</translation>
    </message>
</context>
<context>
    <name>AssistSheet</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>范围</translation>
    </message>
</context>
<context>
    <name>AutosaveStore</name>
    <message>
        <source>The autosave folder “%1” could not be created.</source>
        <translation>无法创建自动保存文件夹“%1”。</translation>
    </message>
    <message>
        <source>The autosave folder “%1” cannot be written: %2</source>
        <translation>无法写入自动保存文件夹“%1”：%2</translation>
    </message>
</context>
<context>
    <name>BatchExport</name>
    <message>
        <source>Another file of the folder is exported as “%1”.</source>
        <translation>该文件夹中的另一个文件也导出为“%1”。</translation>
    </message>
    <message>
        <source>It is not valid UTF-8 text.</source>
        <translation>不是有效的 UTF-8 文本。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>以及其他 %1 个</translation>
    </message>
    <message>
        <source>A file to be written already exists.</source>
        <translation>要写入的一个文件已存在。</translation>
    </message>
    <message numerus="yes">
        <source>%n files to be written already exist.</source>
        <translation>
            <numerusform>要写入的文件中有 %n 个已存在。</numerusform>
        </translation>
    </message>
    <message>
        <source>Replacing them overwrites their current contents:
</source>
        <translation>替换将覆盖它们现有的内容：
</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>已保存到 %1。</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>没有可导出的内容</translation>
    </message>
    <message>
        <source>No Markdown files found in that folder.</source>
        <translation>该文件夹中没有 Markdown 文件。</translation>
    </message>
    <message>
        <source>Exported 1 file</source>
        <translation>已导出 1 个文件</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n files</source>
        <translation>
            <numerusform>已导出 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Not exported:</source>
        <translation>未导出：</translation>
    </message>
    <message numerus="yes">
        <source>Exported %1 of %n files</source>
        <translation>
            <numerusform>已导出 %1 个文件（共 %n 个）</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” is a link to another file; it was not replaced.</source>
        <translation>“%1”是指向另一个文件的链接，未被替换。</translation>
    </message>
</context>
<context>
    <name>BatchExporter</name>
    <message>
        <source>Exporting…</source>
        <translation>正在导出…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>第 %1 个，共 %2 个</translation>
    </message>
    <message>
        <source>It could not be written.</source>
        <translation>无法写入。</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to export.</source>
        <translation>选择要导出的 Markdown 文件所在的文件夹。</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>全部导出</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
</context>
<context>
    <name>CommandCategory</name>
    <message>
        <source>Headings</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Lists &amp; Blocks</source>
        <translation>列表和区块</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>行</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
</context>
<context>
    <name>CommandPalette</name>
    <message>
        <source>Command Palette</source>
        <translation>命令面板</translation>
    </message>
    <message>
        <source>Type a command…</source>
        <translation>输入命令…</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>搜索命令</translation>
    </message>
    <message>
        <source>No matching commands</source>
        <translation>没有匹配的命令</translation>
    </message>
</context>
<context>
    <name>CommandRegistry</name>
    <message>
        <source>Heading 1</source>
        <translation>标题 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>标题 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>标题 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>标题 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>标题 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>标题 6</translation>
    </message>
    <message>
        <source>Body Text</source>
        <translation>正文</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>粗斜体</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>删除线</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>行内代码</translation>
    </message>
    <message>
        <source>Comment (HTML)</source>
        <translation>注释（HTML）</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>无序列表</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>有序列表</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>任务列表</translation>
    </message>
    <message>
        <source>Toggle Task Done</source>
        <translation>切换任务完成状态</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>引用块</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>代码块</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>增加缩进</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>减少缩进</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>水平分隔线</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>脚注</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Today&apos;s Date</source>
        <translation>今天的日期</translation>
    </message>
    <message>
        <source>Table (2×2)</source>
        <translation>表格（2×2）</translation>
    </message>
    <message>
        <source>Table (3×3)</source>
        <translation>表格（3×3）</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>行内公式</translation>
    </message>
    <message>
        <source>Format Table</source>
        <translation>格式化表格</translation>
    </message>
    <message>
        <source>Table: Insert Row Above</source>
        <translation>表格：在上方插入行</translation>
    </message>
    <message>
        <source>Table: Insert Row Below</source>
        <translation>表格：在下方插入行</translation>
    </message>
    <message>
        <source>Table: Delete Row</source>
        <translation>表格：删除行</translation>
    </message>
    <message>
        <source>Table: Insert Column Left</source>
        <translation>表格：在左侧插入列</translation>
    </message>
    <message>
        <source>Table: Insert Column Right</source>
        <translation>表格：在右侧插入列</translation>
    </message>
    <message>
        <source>Table: Delete Column</source>
        <translation>表格：删除列</translation>
    </message>
    <message>
        <source>Table: Align Column Left</source>
        <translation>表格：列左对齐</translation>
    </message>
    <message>
        <source>Table: Align Column Center</source>
        <translation>表格：列居中对齐</translation>
    </message>
    <message>
        <source>Table: Align Column Right</source>
        <translation>表格：列右对齐</translation>
    </message>
    <message>
        <source>UPPERCASE</source>
        <translation>全部大写</translation>
    </message>
    <message>
        <source>lowercase</source>
        <translation>全部小写</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>首字母大写</translation>
    </message>
    <message>
        <source>Sort Lines A→Z</source>
        <translation>按 A→Z 排序行</translation>
    </message>
    <message>
        <source>Sort Lines Z→A</source>
        <translation>按 Z→A 排序行</translation>
    </message>
    <message>
        <source>Remove Duplicate Lines</source>
        <translation>删除重复行</translation>
    </message>
    <message>
        <source>Move Line Up</source>
        <translation>上移行</translation>
    </message>
    <message>
        <source>Move Line Down</source>
        <translation>下移行</translation>
    </message>
    <message>
        <source>Duplicate Line</source>
        <translation>创建行副本</translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation>删除行</translation>
    </message>
    <message>
        <source>Select Line</source>
        <translation>选择行</translation>
    </message>
    <message>
        <source>Toggle WYSIWYG / Markdown Source</source>
        <translation>切换所见即所得 / Markdown 源码</translation>
    </message>
    <message>
        <source>Suggest Continuation</source>
        <translation>续写建议</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>整理 Markdown</translation>
    </message>
    <message>
        <source>Export as HTML…</source>
        <translation>导出为 HTML…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>导出为 PDF…</translation>
    </message>
    <message>
        <source>Export as Rich Text…</source>
        <translation>导出为富文本…</translation>
    </message>
    <message>
        <source>Export as Word…</source>
        <translation>导出为 Word…</translation>
    </message>
    <message>
        <source>Export as OpenDocument…</source>
        <translation>导出为 OpenDocument…</translation>
    </message>
    <message>
        <source>Copy as HTML</source>
        <translation>复制为 HTML</translation>
    </message>
</context>
<context>
    <name>CustomThemesEditor</name>
    <message>
        <source>Custom themes</source>
        <translation>自定义主题</translation>
    </message>
    <message>
        <source>Add Theme</source>
        <translation>添加主题</translation>
    </message>
    <message>
        <source>Add a theme to start from the current colours, then edit them here.</source>
        <translation>添加的主题以当前颜色为起点，之后可在此编辑颜色。</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Use This Theme</source>
        <translation>使用此主题</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>创建副本</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>Do you want to save the changes made to the document “%1”?</source>
        <translation>是否保存对文档“%1”所做的更改？</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>如果不保存，您的更改将会丢失。</translation>
    </message>
    <message>
        <source>Don’t Save</source>
        <translation>不保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>The file of the document “%1” was moved or deleted by another program.</source>
        <translation>文档“%1”的文件已被其他程序移动或删除。</translation>
    </message>
    <message>
        <source>The document “%1” was changed by another program.</source>
        <translation>文档“%1”已被其他程序更改。</translation>
    </message>
    <message>
        <source>Save your version to write the file again, save it under another name, or leave the file removed.</source>
        <translation>您可以保存您的版本以重新写入该文件，也可以以其他名称保存，或任其保持删除状态。</translation>
    </message>
    <message>
        <source>Keep your version to overwrite the file, reload the version on disk (your changes can be undone), or save your version under another name.</source>
        <translation>您可以保留您的版本并覆盖该文件，也可以重新载入磁盘上的版本（您的更改可以撤销），或以其他名称保存您的版本。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>保留我的版本</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新载入</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存为…</translation>
    </message>
    <message>
        <source>The document “%1” could not be opened.</source>
        <translation>无法打开文档“%1”。</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>清除菜单(&amp;C)</translation>
    </message>
    <message>
        <source>The last save of “%1” did not finish.</source>
        <translation>上次保存“%1”未完成。</translation>
    </message>
    <message>
        <source>The file “%1” may be incomplete. This window holds the text that was being saved: write it back to the file, or keep it here for now.</source>
        <translation>文件“%1”可能不完整。此窗口包含正在保存的文本：将其写回文件，或暂时保留在这里。</translation>
    </message>
    <message>
        <source>Write Back</source>
        <translation>写回</translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>未命名 %1</translation>
    </message>
    <message>
        <source>The document “%1” could not be saved.</source>
        <translation>无法保存文档“%1”。</translation>
    </message>
    <message>
        <source>“%1” is open in another window. Close that window first, or choose another name.</source>
        <translation>“%1”已在另一个窗口中打开。请先关闭该窗口，或选择其他名称。</translation>
    </message>
    <message>
        <source>Unsaved text cannot be kept for the next launch.</source>
        <translation>未保存的文本无法保留到下次启动。</translation>
    </message>
    <message>
        <source>The document “%1” could not be autosaved.</source>
        <translation>无法自动保存文档“%1”。</translation>
    </message>
    <message>
        <source>The file “%1” was moved or deleted by another program; it was not written again.</source>
        <translation>文件“%1”已被其他程序移动或删除，未重新写入。</translation>
    </message>
    <message>
        <source>“%1” was changed by another program; it was not overwritten.</source>
        <translation>“%1”已被其他程序更改，未将其覆盖。</translation>
    </message>
    <message>
        <source>%1 (recovered)</source>
        <translation>%1（已恢复）</translation>
    </message>
</context>
<context>
    <name>EditorToolbar</name>
    <message>
        <source>Formatting</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Paragraph style</source>
        <translation>段落样式</translation>
    </message>
    <message>
        <source>Insert Link</source>
        <translation>插入链接</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>引用块</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>代码块</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>删除线</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>行内代码</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>无序列表</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>有序列表</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>任务列表</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>左对齐</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>右对齐</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>两端对齐</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>减少缩进</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>增加缩进</translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation>插入图片</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>插入表格</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>水平分隔线</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>行内公式</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>脚注</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>插入日期</translation>
    </message>
    <message>
        <source>AI Assist…</source>
        <translation>AI 助手…</translation>
    </message>
    <message>
        <source>Translate…</source>
        <translation>翻译…</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>整理 Markdown</translation>
    </message>
    <message>
        <source>Version History…</source>
        <translation>版本历史…</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>大纲</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>标尺</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>命令面板</translation>
    </message>
    <message>
        <source>All tools</source>
        <translation>所有工具</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Switch to Markdown source</source>
        <translation>切换到 Markdown 源码</translation>
    </message>
    <message>
        <source>Switch to WYSIWYG</source>
        <translation>切换到所见即所得</translation>
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
        <translation>学术</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>紧凑</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Academic PDF</source>
        <translation>学术 PDF</translation>
    </message>
    <message>
        <source>Clean PDF</source>
        <translation>简洁 PDF</translation>
    </message>
    <message>
        <source>New Preset</source>
        <translation>新预设</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 副本</translation>
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
        <translation>富文本</translation>
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
        <translation>复制 HTML</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>导出预设</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Custom CSS (appended after the theme)</source>
        <translation>自定义 CSS（附加在主题之后）</translation>
    </message>
    <message>
        <source>Select or add a preset</source>
        <translation>选择或添加预设</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>添加预设</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>删除预设</translation>
    </message>
    <message>
        <source>Duplicate preset</source>
        <translation>创建预设副本</translation>
    </message>
    <message>
        <source>Export With This Preset</source>
        <translation>使用此预设导出</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <source>PDF pages are made by the page renderer.</source>
        <translation>PDF 页面由页面渲染器生成。</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>无法转换文档。</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported as PDF.</source>
        <translation>无法将文档“%1”导出为 PDF。</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported.</source>
        <translation>无法导出文档“%1”。</translation>
    </message>
    <message>
        <source>The document “%1” could not be converted.</source>
        <translation>无法转换文档“%1”。</translation>
    </message>
    <message>
        <source>HTML Page (*.html)</source>
        <translation>HTML 网页 (*.html)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Rich Text Document (*.rtf)</source>
        <translation>富文本文档 (*.rtf)</translation>
    </message>
    <message>
        <source>Word Document (*.docx)</source>
        <translation>Word 文档 (*.docx)</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>OpenDocument 文本 (*.odt)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
</context>
<context>
    <name>FileBrowserSidebar</name>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Refresh file list</source>
        <translation>刷新文件列表</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>打开文件夹…</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>No folder open</source>
        <translation>未打开文件夹</translation>
    </message>
    <message>
        <source>No Markdown files here</source>
        <translation>此处没有 Markdown 文件</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to browse.</source>
        <translation>选择要浏览的 Markdown 文件所在的文件夹。</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>替换为</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n 个匹配项</numerusform>
        </translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>全部替换</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>无匹配项</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>第 %1 项，共 %2 项</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 个匹配项</translation>
    </message>
</context>
<context>
    <name>FrontMatterEditor</name>
    <message>
        <source>Document Info</source>
        <translation>文档信息</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>comma, separated</source>
        <translation>以逗号分隔</translation>
    </message>
    <message>
        <source>Stored as YAML front matter at the top of the document.</source>
        <translation>以 YAML 前置元数据的形式保存在文档开头。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>HeaderFooterEditor</name>
    <message>
        <source>Page Header &amp; Footer</source>
        <translation>页眉和页脚</translation>
    </message>
    <message>
        <source>Shown on printed and exported pages. Markdown has no header/footer concept, so these apply to output only.</source>
        <translation>显示在打印和导出的页面上。Markdown 没有页眉/页脚的概念，因此它们只作用于输出。</translation>
    </message>
    <message>
        <source>e.g. {title}</source>
        <translation>例如 {title}</translation>
    </message>
    <message>
        <source>e.g. Page {page} of {pages}</source>
        <translation>例如 第 {page} 页，共 {pages} 页</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>页眉</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>页脚</translation>
    </message>
    <message>
        <source>Tokens:</source>
        <translation>占位符：</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>ImageInsertView</name>
    <message>
        <source>Insert Image</source>
        <translation>插入图片</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>选择文件…</translation>
    </message>
    <message>
        <source>or</source>
        <translation>或</translation>
    </message>
    <message>
        <source>Image URL</source>
        <translation>图片 URL</translation>
    </message>
    <message>
        <source>Alt text (optional)</source>
        <translation>替代文本（可选）</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>选择图片</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>图片 (%1)</translation>
    </message>
</context>
<context>
    <name>LinkEditorView</name>
    <message>
        <source>Insert Link</source>
        <translation>插入链接</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
</context>
<context>
    <name>LongPaste</name>
    <message>
        <source>Paste progress</source>
        <translation>粘贴进度</translation>
    </message>
    <message>
        <source>Pasting… %p%</source>
        <translation>正在粘贴… %p%</translation>
    </message>
    <message>
        <source>Pasting…</source>
        <translation>正在粘贴…</translation>
    </message>
</context>
<context>
    <name>MarkdownDocument</name>
    <message>
        <source>The file is not valid UTF-8 text (byte 0x%1 at offset %2).</source>
        <translation>该文件不是有效的 UTF-8 文本（偏移量 %2 处的字节 0x%1）。</translation>
    </message>
    <message>
        <source>“%1” is not valid UTF-8 text (byte 0x%2 at offset %3).</source>
        <translation>“%1”不是有效的 UTF-8 文本（偏移量 %3 处的字节 0x%2）。</translation>
    </message>
    <message>
        <source>“%1” could not be saved: %2</source>
        <translation>无法保存“%1”：%2</translation>
    </message>
    <message>
        <source>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</source>
        <translation>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</translation>
    </message>
    <message>
        <source>Plain text (*.txt *.text)</source>
        <translation>纯文本 (*.txt *.text)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>MarkdownTextView</name>
    <message>
        <source>Markdown editor</source>
        <translation>Markdown 编辑器</translation>
    </message>
    <message>
        <source>No Guesses Found</source>
        <translation>无拼写建议</translation>
    </message>
    <message>
        <source>&amp;Ignore Spelling</source>
        <translation>忽略拼写(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>添加到词典(&amp;A)</translation>
    </message>
    <message>
        <source>The word could not be added to the dictionary</source>
        <translation>无法将该词添加到词典</translation>
    </message>
    <message>
        <source>“%1” is accepted until the program quits, but it could not be kept: %2</source>
        <translation>在程序退出前“%1”会被视为拼写正确，但无法永久保存：%2</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Open the Menu Bar</source>
        <translation>打开菜单栏</translation>
    </message>
    <message>
        <source>Show File &amp;Browser</source>
        <translation>显示文件浏览器(&amp;B)</translation>
    </message>
    <message>
        <source>Hide File &amp;Browser</source>
        <translation>隐藏文件浏览器(&amp;B)</translation>
    </message>
    <message>
        <source>Show Out&amp;line</source>
        <translation>显示大纲(&amp;L)</translation>
    </message>
    <message>
        <source>Hide Out&amp;line</source>
        <translation>隐藏大纲(&amp;L)</translation>
    </message>
    <message>
        <source>Show &amp;Minimap</source>
        <translation>显示缩略图(&amp;M)</translation>
    </message>
    <message>
        <source>Hide &amp;Minimap</source>
        <translation>隐藏缩略图(&amp;M)</translation>
    </message>
    <message>
        <source>Show &amp;Ruler</source>
        <translation>显示标尺(&amp;R)</translation>
    </message>
    <message>
        <source>Hide &amp;Ruler</source>
        <translation>隐藏标尺(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Show Markdown Source</source>
        <translation>显示 Markdown 源码(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Show WYSIWYG</source>
        <translation>显示所见即所得(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Manage Export Presets…</source>
        <translation>管理导出预设(&amp;M)…</translation>
    </message>
    <message>
        <source>About Brindlewick</source>
        <translation>关于 Brindlewick</translation>
    </message>
    <message>
        <source>Brindlewick %1</source>
        <translation>Brindlewick %1</translation>
    </message>
    <message>
        <source>A Markdown editor.</source>
        <translation>Markdown 编辑器。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>导出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Batch Export Folder</source>
        <translation>批量导出文件夹(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>查找(&amp;F)</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>格式(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Heading</source>
        <translation>标题(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>列表(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Align</source>
        <translation>对齐(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>转换(&amp;T)</translation>
    </message>
    <message>
        <source>Li&amp;nes</source>
        <translation>行(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>插入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>表格(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>打开(&amp;O)…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>New from &amp;Template</source>
        <translation>从模板新建(&amp;T)</translation>
    </message>
    <message>
        <source>Quic&amp;k Open…</source>
        <translation>快速打开(&amp;K)…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>As &amp;HTML…</source>
        <translation>&amp;HTML…</translation>
    </message>
    <message>
        <source>As &amp;PDF…</source>
        <translation>&amp;PDF…</translation>
    </message>
    <message>
        <source>As &amp;Word…</source>
        <translation>&amp;Word…</translation>
    </message>
    <message>
        <source>As &amp;OpenDocument…</source>
        <translation>&amp;OpenDocument…</translation>
    </message>
    <message>
        <source>As &amp;Rich Text…</source>
        <translation>富文本(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Copy as HTML</source>
        <translation>复制为 HTML(&amp;C)</translation>
    </message>
    <message>
        <source>Pre&amp;sets</source>
        <translation>预设(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Header &amp;&amp; Footer…</source>
        <translation>页眉和页脚(&amp;H)…</translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation>页面设置(&amp;U)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>Allow Access to &amp;Folder…</source>
        <translation>允许访问文件夹(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>查找(&amp;F)…</translation>
    </message>
    <message>
        <source>Find &amp;&amp; &amp;Replace…</source>
        <translation>查找和替换(&amp;R)…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>查找下一个(&amp;N)</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>查找上一个(&amp;V)</translation>
    </message>
    <message>
        <source>Use &amp;Selection for Find</source>
        <translation>用所选内容查找(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>设置(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>粗体(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>删除线(&amp;S)</translation>
    </message>
    <message>
        <source>Inline &amp;Code</source>
        <translation>行内代码(&amp;C)</translation>
    </message>
    <message>
        <source>Heading &amp;1</source>
        <translation>标题 &amp;1</translation>
    </message>
    <message>
        <source>Heading &amp;2</source>
        <translation>标题 &amp;2</translation>
    </message>
    <message>
        <source>Heading &amp;3</source>
        <translation>标题 &amp;3</translation>
    </message>
    <message>
        <source>Heading &amp;4</source>
        <translation>标题 &amp;4</translation>
    </message>
    <message>
        <source>Heading &amp;5</source>
        <translation>标题 &amp;5</translation>
    </message>
    <message>
        <source>Heading &amp;6</source>
        <translation>标题 &amp;6</translation>
    </message>
    <message>
        <source>&amp;Body Text</source>
        <translation>正文(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Bulleted List</source>
        <translation>无序列表(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Numbered List</source>
        <translation>有序列表(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Task List</source>
        <translation>任务列表(&amp;T)</translation>
    </message>
    <message>
        <source>Toggle Task &amp;Done</source>
        <translation>切换任务完成状态(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation>增加缩进(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Outdent</source>
        <translation>减少缩进(&amp;O)</translation>
    </message>
    <message>
        <source>Block&amp;quote</source>
        <translation>引用块(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>左对齐(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>居中(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>右对齐(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>两端对齐(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;UPPERCASE</source>
        <translation>全部大写(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;lowercase</source>
        <translation>全部小写(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <translation>首字母大写(&amp;T)</translation>
    </message>
    <message>
        <source>Sort Lines &amp;A→Z</source>
        <translation>按 &amp;A→Z 排序行</translation>
    </message>
    <message>
        <source>Sort Lines &amp;Z→A</source>
        <translation>按 &amp;Z→A 排序行</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicate Lines</source>
        <translation>删除重复行(&amp;D)</translation>
    </message>
    <message>
        <source>Move Line &amp;Up</source>
        <translation>上移行(&amp;U)</translation>
    </message>
    <message>
        <source>Move Line &amp;Down</source>
        <translation>下移行(&amp;D)</translation>
    </message>
    <message>
        <source>Du&amp;plicate Line</source>
        <translation>创建行副本(&amp;P)</translation>
    </message>
    <message>
        <source>D&amp;elete Line</source>
        <translation>删除行(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Select Line</source>
        <translation>选择行(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Link…</source>
        <translation>链接(&amp;L)…</translation>
    </message>
    <message>
        <source>Code &amp;Block</source>
        <translation>代码块(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Insert 3×3</source>
        <translation>插入 3×3 表格(&amp;I)</translation>
    </message>
    <message>
        <source>Format &amp;Table</source>
        <translation>格式化表格(&amp;T)</translation>
    </message>
    <message>
        <source>Insert Row &amp;Above</source>
        <translation>在上方插入行(&amp;A)</translation>
    </message>
    <message>
        <source>Insert Row &amp;Below</source>
        <translation>在下方插入行(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>删除行(&amp;D)</translation>
    </message>
    <message>
        <source>Insert Column &amp;Left</source>
        <translation>在左侧插入列(&amp;L)</translation>
    </message>
    <message>
        <source>Insert Column &amp;Right</source>
        <translation>在右侧插入列(&amp;R)</translation>
    </message>
    <message>
        <source>D&amp;elete Column</source>
        <translation>删除列(&amp;E)</translation>
    </message>
    <message>
        <source>Align Column Le&amp;ft</source>
        <translation>列左对齐(&amp;F)</translation>
    </message>
    <message>
        <source>Align Column Ce&amp;nter</source>
        <translation>列居中对齐(&amp;N)</translation>
    </message>
    <message>
        <source>Align Column Ri&amp;ght</source>
        <translation>列右对齐(&amp;G)</translation>
    </message>
    <message>
        <source>Horizontal &amp;Rule</source>
        <translation>水平分隔线(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Footnote</source>
        <translation>脚注(&amp;F)</translation>
    </message>
    <message>
        <source>Table of &amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Date</source>
        <translation>今天的日期(&amp;D)</translation>
    </message>
    <message>
        <source>Co&amp;mment</source>
        <translation>注释(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Document Info…</source>
        <translation>文档信息(&amp;D)…</translation>
    </message>
    <message>
        <source>AI &amp;Assist…</source>
        <translation>AI 助手(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Translate…</source>
        <translation>翻译(&amp;T)…</translation>
    </message>
    <message>
        <source>&amp;Suggest Continuation</source>
        <translation>续写建议(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Clean Up Markdown</source>
        <translation>整理 Markdown(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Version History…</source>
        <translation>版本历史(&amp;V)…</translation>
    </message>
    <message>
        <source>Snapshot &amp;Now</source>
        <translation>立即创建快照(&amp;N)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>实际大小(&amp;A)</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>适应宽度(&amp;W)</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>适应页面(&amp;P)</translation>
    </message>
    <message>
        <source>Open &amp;Folder…</source>
        <translation>打开文件夹(&amp;F)…</translation>
    </message>
    <message>
        <source>Toggle &amp;Distraction-Free</source>
        <translation>切换无干扰模式(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Command Palette…</source>
        <translation>命令面板(&amp;C)…</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>全屏(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Welcome to Brindlewick</source>
        <translation>欢迎使用 Brindlewick(&amp;W)</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New</source>
        <translation>新功能(&amp;N)</translation>
    </message>
    <message>
        <source>Markdown &amp;Cheat Sheet</source>
        <translation>Markdown 速查表(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Brindlewick</source>
        <translation>关于 Brindlewick(&amp;A)</translation>
    </message>
</context>
<context>
    <name>OpenableFile</name>
    <message>
        <source>“%1” does not exist.</source>
        <translation>“%1”不存在。</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a text file.</source>
        <translation>“%1”是文件夹，不是文本文件。</translation>
    </message>
    <message>
        <source>“%1” is a pipe, not a text file.</source>
        <translation>“%1”是管道，不是文本文件。</translation>
    </message>
    <message>
        <source>“%1” is a socket, not a text file.</source>
        <translation>“%1”是套接字，不是文本文件。</translation>
    </message>
    <message>
        <source>“%1” is a device, not a text file.</source>
        <translation>“%1”是设备，不是文本文件。</translation>
    </message>
    <message>
        <source>“%1” is larger than %L2 MB and is not opened.</source>
        <translation>“%1”大于 %L2 MB，未打开。</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <source>It does not exist.</source>
        <translation>不存在。</translation>
    </message>
    <message>
        <source>It is a folder, not a text file.</source>
        <translation>是文件夹，不是文本文件。</translation>
    </message>
    <message>
        <source>It is a pipe, not a text file.</source>
        <translation>是管道，不是文本文件。</translation>
    </message>
    <message>
        <source>It is a socket, not a text file.</source>
        <translation>是套接字，不是文本文件。</translation>
    </message>
    <message>
        <source>It is a device, not a text file.</source>
        <translation>是设备，不是文本文件。</translation>
    </message>
    <message>
        <source>It is larger than %L1 MB.</source>
        <translation>大于 %L1 MB。</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
</context>
<context>
    <name>OutlineSidebar</name>
    <message>
        <source>Outline</source>
        <translation>大纲</translation>
    </message>
    <message>
        <source>No headings</source>
        <translation>没有标题</translation>
    </message>
</context>
<context>
    <name>PDFStamper</name>
    <message>
        <source>the PDF has no pages</source>
        <translation>PDF 没有页面</translation>
    </message>
    <message>
        <source>the header and footer could not be drawn</source>
        <translation>无法绘制页眉和页脚</translation>
    </message>
</context>
<context>
    <name>PagedDocumentLayout</name>
    <message>
        <source>Header</source>
        <translation>页眉</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>页脚</translation>
    </message>
</context>
<context>
    <name>PersonalDictionary</name>
    <message>
        <source>“%1” cannot be added to the dictionary.</source>
        <translation>无法将“%1”添加到词典。</translation>
    </message>
    <message>
        <source>“%1” is not a file that the word list can be written to.</source>
        <translation>“%1”不是可写入词表的文件。</translation>
    </message>
</context>
<context>
    <name>PrintController</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>无法生成 PDF。</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing…</source>
        <translation>正在打印…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QuickOpenSheet</name>
    <message>
        <source>Quick Open</source>
        <translation>快速打开</translation>
    </message>
    <message>
        <source>Open recent…</source>
        <translation>打开最近的文档…</translation>
    </message>
    <message>
        <source>Search recent documents</source>
        <translation>搜索最近的文档</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>没有最近的文档</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>无匹配项</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the folder “%1” does not exist.</source>
        <translation>文件夹“%1”不存在。</translation>
    </message>
    <message>
        <source>the folder “%1” is read-only.</source>
        <translation>文件夹“%1”为只读。</translation>
    </message>
    <message>
        <source>“%1” is read-only.</source>
        <translation>“%1”为只读。</translation>
    </message>
    <message>
        <source>the disk is full.</source>
        <translation>磁盘已满。</translation>
    </message>
    <message>
        <source>the disk is read-only.</source>
        <translation>磁盘为只读。</translation>
    </message>
    <message>
        <source>“%1” is not a file (it is a folder, a device, a pipe or a socket); nothing was written to it.</source>
        <translation>“%1”不是文件（而是文件夹、设备、管道或套接字）；未写入任何内容。</translation>
    </message>
    <message>
        <source>the name “%1” is too long; choose a shorter one.</source>
        <translation>名称“%1”太长；请选择较短的名称。</translation>
    </message>
    <message>
        <source>its path is too long; choose a folder with a shorter path.</source>
        <translation>路径太长；请选择路径较短的文件夹。</translation>
    </message>
    <message>
        <source>the links on the way to “%1” go round in a circle and never reach a file; nothing was written to it.</source>
        <translation>通往“%1”的链接循环往复，始终到达不了文件；未写入任何内容。</translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>System Default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n 个词</numerusform>
        </translation>
    </message>
    <message>
        <source>System</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>棕褐</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>My Theme %1</source>
        <translation>我的主题 %1</translation>
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
        <translation>语言</translation>
    </message>
    <message>
        <source>Relaunch Brindlewick to apply a new language.</source>
        <translation>重新启动 Brindlewick 以应用新语言。</translation>
    </message>
    <message>
        <source>Editing mode</source>
        <translation>编辑模式</translation>
    </message>
    <message>
        <source>WYSIWYG</source>
        <translation>所见即所得</translation>
    </message>
    <message>
        <source>Markdown Source</source>
        <translation>Markdown 源码</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Serif</source>
        <translation>衬线</translation>
    </message>
    <message>
        <source>Monospaced</source>
        <translation>等宽</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字大小</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>行距</translation>
    </message>
    <message>
        <source>Writing goal</source>
        <translation>写作目标</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>页面宽度</translation>
    </message>
    <message>
        <source>Page margin</source>
        <translation>页边距</translation>
    </message>
    <message>
        <source>Focus mode (dim inactive paragraphs)</source>
        <translation>专注模式（淡化非当前段落）</translation>
    </message>
    <message>
        <source>Typewriter scrolling (keep caret centered)</source>
        <translation>打字机滚动（光标保持居中）</translation>
    </message>
    <message>
        <source>Text direction</source>
        <translation>文字方向</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Left-to-Right</source>
        <translation>从左到右</translation>
    </message>
    <message>
        <source>Right-to-Left</source>
        <translation>从右到左</translation>
    </message>
    <message>
        <source>Spelling language</source>
        <translation>拼写检查语言</translation>
    </message>
    <message>
        <source>Reveal Markdown syntax on the active line</source>
        <translation>在当前行显示 Markdown 语法</translation>
    </message>
    <message>
        <source>When on, the raw markdown (**, #, `) appears on the line your cursor is on. Off keeps it hidden while you edit.</source>
        <translation>开启时，光标所在行会显示原始 Markdown 标记（**、#、`）；关闭时，编辑过程中始终隐藏。</translation>
    </message>
    <message>
        <source>Check spelling while typing</source>
        <translation>输入时检查拼写</translation>
    </message>
    <message>
        <source>Auto-pair markers around selection</source>
        <translation>自动在所选内容两侧配对标记</translation>
    </message>
    <message>
        <source>Auto-pair wraps the selected text when you type * _ ` or [.</source>
        <translation>开启后，输入 * _ ` 或 [ 时会用标记包裹所选文本。</translation>
    </message>
    <message>
        <source>Reopen documents from last session on launch</source>
        <translation>启动时重新打开上次的文档</translation>
    </message>
    <message>
        <source>Files you had open are reopened the next time you start Brindlewick.</source>
        <translation>下次启动 Brindlewick 时，会重新打开之前打开的文件。</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>提供商</translation>
    </message>
    <message>
        <source>DeepSeek (cloud)</source>
        <translation>DeepSeek（云端）</translation>
    </message>
    <message>
        <source>Ollama (local)</source>
        <translation>Ollama（本地）</translation>
    </message>
    <message>
        <source>Custom (OpenAI-compatible)</source>
        <translation>自定义（兼容 OpenAI）</translation>
    </message>
    <message>
        <source>DeepSeek API Key (sk-…)</source>
        <translation>DeepSeek API 密钥 (sk-…)</translation>
    </message>
    <message>
        <source>Stored locally; sent only to DeepSeek. Get one at %1.</source>
        <translation>保存在本机，仅发送给 DeepSeek。可在 %1 获取。</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>基础 URL</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>模型</translation>
    </message>
    <message>
        <source>Runs entirely on this computer — no key, nothing leaves the device. Requires Ollama installed and running.</source>
        <translation>完全在本机运行——无需密钥，数据不会离开本设备。需要安装并运行 Ollama。</translation>
    </message>
    <message>
        <source>Endpoint URL</source>
        <translation>端点 URL</translation>
    </message>
    <message>
        <source>API Key (optional)</source>
        <translation>API 密钥（可选）</translation>
    </message>
    <message>
        <source>Automatic inline suggestions</source>
        <translation>自动行内建议</translation>
    </message>
    <message>
        <source>When on, Brindlewick asks your AI provider to continue your text after you pause typing — one request per pause, so it may incur cost on cloud providers. Press Tab to accept a suggestion, Esc to dismiss. You can also trigger one manually from Tools ▸ Suggest Continuation.</source>
        <translation>开启时，在您停止输入后，Brindlewick 会请求 AI 服务续写您的文本——每次停顿发送一个请求，因此使用云服务可能产生费用。按 Tab 接受建议，按 Esc 忽略。也可以通过“工具 ▸ 续写建议”手动触发。</translation>
    </message>
    <message>
        <source>Appended to the export stylesheet. Also enables MathJax ($$…$$) and Mermaid (```mermaid) in exported HTML.</source>
        <translation>附加到导出样式表之后。同时在导出的 HTML 中启用 MathJax（$$…$$）和 Mermaid（```mermaid）。</translation>
    </message>
    <message>
        <source>Toolbar groups</source>
        <translation>工具栏分组</translation>
    </message>
    <message>
        <source>Formatting (headings, bold, italic…)</source>
        <translation>格式（标题、粗体、斜体…）</translation>
    </message>
    <message>
        <source>Links &amp; media</source>
        <translation>链接和媒体</translation>
    </message>
    <message>
        <source>Lists &amp; blocks</source>
        <translation>列表和区块</translation>
    </message>
    <message>
        <source>Indent / outdent</source>
        <translation>增加 / 减少缩进</translation>
    </message>
    <message>
        <source>%1 (no dictionary installed)</source>
        <translation>%1（未安装词典）</translation>
    </message>
    <message>
        <source>Custom CSS for every export (HTML, PDF, Word, OpenDocument, Rich Text)</source>
        <translation>用于所有导出格式的自定义 CSS（HTML、PDF、Word、OpenDocument、RTF）</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>编辑器</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Behavior</source>
        <translation>行为</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>AI</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Snippets</source>
        <translation>片段</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Press keys…</source>
        <translation>请按键…</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>录制</translation>
    </message>
</context>
<context>
    <name>ShortcutsSettingsView</name>
    <message>
        <source>Assign your own keys to any command. Combinations must include Ctrl or Meta. Menu shortcuts take priority, so prefer unused combinations.</source>
        <translation>可为任意命令指定自己的按键。组合键必须包含 Ctrl 或 Meta。菜单快捷键优先，因此请尽量使用未被占用的组合。</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>清除快捷键</translation>
    </message>
    <message>
        <source>conflicts with %1</source>
        <translation>与“%1”冲突</translation>
    </message>
</context>
<context>
    <name>SnippetsSettingsView</name>
    <message>
        <source>Type a trigger and press Tab to expand. Use $| for the caret and $date for today.</source>
        <translation>输入触发词后按 Tab 即可展开。用 $| 表示光标位置，用 $date 表示今天的日期。</translation>
    </message>
    <message>
        <source>Add snippet</source>
        <translation>添加片段</translation>
    </message>
    <message>
        <source>Remove snippet</source>
        <translation>删除片段</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>触发词</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>触发词</translation>
    </message>
    <message>
        <source>expansion</source>
        <translation>展开内容</translation>
    </message>
</context>
<context>
    <name>StatsPopover</name>
    <message>
        <source>Words</source>
        <translation>词数</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>字符数</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>不含空格</translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation>句子数</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>段落数</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>行数</translation>
    </message>
    <message>
        <source>Reading time</source>
        <translation>阅读时间</translation>
    </message>
    <message>
        <source>~%1 min</source>
        <translation>约 %1 分钟</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Zoom Out (Ctrl+−)</source>
        <translation>缩小 (Ctrl+−)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>适应宽度</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>适应页面</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>放大 (Ctrl++)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n 个词</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters</source>
        <translation>
            <numerusform>%n 个字符</numerusform>
        </translation>
    </message>
    <message>
        <source>~%1 min read</source>
        <translation>阅读约 %1 分钟</translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>已选 %n 个词</numerusform>
        </translation>
    </message>
    <message>
        <source>Goal %1/%2</source>
        <translation>目标 %1/%2</translation>
    </message>
</context>
<context>
    <name>TableGridPicker</name>
    <message>
        <source>%1 by %2 table</source>
        <translation>%1 行 %2 列的表格</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>插入表格</translation>
    </message>
    <message>
        <source>%1 × %2 table</source>
        <translation>%1 × %2 表格</translation>
    </message>
</context>
<context>
    <name>TemplateStore</name>
    <message>
        <source>Blank</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>Meeting Notes</source>
        <translation>会议记录</translation>
    </message>
    <message>
        <source>README</source>
        <translation>README</translation>
    </message>
    <message>
        <source>Blog Post</source>
        <translation>博客文章</translation>
    </message>
    <message>
        <source>Daily Journal</source>
        <translation>每日日记</translation>
    </message>
    <message>
        <source>To-Do List</source>
        <translation>待办清单</translation>
    </message>
    <message>
        <source>Table Starter</source>
        <translation>基础表格</translation>
    </message>
</context>
<context>
    <name>TextViewCommands</name>
    <message>
        <source>Save Pasted Image</source>
        <translation>保存粘贴的图片</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
</context>
<context>
    <name>TranslateSheet</name>
    <message>
        <source>Translate</source>
        <translation>翻译</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable translation.</source>
        <translation>请在设置的“AI”页中添加 DeepSeek API 密钥以启用翻译。</translation>
    </message>
    <message>
        <source>Translating…</source>
        <translation>正在翻译…</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Or type a language</source>
        <translation>或输入语言</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>所选内容</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>整个文档</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙语</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>荷兰语</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯语</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>印地语</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其语</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波兰语</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>瑞典语</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>越南语</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>泰语</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>印度尼西亚语</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>希腊语</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>希伯来语</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
</context>
<context>
    <name>TranslationError</name>
    <message>
        <source>Invalid AI endpoint. Check Settings ▸ AI.</source>
        <translation>AI 端点无效。请检查“设置 ▸ AI”。</translation>
    </message>
    <message>
        <source>The API key contains line breaks or control characters. Check Settings ▸ AI.</source>
        <translation>API 密钥包含换行符或控制字符。请检查“设置 ▸ AI”。</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>请求超时。</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings first.</source>
        <translation>请先在设置的“AI”页中添加 DeepSeek API 密钥。</translation>
    </message>
    <message>
        <source>The translation service returned an unexpected response.</source>
        <translation>翻译服务返回了意外的响应。</translation>
    </message>
    <message>
        <source>HTTP %1 from server</source>
        <translation>服务器返回 HTTP %1</translation>
    </message>
    <message>
        <source>HTTP %1 from %2</source>
        <translation>%2 返回 HTTP %1</translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>The current text could not be kept as a version, so nothing was restored.

%1</source>
        <translation>无法将当前文本保存为版本，因此未恢复任何内容。

%1</translation>
    </message>
</context>
<context>
    <name>VersionHistoryView</name>
    <message>
        <source>Version History</source>
        <translation>版本历史</translation>
    </message>
    <message>
        <source>Save this document first</source>
        <translation>请先保存此文档</translation>
    </message>
    <message>
        <source>Version history is kept per file, so an untitled document has no history until it is saved.</source>
        <translation>版本历史按文件保存，因此未命名文档在保存之前没有历史记录。</translation>
    </message>
    <message>
        <source>Snapshot Now</source>
        <translation>立即创建快照</translation>
    </message>
    <message>
        <source>No versions saved yet</source>
        <translation>尚未保存任何版本</translation>
    </message>
    <message>
        <source>Brindlewick snapshots this document as you edit. Use “Snapshot Now” to capture one immediately.</source>
        <translation>Brindlewick 会在您编辑时为此文档创建快照。点击“立即创建快照”可立即保存一个。</translation>
    </message>
    <message>
        <source>Select a version to preview</source>
        <translation>选择要预览的版本</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>无更改</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>恢复此版本</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n 个词</numerusform>
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
        <translation>无法更改文档，因此未恢复该版本。</translation>
    </message>
</context>
<context>
    <name>VersionStore</name>
    <message>
        <source>Could not save a version of “%1”: %2</source>
        <translation>无法保存“%1”的版本：%2</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be written.</source>
        <translation>无法写入文件夹“%1”。</translation>
    </message>
    <message>
        <source>Could not delete the version: %1</source>
        <translation>无法删除该版本：%1</translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Welcome to Brindlewick</source>
        <translation>欢迎使用 Brindlewick</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>A clean, native Markdown editor.</source>
        <translation>简洁的原生 Markdown 编辑器。</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>新建文档</translation>
    </message>
    <message>
        <source>New from Template…</source>
        <translation>从模板新建…</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>打开…</translation>
    </message>
    <message>
        <source>Markdown Cheat Sheet</source>
        <translation>Markdown 速查表</translation>
    </message>
    <message>
        <source>Show this window when Brindlewick opens</source>
        <translation>启动 Brindlewick 时显示此窗口</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>最近的文档</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>没有最近的文档</translation>
    </message>
</context>
<context>
    <name>WhatsNewWindow</name>
    <message>
        <source>What&apos;s New</source>
        <translation>新功能</translation>
    </message>
    <message>
        <source>What&apos;s New in Brindlewick</source>
        <translation>Brindlewick 的新功能</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
</context>
<context>
    <name>WindowFiles</name>
    <message>
        <source>A version of the document could not be saved.</source>
        <translation>无法保存文档的版本。</translation>
    </message>
    <message>
        <source>A version of the document “%1” could not be saved.</source>
        <translation>无法保存文档“%1”的版本。</translation>
    </message>
</context>
</TS>
