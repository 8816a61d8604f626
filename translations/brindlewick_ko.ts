<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>AIActions</name>
    <message>
        <source>Improve Writing</source>
        <translation>글 다듬기</translation>
    </message>
    <message>
        <source>Fix Spelling &amp; Grammar</source>
        <translation>맞춤법 및 문법 교정</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>다시 쓰기</translation>
    </message>
    <message>
        <source>Make Shorter</source>
        <translation>짧게 줄이기</translation>
    </message>
    <message>
        <source>Make Longer</source>
        <translation>길게 늘리기</translation>
    </message>
    <message>
        <source>Professional Tone</source>
        <translation>전문적인 어조</translation>
    </message>
    <message>
        <source>Casual Tone</source>
        <translation>편안한 어조</translation>
    </message>
    <message>
        <source>Summarize</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>Draft from Outline</source>
        <translation>개요로 초안 작성</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>설명</translation>
    </message>
    <message>
        <source>Suggest Title &amp; Tags</source>
        <translation>제목 및 태그 제안</translation>
    </message>
</context>
<context>
    <name>AIAssistSheet</name>
    <message>
        <source>AI Assist</source>
        <translation>AI 도우미</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable the assist actions.</source>
        <translation>도우미 작업을 사용하려면 설정의 AI 탭에서 DeepSeek API 키를 추가하세요.</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>처리 중…</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>실행</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Custom instruction (optional)</source>
        <translation>추가 지시(선택 사항)</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>선택 영역</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>문서 전체</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message numerus="yes">
        <source>%n files or links were not opened.</source>
        <translation>
            <numerusform>파일 또는 링크 %n개를 열지 않았습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>One request opens at most %1 of them. Not opened:
%2</source>
        <translation>한 번의 요청으로 최대 %1개까지 엽니다. 열지 않은 항목:
%2</translation>
    </message>
</context>
<context>
    <name>AssistRunner</name>
    <message>
        <source>The text changed while the answer was on its way, so nothing was changed. Run it again.</source>
        <translation>답변을 기다리는 동안 텍스트가 바뀌어 아무것도 변경하지 않았습니다. 다시 실행하세요.</translation>
    </message>
    <message>
        <source>The answer was empty, so nothing was changed.</source>
        <translation>답변이 비어 있어 아무것도 변경하지 않았습니다.</translation>
    </message>
    <message>
        <source>The editor did not accept the change.</source>
        <translation>편집기가 변경 사항을 받아들이지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>AssistSheet</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>범위</translation>
    </message>
</context>
<context>
    <name>AutosaveStore</name>
    <message>
        <source>The autosave folder “%1” could not be created.</source>
        <translation>“%1” 자동 저장 폴더를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>The autosave folder “%1” cannot be written: %2</source>
        <translation>“%1” 자동 저장 폴더에 쓸 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>BatchExport</name>
    <message>
        <source>Another file of the folder is exported as “%1”.</source>
        <translation>폴더의 다른 파일도 “%1” 파일로 내보냅니다.</translation>
    </message>
    <message>
        <source>It is not valid UTF-8 text.</source>
        <translation>올바른 UTF-8 텍스트가 아닙니다.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>외 %1개</translation>
    </message>
    <message>
        <source>A file to be written already exists.</source>
        <translation>쓸 파일이 이미 있습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n files to be written already exist.</source>
        <translation>
            <numerusform>쓸 파일 중 %n개가 이미 있습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replacing them overwrites their current contents:
</source>
        <translation>바꾸면 현재 내용을 덮어씁니다:
</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>%1 폴더에 저장했습니다.</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>내보낼 항목 없음</translation>
    </message>
    <message>
        <source>No Markdown files found in that folder.</source>
        <translation>해당 폴더에 Markdown 파일이 없습니다.</translation>
    </message>
    <message>
        <source>Exported 1 file</source>
        <translation>파일 1개를 내보냄</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n files</source>
        <translation>
            <numerusform>파일 %n개를 내보냄</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>취소했습니다.</translation>
    </message>
    <message>
        <source>Not exported:</source>
        <translation>내보내지 못한 파일:</translation>
    </message>
    <message numerus="yes">
        <source>Exported %1 of %n files</source>
        <translation>
            <numerusform>파일 %n개 중 %1개를 내보냄</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” is a link to another file; it was not replaced.</source>
        <translation>“%1” 파일은 다른 파일에 대한 링크이므로 바꾸지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>BatchExporter</name>
    <message>
        <source>Exporting…</source>
        <translation>내보내는 중…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2개 중 %1번째</translation>
    </message>
    <message>
        <source>It could not be written.</source>
        <translation>쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to export.</source>
        <translation>내보낼 Markdown 파일이 있는 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>모두 내보내기</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>바꾸기</translation>
    </message>
</context>
<context>
    <name>CommandCategory</name>
    <message>
        <source>Headings</source>
        <translation>제목</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>서식</translation>
    </message>
    <message>
        <source>Lists &amp; Blocks</source>
        <translation>목록 및 블록</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>삽입</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>변환</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>줄</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
</context>
<context>
    <name>CommandPalette</name>
    <message>
        <source>Command Palette</source>
        <translation>명령 팔레트</translation>
    </message>
    <message>
        <source>Type a command…</source>
        <translation>명령 입력…</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>명령 검색</translation>
    </message>
    <message>
        <source>No matching commands</source>
        <translation>일치하는 명령 없음</translation>
    </message>
