#include "files/WriteDecision.h"

namespace WriteDecision {

Step inPlace(bool hardLinked)
{
    return hardLinked ? Step::InPlaceAsideFirst : Step::InPlace;
}

Step decide(const Facts& f)
{
    // Save writes even an unedited document: it creates the file of a new one.
    if (!f.edited && f.asker != Asker::Save) return Step::Nothing;
    if (f.untitled) return f.asker == Asker::Save ? Step::ChooseName : Step::Draft;
    if (f.disk == DiskStamp::State::Unchanged) return inPlace(f.hardLinked);
    if (f.asker == Asker::Autosave && f.changePutOff) return Step::AsideUntilDecided;
    if (f.asker == Asker::Nobody) return Step::RefuseKeepingAside;
    return f.canAsk ? Step::Ask : Step::Refuse;
}

} // namespace WriteDecision
