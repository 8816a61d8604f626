#include "files/WriteDecision.h"

#include <gtest/gtest.h>

using WriteDecision::Asker;
using WriteDecision::Step;
using State = DiskStamp::State;

namespace {

Step decide(bool edited, bool untitled, State disk, bool putOff, Asker asker, bool canAsk = true, bool linked = false)
{
    return WriteDecision::decide({edited, untitled, disk, putOff, linked, asker, canAsk});
}

} // namespace

// Nothing is written for an unedited text, except by Save, which creates a new document's
// file; an untitled document goes to the save panel for Save and to its draft otherwise.
TEST(WriteDecision, UneditedAndUntitledTexts)
{
    for (Asker a : {Asker::Nobody, Asker::Autosave, Asker::Closing})
        for (State disk : {State::Unchanged, State::Changed, State::Missing}) {
            EXPECT_EQ(decide(false, false, disk, false, a), Step::Nothing);
            EXPECT_EQ(decide(false, true, disk, true, a), Step::Nothing);
            EXPECT_EQ(decide(true, true, disk, true, a), Step::Draft);
        }
    EXPECT_EQ(decide(false, false, State::Unchanged, false, Asker::Save), Step::InPlace);
    EXPECT_EQ(decide(false, true, State::Unchanged, false, Asker::Save), Step::ChooseName);
    EXPECT_EQ(decide(true, true, State::Changed, false, Asker::Save), Step::ChooseName);
}

// A file as last read or written is written over, in place where it has other hard links;
// the put-off question and the asker do not matter then.
TEST(WriteDecision, AnUnchangedFileIsWrittenOver)
{
    for (Asker a : {Asker::Nobody, Asker::Autosave, Asker::Save, Asker::Closing})
        for (bool putOff : {false, true}) {
            EXPECT_EQ(decide(true, false, State::Unchanged, putOff, a, false), Step::InPlace);
            EXPECT_EQ(decide(true, false, State::Unchanged, putOff, a, true, true), Step::InPlaceAsideFirst);
        }
    EXPECT_TRUE(WriteDecision::writesFile(WriteDecision::inPlace(true)));
    EXPECT_EQ(WriteDecision::inPlace(false), Step::InPlace);
}

// A file another program changed, moved or deleted is never written over unasked: the
// autosave keeps the text aside while the question is put off, a write nobody watches keeps
// it aside and fails, and everyone else asks (or fails where nobody can be asked).
TEST(WriteDecision, AChangedFileIsAskedAboutOrKeptAside)
{
    for (State disk : {State::Changed, State::Missing}) {
        EXPECT_EQ(decide(true, false, disk, true, Asker::Autosave), Step::AsideUntilDecided);
        EXPECT_EQ(decide(true, false, disk, false, Asker::Autosave), Step::Ask);
        EXPECT_EQ(decide(true, false, disk, false, Asker::Autosave, false), Step::Refuse);
        for (bool putOff : {false, true}) {
            EXPECT_EQ(decide(true, false, disk, putOff, Asker::Nobody), Step::RefuseKeepingAside);
            EXPECT_EQ(decide(true, false, disk, putOff, Asker::Nobody, false), Step::RefuseKeepingAside);
            for (Asker a : {Asker::Save, Asker::Closing}) {
                EXPECT_EQ(decide(true, false, disk, putOff, a), Step::Ask);
                EXPECT_EQ(decide(true, false, disk, putOff, a, false), Step::Refuse);
            }
        }
    }
    // Save of an unedited text whose file changed asks too.
    EXPECT_EQ(decide(false, false, State::Changed, false, Asker::Save), Step::Ask);
}
