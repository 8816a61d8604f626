#include "editor/ui/LazyPlacement.h"

#include <QCoreApplication>
#include <QObject>
#include <gtest/gtest.h>

using State = LazyPlacement::State;

TEST(LazyPlacement, AnEditBeforeTheWaitingBlocksMovesTheirStartAndOneWithinThemLeavesIt)
{
    QObject owner;
    LazyPlacement p(&owner, [] {});
    p.breakFrom(100);
    p.followEdit(10, 0, 5); // typed above
    EXPECT_EQ(p.position(), 105);
    p.followEdit(20, 30, 0); // deleted above
    EXPECT_EQ(p.position(), 75);
    p.followEdit(70, 20, 1); // a deletion reaching into them: they start where it starts
    EXPECT_EQ(p.position(), 70);
    p.followEdit(90, 0, 9); // within them: laid out with them
    EXPECT_EQ(p.position(), 70);
    EXPECT_TRUE(p.waits(70));
    EXPECT_FALSE(p.waits(69));
    EXPECT_EQ(p.state(), State::Breaking);
}

TEST(LazyPlacement, BlocksThatOnlyMoveKeepTheirShiftUntilTheLastIsPlaced)
{
    QObject owner;
    LazyPlacement p(&owner, [] {});
    EXPECT_FALSE(p.isPending());
    EXPECT_FALSE(p.waits(0));
    p.moveFrom(400, 18.5);
    EXPECT_TRUE(p.movesOnly());
    p.laidOutUpTo(900); // a slice placed some
    EXPECT_EQ(p.state(), State::Moving);
    EXPECT_EQ(p.shift(), 18.5);
    p.laidOutUpTo(-1); // the last
    EXPECT_EQ(p.state(), State::Placed);
    EXPECT_FALSE(p.movesOnly());
    EXPECT_FALSE(p.waits(1000));
    // A placement that was moving and starts again breaks every block from there.
    p.moveFrom(10, 4);
    p.breakFrom(0);
    EXPECT_EQ(p.state(), State::Breaking);
    EXPECT_FALSE(p.movesOnly());
}

TEST(LazyPlacement, ASliceRunsOnceWhenTheEventLoopIsIdleHoweverOftenItIsAsked)
{
    QObject owner;
    int slices = 0;
    LazyPlacement p(&owner, [&] { ++slices; });
    p.breakFrom(0);
    p.scheduleSlice();
    p.scheduleSlice();
    EXPECT_EQ(slices, 0); // not on the keystroke
    for (int i = 0; i < 5 && slices == 0; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(slices, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(slices, 1);
}
