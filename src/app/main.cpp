#include "app/ui/AppMain.h"

int main(int argc, char** argv)
{
    return brindlewickMain(argc, argv);
}
