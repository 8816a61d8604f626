#include "commands/CommandContext.h"

namespace CommandContexts {

QString toggledViewMode(const QString& current)
{
    return current == QLatin1String("wysiwyg") ? QStringLiteral("source") : QStringLiteral("wysiwyg");
}

} // namespace CommandContexts
