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

    // The counts that add up over whole lines: words, characters, characters without
    // spaces, and in `lines` the number of line feeds. For text cut only after line feeds,
    // the counts of the pieces sum to the counts of the whole, so an edit changes them by
    // the counts of the lines it replaced and of the lines it wrote.
    static DocStats countLines(QStringView text);
    DocStats& operator+=(const DocStats& o);
    DocStats& operator-=(const DocStats& o);
    // The shown figures from such sums: lines and reading time filled in, sentences and
    // paragraphs left at 0.
    DocStats summed() const;
    // Words: maximal runs of characters that are neither whitespace nor a line break.
    static int countWords(QStringView text);
    static int countCharacters(QStringView text);
};
