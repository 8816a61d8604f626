#include "app/CheatSheet.h"

namespace CheatSheet {

QString text()
{
    // Raw literal: every backslash and blank below is part of the text.
    static const QString sheet = QString::fromUtf8(R"md(# Markdown Cheat Sheet

## Headings
# H1  ·  ## H2  ·  ### H3

## Emphasis
**bold**  ·  *italic*  ·  ~~strikethrough~~  ·  `inline code`

## Lists
- Bullet item
1. Numbered item
- [ ] Task  ·  - [x] Done

## Links & Images
[link](https://example.com)  ·  ![alt](image.png)
Float a figure:  `![alt](image.png){.right}`

## Quotes & Callouts
> A blockquote

> [!NOTE] Callouts also support TIP, IMPORTANT, WARNING, CAUTION

## Code
```swift
let x = 42
```

## Table
| Column A | Column B |
| --- | --- |
| Cell | Cell |

## Math & Diagrams (in HTML export)
Inline $E = mc^2$ and block:

$$\int_0^1 x^2 dx = \tfrac{1}{3}$$

```mermaid
graph TD; A-->B; B-->C;
```

## Definition list
Term
: Its definition

## Front matter (Tools ▸ Document Info)
---
title: My Document
tags: [example]
---)md");
    return sheet;
}

} // namespace CheatSheet
