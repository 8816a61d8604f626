#pragma once

#include <QStringView>

// Statistics of a text as the status bar shows them.
struct DocStats {
    int words = 0;
    int characters = 0;
    int charactersNoSpaces = 0;
    int sentences = 0;
    int paragraphs = 0;
    int lines = 0;
    int readingMinutes = 0;

    bool operator==(const DocStats&) const = default;

    static DocStats compute(QStringView text);
    // Words: maximal runs of characters that are neither whitespace nor a line break.
    static int countWords(QStringView text);
    static int countCharacters(QStringView text);
};
