#pragma once

#include "platform/DiskStamp.h"

// Where a document's text goes when it is written (an autosave after a pause, Save, a close
// or a quit), decided in one place from what is known at that moment. The window gathers the
// facts and carries the step out; DocumentFile carries out the write itself.
//
//   edited | untitled | file on disk | put off | asker          | step
//   -------+----------+--------------+---------+----------------+--------------------------
//   no     |    *     |      *       |    *    | not Save       | Nothing
//   *      |   yes    |      *       |    *    | Save           | ChooseName
//   *      |   yes    |      *       |    *    | not Save       | Draft
//   *      |   no     |  unchanged   |    *    | *              | InPlace / InPlaceAsideFirst
//   *      |   no     |  changed     |   yes   | autosave       | AsideUntilDecided
//   *      |   no     |  changed     |    *    | nobody         | RefuseKeepingAside
//   *      |   no     |  changed     |    *    | no way to ask  | Refuse
//   *      |   no     |  changed     |    *    | else           | Ask
//
// ("changed" is changed, moved or deleted; InPlaceAsideFirst where the file has other hard links.)
namespace WriteDecision {

// Who the write is for, which says whether the user may be asked: nobody (a write without a
// person watching: quitting, a session ending), the autosave after a pause (asks unless the
// user put the question off), Save (asks), a close (asks).
enum class Asker { Nobody, Autosave, Save, Closing };

struct Facts {
    bool edited = false;
    bool untitled = false;
    DiskStamp::State disk = DiskStamp::State::Unchanged;
    bool changePutOff = false; // the user's "decide later" about a change on disk
    bool hardLinked = false;   // the file has other hard links
    Asker asker = Asker::Autosave;
    bool canAsk = true; // a question about a changed file can be put to the user
};

enum class Step {
    Nothing,            // not edited: the text is already safe
    ChooseName,         // Save of an untitled document: the save panel
    Draft,              // an untitled document's draft in the autosave folder
    InPlace,            // over the file, atomically
    InPlaceAsideFirst,  // over the file itself (its other names see the text), kept aside first
    AsideUntilDecided,  // the file changed and the question was put off: kept aside, not written
    Ask,                // the file changed: the user decides (the text kept aside meanwhile)
    RefuseKeepingAside, // the file changed and nobody can be asked: kept aside, not written (failed)
    Refuse,             // the file changed and there is no way to ask: not written (failed)
};

Step decide(const Facts& facts);

// How a write over the file goes: atomically, or over the file itself when it has other hard
// links (a replacement would leave those names on the old text), with the text kept aside first
// since a crash can leave such a write half done.
Step inPlace(bool hardLinked);

// Whether a step writes over the file.
inline bool writesFile(Step step)
{
    return step == Step::InPlace || step == Step::InPlaceAsideFirst;
}

} // namespace WriteDecision
