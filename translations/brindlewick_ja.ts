<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AIActions</name>
    <message>
        <source>Improve Writing</source>
        <translation>文章を改善</translation>
    </message>
    <message>
        <source>Fix Spelling &amp; Grammar</source>
        <translation>スペルと文法を修正</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>書き直し</translation>
    </message>
    <message>
        <source>Make Shorter</source>
        <translation>短くする</translation>
    </message>
    <message>
        <source>Make Longer</source>
        <translation>長くする</translation>
    </message>
    <message>
        <source>Professional Tone</source>
        <translation>フォーマルな文体に</translation>
    </message>
    <message>
        <source>Casual Tone</source>
        <translation>カジュアルな文体に</translation>
    </message>
    <message>
        <source>Summarize</source>
        <translation>要約</translation>
    </message>
    <message>
        <source>Draft from Outline</source>
        <translation>アウトラインから下書き</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Suggest Title &amp; Tags</source>
        <translation>タイトルとタグを提案</translation>
    </message>
</context>
<context>
    <name>AIAssistSheet</name>
    <message>
        <source>AI Assist</source>
        <translation>AI アシスト</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable the assist actions.</source>
        <translation>アシスト機能を使うには、設定の「AI」タブで DeepSeek の API キーを追加してください。</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>処理中…</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Custom instruction (optional)</source>
        <translation>追加の指示（任意）</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>選択範囲</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>ドキュメント全体</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message numerus="yes">
        <source>%n files or links were not opened.</source>
        <translation>
            <numerusform>%n 件のファイルまたはリンクは開かれませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>One request opens at most %1 of them. Not opened:
%2</source>
        <translation>1 回の要求で開けるのは最大 %1 件です。開かれなかった項目:
%2</translation>
    </message>
</context>
<context>
    <name>AssistRunner</name>
    <message>
        <source>The text changed while the answer was on its way, so nothing was changed. Run it again.</source>
        <translation>応答を待つ間にテキストが変更されたため、何も変更しませんでした。もう一度実行してください。</translation>
    </message>
    <message>
        <source>The answer was empty, so nothing was changed.</source>
        <translation>応答が空だったため、何も変更しませんでした。</translation>
    </message>
    <message>
        <source>The editor did not accept the change.</source>
        <translation>エディターが変更を受け付けませんでした。</translation>
    </message>
</context>
<context>
    <name>AssistSheet</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>範囲</translation>
    </message>
</context>
<context>
    <name>AutosaveStore</name>
    <message>
        <source>The autosave folder “%1” could not be created.</source>
        <translation>自動保存フォルダー「%1」を作成できませんでした。</translation>
    </message>
    <message>
        <source>The autosave folder “%1” cannot be written: %2</source>
        <translation>自動保存フォルダー「%1」に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>BatchExport</name>
    <message>
        <source>Another file of the folder is exported as “%1”.</source>
        <translation>フォルダー内の別のファイルが「%1」としてエクスポートされます。</translation>
    </message>
    <message>
        <source>It is not valid UTF-8 text.</source>
        <translation>有効な UTF-8 テキストではありません。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>A file to be written already exists.</source>
        <translation>書き込み先のファイルがすでに存在します。</translation>
    </message>
    <message numerus="yes">
        <source>%n files to be written already exist.</source>
        <translation>
            <numerusform>書き込み先のファイル %n 件がすでに存在します。</numerusform>
        </translation>
    </message>
    <message>
        <source>Replacing them overwrites their current contents:
</source>
        <translation>置き換えると、現在の内容は上書きされます:
</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>%1 に保存しました。</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>エクスポートするものがありません</translation>
    </message>
    <message>
        <source>No Markdown files found in that folder.</source>
        <translation>そのフォルダーに Markdown ファイルが見つかりませんでした。</translation>
    </message>
    <message>
        <source>Exported 1 file</source>
        <translation>1 件のファイルをエクスポートしました</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n files</source>
        <translation>
            <numerusform>%n 件のファイルをエクスポートしました</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>Not exported:</source>
        <translation>エクスポートされなかったファイル:</translation>
    </message>
    <message numerus="yes">
        <source>Exported %1 of %n files</source>
        <translation>
            <numerusform>%n 件中 %1 件のファイルをエクスポートしました</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” is a link to another file; it was not replaced.</source>
        <translation>「%1」は別のファイルへのリンクのため、置き換えませんでした。</translation>
    </message>
</context>
<context>
    <name>BatchExporter</name>
    <message>
        <source>Exporting…</source>
        <translation>エクスポート中…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>It could not be written.</source>
        <translation>書き込めませんでした。</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to export.</source>
        <translation>エクスポートする Markdown ファイルのフォルダーを選択</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>すべてエクスポート</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換える</translation>
    </message>
</context>
<context>
    <name>CommandCategory</name>
    <message>
        <source>Headings</source>
        <translation>見出し</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>書式</translation>
    </message>
    <message>
        <source>Lists &amp; Blocks</source>
        <translation>リストとブロック</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>行</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
</context>
<context>
    <name>CommandPalette</name>
    <message>
        <source>Command Palette</source>
        <translation>コマンドパレット</translation>
    </message>
    <message>
        <source>Type a command…</source>
        <translation>コマンドを入力…</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>コマンドを検索</translation>
    </message>
    <message>
        <source>No matching commands</source>
        <translation>一致するコマンドはありません</translation>
    </message>
