#include "editor/ui/KeptInput.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <utility>

namespace {

// Takes keys and pastes as the editor's view does. A long paste holds it until a later turn of
// the event loop; so does End while the end is not laid out, which then waits itself.
class View : public QWidget {
public:
    View()
        : kept(new KeptInput(this, [this] { return busy; }))
    {
        connect(kept, &KeptInput::holdingChanged, this, [this](bool holding) { told << holding; });
    }
    void paste(QMimeData* source)
    {
        if (!kept->keep(source, [this](const QMimeData* copy) { insert(copy->text()); })) insert(source->text());
    }
    void becomeFree()
    {
        busy = false;
        kept->playSoon();
    }

    KeptInput* kept;
    bool busy = false;
    bool endLaidOut = false;
    QString text;
    QList<bool> told;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_End && !busy && !std::exchange(endLaidOut, true)) holdUntilLater();
        if (kept->keep(e)) return;
        text += e->key() == Qt::Key_End ? QStringLiteral("|") : e->text();
    }

private:
    void insert(const QString& pasted)
    {
        text += pasted;
        if (pasted.size() > 8) holdUntilLater();
    }
    void holdUntilLater()
    {
        busy = true;
        QTimer::singleShot(0, this, [this] { becomeFree(); });
    }
};

} // namespace

// What is typed and pasted while the view is busy goes in as it came: a paste with what the
// clipboard held then, a key that makes the view busy for itself (End before the end is laid
// out) before the keys typed after it, and a key typed once the view is free before the
// waiting ones are played behind them.
TEST(KeptInput, KeysAndPastesGoInInTheOrderTheyCame)
{
    View view;
    view.show();
    view.busy = true; // a long paste going in
    QTest::keyClicks(&view, "a");
    auto* clipboard = new QMimeData;
    clipboard->setText(QStringLiteral("[long paste]"));
    view.paste(clipboard);
    clipboard->setText(QStringLiteral("[changed]"));
    delete clipboard;
    QTest::keyClicks(&view, "b");
    QTest::keyClick(&view, Qt::Key_End);
    QTest::keyClicks(&view, "c");
    EXPECT_EQ(view.text, QString());
    EXPECT_TRUE(view.kept->isHolding());

    view.becomeFree();
    QTest::keyClicks(&view, "d"); // before the waiting input is played
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view.kept->isHolding(); }, 5000));
    EXPECT_EQ(view.text, QStringLiteral("a[long paste]b|cd"));
    // Told once that input waits and once that all of it went in, however often it waited again.
    EXPECT_EQ(view.told, (QList<bool>{true, false}));
}
