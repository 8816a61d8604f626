#include "app/ui/AppMain.h"
#include "render/export/WebEngineSetup.h"

int main(int argc, char** argv)
{
    prepareWebEngine();
    return brindlewickMain(argc, argv);
}
