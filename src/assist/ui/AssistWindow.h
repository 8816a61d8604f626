#pragma once

class DocumentHost;

// Gives a document window its language-model features: inline continuation in its
// editor; the Tools menu items "AI Assist…" and "Translate…", which post
// "Brindlewick.showAIAssist" and "Brindlewick.showTranslate"; the observers that open the
// matching sheet in the key window; and the operations that apply the answers to the
// window's document.
void installAssistFeatures(DocumentHost& host);
