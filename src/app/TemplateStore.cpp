#include "app/TemplateStore.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

QString DocumentTemplate::shownName() const
{
    return QCoreApplication::translate("TemplateStore", name.toUtf8().constData());
}

const QList<DocumentTemplate>& TemplateStore::all()
{
    // The names are English, translated where shown; the bodies are the same in every language.
    // Several lines end in a blank on purpose ("**Date:** "): the user types after it.
    static const QList<DocumentTemplate> templates{
        {u"blank"_s, QString::fromUtf8(QT_TRANSLATE_NOOP("TemplateStore", "Blank")), u"doc"_s, QString()},
        {u"notes"_s, QString::fromUtf8(QT_TRANSLATE_NOOP("TemplateStore", "Meeting Notes")), u"person.2"_s,
         u"# Meeting Notes\n\n**Date:** \n**Attendees:** \n**Topic:**\n\n## Agenda\n1.\n2.\n\n"
         u"## Discussion\n-\n\n## Action Items\n- [ ]\n- [ ]\n\n## Next Steps\n-"_s},
        {u"readme"_s, QString::fromUtf8(QT_TRANSLATE_NOOP("TemplateStore", "README")), u"text.book.closed"_s,
         u"# Project Name\n\nOne-line description of what this project does.\n\n## Features\n-\n-\n\n"
         u"## Installation\n```bash\n\n```\n\n## Usage\n```bash\n\n```\n\n## License\nMIT"_s},
        {u"blog"_s, QString::fromUtf8(QT_TRANSLATE_NOOP("TemplateStore", "Blog Post")), u"square.and.pencil"_s,
         u"# Post Title\n\n*Published \n*\n\nOpening hook that draws the reader in.\n\n## Section One\n\n"
         u"Body copy.\n\n## Section Two\n\nBody copy.\n\n## Conclusion\n\nWrap-up and call to action."_s},
        {u"journal"_s, QString::fromUtf8(QT_TRANSLATE_NOOP("TemplateStore", "Daily Journal")), u"calendar"_s,
         u"# Journal \u2014 \n\n\n## Highlights\n-\n\n## What I worked on\n-\n\n## Grateful for\n-\n\n"
         u"## Tomorrow\n- [ ]"_s},
        {u"todo"_s, QString::fromUtf8(QT_TRANSLATE_NOOP("TemplateStore", "To-Do List")), u"checklist"_s,
         u"# To-Do\n\n## Today\n- [ ]\n- [ ]\n\n## This Week\n- [ ]\n\n## Someday\n- [ ]"_s},
        {u"table"_s, QString::fromUtf8(QT_TRANSLATE_NOOP("TemplateStore", "Table Starter")), u"tablecells"_s,
         u"# Comparison\n\n| Option | Pros | Cons |\n| --- | --- | --- |\n|  |  |  |\n|  |  |  |"_s},
    };
    return templates;
}
