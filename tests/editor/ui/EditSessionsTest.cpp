// Random editing sessions, typed through the text view as a user types: after each, the
// view's incremental styling and layout equal those of a view that took the final text
// whole. With BW_EDIT_SESSIONS=N the test runs N sessions instead of a few, and with
// BW_EDIT_SESSIONS_DIGEST=FILE writes one line per session (the text, the caret, the undo
// steps, each block's place and formats), so two builds can be compared run for run.
#include "editor/ui/EditorViewFixture.h"

#include <QCryptographicHash>
#include <QGuiApplication>

namespace {

const QStringList& startTexts()
{
    static const QStringList texts{
        QStringLiteral("# Title\n\nSome **bold** and *em* text with a [link](https://x.org) in it.\n\n"
                       "- one\n- two\n  - nested\n\n> quoted line\n"),
        QStringLiteral("---\ntitle: Notes\n---\n\n## Part\n\n| a | b |\n| --- | --- |\n| 1 | 2 |\n\nAfter "
                       "the table.\n\n```\ncode *not* styled\n```\n"),
        QStringLiteral("Plain paragraph that is long enough to wrap across the line once the words keep "
                       "coming and coming.\n\n1. first\n2. second\n\n![pic](p.png) and `code` end.\n"),
        QString(),
    };
    return texts;
}

// What a session leaves, as one line: equal lines mean equal sessions.
QByteArray digestOf(MarkdownTextView* tv, PagedDocumentLayout* layout)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(tv->text().toUtf8());
    QByteArray geometry;
    for (QTextBlock b = tv->document()->begin(); b.isValid(); b = b.next()) {
        geometry += QByteArray::number(layout->blockTop(b)) + ' ' + QByteArray::number(layout->blockBottom(b)) + ';';
        for (const QTextLayout::FormatRange& r : tv->coordinator()->formatsOf(b))
            geometry += QByteArray::number(r.start) + ',' + QByteArray::number(r.length) + ','
                        + QByteArray::number(qHash(r.format.properties().keys())) + ','
                        + r.format.foreground().color().name().toLatin1() + ','
                        + QByteArray::number(r.format.fontPointSize()) + '|';
    }
    hash.addData(geometry);
    return hash.result().toHex() + ' ' + QByteArray::number(tv->textCursor().position()) + ' '
           + QByteArray::number(tv->document()->availableUndoSteps());
}

// Types the text key by key; a character beyond ASCII arrives as a key event carrying it, as
// a keyboard layout or a compose key sends it.
void typeKeys(QWidget* w, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 128) {
            QTest::keyClicks(w, QString(ch));
        } else {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w, &press);
        }
    }
}

int sessionCount()
{
    const int asked = qEnvironmentVariableIntValue("BW_EDIT_SESSIONS");
    return asked > 0 ? asked : 12;
}

} // namespace

class EditSessionsTest : public EditorViewTest {
protected:
    // One random edit, as the keyboard, the clipboard or an editing operation makes it.
    void randomEdit(std::mt19937& rng)
    {
        static const QStringList words{"x", "word ", "**b**", "| c |", "`", "# ", "- ", "é\u0301", "[l](u)", "😀"};
        static const QStringList pastes{"two lines\nof paste", "\n\n", "| p | q |\n| --- | --- |\n| 1 | 2 |\n", "> q"};
        const int n = tv()->textLength();
        QTextCursor c = tv()->textCursor();
        switch (rng() % 11) {
        case 0:
        case 1:
            c.setPosition(int(rng() % (n + 1)));
            tv()->setTextCursor(c);
            typeKeys(tv(), words[int(rng() % words.size())]);
            break;
        case 2: QTest::keyClick(tv(), Qt::Key_Return); break;
        case 3: QTest::keyClick(tv(), Qt::Key_Backspace); break;
        case 4: {
            const int a = int(rng() % (n + 1));
            c.setPosition(a);
            c.setPosition(std::min(n, a + int(rng() % 20)), QTextCursor::KeepAnchor);
            tv()->setTextCursor(c);
            QTest::keyClick(tv(), Qt::Key_Delete);
            break;
        }
        case 5:
            QGuiApplication::clipboard()->setText(pastes[int(rng() % pastes.size())]);
            QTest::keyClick(tv(), Qt::Key_V, Qt::ControlModifier);
            break;
        case 6: QTest::keyClick(tv(), Qt::Key_Z, Qt::ControlModifier); break;
        case 7: QTest::keyClick(tv(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); break;
        case 8: {
            const int a = int(rng() % (n + 1));
            controller.replace({a, int(rng() % (std::min(n - a, 8) + 1))}, words[int(rng() % words.size())]);
            break;
        }
        case 9: {
            // Replace All: a few ranges apart from one another and from the caret, one step.
            QList<TextFind::Edit> edits;
            for (int a = int(rng() % 8); a < n; a += 1 + int(rng() % 30)) {
                const int length = std::min(n - a, int(rng() % 4));
                edits << TextFind::Edit{{a, length}, words[int(rng() % words.size())]};
                a += length;
            }
            controller.replaceEach(edits);
            break;
        }
        default: QTest::keyClick(tv(), rng() % 2 ? Qt::Key_Down : Qt::Key_Up); break;
        }
    }
};

TEST_F(EditSessionsTest, TypedSessionsLeaveTheStylingAndLayoutOfTheTextTakenWhole)
{
    QFile out(qEnvironmentVariable("BW_EDIT_SESSIONS_DIGEST"));
    const bool writing = !out.fileName().isEmpty() && out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    MarkdownEditorView fresh;
    fresh.resize(view->size());
    EditorController freshController;
    fresh.setController(&freshController);
    fresh.applyConfig(*tv()->coordinator()->appliedConfig());
    fresh.show();
    MarkdownTextView* freshTv = fresh.markdownTextView();
    for (int session = 0; session < sessionCount(); ++session) {
        std::mt19937 rng{unsigned(session)};
        view->loadText(startTexts()[session % startTexts().size()]);
        tv()->setFocus();
        for (int step = 0; step < 40; ++step) randomEdit(rng);
        layout()->finishLayout();
        const QByteArray digest = digestOf(tv(), layout());
        if (writing) out.write(QByteArray::number(session) + ' ' + digest + '\n');

        fresh.loadText(tv()->text());
        QTextCursor c = freshTv->textCursor();
        c.setPosition(tv()->textCursor().position());
        freshTv->setTextCursor(c);
        QApplication::processEvents();
        freshTv->pagedLayout()->finishLayout();
        // The undo steps differ (the fresh view has none): the text, places and formats do not.
        ASSERT_EQ(digestOf(freshTv, freshTv->pagedLayout()).split(' ').first(), digest.split(' ').first())
            << "session " << session << ":\n"
            << tv()->text().toStdString();
    }
}
