#include "Shots.h"

#include "app/MenuTree.h"
#include "common/Manual.h"
#include "common/ui/HelpWindow.h"
#include "masters/ui/TMC_WonJaJeyCode_Form.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace shots {

void shootHelp(const QString &out)
{
    // The build writes the pictures into the manual's own folder; run on its own, the tool
    // has no manual to show.
    const QString manual = QFileInfo(out).absoluteDir().absolutePath();
    if (!QFileInfo::exists(manual + QStringLiteral("/index.html"))) {
        std::printf("help: no manual in %s\n", qPrintable(manual));
        return;
    }
    zedur::setManualFolderForTesting(manual);
    zedur::installHelpKey();
    zedur::TMC_WonJaJeyCode_Form screen;
    zedur::setHelpSection(&screen, zedur::menuEntryText(110));
    screen.show();
    QTest::keyClick(&screen, Qt::Key_F1);
    auto *help = screen.findChild<zedur::HelpWindow *>();
    if (!help) {
        std::printf("help: F1 opened no help window\n");
        return;
    }
    shoot(*help, out + "/help.png");
    help->btnContents->click();
    shoot(*help, out + "/help-contents.png");
}

} // namespace shots
