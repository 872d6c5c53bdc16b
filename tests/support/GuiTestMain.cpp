// Main of the GUI test programs: an offscreen application with Qt's test
// mode for standard paths, the settings store in a temporary folder, the
// resources from the source tree and a message handler that never blocks.
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/Paths.h"
#include "platform/Settings.h"
#include "app/StartUp.h"

#include "support/GuiTestSupport.h"
#include "support/StateAlarm.h"

namespace vrn::test {
void installDefaultTestHandler();
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    vrn::test::rememberStartFolder();
    QStandardPaths::setTestModeEnabled(true);
    QApplication qapp(argc, argv);
    QCoreApplication::setApplicationName("varnolt");
    QTemporaryDir settingsDir;
    vrn::setSettingsFolder(settingsDir.path());
    vrn::setResourceFolder(VARNOLT_SOURCE_RESOURCES);
    vrn::installPlatform(qapp);
    vrn::test::installDefaultTestHandler();
    ::testing::InitGoogleTest(&argc, argv);
    vrn::test::installStateAlarm();
    return RUN_ALL_TESTS();
}