</context>
<context>
    <name>CommandRegistry</name>
    <message>
        <source>Heading 1</source>
        <translation>見出し 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>見出し 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>見出し 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>見出し 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>見出し 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>見出し 6</translation>
    </message>
    <message>
        <source>Body Text</source>
        <translation>本文</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>太字斜体</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>取り消し線</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>インラインコード</translation>
    </message>
    <message>
        <source>Comment (HTML)</source>
        <translation>コメント（HTML）</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>箇条書き</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>番号付きリスト</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>タスクリスト</translation>
    </message>
    <message>
        <source>Toggle Task Done</source>
        <translation>タスクの完了を切り替え</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>引用</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>コードブロック</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>インデント</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>インデント解除</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>水平線</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>脚注</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Today&apos;s Date</source>
        <translation>今日の日付</translation>
    </message>
    <message>
        <source>Table (2×2)</source>
        <translation>表（2×2）</translation>
    </message>
    <message>
        <source>Table (3×3)</source>
        <translation>表（3×3）</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>インライン数式</translation>
    </message>
    <message>
        <source>Format Table</source>
        <translation>表を整形</translation>
    </message>
    <message>
        <source>Table: Insert Row Above</source>
        <translation>表: 上に行を挿入</translation>
    </message>
    <message>
        <source>Table: Insert Row Below</source>
        <translation>表: 下に行を挿入</translation>
    </message>
    <message>
        <source>Table: Delete Row</source>
        <translation>表: 行を削除</translation>
    </message>
    <message>
        <source>Table: Insert Column Left</source>
        <translation>表: 左に列を挿入</translation>
    </message>
    <message>
        <source>Table: Insert Column Right</source>
        <translation>表: 右に列を挿入</translation>
    </message>
    <message>
        <source>Table: Delete Column</source>
        <translation>表: 列を削除</translation>
    </message>
    <message>
        <source>Table: Align Column Left</source>
        <translation>表: 列を左揃え</translation>
    </message>
    <message>
        <source>Table: Align Column Center</source>
        <translation>表: 列を中央揃え</translation>
    </message>
    <message>
        <source>Table: Align Column Right</source>
        <translation>表: 列を右揃え</translation>
    </message>
    <message>
        <source>UPPERCASE</source>
        <translation>大文字</translation>
    </message>
    <message>
        <source>lowercase</source>
        <translation>小文字</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>単語の先頭を大文字</translation>
    </message>
    <message>
        <source>Sort Lines A→Z</source>
        <translation>行を並べ替え（A→Z）</translation>
    </message>
    <message>
        <source>Sort Lines Z→A</source>
        <translation>行を並べ替え（Z→A）</translation>
    </message>
    <message>
        <source>Remove Duplicate Lines</source>
        <translation>重複行を削除</translation>
    </message>
    <message>
        <source>Move Line Up</source>
        <translation>行を上へ移動</translation>
    </message>
    <message>
        <source>Move Line Down</source>
        <translation>行を下へ移動</translation>
    </message>
    <message>
        <source>Duplicate Line</source>
        <translation>行を複製</translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation>行を削除</translation>
    </message>
    <message>
        <source>Select Line</source>
        <translation>行を選択</translation>
    </message>
    <message>
        <source>Toggle WYSIWYG / Markdown Source</source>
        <translation>WYSIWYG / Markdown ソースを切り替え</translation>
    </message>
    <message>
        <source>Suggest Continuation</source>
        <translation>続きを提案</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>Markdown を整理</translation>
    </message>
    <message>
        <source>Export as HTML…</source>
        <translation>HTML としてエクスポート…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>PDF としてエクスポート…</translation>
    </message>
    <message>
        <source>Export as Rich Text…</source>
        <translation>リッチテキストとしてエクスポート…</translation>
    </message>
    <message>
        <source>Export as Word…</source>
        <translation>Word としてエクスポート…</translation>
    </message>
    <message>
        <source>Export as OpenDocument…</source>
        <translation>OpenDocument としてエクスポート…</translation>
    </message>
    <message>
        <source>Copy as HTML</source>
        <translation>HTML としてコピー</translation>
    </message>
</context>
<context>
    <name>CustomThemesEditor</name>
    <message>
        <source>Custom themes</source>
        <translation>カスタムテーマ</translation>
    </message>
    <message>
        <source>Add Theme</source>
        <translation>テーマを追加</translation>
    </message>
    <message>
        <source>Add a theme to start from the current colours, then edit them here.</source>
        <translation>テーマを追加すると現在の色が引き継がれます。色はここで編集できます。</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Use This Theme</source>
        <translation>このテーマを使用</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>名称未設定</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>Do you want to save the changes made to the document “%1”?</source>
        <translation>ドキュメント「%1」への変更を保存しますか？</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>保存しないと、変更内容は失われます。</translation>
    </message>
    <message>
        <source>Don’t Save</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>The file of the document “%1” was moved or deleted by another program.</source>
        <translation>ドキュメント「%1」のファイルが別のプログラムによって移動または削除されました。</translation>
    </message>
    <message>
        <source>The document “%1” was changed by another program.</source>
        <translation>ドキュメント「%1」が別のプログラムによって変更されました。</translation>
    </message>
    <message>
        <source>Save your version to write the file again, save it under another name, or leave the file removed.</source>
        <translation>手元の内容を保存してファイルを書き戻すか、別の名前で保存するか、ファイルを削除されたままにしてください。</translation>
    </message>
    <message>
        <source>Keep your version to overwrite the file, reload the version on disk (your changes can be undone), or save your version under another name.</source>
        <translation>手元の内容を残してファイルを上書きするか、ディスク上の内容を再読み込みするか（変更は取り消せます）、手元の内容を別の名前で保存してください。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>手元の内容を残す</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>名前を付けて保存…</translation>
    </message>
    <message>
        <source>The document “%1” could not be opened.</source>
        <translation>ドキュメント「%1」を開けませんでした。</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>一覧をクリア(&amp;C)</translation>
    </message>
    <message>
        <source>The last save of “%1” did not finish.</source>
        <translation>「%1」の前回の保存は完了しませんでした。</translation>
    </message>
    <message>
        <source>The file “%1” may be incomplete. This window holds the text that was being saved: write it back to the file, or keep it here for now.</source>
        <translation>ファイル「%1」は不完全な可能性があります。このウィンドウには保存中だったテキストがあります。ファイルに書き戻すか、ひとまずここに残してください。</translation>
    </message>
    <message>
        <source>Write Back</source>
        <translation>書き戻す</translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>Untitled</source>
        <translation>名称未設定</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>名称未設定 %1</translation>
    </message>
    <message>
        <source>The document “%1” could not be saved.</source>
        <translation>ドキュメント「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>“%1” is open in another window. Close that window first, or choose another name.</source>
        <translation>「%1」は別のウィンドウで開かれています。先にそのウィンドウを閉じるか、別の名前を選んでください。</translation>
    </message>
    <message>
        <source>Unsaved text cannot be kept for the next launch.</source>
        <translation>未保存のテキストを次回の起動まで保持できません。</translation>
    </message>
    <message>
        <source>The document “%1” could not be autosaved.</source>
        <translation>ドキュメント「%1」を自動保存できませんでした。</translation>
    </message>
    <message>
        <source>The file “%1” was moved or deleted by another program; it was not written again.</source>
        <translation>ファイル「%1」は別のプログラムによって移動または削除されたため、書き戻しませんでした。</translation>
    </message>
    <message>
        <source>“%1” was changed by another program; it was not overwritten.</source>
        <translation>「%1」は別のプログラムによって変更されたため、上書きしませんでした。</translation>
    </message>
    <message>
        <source>%1 (recovered)</source>
        <translation>%1（復元）</translation>
    </message>