</context>
<context>
    <name>CommandRegistry</name>
    <message>
        <source>Heading 1</source>
        <translation>제목 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>제목 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>제목 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>제목 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>제목 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>제목 6</translation>
    </message>
    <message>
        <source>Body Text</source>
        <translation>본문</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>굵게</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>기울임꼴</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>굵은 기울임꼴</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>취소선</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>인라인 코드</translation>
    </message>
    <message>
        <source>Comment (HTML)</source>
        <translation>주석(HTML)</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>글머리 기호 목록</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>번호 매기기 목록</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>작업 목록</translation>
    </message>
    <message>
        <source>Toggle Task Done</source>
        <translation>작업 완료 전환</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>인용 블록</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>코드 블록</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>들여쓰기</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>내어쓰기</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>가로 구분선</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>각주</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>목차</translation>
    </message>
    <message>
        <source>Today&apos;s Date</source>
        <translation>오늘 날짜</translation>
    </message>
    <message>
        <source>Table (2×2)</source>
        <translation>표(2×2)</translation>
    </message>
    <message>
        <source>Table (3×3)</source>
        <translation>표(3×3)</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>인라인 수식</translation>
    </message>
    <message>
        <source>Format Table</source>
        <translation>표 정리</translation>
    </message>
    <message>
        <source>Table: Insert Row Above</source>
        <translation>표: 위에 행 삽입</translation>
    </message>
    <message>
        <source>Table: Insert Row Below</source>
        <translation>표: 아래에 행 삽입</translation>
    </message>
    <message>
        <source>Table: Delete Row</source>
        <translation>표: 행 삭제</translation>
    </message>
    <message>
        <source>Table: Insert Column Left</source>
        <translation>표: 왼쪽에 열 삽입</translation>
    </message>
    <message>
        <source>Table: Insert Column Right</source>
        <translation>표: 오른쪽에 열 삽입</translation>
    </message>
    <message>
        <source>Table: Delete Column</source>
        <translation>표: 열 삭제</translation>
    </message>
    <message>
        <source>Table: Align Column Left</source>
        <translation>표: 열 왼쪽 정렬</translation>
    </message>
    <message>
        <source>Table: Align Column Center</source>
        <translation>표: 열 가운데 정렬</translation>
    </message>
    <message>
        <source>Table: Align Column Right</source>
        <translation>표: 열 오른쪽 정렬</translation>
    </message>
    <message>
        <source>UPPERCASE</source>
        <translation>대문자로</translation>
    </message>
    <message>
        <source>lowercase</source>
        <translation>소문자로</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>단어 첫 글자 대문자로</translation>
    </message>
    <message>
        <source>Sort Lines A→Z</source>
        <translation>줄 정렬 A→Z</translation>
    </message>
    <message>
        <source>Sort Lines Z→A</source>
        <translation>줄 정렬 Z→A</translation>
    </message>
    <message>
        <source>Remove Duplicate Lines</source>
        <translation>중복 줄 제거</translation>
    </message>
    <message>
        <source>Move Line Up</source>
        <translation>줄 위로 이동</translation>
    </message>
    <message>
        <source>Move Line Down</source>
        <translation>줄 아래로 이동</translation>
    </message>
    <message>
        <source>Duplicate Line</source>
        <translation>줄 복제</translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation>줄 삭제</translation>
    </message>
    <message>
        <source>Select Line</source>
        <translation>줄 선택</translation>
    </message>
    <message>
        <source>Toggle WYSIWYG / Markdown Source</source>
        <translation>WYSIWYG / Markdown 원본 전환</translation>
    </message>
    <message>
        <source>Suggest Continuation</source>
        <translation>이어 쓰기 제안</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>Markdown 정리</translation>
    </message>
    <message>
        <source>Export as HTML…</source>
        <translation>HTML로 내보내기…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>PDF로 내보내기…</translation>
    </message>
    <message>
        <source>Export as Rich Text…</source>
        <translation>서식 있는 텍스트로 내보내기…</translation>
    </message>
    <message>
        <source>Export as Word…</source>
        <translation>Word로 내보내기…</translation>
    </message>
    <message>
        <source>Export as OpenDocument…</source>
        <translation>OpenDocument로 내보내기…</translation>
    </message>
    <message>
        <source>Copy as HTML</source>
        <translation>HTML로 복사</translation>
    </message>
</context>
<context>
    <name>CustomThemesEditor</name>
    <message>
        <source>Custom themes</source>
        <translation>사용자 지정 테마</translation>
    </message>
    <message>
        <source>Add Theme</source>
        <translation>테마 추가</translation>
    </message>
    <message>
        <source>Add a theme to start from the current colours, then edit them here.</source>
        <translation>테마를 추가하면 현재 색상에서 시작하며, 여기에서 색상을 편집할 수 있습니다.</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>사용 중</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Use This Theme</source>
        <translation>이 테마 사용</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>복제</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>Do you want to save the changes made to the document “%1”?</source>
        <translation>“%1” 문서의 변경 사항을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>저장하지 않으면 변경 사항이 사라집니다.</translation>
    </message>
    <message>
        <source>Don’t Save</source>
        <translation>저장 안 함</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>The file of the document “%1” was moved or deleted by another program.</source>
        <translation>다른 프로그램이 “%1” 문서의 파일을 옮기거나 삭제했습니다.</translation>
    </message>
    <message>
        <source>The document “%1” was changed by another program.</source>
        <translation>다른 프로그램이 “%1” 문서를 변경했습니다.</translation>
    </message>
    <message>
        <source>Save your version to write the file again, save it under another name, or leave the file removed.</source>
        <translation>내 버전을 저장해 파일을 다시 쓰거나, 다른 이름으로 저장하거나, 파일을 삭제된 상태로 둘 수 있습니다.</translation>
    </message>
    <message>
        <source>Keep your version to overwrite the file, reload the version on disk (your changes can be undone), or save your version under another name.</source>
        <translation>내 버전을 유지해 파일을 덮어쓰거나, 디스크에 있는 버전을 다시 불러오거나(변경 사항은 실행 취소할 수 있음), 내 버전을 다른 이름으로 저장할 수 있습니다.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>내 버전 유지</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>다시 불러오기</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>다른 이름으로 저장…</translation>
    </message>
    <message>
        <source>The document “%1” could not be opened.</source>
        <translation>“%1” 문서를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>메뉴 비우기(&amp;C)</translation>
    </message>
    <message>
        <source>The last save of “%1” did not finish.</source>
        <translation>“%1”의 마지막 저장이 끝나지 않았습니다.</translation>
    </message>
    <message>
        <source>The file “%1” may be incomplete. This window holds the text that was being saved: write it back to the file, or keep it here for now.</source>
        <translation>“%1” 파일이 불완전할 수 있습니다. 이 창에는 저장 중이던 텍스트가 있습니다. 파일에 다시 쓰거나 당분간 여기에 보관하세요.</translation>
    </message>
    <message>
        <source>Write Back</source>
        <translation>다시 쓰기</translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>제목 없음 %1</translation>
    </message>
    <message>
        <source>The document “%1” could not be saved.</source>
        <translation>“%1” 문서를 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” is open in another window. Close that window first, or choose another name.</source>
        <translation>“%1” 파일이 다른 창에서 열려 있습니다. 그 창을 먼저 닫거나 다른 이름을 선택하세요.</translation>
    </message>
    <message>
        <source>Unsaved text cannot be kept for the next launch.</source>
        <translation>저장하지 않은 텍스트는 다음 실행 때까지 보관할 수 없습니다.</translation>
    </message>
    <message>
        <source>The document “%1” could not be autosaved.</source>
        <translation>“%1” 문서를 자동 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>The file “%1” was moved or deleted by another program; it was not written again.</source>
        <translation>다른 프로그램이 “%1” 파일을 옮기거나 삭제했습니다. 파일을 다시 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>“%1” was changed by another program; it was not overwritten.</source>
        <translation>다른 프로그램이 “%1” 파일을 변경했습니다. 덮어쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 (recovered)</source>
        <translation>%1 (복구됨)</translation>
    </message>
