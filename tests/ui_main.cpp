#include <QApplication>
#include <gtest/gtest.h>

#include "TestFolders.h"
#include "app/ui/Features.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir userFolders;
    redirectUserFolders(userFolders);
    QApplication app(argc, argv);
    QApplication::setOrganizationName("BrindlewickTests");
    QApplication::setApplicationName("BrindlewickTests");
    // Every document window gets its features, as in the program.
    installWindowFeatures();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
