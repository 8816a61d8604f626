#include <QApplication>
#include <gtest/gtest.h>

#include "TestFolders.h"
#include "app/ui/Features.h"
#include "render/export/WebEngineSetup.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir userFolders;
    redirectUserFolders(userFolders);
    prepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setOrganizationName("BrindlewickTests");
    QApplication::setApplicationName("BrindlewickTests");
    installWindowFeatures();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