</context>
<context>
    <name>EditorToolbar</name>
    <message>
        <source>Formatting</source>
        <translation>서식</translation>
    </message>
    <message>
        <source>Paragraph style</source>
        <translation>문단 스타일</translation>
    </message>
    <message>
        <source>Insert Link</source>
        <translation>링크 삽입</translation>
    </message>
    <message>
        <source>Blockquote</source>
        <translation>인용 블록</translation>
    </message>
    <message>
        <source>Code Block</source>
        <translation>코드 블록</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>굵게</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>기울임꼴</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>취소선</translation>
    </message>
    <message>
        <source>Inline Code</source>
        <translation>인라인 코드</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>글머리 기호 목록</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>번호 매기기 목록</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>작업 목록</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>왼쪽 정렬</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>가운데 정렬</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>오른쪽 정렬</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>양쪽 맞춤</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>내어쓰기</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>들여쓰기</translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation>이미지 삽입</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>표 삽입</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>가로 구분선</translation>
    </message>
    <message>
        <source>Inline Math</source>
        <translation>인라인 수식</translation>
    </message>
    <message>
        <source>Footnote</source>
        <translation>각주</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>목차</translation>
    </message>
    <message>
        <source>Insert Date</source>
        <translation>날짜 삽입</translation>
    </message>
    <message>
        <source>AI Assist…</source>
        <translation>AI 도우미…</translation>
    </message>
    <message>
        <source>Translate…</source>
        <translation>번역…</translation>
    </message>
    <message>
        <source>Clean Up Markdown</source>
        <translation>Markdown 정리</translation>
    </message>
    <message>
        <source>Version History…</source>
        <translation>버전 기록…</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>개요</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>눈금자</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>명령 팔레트</translation>
    </message>
    <message>
        <source>All tools</source>
        <translation>모든 도구</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Switch to Markdown source</source>
        <translation>Markdown 원본으로 전환</translation>
    </message>
    <message>
        <source>Switch to WYSIWYG</source>
        <translation>WYSIWYG 모드로 전환</translation>
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
        <translation>학술</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>컴팩트</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>표준</translation>
    </message>
    <message>
        <source>Academic PDF</source>
        <translation>학술 PDF</translation>
    </message>
    <message>
        <source>Clean PDF</source>
        <translation>깔끔한 PDF</translation>
    </message>
    <message>
        <source>New Preset</source>
        <translation>새 프리셋</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 사본</translation>
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
        <translation>서식 있는 텍스트</translation>
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
        <translation>HTML 복사</translation>
    </message>
    <message>
        <source>Export Presets</source>
        <translation>내보내기 프리셋</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Custom CSS (appended after the theme)</source>
        <translation>사용자 지정 CSS(테마 뒤에 추가)</translation>
    </message>
    <message>
        <source>Select or add a preset</source>
        <translation>프리셋을 선택하거나 추가하세요</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>프리셋 추가</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>프리셋 삭제</translation>
    </message>
    <message>
        <source>Duplicate preset</source>
        <translation>프리셋 복제</translation>
    </message>
    <message>
        <source>Export With This Preset</source>
        <translation>이 프리셋으로 내보내기</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <source>PDF pages are made by the page renderer.</source>
        <translation>PDF 페이지는 페이지 렌더러가 만듭니다.</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>문서를 변환할 수 없습니다.</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported as PDF.</source>
        <translation>“%1” 문서를 PDF로 내보낼 수 없습니다.</translation>
    </message>
    <message>
        <source>The document “%1” could not be exported.</source>
        <translation>“%1” 문서를 내보낼 수 없습니다.</translation>
    </message>
    <message>
        <source>The document “%1” could not be converted.</source>
        <translation>“%1” 문서를 변환할 수 없습니다.</translation>
    </message>
    <message>
        <source>HTML Page (*.html)</source>
        <translation>HTML 페이지 (*.html)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF 문서 (*.pdf)</translation>
    </message>
    <message>
        <source>Rich Text Document (*.rtf)</source>
        <translation>서식 있는 텍스트 문서 (*.rtf)</translation>
    </message>
    <message>
        <source>Word Document (*.docx)</source>
        <translation>Word 문서 (*.docx)</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>OpenDocument 텍스트 (*.odt)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
</context>
<context>
    <name>FileBrowserSidebar</name>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Refresh file list</source>
        <translation>파일 목록 새로 고침</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>폴더 열기…</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>No folder open</source>
        <translation>열린 폴더 없음</translation>
    </message>
    <message>
        <source>No Markdown files here</source>
        <translation>이곳에 Markdown 파일 없음</translation>
    </message>
    <message>
        <source>Choose a folder of Markdown files to browse.</source>
        <translation>탐색할 Markdown 파일이 있는 폴더를 선택하세요.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>바꾸기</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>바꿀 내용</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n개 일치</numerusform>
        </translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>이전</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>모두 바꾸기</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>일치 항목 없음</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2개 중 %1번째</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1개 일치</translation>
    </message>
</context>
<context>
    <name>FrontMatterEditor</name>
    <message>
        <source>Document Info</source>
        <translation>문서 정보</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>제목</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>작성자</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>태그</translation>
    </message>
    <message>
        <source>comma, separated</source>
        <translation>쉼표로 구분</translation>
    </message>
    <message>
        <source>Stored as YAML front matter at the top of the document.</source>
        <translation>문서 맨 위에 YAML 프런트 매터로 저장됩니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
</context>
<context>
    <name>HeaderFooterEditor</name>
    <message>
        <source>Page Header &amp; Footer</source>
        <translation>페이지 머리글 및 바닥글</translation>
    </message>
    <message>
        <source>Shown on printed and exported pages. Markdown has no header/footer concept, so these apply to output only.</source>
        <translation>인쇄하거나 내보낸 페이지에 표시됩니다. Markdown에는 머리글/바닥글 개념이 없으므로 출력에만 적용됩니다.</translation>
    </message>
    <message>
        <source>e.g. {title}</source>
        <translation>예: {title}</translation>
    </message>
    <message>
        <source>e.g. Page {page} of {pages}</source>
        <translation>예: {pages}페이지 중 {page}페이지</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>머리글</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>바닥글</translation>
    </message>
    <message>
        <source>Tokens:</source>
        <translation>자리 표시자:</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>기본값으로 재설정</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>ImageInsertView</name>
    <message>
        <source>Insert Image</source>
        <translation>이미지 삽입</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>파일 선택…</translation>
    </message>
    <message>
        <source>or</source>
        <translation>또는</translation>
    </message>
    <message>
        <source>Image URL</source>
        <translation>이미지 URL</translation>
    </message>
    <message>
        <source>Alt text (optional)</source>
        <translation>대체 텍스트(선택 사항)</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>삽입</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>이미지 선택</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>이미지 (%1)</translation>
    </message>
