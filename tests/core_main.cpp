#include <QGuiApplication>
#include <gtest/gtest.h>

#include "TestFolders.h"

// Headless tests still need a GUI application for fonts, colours and QPainter on images.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir userFolders;
    redirectUserFolders(userFolders);
    QGuiApplication app(argc, argv);
    QGuiApplication::setOrganizationName("BrindlewickTests");
    QGuiApplication::setApplicationName("BrindlewickTests");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
