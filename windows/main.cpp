// Orbivane: the start window, the second-copy question, then the main window.
#include "Demarrer.h"
#include "FenPrin.h"
#include "General.h"
#include "InstanceLock.h"
#include "SecondCopyQuestion.h"
#include "SdlSoundPlayer.h"
#include "SecondsClock.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QIcon>

#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbivane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("orbivane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/orbivane.svg")));

    orbivane::InstanceLock lock;
    if (!lock.acquire() && !orbivane::ConfirmSecondCopy())
        return 0;

    orbivane::SettingsStore store;
    orbivane::General general;
    orbivane::SystemSecondsClock clock;
    orbivane::SdlSoundPlayer sounds;
    std::unique_ptr<orbivane::FenPrin> mainWindow;
    orbivane::Demarrer start([&](orbivane::Demarrer& startWindow) {
        mainWindow = std::make_unique<orbivane::FenPrin>(store, general, clock, sounds);
        mainWindow->load(&startWindow);
    });
    start.show();
    return QApplication::exec();
}