</context>
<context>
    <name>EditorToolbar</name>
    <message>
        <source>Formatting</source>
        <translation>書式設定</translation>
    </message>
    <message>
        <source>Paragraph style</source>
        <translation>段落スタイル</translation>
    </message>
    <message>
        <source>Insert Link</source>
        <translation>リンクを挿入</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>引用</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>コードブロック</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>取り消し線</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>インラインコード</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>箇条書き</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>番号付きリスト</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>タスクリスト</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>左揃え</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>中央揃え</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>右揃え</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>両端揃え</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>インデント解除</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>インデント</translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation>画像を挿入</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>表を挿入</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>水平線</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>インライン数式</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>脚注</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>日付を挿入</translation>
    </message>
    <message>
        <source>AI Assist…</source>
        <translation>AI アシスト…</translation>
    </message>
    <message>
        <source>Translate…</source>
        <translation>翻訳…</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>Markdown を整理</translation>
    </message>
    <message>
        <source>Version History…</source>
        <translation>バージョン履歴…</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>アウトライン</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>ルーラー</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>コマンドパレット</translation>
    </message>
    <message>
        <source>All tools</source>
        <translation>すべてのツール</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Switch to Markdown source</source>
        <translation>Markdown ソースに切り替え</translation>
    </message>
    <message>
        <source>Switch to WYSIWYG</source>
        <translation>WYSIWYG に切り替え</translation>
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
        <translation>アカデミック</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>コンパクト</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Academic PDF</source>
        <translation>アカデミック PDF</translation>
    </message>
    <message>
        <source>Clean PDF</source>
        <translation>シンプル PDF</translation>
    </message>
    <message>
        <source>New Preset</source>
        <translation>新しいプリセット</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 のコピー</translation>
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
        <translation>リッチテキスト</translation>
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
        <translation>HTML をコピー</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>エクスポートプリセット</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Custom CSS (appended after the theme)</source>
        <translation>カスタム CSS（テーマの後に追加）</translation>
    </message>
    <message>
        <source>Select or add a preset</source>
        <translation>プリセットを選択または追加してください</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>プリセットを追加</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>プリセットを削除</translation>
    </message>
    <message>
        <source>Duplicate preset</source>
        <translation>プリセットを複製</translation>
    </message>
    <message>
        <source>Export With This Preset</source>
        <translation>このプリセットでエクスポート</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <source>PDF pages are made by the page renderer.</source>
        <translation>PDF のページはページレンダラーで作成されます。</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>ドキュメントを変換できませんでした。</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported as PDF.</source>
        <translation>ドキュメント「%1」を PDF としてエクスポートできませんでした。</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported.</source>
        <translation>ドキュメント「%1」をエクスポートできませんでした。</translation>
    </message>
    <message>
        <source>The document “%1” could not be converted.</source>
        <translation>ドキュメント「%1」を変換できませんでした。</translation>
    </message>
    <message>
        <source>HTML Page (*.html)</source>
        <translation>HTML ページ (*.html)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF ドキュメント (*.pdf)</translation>
    </message>
    <message>
        <source>Rich Text Document (*.rtf)</source>
        <translation>リッチテキストドキュメント (*.rtf)</translation>
    </message>
    <message>
        <source>Word Document (*.docx)</source>
        <translation>Word ドキュメント (*.docx)</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>OpenDocument テキスト (*.odt)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>名称未設定</translation>
    </message>
</context>
<context>
    <name>FileBrowserSidebar</name>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Refresh file list</source>
        <translation>ファイル一覧を更新</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>フォルダーを開く…</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>No folder open</source>
        <translation>フォルダーが開かれていません</translation>
    </message>
    <message>
        <source>No Markdown files here</source>
        <translation>Markdown ファイルがありません</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to browse.</source>
        <translation>表示する Markdown ファイルのフォルダーを選択</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置換</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>置換後の文字列</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n 件一致</numerusform>
        </translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>すべて置換</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>一致なし</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 件一致</translation>
    </message>
</context>
<context>
    <name>FrontMatterEditor</name>
    <message>
        <source>Document Info</source>
        <translation>ドキュメント情報</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作成者</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>comma, separated</source>
        <translation>カンマ区切り</translation>
    </message>
    <message>
        <source>Stored as YAML front matter at the top of the document.</source>
        <translation>ドキュメントの先頭に YAML フロントマターとして保存されます。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
</context>
<context>
    <name>HeaderFooterEditor</name>
    <message>
        <source>Page Header &amp; Footer</source>
        <translation>ページのヘッダーとフッター</translation>
    </message>
    <message>
        <source>Shown on printed and exported pages. Markdown has no header/footer concept, so these apply to output only.</source>
        <translation>印刷およびエクスポートしたページに表示されます。Markdown にはヘッダーとフッターの概念がないため、出力にのみ適用されます。</translation>
    </message>
    <message>
        <source>e.g. {title}</source>
        <translation>例: {title}</translation>
    </message>
    <message>
        <source>e.g. Page {page} of {pages}</source>
        <translation>例: {page} / {pages} ページ</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>ヘッダー</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>フッター</translation>
    </message>
    <message>
        <source>Tokens:</source>
        <translation>トークン:</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>デフォルトに戻す</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>ImageInsertView</name>
    <message>
        <source>Insert Image</source>
        <translation>画像を挿入</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>ファイルを選択…</translation>
    </message>
    <message>
        <source>or</source>
        <translation>または</translation>
    </message>
    <message>
        <source>Image URL</source>
        <translation>画像の URL</translation>
    </message>
    <message>
        <source>Alt text (optional)</source>
        <translation>代替テキスト（任意）</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>画像を選択</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>画像 (%1)</translation>
    </message>
