#include "app/ui/MenuServices.h"

#include <QPrinter>

namespace MenuServices {

Exports& exports()
{
    static Exports services;
    return services;
}

QPrinter& printer()
{
    if (exports().printer) return exports().printer();
    static QPrinter* own = new QPrinter(QPrinter::HighResolution);
    return *own;
}

} // namespace MenuServices