</context>
<context>
    <name>LinkEditorView</name>
    <message>
        <source>Insert Link</source>
        <translation>링크 삽입</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>삽입</translation>
    </message>
</context>
<context>
    <name>LongPaste</name>
    <message>
        <source>Paste progress</source>
        <translation>붙여넣기 진행률</translation>
    </message>
    <message>
        <source>Pasting… %p%</source>
        <translation>붙여넣는 중… %p%</translation>
    </message>
    <message>
        <source>Pasting…</source>
        <translation>붙여넣는 중…</translation>
    </message>
</context>
<context>
    <name>MarkdownDocument</name>
    <message>
        <source>The file is not valid UTF-8 text (byte 0x%1 at offset %2).</source>
        <translation>이 파일은 올바른 UTF-8 텍스트가 아닙니다(오프셋 %2의 바이트 0x%1).</translation>
    </message>
    <message>
        <source>“%1” is not valid UTF-8 text (byte 0x%2 at offset %3).</source>
        <translation>“%1” 파일은 올바른 UTF-8 텍스트가 아닙니다(오프셋 %3의 바이트 0x%2).</translation>
    </message>
    <message>
        <source>“%1” could not be saved: %2</source>
        <translation>“%1” 파일을 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</source>
        <translation>Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)</translation>
    </message>
    <message>
        <source>Plain text (*.txt *.text)</source>
        <translation>일반 텍스트 (*.txt *.text)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>모든 파일 (*)</translation>
    </message>