</context>
<context>
    <name>LinkEditorView</name>
    <message>
        <source>Insert Link</source>
        <translation>リンクを挿入</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
</context>
<context>
    <name>LongPaste</name>
    <message>
        <source>Paste progress</source>
        <translation>貼り付けの進行状況</translation>
    </message>
    <message>
        <source>Pasting… %p%</source>
        <translation>貼り付け中… %p%</translation>
    </message>
    <message>
        <source>Pasting…</source>
        <translation>貼り付け中…</translation>
    </message>
</context>
<context>
    <name>MarkdownDocument</name>
    <message>
        <source>The file is not valid UTF-8 text (byte 0x%1 at offset %2).</source>
        <translation>ファイルは有効な UTF-8 テキストではありません（オフセット %2 のバイト 0x%1）。</translation>
    </message>
    <message>
        <source>“%1” is not valid UTF-8 text (byte 0x%2 at offset %3).</source>
        <translation>「%1」は有効な UTF-8 テキストではありません（オフセット %3 のバイト 0x%2）。</translation>
    </message>
    <message>
        <source>“%1” could not be saved: %2</source>
        <translation>「%1」を保存できませんでした: %2</translation>
    </message>
    <message>
        <source>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</source>
        <translation>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</translation>
    </message>
    <message>
        <source>Plain text (*.txt *.text)</source>
        <translation>プレーンテキスト (*.txt *.text)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>MarkdownTextView</name>
    <message>
        <source>Markdown editor</source>
        <translation>Markdown エディター</translation>
    </message>
    <message>
        <source>No Guesses Found</source>
        <translation>候補が見つかりません</translation>
    </message>
    <message>
        <source>&amp;Ignore Spelling</source>
        <translation>スペルを無視(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>辞書に追加(&amp;A)</translation>
    </message>
    <message>
        <source>The word could not be added to the dictionary</source>
        <translation>単語を辞書に追加できませんでした</translation>
    </message>
    <message>
        <source>“%1” is accepted until the program quits, but it could not be kept: %2</source>
        <translation>「%1」はプログラムの終了まで有効ですが、保存できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Open the Menu Bar</source>
        <translation>メニューバーを開く</translation>
    </message>
    <message>
        <source>Show File &amp;Browser</source>
        <translation>ファイルブラウザーを表示(&amp;B)</translation>
    </message>
    <message>
        <source>Hide File &amp;Browser</source>
        <translation>ファイルブラウザーを隠す(&amp;B)</translation>
    </message>
    <message>
        <source>Show Out&amp;line</source>
        <translation>アウトラインを表示(&amp;L)</translation>
    </message>
    <message>
        <source>Hide Out&amp;line</source>
        <translation>アウトラインを隠す(&amp;L)</translation>
    </message>
    <message>
        <source>Show &amp;Minimap</source>
        <translation>ミニマップを表示(&amp;M)</translation>
    </message>
    <message>
        <source>Hide &amp;Minimap</source>
        <translation>ミニマップを隠す(&amp;M)</translation>
    </message>
    <message>
        <source>Show &amp;Ruler</source>
        <translation>ルーラーを表示(&amp;R)</translation>
    </message>
    <message>
        <source>Hide &amp;Ruler</source>
        <translation>ルーラーを隠す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Show Markdown Source</source>
        <translation>Markdown ソースを表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Show WYSIWYG</source>
        <translation>WYSIWYG で表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Manage Export Presets…</source>
        <translation>エクスポートプリセットを管理(&amp;M)…</translation>
    </message>
    <message>
        <source>About Brindlewick</source>
        <translation>Brindlewick について</translation>
    </message>
    <message>
        <source>Brindlewick %1</source>
        <translation>Brindlewick %1</translation>
    </message>
    <message>
        <source>A Markdown editor.</source>
        <translation>Markdown エディター</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>エクスポート(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Batch Export Folder</source>
        <translation>フォルダーを一括エクスポート(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>検索(&amp;F)</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>書式(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Heading</source>
        <translation>見出し(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>リスト(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Align</source>
        <translation>配置(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>変換(&amp;T)</translation>
    </message>
    <message>
        <source>Li&amp;nes</source>
        <translation>行(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>挿入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>表(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>開く(&amp;O)…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>New from &amp;Template</source>
        <translation>テンプレートから新規作成(&amp;T)</translation>
    </message>
    <message>
        <source>Quic&amp;k Open…</source>
        <translation>クイックオープン(&amp;K)…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>名前を付けて保存(&amp;A)…</translation>
    </message>
    <message>
        <source>As &amp;HTML…</source>
        <translation>HTML(&amp;H)…</translation>
    </message>
    <message>
        <source>As &amp;PDF…</source>
        <translation>PDF(&amp;P)…</translation>
    </message>
    <message>
        <source>As &amp;Word…</source>
        <translation>Word(&amp;W)…</translation>
    </message>
    <message>
        <source>As &amp;OpenDocument…</source>
        <translation>OpenDocument(&amp;O)…</translation>
    </message>
    <message>
        <source>As &amp;Rich Text…</source>
        <translation>リッチテキスト(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Copy as HTML</source>
        <translation>HTML としてコピー(&amp;C)</translation>
    </message>
    <message>
        <source>Pre&amp;sets</source>
        <translation>プリセット(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Header &amp;&amp; Footer…</source>
        <translation>ヘッダーとフッター(&amp;H)…</translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation>ページ設定(&amp;U)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>Allow Access to &amp;Folder…</source>
        <translation>フォルダーへのアクセスを許可(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべてを選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>検索(&amp;F)…</translation>
    </message>
    <message>
        <source>Find &amp;&amp; &amp;Replace…</source>
        <translation>検索と置換(&amp;R)…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>前を検索(&amp;V)</translation>
    </message>
    <message>
        <source>Use &amp;Selection for Find</source>
        <translation>選択範囲を検索に使用(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>設定(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>太字(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>取り消し線(&amp;S)</translation>
    </message>
    <message>
        <source>Inline &amp;Code</source>
        <translation>インラインコード(&amp;C)</translation>
    </message>
    <message>
        <source>Heading &amp;1</source>
        <translation>見出し 1(&amp;1)</translation>
    </message>
    <message>
        <source>Heading &amp;2</source>
        <translation>見出し 2(&amp;2)</translation>
    </message>
    <message>
        <source>Heading &amp;3</source>
        <translation>見出し 3(&amp;3)</translation>
    </message>
    <message>
        <source>Heading &amp;4</source>
        <translation>見出し 4(&amp;4)</translation>
    </message>
    <message>
        <source>Heading &amp;5</source>
        <translation>見出し 5(&amp;5)</translation>
    </message>
    <message>
        <source>Heading &amp;6</source>
        <translation>見出し 6(&amp;6)</translation>
    </message>
    <message>
        <source>&amp;Body Text</source>
        <translation>本文(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Bulleted List</source>
        <translation>箇条書き(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Numbered List</source>
        <translation>番号付きリスト(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Task List</source>
        <translation>タスクリスト(&amp;T)</translation>
    </message>
    <message>
        <source>Toggle Task &amp;Done</source>
        <translation>タスクの完了を切り替え(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation>インデント(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Outdent</source>
        <translation>インデント解除(&amp;O)</translation>
    </message>
    <message>
        <source>Block&amp;quote</source>
        <translation>引用(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>左揃え(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>中央揃え(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>右揃え(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>両端揃え(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;UPPERCASE</source>
        <translation>大文字(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;lowercase</source>
        <translation>小文字(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <translation>単語の先頭を大文字(&amp;T)</translation>
    </message>
    <message>
        <source>Sort Lines &amp;A→Z</source>
        <translation>行を並べ替え A→Z(&amp;A)</translation>
    </message>
    <message>
        <source>Sort Lines &amp;Z→A</source>
        <translation>行を並べ替え Z→A(&amp;Z)</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicate Lines</source>
        <translation>重複行を削除(&amp;D)</translation>
    </message>
    <message>
        <source>Move Line &amp;Up</source>
        <translation>行を上へ移動(&amp;U)</translation>
    </message>
    <message>
        <source>Move Line &amp;Down</source>
        <translation>行を下へ移動(&amp;D)</translation>
    </message>
    <message>
        <source>Du&amp;plicate Line</source>
        <translation>行を複製(&amp;P)</translation>
    </message>
    <message>
        <source>D&amp;elete Line</source>
        <translation>行を削除(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Select Line</source>
        <translation>行を選択(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Link…</source>
        <translation>リンク(&amp;L)…</translation>
    </message>
    <message>
        <source>Code &amp;Block</source>
        <translation>コードブロック(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Insert 3×3</source>
        <translation>3×3 の表を挿入(&amp;I)</translation>
    </message>
    <message>
        <source>Format &amp;Table</source>
        <translation>表を整形(&amp;T)</translation>
    </message>
    <message>
        <source>Insert Row &amp;Above</source>
        <translation>上に行を挿入(&amp;A)</translation>
    </message>
    <message>
        <source>Insert Row &amp;Below</source>
        <translation>下に行を挿入(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>行を削除(&amp;D)</translation>
    </message>
    <message>
        <source>Insert Column &amp;Left</source>
        <translation>左に列を挿入(&amp;L)</translation>
    </message>
    <message>
        <source>Insert Column &amp;Right</source>
        <translation>右に列を挿入(&amp;R)</translation>
    </message>
    <message>
        <source>D&amp;elete Column</source>
        <translation>列を削除(&amp;E)</translation>
    </message>
    <message>
        <source>Align Column Le&amp;ft</source>
        <translation>列を左揃え(&amp;F)</translation>
    </message>
    <message>
        <source>Align Column Ce&amp;nter</source>
        <translation>列を中央揃え(&amp;N)</translation>
    </message>
    <message>
        <source>Align Column Ri&amp;ght</source>
        <translation>列を右揃え(&amp;G)</translation>
    </message>
    <message>
        <source>Horizontal &amp;Rule</source>
        <translation>水平線(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Footnote</source>
        <translation>脚注(&amp;F)</translation>
    </message>
    <message>
        <source>Table of &amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Date</source>
        <translation>今日の日付(&amp;D)</translation>
    </message>
    <message>
        <source>Co&amp;mment</source>
        <translation>コメント(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Document Info…</source>
        <translation>ドキュメント情報(&amp;D)…</translation>
    </message>
    <message>
        <source>AI &amp;Assist…</source>
        <translation>AI アシスト(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Translate…</source>
        <translation>翻訳(&amp;T)…</translation>
    </message>
    <message>
        <source>&amp;Suggest Continuation</source>
        <translation>続きを提案(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Clean Up Markdown</source>
        <translation>Markdown を整理(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Version History…</source>
        <translation>バージョン履歴(&amp;V)…</translation>
    </message>
    <message>
        <source>Snapshot &amp;Now</source>
        <translation>今すぐスナップショット(&amp;N)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>実際のサイズ(&amp;A)</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>幅に合わせる(&amp;W)</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>ページに合わせる(&amp;P)</translation>
    </message>
    <message>
        <source>Open &amp;Folder…</source>
        <translation>フォルダーを開く(&amp;F)…</translation>
    </message>
    <message>
        <source>Toggle &amp;Distraction-Free</source>
        <translation>集中モードの切り替え(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Command Palette…</source>
        <translation>コマンドパレット(&amp;C)…</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>全画面表示(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Welcome to Brindlewick</source>
        <translation>Brindlewick へようこそ(&amp;W)</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New</source>
        <translation>新機能(&amp;N)</translation>
    </message>
    <message>
        <source>Markdown &amp;Cheat Sheet</source>
        <translation>Markdown チートシート(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Brindlewick</source>
        <translation>Brindlewick について(&amp;A)</translation>
    </message>
</context>
<context>
    <name>OpenableFile</name>
    <message>
        <source>“%1” does not exist.</source>
        <translation>「%1」は存在しません。</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a text file.</source>
        <translation>「%1」はフォルダーで、テキストファイルではありません。</translation>
    </message>
    <message>
        <source>“%1” is a pipe, not a text file.</source>
        <translation>「%1」はパイプで、テキストファイルではありません。</translation>
    </message>
    <message>
        <source>“%1” is a socket, not a text file.</source>
        <translation>「%1」はソケットで、テキストファイルではありません。</translation>
    </message>
    <message>
        <source>“%1” is a device, not a text file.</source>
        <translation>「%1」はデバイスで、テキストファイルではありません。</translation>
    </message>
    <message>
        <source>“%1” is larger than %L2 MB and is not opened.</source>
        <translation>「%1」は %L2 MB を超えているため開きません。</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>「%1」を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>It does not exist.</source>
        <translation>存在しません。</translation>
    </message>
    <message>
        <source>It is a folder, not a text file.</source>
        <translation>フォルダーで、テキストファイルではありません。</translation>
    </message>
    <message>
        <source>It is a pipe, not a text file.</source>
        <translation>パイプで、テキストファイルではありません。</translation>
    </message>
    <message>
        <source>It is a socket, not a text file.</source>
        <translation>ソケットで、テキストファイルではありません。</translation>
    </message>
    <message>
        <source>It is a device, not a text file.</source>
        <translation>デバイスで、テキストファイルではありません。</translation>
    </message>
    <message>
        <source>It is larger than %L1 MB.</source>
        <translation>%L1 MB を超えています。</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>読み込めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>OutlineSidebar</name>
    <message>
        <source>Outline</source>
        <translation>アウトライン</translation>
    </message>
    <message>
        <source>No headings</source>
        <translation>見出しはありません</translation>
    </message>
</context>
<context>
    <name>PDFStamper</name>
    <message>
        <source>the PDF has no pages</source>
        <translation>PDF にページがありません</translation>
    </message>
    <message>
        <source>the header and footer could not be drawn</source>
        <translation>ヘッダーとフッターを描画できませんでした</translation>
    </message>
</context>
<context>
    <name>PagedDocumentLayout</name>
    <message>
        <source>Header</source>
        <translation>ヘッダー</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>フッター</translation>
    </message>
</context>
<context>
    <name>PersonalDictionary</name>
    <message>
        <source>“%1” cannot be added to the dictionary.</source>
        <translation>「%1」を辞書に追加できません。</translation>
    </message>
    <message>
        <source>“%1” is not a file that the word list can be written to.</source>
        <translation>「%1」は単語リストを書き込めるファイルではありません。</translation>
    </message>
</context>
<context>
    <name>PrintController</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>PDF を作成できませんでした。</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing…</source>
        <translation>印刷中…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>QuickOpenSheet</name>
    <message>
        <source>Quick Open</source>
        <translation>クイックオープン</translation>
    </message>
    <message>
        <source>Open recent…</source>
        <translation>最近使ったファイルを開く…</translation>
    </message>
    <message>
        <source>Search recent documents</source>
        <translation>最近のドキュメントを検索</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>最近のドキュメントはありません</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>一致なし</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the folder “%1” does not exist.</source>
        <translation>フォルダー「%1」が存在しません。</translation>
    </message>
    <message>
        <source>the folder “%1” is read-only.</source>
        <translation>フォルダー「%1」は読み取り専用です。</translation>
    </message>
    <message>
        <source>“%1” is read-only.</source>
        <translation>「%1」は読み取り専用です。</translation>
    </message>
    <message>
        <source>the disk is full.</source>
        <translation>ディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>the disk is read-only.</source>
        <translation>ディスクが読み取り専用です。</translation>
    </message>
    <message>
        <source>“%1” is not a file (it is a folder, a device, a pipe or a socket); nothing was written to it.</source>
        <translation>「%1」はファイルではありません（フォルダー、デバイス、パイプ、またはソケットです）。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>the name “%1” is too long; choose a shorter one.</source>
        <translation>名前「%1」が長すぎます。短い名前を選んでください。</translation>
    </message>
    <message>
        <source>its path is too long; choose a folder with a shorter path.</source>
        <translation>パスが長すぎます。パスの短いフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>the links on the way to “%1” go round in a circle and never reach a file; nothing was written to it.</source>
        <translation>「%1」へのリンクが循環していて、ファイルに到達しません。何も書き込まれませんでした。</translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>System Default</source>
        <translation>システムのデフォルト</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n 語</numerusform>
        </translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>セピア</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>名称未設定</translation>
    </message>
    <message>
        <source>My Theme %1</source>
        <translation>マイテーマ %1</translation>
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
        <translation>言語</translation>
    </message>
    <message>
        <source>Relaunch Brindlewick to apply a new language.</source>
        <translation>新しい言語を適用するには Brindlewick を再起動してください。</translation>
    </message>
    <message>
        <source>Editing mode</source>
        <translation>編集モード</translation>
    </message>
    <message>
        <source>WYSIWYG</source>
        <translation>WYSIWYG</translation>
    </message>
    <message>
        <source>Markdown Source</source>
        <translation>Markdown ソース</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Serif</source>
        <translation>セリフ</translation>
    </message>
    <message>
        <source>Monospaced</source>
        <translation>等幅</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>行間</translation>
    </message>
    <message>
        <source>Writing goal</source>
        <translation>執筆目標</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>ページ幅</translation>
    </message>
    <message>
        <source>Page margin</source>
        <translation>ページ余白</translation>
    </message>
    <message>
        <source>Focus mode (dim inactive paragraphs)</source>
        <translation>フォーカスモード（編集中以外の段落を薄く表示）</translation>
    </message>
    <message>
        <source>Typewriter scrolling (keep caret centered)</source>
        <translation>タイプライタースクロール（カーソルを中央に保つ）</translation>
    </message>
    <message>
        <source>Text direction</source>
        <translation>文字の方向</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Left-to-Right</source>
        <translation>左から右</translation>
    </message>
    <message>
        <source>Right-to-Left</source>
        <translation>右から左</translation>
    </message>
    <message>
        <source>Spelling language</source>
        <translation>スペルチェックの言語</translation>
    </message>
    <message>
        <source>Reveal Markdown syntax on the active line</source>
        <translation>編集中の行で Markdown 記法を表示</translation>
    </message>
    <message>
        <source>When on, the raw markdown (**, #, `) appears on the line your cursor is on. Off keeps it hidden while you edit.</source>
        <translation>オンにすると、カーソルのある行に Markdown 記法（**, #, `）がそのまま表示されます。オフにすると、編集中も非表示のままです。</translation>
    </message>
    <message>
        <source>Check spelling while typing</source>
        <translation>入力中にスペルをチェック</translation>
    </message>
    <message>
        <source>Auto-pair markers around selection</source>
        <translation>選択範囲を記号で自動的に囲む</translation>
    </message>
    <message>
        <source>Auto-pair wraps the selected text when you type * _ ` or [.</source>
        <translation>* _ ` [ のいずれかを入力すると、選択したテキストを囲みます。</translation>
    </message>
    <message>
        <source>Reopen documents from last session on launch</source>
        <translation>起動時に前回のドキュメントを再び開く</translation>
    </message>
    <message>
        <source>Files you had open are reopened the next time you start Brindlewick.</source>
        <translation>開いていたファイルは、次回 Brindlewick を起動したときに再び開かれます。</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>プロバイダー</translation>
    </message>
    <message>
        <source>DeepSeek (cloud)</source>
        <translation>DeepSeek（クラウド）</translation>
    </message>
    <message>
        <source>Ollama (local)</source>
        <translation>Ollama（ローカル）</translation>
    </message>
    <message>
        <source>Custom (OpenAI-compatible)</source>
        <translation>カスタム（OpenAI 互換）</translation>
    </message>
    <message>
        <source>DeepSeek API Key (sk-…)</source>
        <translation>DeepSeek API キー (sk-…)</translation>
    </message>
    <message>
        <source>Stored locally; sent only to DeepSeek. Get one at %1.</source>
        <translation>ローカルに保存され、DeepSeek にのみ送信されます。キーは %1 で取得できます。</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>ベース URL</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Runs entirely on this computer — no key, nothing leaves the device. Requires Ollama installed and running.</source>
        <translation>すべてこのコンピューター上で動作します。キーは不要で、データが外部に送信されることはありません。Ollama がインストールされ、実行中である必要があります。</translation>
    </message>
    <message>
        <source>Endpoint URL</source>
        <translation>エンドポイント URL</translation>
    </message>
    <message>
        <source>API Key (optional)</source>
        <translation>API キー（任意）</translation>
    </message>
    <message>
        <source>Automatic inline suggestions</source>
        <translation>インライン候補を自動表示</translation>
    </message>
    <message>
        <source>When on, Brindlewick asks your AI provider to continue your text after you pause typing — one request per pause, so it may incur cost on cloud providers. Press Tab to accept a suggestion, Esc to dismiss. You can also trigger one manually from Tools ▸ Suggest Continuation.</source>
        <translation>オンにすると、入力が止まったときに Brindlewick が AI プロバイダーに文章の続きを依頼します。止まるたびに 1 回リクエストするため、クラウドプロバイダーでは料金が発生する場合があります。候補を受け入れるには Tab、閉じるには Esc を押します。「ツール ▸ 続きを提案」から手動で実行することもできます。</translation>
    </message>
    <message>
        <source>Appended to the export stylesheet. Also enables MathJax ($$…$$) and Mermaid (```mermaid) in exported HTML.</source>
        <translation>エクスポート用スタイルシートの末尾に追加されます。エクスポートした HTML では MathJax（$$…$$）と Mermaid（```mermaid）も有効になります。</translation>
    </message>
    <message>
        <source>Toolbar groups</source>
        <translation>ツールバーのグループ</translation>
    </message>
    <message>
        <source>Formatting (headings, bold, italic…)</source>
        <translation>書式（見出し、太字、斜体…）</translation>
    </message>
    <message>
        <source>Links &amp; media</source>
        <translation>リンクとメディア</translation>
    </message>
    <message>
        <source>Lists &amp; blocks</source>
        <translation>リストとブロック</translation>
    </message>
    <message>
        <source>Indent / outdent</source>
        <translation>インデント / インデント解除</translation>
    </message>
    <message>
        <source>%1 (no dictionary installed)</source>
        <translation>%1（辞書がインストールされていません）</translation>
    </message>
    <message>
        <source>Custom CSS for every export (HTML, PDF, Word, OpenDocument, Rich Text)</source>
        <translation>すべてのエクスポート用のカスタム CSS（HTML、PDF、Word、OpenDocument、リッチテキスト）</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>エディター</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Behavior</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>AI</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Snippets</source>
        <translation>スニペット</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Press keys…</source>
        <translation>キーを押してください…</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>記録</translation>
    </message>
</context>
<context>
    <name>ShortcutsSettingsView</name>
    <message>
        <source>Assign your own keys to any command. Combinations must include Ctrl or Meta. Menu shortcuts take priority, so prefer unused combinations.</source>
        <translation>任意のコマンドに独自のキーを割り当てられます。組み合わせには Ctrl または Meta を含める必要があります。メニューのショートカットが優先されるため、使われていない組み合わせを選んでください。</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>ショートカットを消去</translation>
    </message>
    <message>
        <source>conflicts with %1</source>
        <translation>%1 と競合</translation>
    </message>
</context>
<context>
    <name>SnippetsSettingsView</name>
    <message>
        <source>Type a trigger and press Tab to expand. Use $| for the caret and $date for today.</source>
        <translation>トリガーを入力して Tab を押すと展開されます。$| はカーソル位置、$date は今日の日付になります。</translation>
    </message>
    <message>
        <source>Add snippet</source>
        <translation>スニペットを追加</translation>
    </message>
    <message>
        <source>Remove snippet</source>
        <translation>スニペットを削除</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>トリガー</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>トリガー</translation>
    </message>
    <message>
        <source>expansion</source>
        <translation>展開後のテキスト</translation>
    </message>
</context>
<context>
    <name>StatsPopover</name>
    <message>
        <source>Words</source>
        <translation>単語数</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>文字数</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>スペースを除く</translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation>文の数</translation>
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
        <translation>読了時間</translation>
    </message>
    <message>
        <source>~%1 min</source>
        <translation>約 %1 分</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Zoom Out (Ctrl+−)</source>
        <translation>縮小 (Ctrl+−)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>幅に合わせる</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>ページに合わせる</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>拡大 (Ctrl++)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n 語</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters</source>
        <translation>
            <numerusform>%n 文字</numerusform>
        </translation>
    </message>
    <message>
        <source>~%1 min read</source>
        <translation>読了まで約 %1 分</translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n 語を選択中</numerusform>
        </translation>
    </message>
    <message>
        <source>Goal %1/%2</source>
        <translation>目標 %1/%2</translation>
    </message>
</context>
<context>
    <name>TableGridPicker</name>
    <message>
        <source>%1 by %2 table</source>
        <translation>%1 行 %2 列の表</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>表を挿入</translation>
    </message>
    <message>
        <source>%1 × %2 table</source>
        <translation>%1 × %2 の表</translation>
    </message>
</context>
<context>
    <name>TemplateStore</name>
    <message>
        <source>Blank</source>
        <translation>白紙</translation>
    </message>
    <message>
        <source>Meeting Notes</source>
        <translation>議事録</translation>
    </message>
    <message>
        <source>README</source>
        <translation>README</translation>
    </message>
    <message>
        <source>Blog Post</source>
        <translation>ブログ記事</translation>
    </message>
    <message>
        <source>Daily Journal</source>
        <translation>日記</translation>
    </message>
    <message>
        <source>To-Do List</source>
        <translation>ToDo リスト</translation>
    </message>
    <message>
        <source>Table Starter</source>
        <translation>表のひな形</translation>
    </message>
</context>
<context>
    <name>TextViewCommands</name>
    <message>
        <source>Save Pasted Image</source>
        <translation>貼り付けた画像を保存</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
</context>
<context>
    <name>TranslateSheet</name>
    <message>
        <source>Translate</source>
        <translation>翻訳</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable translation.</source>
        <translation>翻訳を使うには、設定の「AI」タブで DeepSeek の API キーを追加してください。</translation>
    </message>
    <message>
        <source>Translating…</source>
        <translation>翻訳中…</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Or type a language</source>
        <translation>または言語を入力</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>選択範囲</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>ドキュメント全体</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>オランダ語</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>中国語（簡体字）</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>中国語（繁体字）</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>アラビア語</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>ヒンディー語</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>トルコ語</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>ポーランド語</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>スウェーデン語</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>ベトナム語</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>タイ語</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>インドネシア語</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>ギリシャ語</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>ヘブライ語</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
</context>
<context>
    <name>TranslationError</name>
    <message>
        <source>Invalid AI endpoint. Check Settings ▸ AI.</source>
        <translation>AI のエンドポイントが無効です。「設定 ▸ AI」を確認してください。</translation>
    </message>
    <message>
        <source>The API key contains line breaks or control characters. Check Settings ▸ AI.</source>
        <translation>API キーに改行または制御文字が含まれています。「設定 ▸ AI」を確認してください。</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>リクエストがタイムアウトしました。</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings first.</source>
        <translation>先に、設定の「AI」タブで DeepSeek の API キーを追加してください。</translation>
    </message>
    <message>
        <source>The translation service returned an unexpected response.</source>
        <translation>翻訳サービスから予期しない応答が返されました。</translation>
    </message>
    <message>
        <source>HTTP %1 from server</source>
        <translation>サーバーから HTTP %1</translation>
    </message>
    <message>
        <source>HTTP %1 from %2</source>
        <translation>%2 から HTTP %1</translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <source>Untitled</source>
        <translation>名称未設定</translation>
    </message>
    <message>
        <source>The current text could not be kept as a version, so nothing was restored.

%1</source>
        <translation>現在のテキストをバージョンとして保存できなかったため、何も復元しませんでした。

%1</translation>
    </message>
</context>
<context>
    <name>VersionHistoryView</name>
    <message>
        <source>Version History</source>
        <translation>バージョン履歴</translation>
    </message>
    <message>
        <source>Save this document first</source>
        <translation>先にこのドキュメントを保存してください</translation>
    </message>
    <message>
        <source>Version history is kept per file, so an untitled document has no history until it is saved.</source>
        <translation>バージョン履歴はファイルごとに記録されるため、名称未設定のドキュメントには保存するまで履歴がありません。</translation>
    </message>
    <message>
        <source>Snapshot Now</source>
        <translation>今すぐスナップショット</translation>
    </message>
    <message>
        <source>No versions saved yet</source>
        <translation>保存されたバージョンはまだありません</translation>
    </message>
    <message>
        <source>Brindlewick snapshots this document as you edit. Use “Snapshot Now” to capture one immediately.</source>
        <translation>Brindlewick は編集中にこのドキュメントのスナップショットを作成します。すぐに作成するには「今すぐスナップショット」を使用してください。</translation>
    </message>
    <message>
        <source>Select a version to preview</source>
        <translation>プレビューするバージョンを選択してください</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>このバージョンを復元</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n 語</numerusform>
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
        <translation>ドキュメントを変更できなかったため、バージョンを復元しませんでした。</translation>
    </message>
</context>
<context>
    <name>VersionStore</name>
    <message>
        <source>Could not save a version of “%1”: %2</source>
        <translation>「%1」のバージョンを保存できませんでした: %2</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be written.</source>
        <translation>フォルダー「%1」に書き込めません。</translation>
    </message>
    <message>
        <source>Could not delete the version: %1</source>
        <translation>バージョンを削除できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Welcome to Brindlewick</source>
        <translation>Brindlewick へようこそ</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A clean, native Markdown editor.</source>
        <translation>シンプルでネイティブな Markdown エディター。</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>新規ドキュメント</translation>
    </message>
    <message>
        <source>New from Template…</source>
        <translation>テンプレートから新規作成…</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>開く…</translation>
    </message>
    <message>
        <source>Markdown Cheat Sheet</source>
        <translation>Markdown チートシート</translation>
    </message>
    <message>
        <source>Show this window when Brindlewick opens</source>
        <translation>Brindlewick の起動時にこのウィンドウを表示</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>最近のドキュメントはありません</translation>
    </message>
</context>
<context>
    <name>WhatsNewWindow</name>
    <message>
        <source>What&apos;s New</source>
        <translation>新機能</translation>
    </message>
    <message>
        <source>What&apos;s New in Brindlewick</source>
        <translation>Brindlewick の新機能</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
</context>
<context>
    <name>WindowFiles</name>
    <message>
        <source>A version of the document could not be saved.</source>
        <translation>ドキュメントのバージョンを保存できませんでした。</translation>
    </message>
    <message>
        <source>A version of the document “%1” could not be saved.</source>
        <translation>ドキュメント“%1”のバージョンを保存できませんでした。</translation>
    </message>
</context>
</TS>