</context>
<context>
    <name>MarkdownTextView</name>
    <message>
        <source>Markdown editor</source>
        <translation>Markdown 편집기</translation>
    </message>
    <message>
        <source>No Guesses Found</source>
        <translation>추천 단어 없음</translation>
    </message>
    <message>
        <source>&amp;Ignore Spelling</source>
        <translation>맞춤법 무시(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>사전에 추가(&amp;A)</translation>
    </message>
    <message>
        <source>The word could not be added to the dictionary</source>
        <translation>단어를 사전에 추가할 수 없습니다</translation>
    </message>
    <message>
        <source>“%1” is accepted until the program quits, but it could not be kept: %2</source>
        <translation>“%1” 단어는 프로그램을 끝낼 때까지 허용되지만 보관할 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Open the Menu Bar</source>
        <translation>메뉴 표시줄 열기</translation>
    </message>
    <message>
        <source>Show File &amp;Browser</source>
        <translation>파일 탐색기 표시(&amp;B)</translation>
    </message>
    <message>
        <source>Hide File &amp;Browser</source>
        <translation>파일 탐색기 숨기기(&amp;B)</translation>
    </message>
    <message>
        <source>Show Out&amp;line</source>
        <translation>개요 표시(&amp;L)</translation>
    </message>
    <message>
        <source>Hide Out&amp;line</source>
        <translation>개요 숨기기(&amp;L)</translation>
    </message>
    <message>
        <source>Show &amp;Minimap</source>
        <translation>미니맵 표시(&amp;M)</translation>
    </message>
    <message>
        <source>Hide &amp;Minimap</source>
        <translation>미니맵 숨기기(&amp;M)</translation>
    </message>
    <message>
        <source>Show &amp;Ruler</source>
        <translation>눈금자 표시(&amp;R)</translation>
    </message>
    <message>
        <source>Hide &amp;Ruler</source>
        <translation>눈금자 숨기기(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Show Markdown Source</source>
        <translation>Markdown 원본 보기(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Show WYSIWYG</source>
        <translation>WYSIWYG 보기(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Manage Export Presets…</source>
        <translation>내보내기 프리셋 관리(&amp;M)…</translation>
    </message>
    <message>
        <source>About Brindlewick</source>
        <translation>Brindlewick 정보</translation>
    </message>
    <message>
        <source>Brindlewick %1</source>
        <translation>Brindlewick %1</translation>
    </message>
    <message>
        <source>A Markdown editor.</source>
        <translation>Markdown 편집기.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>내보내기(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Batch Export Folder</source>
        <translation>폴더 일괄 내보내기(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>찾기(&amp;F)</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>서식(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Heading</source>
        <translation>제목(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>목록(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Align</source>
        <translation>정렬(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Transform</source>
        <translation>변환(&amp;T)</translation>
    </message>
    <message>
        <source>Li&amp;nes</source>
        <translation>줄(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>삽입(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>표(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>도구(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>새로 만들기(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>열기(&amp;O)…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>최근 파일 열기(&amp;R)</translation>
    </message>
    <message>
        <source>New from &amp;Template</source>
        <translation>템플릿으로 새로 만들기(&amp;T)</translation>
    </message>
    <message>
        <source>Quic&amp;k Open…</source>
        <translation>빠른 열기(&amp;K)…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>다른 이름으로 저장(&amp;A)…</translation>
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
        <translation>서식 있는 텍스트(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Copy as HTML</source>
        <translation>HTML로 복사(&amp;C)</translation>
    </message>
    <message>
        <source>Pre&amp;sets</source>
        <translation>프리셋(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Header &amp;&amp; Footer…</source>
        <translation>머리글 및 바닥글(&amp;H)…</translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation>페이지 설정(&amp;U)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>인쇄(&amp;P)…</translation>
    </message>
    <message>
        <source>Allow Access to &amp;Folder…</source>
        <translation>폴더 접근 허용(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>끝내기(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>잘라내기(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>붙여넣기(&amp;P)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>모두 선택(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>찾기(&amp;F)…</translation>
    </message>
    <message>
        <source>Find &amp;&amp; &amp;Replace…</source>
        <translation>찾아 바꾸기(&amp;R)…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>다음 찾기(&amp;N)</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>이전 찾기(&amp;V)</translation>
    </message>
    <message>
        <source>Use &amp;Selection for Find</source>
        <translation>선택 영역으로 찾기(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>설정(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>굵게(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>기울임꼴(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>취소선(&amp;S)</translation>
    </message>
    <message>
        <source>Inline &amp;Code</source>
        <translation>인라인 코드(&amp;C)</translation>
    </message>
    <message>
        <source>Heading &amp;1</source>
        <translation>제목 &amp;1</translation>
    </message>
    <message>
        <source>Heading &amp;2</source>
        <translation>제목 &amp;2</translation>
    </message>
    <message>
        <source>Heading &amp;3</source>
        <translation>제목 &amp;3</translation>
    </message>
    <message>
        <source>Heading &amp;4</source>
        <translation>제목 &amp;4</translation>
    </message>
    <message>
        <source>Heading &amp;5</source>
        <translation>제목 &amp;5</translation>
    </message>
    <message>
        <source>Heading &amp;6</source>
        <translation>제목 &amp;6</translation>
    </message>
    <message>
        <source>&amp;Body Text</source>
        <translation>본문(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Bulleted List</source>
        <translation>글머리 기호 목록(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Numbered List</source>
        <translation>번호 매기기 목록(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Task List</source>
        <translation>작업 목록(&amp;T)</translation>
    </message>
    <message>
        <source>Toggle Task &amp;Done</source>
        <translation>작업 완료 전환(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation>들여쓰기(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Outdent</source>
        <translation>내어쓰기(&amp;O)</translation>
    </message>
    <message>
        <source>Block&amp;quote</source>
        <translation>인용 블록(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>왼쪽(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>가운데(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>오른쪽(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>양쪽 맞춤(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;UPPERCASE</source>
        <translation>대문자로(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;lowercase</source>
        <translation>소문자로(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <translation>단어 첫 글자 대문자로(&amp;T)</translation>
    </message>
    <message>
        <source>Sort Lines &amp;A→Z</source>
        <translation>줄 정렬 &amp;A→Z</translation>
    </message>
    <message>
        <source>Sort Lines &amp;Z→A</source>
        <translation>줄 정렬 &amp;Z→A</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicate Lines</source>
        <translation>중복 줄 제거(&amp;D)</translation>
    </message>
    <message>
        <source>Move Line &amp;Up</source>
        <translation>줄 위로 이동(&amp;U)</translation>
    </message>
    <message>
        <source>Move Line &amp;Down</source>
        <translation>줄 아래로 이동(&amp;D)</translation>
    </message>
    <message>
        <source>Du&amp;plicate Line</source>
        <translation>줄 복제(&amp;P)</translation>
    </message>
    <message>
        <source>D&amp;elete Line</source>
        <translation>줄 삭제(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Select Line</source>
        <translation>줄 선택(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Link…</source>
        <translation>링크(&amp;L)…</translation>
    </message>
    <message>
        <source>Code &amp;Block</source>
        <translation>코드 블록(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Insert 3×3</source>
        <translation>3×3 표 삽입(&amp;I)</translation>
    </message>
    <message>
        <source>Format &amp;Table</source>
        <translation>표 정리(&amp;T)</translation>
    </message>
    <message>
        <source>Insert Row &amp;Above</source>
        <translation>위에 행 삽입(&amp;A)</translation>
    </message>
    <message>
        <source>Insert Row &amp;Below</source>
        <translation>아래에 행 삽입(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Delete Row</source>
        <translation>행 삭제(&amp;D)</translation>
    </message>
    <message>
        <source>Insert Column &amp;Left</source>
        <translation>왼쪽에 열 삽입(&amp;L)</translation>
    </message>
    <message>
        <source>Insert Column &amp;Right</source>
        <translation>오른쪽에 열 삽입(&amp;R)</translation>
    </message>
    <message>
        <source>D&amp;elete Column</source>
        <translation>열 삭제(&amp;E)</translation>
    </message>
    <message>
        <source>Align Column Le&amp;ft</source>
        <translation>열 왼쪽 정렬(&amp;F)</translation>
    </message>
    <message>
        <source>Align Column Ce&amp;nter</source>
        <translation>열 가운데 정렬(&amp;N)</translation>
    </message>
    <message>
        <source>Align Column Ri&amp;ght</source>
        <translation>열 오른쪽 정렬(&amp;G)</translation>
    </message>
    <message>
        <source>Horizontal &amp;Rule</source>
        <translation>가로 구분선(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Footnote</source>
        <translation>각주(&amp;F)</translation>
    </message>
    <message>
        <source>Table of &amp;Contents</source>
        <translation>목차(&amp;C)</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Date</source>
        <translation>오늘 날짜(&amp;D)</translation>
    </message>
    <message>
        <source>Co&amp;mment</source>
        <translation>주석(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Document Info…</source>
        <translation>문서 정보(&amp;D)…</translation>
    </message>
    <message>
        <source>AI &amp;Assist…</source>
        <translation>AI 도우미(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Translate…</source>
        <translation>번역(&amp;T)…</translation>
    </message>
    <message>
        <source>&amp;Suggest Continuation</source>
        <translation>이어 쓰기 제안(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Clean Up Markdown</source>
        <translation>Markdown 정리(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Version History…</source>
        <translation>버전 기록(&amp;V)…</translation>
    </message>
    <message>
        <source>Snapshot &amp;Now</source>
        <translation>지금 스냅샷 만들기(&amp;N)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>확대(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>축소(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>실제 크기(&amp;A)</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>너비에 맞춤(&amp;W)</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>페이지에 맞춤(&amp;P)</translation>
    </message>
    <message>
        <source>Open &amp;Folder…</source>
        <translation>폴더 열기(&amp;F)…</translation>
    </message>
    <message>
        <source>Toggle &amp;Distraction-Free</source>
        <translation>몰입 모드 전환(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Command Palette…</source>
        <translation>명령 팔레트(&amp;C)…</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>전체 화면(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Welcome to Brindlewick</source>
        <translation>Brindlewick 시작 화면(&amp;W)</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New</source>
        <translation>새로운 기능(&amp;N)</translation>
    </message>
    <message>
        <source>Markdown &amp;Cheat Sheet</source>
        <translation>Markdown 빠른 참조(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Brindlewick</source>
        <translation>Brindlewick 정보(&amp;A)</translation>
    </message>
</context>
<context>
    <name>OpenableFile</name>
    <message>
        <source>“%1” does not exist.</source>
        <translation>“%1” 파일이 없습니다.</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a text file.</source>
        <translation>“%1” 항목은 폴더이며 텍스트 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>“%1” is a pipe, not a text file.</source>
        <translation>“%1” 항목은 파이프이며 텍스트 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>“%1” is a socket, not a text file.</source>
        <translation>“%1” 항목은 소켓이며 텍스트 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>“%1” is a device, not a text file.</source>
        <translation>“%1” 항목은 장치이며 텍스트 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>“%1” is larger than %L2 MB and is not opened.</source>
        <translation>“%1” 파일은 %L2MB보다 커서 열지 않았습니다.</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>“%1” 파일을 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>It does not exist.</source>
        <translation>파일이 없습니다.</translation>
    </message>
    <message>
        <source>It is a folder, not a text file.</source>
        <translation>폴더이며 텍스트 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>It is a pipe, not a text file.</source>
        <translation>파이프이며 텍스트 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>It is a socket, not a text file.</source>
        <translation>소켓이며 텍스트 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>It is a device, not a text file.</source>
        <translation>장치이며 텍스트 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>It is larger than %L1 MB.</source>
        <translation>%L1MB보다 큽니다.</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>읽을 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>OutlineSidebar</name>
    <message>
        <source>Outline</source>
        <translation>개요</translation>
    </message>
    <message>
        <source>No headings</source>
        <translation>표시할 제목이 없습니다</translation>
    </message>
</context>
<context>
    <name>PDFStamper</name>
    <message>
        <source>the PDF has no pages</source>
        <translation>PDF에 페이지가 없습니다</translation>
    </message>
    <message>
        <source>the header and footer could not be drawn</source>
        <translation>머리글과 바닥글을 그릴 수 없습니다</translation>
    </message>
</context>
<context>
    <name>PagedDocumentLayout</name>
    <message>
        <source>Header</source>
        <translation>머리글</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>바닥글</translation>
    </message>
</context>
<context>
    <name>PersonalDictionary</name>
    <message>
        <source>“%1” cannot be added to the dictionary.</source>
        <translation>“%1” 단어를 사전에 추가할 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” is not a file that the word list can be written to.</source>
        <translation>“%1” 파일은 단어 목록을 쓸 수 있는 파일이 아닙니다.</translation>
    </message>
</context>
<context>
    <name>PrintController</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>PDF를 만들 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing…</source>
        <translation>인쇄 중…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>QuickOpenSheet</name>
    <message>
        <source>Quick Open</source>
        <translation>빠른 열기</translation>
    </message>
    <message>
        <source>Open recent…</source>
        <translation>최근 문서 열기…</translation>
    </message>
    <message>
        <source>Search recent documents</source>
        <translation>최근 문서 검색</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>최근 문서 없음</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>일치 항목 없음</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>the folder “%1” does not exist.</source>
        <translation>“%1” 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>the folder “%1” is read-only.</source>
        <translation>“%1” 폴더는 읽기 전용입니다.</translation>
    </message>
    <message>
        <source>“%1” is read-only.</source>
        <translation>“%1” 파일은 읽기 전용입니다.</translation>
    </message>
    <message>
        <source>the disk is full.</source>
        <translation>디스크가 가득 찼습니다.</translation>
    </message>
    <message>
        <source>the disk is read-only.</source>
        <translation>디스크가 읽기 전용입니다.</translation>
    </message>
    <message>
        <source>“%1” is not a file (it is a folder, a device, a pipe or a socket); nothing was written to it.</source>
        <translation>“%1”은(는) 파일이 아닙니다(폴더, 장치, 파이프 또는 소켓입니다). 아무것도 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>the name “%1” is too long; choose a shorter one.</source>
        <translation>이름 “%1”이(가) 너무 깁니다. 더 짧은 이름을 선택하세요.</translation>
    </message>
    <message>
        <source>its path is too long; choose a folder with a shorter path.</source>
        <translation>경로가 너무 깁니다. 경로가 더 짧은 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>the links on the way to “%1” go round in a circle and never reach a file; nothing was written to it.</source>
        <translation>“%1”(으)로 가는 링크가 순환하여 파일에 도달하지 않습니다. 아무것도 쓰지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>System Default</source>
        <translation>시스템 기본값</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끔</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n단어</numerusform>
        </translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>세피아</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
    <message>
        <source>My Theme %1</source>
        <translation>내 테마 %1</translation>
    </message>
</context>
<context>
    <name>SettingsPages</name>
    <message>
        <source>%1 pt</source>
        <translation>%1pt</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Relaunch Brindlewick to apply a new language.</source>
        <translation>새 언어를 적용하려면 Brindlewick을 다시 시작하세요.</translation>
    </message>
    <message>
        <source>Editing mode</source>
        <translation>편집 모드</translation>
    </message>
    <message>
        <source>WYSIWYG</source>
        <translation>WYSIWYG</translation>
    </message>
    <message>
        <source>Markdown Source</source>
        <translation>Markdown 원본</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Serif</source>
        <translation>세리프</translation>
    </message>
    <message>
        <source>Monospaced</source>
        <translation>고정폭</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>글자 크기</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>줄 간격</translation>
    </message>
    <message>
        <source>Writing goal</source>
        <translation>글쓰기 목표</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>페이지 너비</translation>
    </message>
    <message>
        <source>Page margin</source>
        <translation>페이지 여백</translation>
    </message>
    <message>
        <source>Focus mode (dim inactive paragraphs)</source>
        <translation>집중 모드(현재 문단 외에는 흐리게)</translation>
    </message>
    <message>
        <source>Typewriter scrolling (keep caret centered)</source>
        <translation>타자기 스크롤(커서를 가운데에 유지)</translation>
    </message>
    <message>
        <source>Text direction</source>
        <translation>텍스트 방향</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Left-to-Right</source>
        <translation>왼쪽에서 오른쪽</translation>
    </message>
    <message>
        <source>Right-to-Left</source>
        <translation>오른쪽에서 왼쪽</translation>
    </message>
    <message>
        <source>Spelling language</source>
        <translation>맞춤법 검사 언어</translation>
    </message>
    <message>
        <source>Reveal Markdown syntax on the active line</source>
        <translation>현재 줄에 Markdown 구문 표시</translation>
    </message>
    <message>
        <source>When on, the raw markdown (**, #, `) appears on the line your cursor is on. Off keeps it hidden while you edit.</source>
        <translation>켜면 커서가 있는 줄에 원본 Markdown 기호(**, #, `)가 나타납니다. 끄면 편집하는 동안 계속 숨겨집니다.</translation>
    </message>
    <message>
        <source>Check spelling while typing</source>
        <translation>입력할 때 맞춤법 검사</translation>
    </message>
    <message>
        <source>Auto-pair markers around selection</source>
        <translation>선택 영역을 기호로 자동 감싸기</translation>
    </message>
    <message>
        <source>Auto-pair wraps the selected text when you type * _ ` or [.</source>
        <translation>* _ ` [ 중 하나를 입력하면 선택한 텍스트를 감쌉니다.</translation>
    </message>
    <message>
        <source>Reopen documents from last session on launch</source>
        <translation>실행할 때 지난 세션의 문서 다시 열기</translation>
    </message>
    <message>
        <source>Files you had open are reopened the next time you start Brindlewick.</source>
        <translation>다음에 Brindlewick을 시작할 때 열려 있던 파일을 다시 엽니다.</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>제공자</translation>
    </message>
    <message>
        <source>DeepSeek (cloud)</source>
        <translation>DeepSeek(클라우드)</translation>
    </message>
    <message>
        <source>Ollama (local)</source>
        <translation>Ollama(로컬)</translation>
    </message>
    <message>
        <source>Custom (OpenAI-compatible)</source>
        <translation>사용자 지정(OpenAI 호환)</translation>
    </message>
    <message>
        <source>DeepSeek API Key (sk-…)</source>
        <translation>DeepSeek API 키(sk-…)</translation>
    </message>
    <message>
        <source>Stored locally; sent only to DeepSeek. Get one at %1.</source>
        <translation>이 컴퓨터에 저장되며 DeepSeek에만 전송됩니다. %1에서 발급받으세요.</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>기본 URL</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>모델</translation>
    </message>
    <message>
        <source>Runs entirely on this computer — no key, nothing leaves the device. Requires Ollama installed and running.</source>
        <translation>전적으로 이 컴퓨터에서 실행됩니다. 키가 필요 없고 어떤 데이터도 기기 밖으로 나가지 않습니다. Ollama가 설치되어 실행 중이어야 합니다.</translation>
    </message>
    <message>
        <source>Endpoint URL</source>
        <translation>엔드포인트 URL</translation>
    </message>
    <message>
        <source>API Key (optional)</source>
        <translation>API 키(선택 사항)</translation>
    </message>
    <message>
        <source>Automatic inline suggestions</source>
        <translation>자동 인라인 제안</translation>
    </message>
    <message>
        <source>When on, Brindlewick asks your AI provider to continue your text after you pause typing — one request per pause, so it may incur cost on cloud providers. Press Tab to accept a suggestion, Esc to dismiss. You can also trigger one manually from Tools ▸ Suggest Continuation.</source>
        <translation>켜면 입력을 멈출 때 Brindlewick이 AI 제공자에게 텍스트를 이어 쓰도록 요청합니다. 멈출 때마다 요청을 한 번 보내므로 클라우드 제공자에서는 비용이 발생할 수 있습니다. Tab 키로 제안을 받아들이고 Esc 키로 닫습니다. 도구 ▸ 이어 쓰기 제안에서 직접 요청할 수도 있습니다.</translation>
    </message>
    <message>
        <source>Appended to the export stylesheet. Also enables MathJax ($$…$$) and Mermaid (```mermaid) in exported HTML.</source>
        <translation>내보내기 스타일시트 뒤에 추가됩니다. 내보낸 HTML에서 MathJax($$…$$)와 Mermaid(```mermaid)도 사용할 수 있게 됩니다.</translation>
    </message>
    <message>
        <source>Toolbar groups</source>
        <translation>도구 모음 그룹</translation>
    </message>
    <message>
        <source>Formatting (headings, bold, italic…)</source>
        <translation>서식(제목, 굵게, 기울임꼴…)</translation>
    </message>
    <message>
        <source>Links &amp; media</source>
        <translation>링크 및 미디어</translation>
    </message>
    <message>
        <source>Lists &amp; blocks</source>
        <translation>목록 및 블록</translation>
    </message>
    <message>
        <source>Indent / outdent</source>
        <translation>들여쓰기 / 내어쓰기</translation>
    </message>
    <message>
        <source>%1 (no dictionary installed)</source>
        <translation>%1 (설치된 사전 없음)</translation>
    </message>
    <message>
        <source>Custom CSS for every export (HTML, PDF, Word, OpenDocument, Rich Text)</source>
        <translation>모든 내보내기용 사용자 지정 CSS(HTML, PDF, Word, OpenDocument, 서식 있는 텍스트)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>편집기</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>모양</translation>
    </message>
    <message>
        <source>Behavior</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>AI</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Snippets</source>
        <translation>스니펫</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>도구 모음</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Press keys…</source>
        <translation>키를 누르세요…</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>지정</translation>
    </message>
</context>
<context>
    <name>ShortcutsSettingsView</name>
    <message>
        <source>Assign your own keys to any command. Combinations must include Ctrl or Meta. Menu shortcuts take priority, so prefer unused combinations.</source>
        <translation>원하는 키를 어떤 명령에든 지정할 수 있습니다. 조합에는 Ctrl 또는 Meta가 포함되어야 합니다. 메뉴 단축키가 우선하므로 사용하지 않는 조합을 고르세요.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>단축키 지우기</translation>
    </message>
    <message>
        <source>conflicts with %1</source>
        <translation>%1 명령과 충돌</translation>
    </message>
</context>
<context>
    <name>SnippetsSettingsView</name>
    <message>
        <source>Type a trigger and press Tab to expand. Use $| for the caret and $date for today.</source>
        <translation>트리거를 입력하고 Tab 키를 누르면 펼쳐집니다. $|는 커서 위치, $date는 오늘 날짜를 나타냅니다.</translation>
    </message>
    <message>
        <source>Add snippet</source>
        <translation>스니펫 추가</translation>
    </message>
    <message>
        <source>Remove snippet</source>
        <translation>스니펫 제거</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>트리거</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>트리거</translation>
    </message>
    <message>
        <source>expansion</source>
        <translation>펼칠 내용</translation>
    </message>
</context>
<context>
    <name>StatsPopover</name>
    <message>
        <source>Words</source>
        <translation>단어</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>문자</translation>
    </message>
    <message>
        <source>No spaces</source>
        <translation>공백 제외</translation>
    </message>
    <message>
        <source>Sentences</source>
        <translation>문장</translation>
    </message>
    <message>
        <source>Paragraphs</source>
        <translation>문단</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>줄</translation>
    </message>
    <message>
        <source>Reading time</source>
        <translation>읽는 시간</translation>
    </message>
    <message>
        <source>~%1 min</source>
        <translation>약 %1분</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Zoom Out (Ctrl+−)</source>
        <translation>축소 (Ctrl+−)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>너비에 맞춤</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>페이지에 맞춤</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>확대 (Ctrl++)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>확대</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n단어</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters</source>
        <translation>
            <numerusform>%n자</numerusform>
        </translation>
    </message>
    <message>
        <source>~%1 min read</source>
        <translation>읽는 데 약 %1분</translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n단어 선택됨</numerusform>
        </translation>
    </message>
    <message>
        <source>Goal %1/%2</source>
        <translation>목표 %1/%2</translation>
    </message>
</context>
<context>
    <name>TableGridPicker</name>
    <message>
        <source>%1 by %2 table</source>
        <translation>%1행 %2열 표</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>표 삽입</translation>
    </message>
    <message>
        <source>%1 × %2 table</source>
        <translation>%1 × %2 표</translation>
    </message>
</context>
<context>
    <name>TemplateStore</name>
    <message>
        <source>Blank</source>
        <translation>빈 문서</translation>
    </message>
    <message>
        <source>Meeting Notes</source>
        <translation>회의록</translation>
    </message>
    <message>
        <source>README</source>
        <translation>README</translation>
    </message>
    <message>
        <source>Blog Post</source>
        <translation>블로그 글</translation>
    </message>
    <message>
        <source>Daily Journal</source>
        <translation>일기</translation>
    </message>
    <message>
        <source>To-Do List</source>
        <translation>할 일 목록</translation>
    </message>
    <message>
        <source>Table Starter</source>
        <translation>기본 표</translation>
    </message>
</context>
<context>
    <name>TextViewCommands</name>
    <message>
        <source>Save Pasted Image</source>
        <translation>붙여 넣은 이미지 저장</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 이미지 (*.png)</translation>
    </message>
</context>
<context>
    <name>TranslateSheet</name>
    <message>
        <source>Translate</source>
        <translation>번역</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings to enable translation.</source>
        <translation>번역을 사용하려면 설정의 AI 탭에서 DeepSeek API 키를 추가하세요.</translation>
    </message>
    <message>
        <source>Translating…</source>
        <translation>번역 중…</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Or type a language</source>
        <translation>또는 언어 입력</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>선택 영역</translation>
    </message>
    <message>
        <source>Whole Document</source>
        <translation>문서 전체</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>포르투갈어</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>네덜란드어</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>중국어(간체)</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>중국어(번체)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>아랍어</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>힌디어</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>튀르키예어</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>폴란드어</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>스웨덴어</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>베트남어</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>태국어</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>인도네시아어</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>그리스어</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>히브리어</translation>
    </message>
    <message>
        <source>English</source>
        <translation>영어</translation>
    </message>
</context>
<context>
    <name>TranslationError</name>
    <message>
        <source>Invalid AI endpoint. Check Settings ▸ AI.</source>
        <translation>AI 엔드포인트가 올바르지 않습니다. 설정 ▸ AI를 확인하세요.</translation>
    </message>
    <message>
        <source>The API key contains line breaks or control characters. Check Settings ▸ AI.</source>
        <translation>API 키에 줄 바꿈이나 제어 문자가 있습니다. 설정 ▸ AI를 확인하세요.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>요청 시간이 초과되었습니다.</translation>
    </message>
    <message>
        <source>Add your DeepSeek API key in the AI tab of Settings first.</source>
        <translation>먼저 설정의 AI 탭에서 DeepSeek API 키를 추가하세요.</translation>
    </message>
    <message>
        <source>The translation service returned an unexpected response.</source>
        <translation>번역 서비스가 예상하지 못한 응답을 보냈습니다.</translation>
    </message>
    <message>
        <source>HTTP %1 from server</source>
        <translation>서버에서 HTTP %1 응답</translation>
    </message>
    <message>
        <source>HTTP %1 from %2</source>
        <translation>%2에서 HTTP %1 응답</translation>
    </message>
</context>
<context>
    <name>VersionHistory</name>
    <message>
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
    <message>
        <source>The current text could not be kept as a version, so nothing was restored.

%1</source>
        <translation>현재 텍스트를 버전으로 보관할 수 없어 아무것도 복원하지 않았습니다.

%1</translation>
    </message>
</context>
<context>
    <name>VersionHistoryView</name>
    <message>
        <source>Version History</source>
        <translation>버전 기록</translation>
    </message>
    <message>
        <source>Save this document first</source>
        <translation>먼저 이 문서를 저장하세요</translation>
    </message>
    <message>
        <source>Version history is kept per file, so an untitled document has no history until it is saved.</source>
        <translation>버전 기록은 파일별로 보관되므로 제목 없는 문서는 저장하기 전까지 기록이 없습니다.</translation>
    </message>
    <message>
        <source>Snapshot Now</source>
        <translation>지금 스냅샷 만들기</translation>
    </message>
    <message>
        <source>No versions saved yet</source>
        <translation>아직 저장된 버전이 없습니다</translation>
    </message>
    <message>
        <source>Brindlewick snapshots this document as you edit. Use “Snapshot Now” to capture one immediately.</source>
        <translation>Brindlewick은 편집하는 동안 이 문서의 스냅샷을 만듭니다. 바로 만들려면 “지금 스냅샷 만들기”를 사용하세요.</translation>
    </message>
    <message>
        <source>Select a version to preview</source>
        <translation>미리 볼 버전을 선택하세요</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>변경 사항 없음</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>이 버전 복원</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n단어</numerusform>
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
        <translation>문서를 변경할 수 없어 버전을 복원하지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>VersionStore</name>
    <message>
        <source>Could not save a version of “%1”: %2</source>
        <translation>“%1” 문서의 버전을 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be written.</source>
        <translation>“%1” 폴더에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not delete the version: %1</source>
        <translation>버전을 삭제할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Welcome to Brindlewick</source>
        <translation>Brindlewick에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>A clean, native Markdown editor.</source>
        <translation>깔끔한 네이티브 Markdown 편집기.</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>새 문서</translation>
    </message>
    <message>
        <source>New from Template…</source>
        <translation>템플릿으로 새로 만들기…</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>열기…</translation>
    </message>
    <message>
        <source>Markdown Cheat Sheet</source>
        <translation>Markdown 빠른 참조</translation>
    </message>
    <message>
        <source>Show this window when Brindlewick opens</source>
        <translation>Brindlewick을 열 때 이 창 표시</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>최근 문서</translation>
    </message>
    <message>
        <source>No recent documents</source>
        <translation>최근 문서 없음</translation>
    </message>
</context>
<context>
    <name>WhatsNewWindow</name>
    <message>
        <source>What&apos;s New</source>
        <translation>새로운 기능</translation>
    </message>
    <message>
        <source>What&apos;s New in Brindlewick</source>
        <translation>Brindlewick의 새로운 기능</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
</context>
<context>
    <name>WindowFiles</name>
    <message>
        <source>A version of the document could not be saved.</source>
        <translation>문서의 버전을 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>A version of the document “%1” could not be saved.</source>
        <translation>문서 “%1”의 버전을 저장할 수 없습니다.</translation>
    </message>
</context>
</TS>
