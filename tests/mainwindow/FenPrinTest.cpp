#include "DirectionTables.h"
#include "FenPrin.h"
#include "KeyCodes.h"
#include "SdlSoundPlayer.h"
#include "Walk.h"
#include "WavResources.h"
#include "RecordingSoundPlayer.h"
#include "SteppingClock.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace orbivane {
namespace {

class FenPrinTest : public testing::Test {
protected:
    void SetUp() override { QApplication::setQuitOnLastWindowClosed(false); }

    // Starts the window on the store as it is, and waits for its first maze.
    FenPrin& start()
    {
        window = std::make_unique<FenPrin>(*store, general, clock, sounds);
        window->load();
        waitForMaze();
        return *window;
    }

    bool waitForMaze() const
    {
        return QTest::qWaitFor([this] { return maze().Phase == phase::Finished && !maze().DrawingActive; }, 10000);
    }

    const MazeState& maze() const { return window->mazeState().Maze; }
    const FenPrinControls& c() const { return window->controls(); }
    QString stored(Setting setting) const { return SettingsStore(path()).text(setting); }
    QString path() const { return dir.filePath(QStringLiteral("Orbivane.ini")); }
    bool hasKey(const char* key) const { return QSettings(path(), QSettings::IniFormat).contains(QString::fromUtf8(key)); }

    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>(path());
    General general;
    testing_support::SteppingClock clock;
    testing_support::RecordingSoundPlayer sounds;
    std::unique_ptr<FenPrin> window;
};

TEST_F(FenPrinTest, FirstRunMarksTheDefaultsAndDrawsAClassicMazeInTheSmallLayout)
{
    FenPrin& w = start();
    EXPECT_EQ(c().CmdDeplaceFen->caption(), QStringLiteral("Orbivane"));
    EXPECT_EQ(c().CmdBulAide->caption(), QStringLiteral("Affichage des info-bulles «"));
    EXPECT_EQ(c().CmdStyleItem[0]->caption(), QStringLiteral("Nid d'abeilles"));
    EXPECT_EQ(c().CmdStyleItem[1]->caption(), QStringLiteral("Classique «"));
    EXPECT_EQ(c().Presets[7]->caption(), QStringLiteral("Vert «"));
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_FALSE(c().Presets[i]->caption().endsWith(QStringLiteral("«"))) << i;
    EXPECT_EQ(c().CmdChangeTaille->caption(), QStringLiteral("Fenêtre en 1024x768"));
    EXPECT_EQ(c().VScroll1->value(), 30);

    EXPECT_EQ(w.size(), QSize(780, 585));
    const QRect screen = w.screen()->geometry();
    EXPECT_EQ(w.pos(), QPoint((screen.width() - 780) / 2, (screen.height() - 585) / 2) + screen.topLeft());
    EXPECT_EQ(c().Forme7->y(), 544);
    EXPECT_EQ(c().Forme2->y(), 188);

    EXPECT_EQ(stored(Setting::WindowSize), QStringLiteral("Non"));
    EXPECT_EQ(stored(Setting::Perspective), QStringLiteral("30"));
    EXPECT_FALSE(hasKey("Style/Style")) << "nothing else is written at start-up";

    EXPECT_FALSE(w.honeycombSelected());
    EXPECT_EQ(maze().Dims.MaxX, 2 * maze().Dims.Cols);
    EXPECT_DOUBLE_EQ(maze().DepthAngleDeg, 62.0);
    EXPECT_TRUE(c().CmdEffacer->isEnabled());
    EXPECT_TRUE(c().CmdSolution->isEnabled());
}

TEST_F(FenPrinTest, StoredValuesAreRestored)
{
    store->setText(Setting::Style, QStringLiteral("N"));
    store->setText(Setting::WindowSize, QStringLiteral("Oui"));
    store->setText(Setting::Perspective, QStringLiteral("45"));
    store->setText(Setting::RampDivG, QStringLiteral("2"));
    store->setText(Setting::RampDivB, QStringLiteral("2")); // 2, 2, 2: no preset
    store->setText(Setting::Tooltips, QStringLiteral("oui"));
    FenPrin& w = start();
    EXPECT_TRUE(w.honeycombSelected());
    EXPECT_EQ(c().CmdStyleItem[0]->caption(), QStringLiteral("Nid d'abeilles «"));
    EXPECT_EQ(maze().Dims.MaxX, 8 * (maze().Dims.Cols / 2) + 6);
    EXPECT_EQ(maze().Dims.MaxY, 4 * maze().Dims.Rows);
    EXPECT_EQ(w.size(), QSize(1000, 750));
    EXPECT_EQ(c().CmdChangeTaille->caption(), QStringLiteral("Fenêtre en 800x600"));
    EXPECT_EQ(stored(Setting::WindowSize), QStringLiteral("Oui"));
    EXPECT_EQ(c().VScroll1->value(), 45);
    for (ZibBttn* preset : c().Presets)
        EXPECT_FALSE(preset->caption().endsWith(QStringLiteral("«")));
    EXPECT_EQ(c().CmdBulAide->caption(), QStringLiteral("Affichage des info-bulles"));
    EXPECT_EQ(w.mazeState().Palette.colour(12), (Rgb{118, 118, 118}));
}

TEST_F(FenPrinTest, UnusableStoredValuesGiveDefaultsOrTheirRange)
{
    store->setText(Setting::HedgeHeight, QStringLiteral("haute"));
    store->setText(Setting::CellSize, QStringLiteral("0"));
    store->setText(Setting::Perspective, QStringLiteral("99"));
    store->setText(Setting::GradStart, QStringLiteral("rouge"));
    start();
    EXPECT_DOUBLE_EQ(maze().HedgeHeight, 4.0);
    EXPECT_DOUBLE_EQ(maze().CellSize, 0.2);
    EXPECT_EQ(c().VScroll1->value(), 60);
    EXPECT_EQ(stored(Setting::Perspective), QStringLiteral("60"));
    EXPECT_EQ(general.colour(InterfaceColour::GradStart), 0x808000u);
    EXPECT_GT(maze().Dims.Cols, 2) << "a maze was made";
}

TEST_F(FenPrinTest, ChoosingAStyleWritesItAndMakesANewMaze)
{
    FenPrin& w = start();
    const std::string firstSeed = maze().Seed;
    QTest::mouseClick(c().CmdStyle, Qt::LeftButton);
    ASSERT_TRUE(c().PopUpStyle->isVisible());
    QTest::mouseClick(c().CmdStyleItem[0], Qt::LeftButton);
    EXPECT_FALSE(c().PopUpStyle->isVisible());
    EXPECT_EQ(stored(Setting::Style), QStringLiteral("N"));
    ASSERT_TRUE(waitForMaze());
    EXPECT_TRUE(w.honeycombSelected());
    EXPECT_EQ(maze().Dims.MaxY, 4 * maze().Dims.Rows);

    const std::string secondSeed = maze().Seed;
    EXPECT_NE(secondSeed, firstSeed);
    QTest::mouseClick(c().CmdStyleItem[1], Qt::LeftButton);
    ASSERT_TRUE(waitForMaze());
    QTest::mouseClick(c().CmdStyleItem[1], Qt::LeftButton); // the current style again
    EXPECT_TRUE(maze().NewMazeWanted);
    ASSERT_TRUE(waitForMaze());
    EXPECT_EQ(stored(Setting::Style), QStringLiteral("C"));
    EXPECT_EQ(c().CmdStyleItem[1]->caption(), QStringLiteral("Classique «"));
}

TEST_F(FenPrinTest, MenusOpenBesideTheirButtonsAndASecondClickClosesAll)
{
    start();
    QTest::mouseClick(c().CmdStyle, Qt::LeftButton);
    QTest::mouseClick(c().CmdCoulLaby, Qt::LeftButton);
    EXPECT_TRUE(c().PopUpStyle->isVisible());
    EXPECT_TRUE(c().PopUpCoulLab->isVisible());
    EXPECT_EQ(c().PopUpStyle->pos(), QPoint(48, 340));
    EXPECT_EQ(c().PopUpCoulLab->pos(), QPoint(48, 220));
    QTest::mouseClick(c().CmdApropos, Qt::LeftButton);
    EXPECT_EQ(c().PopUpInfos->pos(), QPoint(48, 264));
    QTest::mouseClick(c().CmdCoulLaby, Qt::LeftButton);
    EXPECT_FALSE(c().PopUpStyle->isVisible());
    EXPECT_FALSE(c().PopUpCoulLab->isVisible());
    EXPECT_FALSE(c().PopUpInfos->isVisible());

    QTest::mouseClick(c().CmdApropos, Qt::LeftButton);
    QTest::mouseClick(c().CmdChangeTaille, Qt::LeftButton); // to the large layout
    EXPECT_FALSE(c().PopUpInfos->isVisible());
    EXPECT_EQ(stored(Setting::WindowSize), QStringLiteral("Oui"));
    EXPECT_EQ(c().CmdChangeTaille->caption(), QStringLiteral("Fenêtre en 800x600"));
    EXPECT_EQ(window->size(), QSize(1000, 750));
    QTest::mouseClick(c().CmdApropos, Qt::LeftButton);
    EXPECT_EQ(c().PopUpInfos->pos(), QPoint(48, 428));
    QTest::mouseClick(c().CmdFerMnu, Qt::LeftButton);
    EXPECT_FALSE(c().PopUpInfos->isVisible());
}

TEST_F(FenPrinTest, TooltipsFollowTheSwitch)
{
    start();
    QTest::mouseMove(c().CmdNouveau, QPoint(5, 5));
    EXPECT_EQ(c().CmdNouveau->toolTip(), QStringLiteral("Dessiner un nouveau labyrinthe"));
    QTest::mouseClick(c().CmdApropos, Qt::LeftButton);
    QTest::mouseClick(c().CmdBulAide, Qt::LeftButton);
    EXPECT_EQ(c().CmdBulAide->caption(), QStringLiteral("Affichage des info-bulles"));
    EXPECT_EQ(stored(Setting::Tooltips), QStringLiteral("Non"));
    QTest::mouseMove(c().CmdNouveau, QPoint(6, 6));
    EXPECT_EQ(c().CmdNouveau->toolTip(), QString());
    QTest::mouseMove(c().CmdFermer, QPoint(3, 3));
    EXPECT_EQ(c().CmdFermer->toolTip(), QString());
}

TEST_F(FenPrinTest, AnsweringNoToTheUninstallQuestionChangesNothing)
{
    start();
    const QByteArray before = [&] {
        QFile f(path());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("DÉSINSTALLATION"));
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));
        EXPECT_TRUE(box->text().startsWith(QStringLiteral(
            "Cette opération ne devrait être effectuée que si vous souhaitez désinstaller le programme.\nEtes-vous sûr(e)")));
        checked = true;
        box->button(QMessageBox::No)->click();
    });
    QTest::mouseClick(c().CmdApropos, Qt::LeftButton);
    QTest::mouseClick(c().CmdSupprCle, Qt::LeftButton);
    EXPECT_TRUE(checked);
    QFile after(path());
    after.open(QIODevice::ReadOnly);
    EXPECT_EQ(after.readAll(), before);
}

TEST_F(FenPrinTest, AnsweringYesDeletesTheStore)
{
    start();
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Yes)->click();
    });
    QTest::mouseClick(c().CmdApropos, Qt::LeftButton);
    QTest::mouseClick(c().CmdSupprCle, Qt::LeftButton);
    EXPECT_TRUE(QSettings(path(), QSettings::IniFormat).allKeys().isEmpty());
    EXPECT_TRUE(window->isVisible()) << "the program goes on";
}

TEST_F(FenPrinTest, CloseStopsEverythingAndClosesTheWindows)
{
    start();
    QWidget other; // another window of the program closes too
    other.show();
    QTest::mouseClick(c().CmdFermer, Qt::LeftButton);
    EXPECT_EQ(maze().Phase, phase::Closing);
    EXPECT_FALSE(window->timerActive());
    EXPECT_TRUE(maze().Page.empty());
    EXPECT_TRUE(maze().Trail.empty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(other.isVisible());
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->isVisible()) << top->objectName().toStdString();
    window->runResizeHandler();
    EXPECT_EQ(maze().Phase, phase::Closing) << "nothing starts after the close";
}

TEST_F(FenPrinTest, AResizeWhileDrawingMakesANewMazeFirst)
{
    start();
    QTest::mouseClick(c().CmdNouveau, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return maze().Phase == phase::Rows; }, 5000));
    const std::string seed = maze().Seed;
    window->resize(780, 590);
    EXPECT_EQ(maze().Phase, phase::Start);
    EXPECT_TRUE(maze().NewMazeWanted);
    EXPECT_NE(maze().Seed, seed);
    ASSERT_TRUE(waitForMaze());
    EXPECT_FALSE(maze().NewMazeWanted);
}

TEST_F(FenPrinTest, ATooSmallOrMinimisedWindowStopsDrawing)
{
    start();
    window->resize(780, 120);
    EXPECT_EQ(maze().Phase, phase::Finished);
    EXPECT_FALSE(maze().DrawingActive);
    EXPECT_EQ(window->surface().pixelColor(400, 60), QColor(0, 128, 128)) << "the picture is cleared";

    window->resize(780, 585);
    ASSERT_TRUE(waitForMaze());
    window->setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(maze().Phase, phase::Finished);
    EXPECT_FALSE(maze().DrawingActive);
    const std::string seed = maze().Seed;
    window->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(maze().NewMazeWanted);
    EXPECT_NE(maze().Seed, seed);
    EXPECT_TRUE(waitForMaze());
}

TEST_F(FenPrinTest, TheDepthBarRestartsTheRunWithTheSameMaze)
{
    start();
    const ByteGrid page = maze().Page;
    c().VScroll1->setValue(50);
    EXPECT_DOUBLE_EQ(maze().DepthAngleDeg, 42.0);
    EXPECT_EQ(stored(Setting::Perspective), QStringLiteral("50"));
    EXPECT_FALSE(c().CmdEffacer->isEnabled()) << "disabled until the run ends";
    ASSERT_TRUE(waitForMaze());
    EXPECT_EQ(maze().Page, page);
    EXPECT_TRUE(c().CmdEffacer->isEnabled());
}

TEST_F(FenPrinTest, DraggingTheThumbWhileIdleOnlyStoresTheValue)
{
    start();
    QScrollBar* bar = c().VScroll1;
    bar->setSliderDown(true);
    bar->setSliderPosition(40); // the thumb being dragged
    EXPECT_EQ(stored(Setting::Perspective), QStringLiteral("40"));
    EXPECT_EQ(maze().Phase, phase::Finished) << "nothing redraws while the thumb moves";
    EXPECT_DOUBLE_EQ(maze().DepthAngleDeg, 62.0);
    bar->setSliderDown(false); // released: the change handler redraws
    EXPECT_DOUBLE_EQ(maze().DepthAngleDeg, 52.0);
    EXPECT_TRUE(waitForMaze());
}

TEST_F(FenPrinTest, InterfaceColoursReachTheControls)
{
    store->setColour(Setting::GradStart, 0x0000FF);
    store->setColour(Setting::OtherText, 0x00FF00);
    start();
    EXPECT_EQ(c().CmdDeplaceFen->gradientColorStart(), 0x0000FFu);
    EXPECT_EQ(c().Forme3->gradientColorEnd(), 0x0000FFu);
    EXPECT_EQ(c().PopUpStyle->gradientColorEnd(), 0x0000FFu);
    EXPECT_EQ(c().PopUpStyle->gradientColorStart(), 0xE0E0E0u);
    EXPECT_EQ(c().PopUpInfos->foreColor(), 0x808000u);
    EXPECT_EQ(c().Presets[7]->foreColor(), 0x00FF00u);
    EXPECT_EQ(c().Line2->colour(), QColor(0, 255, 0));
    EXPECT_EQ(c().CmdFermer->highlightColor(), 0xDEFF6Cu);
}

struct QtKeyCase {
    int key;
    Qt::KeyboardModifiers modifiers;
    int virtualKey;
};

class KeyCodesTest : public testing::TestWithParam<QtKeyCase> {};

TEST_P(KeyCodesTest, QtKeysMapOntoTheWalkKeys)
{
    EXPECT_EQ(VirtualKeyFromQt(GetParam().key, GetParam().modifiers), GetParam().virtualKey);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyCodesTest,
    testing::Values(QtKeyCase{Qt::Key_Left, Qt::NoModifier, 37}, QtKeyCase{Qt::Key_Up, Qt::NoModifier, 38},
                    QtKeyCase{Qt::Key_Right, Qt::NoModifier, 39}, QtKeyCase{Qt::Key_Down, Qt::NoModifier, 40},
                    QtKeyCase{Qt::Key_Home, Qt::NoModifier, 36}, QtKeyCase{Qt::Key_End, Qt::NoModifier, 35},
                    QtKeyCase{Qt::Key_PageUp, Qt::NoModifier, 33}, QtKeyCase{Qt::Key_PageDown, Qt::NoModifier, 34},
                    // Num Lock on: the keypad digits.
                    QtKeyCase{Qt::Key_8, Qt::KeypadModifier, 104}, QtKeyCase{Qt::Key_1, Qt::KeypadModifier, 97},
                    QtKeyCase{Qt::Key_9, Qt::KeypadModifier, 105}, QtKeyCase{Qt::Key_4, Qt::KeypadModifier, 100},
                    // Num Lock off: the keypad sends the navigation keys.
                    QtKeyCase{Qt::Key_Up, Qt::KeypadModifier, 38}, QtKeyCase{Qt::Key_Home, Qt::KeypadModifier, 36},
                    QtKeyCase{Qt::Key_PageDown, Qt::KeypadModifier, 34},
                    // Shift is ignored; the digits of the main keyboard are not walk keys.
                    QtKeyCase{Qt::Key_Left, Qt::ShiftModifier, 37}, QtKeyCase{Qt::Key_8, Qt::NoModifier, 0},
                    QtKeyCase{Qt::Key_Clear, Qt::KeypadModifier, 0}, QtKeyCase{Qt::Key_A, Qt::NoModifier, 0}));

// The keys that walk the solution route of Page from the entrance out through the exit.
std::vector<Qt::Key> routeKeys(const MazeState& m, bool honeycomb)
{
    static const Qt::Key classicKeys[] = {Qt::Key_Left, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up};
    static const Qt::Key hexKeys[] = {Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
    std::vector<Qt::Key> keys;
    int x = honeycomb ? 3 : 1;
    int y = honeycomb ? 2 : 1;
    int px = x;
    int py = -y;
    while (y < m.Dims.MaxY) {
        for (int p = 0; p < (honeycomb ? 6 : 4); ++p) {
            const int dx = honeycomb ? HexDX[static_cast<std::size_t>(p)] : SquareDX[static_cast<std::size_t>(p)];
            const int dy = honeycomb ? HexDY[static_cast<std::size_t>(p)] : SquareDY[static_cast<std::size_t>(p)];
            if (m.Page(y + dy, x + dx) != cell::Route || (x + 2 * dx == px && y + 2 * dy == py))
                continue;
            keys.push_back(honeycomb ? hexKeys[p] : classicKeys[p]);
            px = x;
            py = y;
            x += 2 * dx;
            y += 2 * dy;
            break;
        }
    }
    return keys;
}

TEST_F(FenPrinTest, WalkingTheRouteWithTheKeyboardReachesTheExitInBothStyles)
{
    const QByteArray bravo = *LoadWavResource(CongratulationSound);
    const QByteArray step = *LoadWavResource(StepSound);
    for (const char* style : {"C", "N"}) {
        store->setText(Setting::Style, QString::fromLatin1(style));
        sounds.clips.clear();
        FenPrin& w = start();
        const bool honeycomb = style[0] == 'N';
        ASSERT_EQ(w.honeycombSelected(), honeycomb);
        QTest::mouseClick(c().CmdNouveau, Qt::LeftButton); // a button was clicked: keys still reach the window
        ASSERT_TRUE(waitForMaze());
        ASSERT_EQ(QApplication::focusWidget(), &w);
        const auto keys = routeKeys(maze(), honeycomb);
        ASSERT_FALSE(keys.empty());
        for (Qt::Key key : keys)
            QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_TRUE(maze().ExitReached) << style;
        EXPECT_EQ(sounds.clips.count(bravo), 1);
        EXPECT_EQ(sounds.clips.count(step), static_cast<qsizetype>(keys.size()));

        // Every repaint of a finished walk congratulates again.
        c().VScroll1->setValue(c().VScroll1->value() + 1);
        ASSERT_TRUE(waitForMaze());
        EXPECT_EQ(sounds.clips.count(bravo), 2);
        EXPECT_TRUE(maze().ExitReached);
        window.reset();
    }
}

TEST_F(FenPrinTest, KeysWhileDrawingOrWithTheSolutionShownChangeNothing)
{
    start();
    QTest::mouseClick(c().CmdNouveau, Qt::LeftButton);
    const ByteGrid trail = maze().Trail;
    QTest::keyClick(window.get(), Qt::Key_Down);
    EXPECT_LT(maze().Phase, phase::Finished);
    ASSERT_TRUE(waitForMaze());

    QTest::mouseClick(c().CmdSolution, Qt::LeftButton);
    EXPECT_TRUE(maze().SolutionShown);
    const ByteGrid shown = maze().Trail;
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Left, Qt::Key_Up})
        QTest::keyClick(window.get(), key);
    EXPECT_EQ(maze().Trail, shown);
    EXPECT_TRUE(sounds.clips.isEmpty());
    int red = 0;
    const QImage& picture = window->surface();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            red += picture.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_GT(red, 200) << "the route in the solution colour";
}

TEST_F(FenPrinTest, EraseStartsTheWalkAgainOnTheSameMaze)
{
    start();
    const auto keys = routeKeys(maze(), false);
    for (std::size_t i = 0; i < 3 && i < keys.size(); ++i)
        QTest::keyClick(window.get(), keys[i]);
    const ByteGrid page = maze().Page;
    QTest::mouseClick(c().CmdEffacer, Qt::LeftButton);
    EXPECT_EQ(maze().Phase, phase::Start);
    ASSERT_TRUE(waitForMaze());
    EXPECT_EQ(maze().Page, page);
    EXPECT_EQ(maze().PosX, 1);
    EXPECT_EQ(maze().PosY, 1);
    int walked = 0;
    for (int y = 1; y < maze().Dims.MaxY; y += 2)
        for (int x = 1; x < maze().Dims.MaxX; x += 2)
            walked += maze().Trail(y, x) == cell::Route;
    EXPECT_EQ(walked, 1) << "only the entrance cell";
}

TEST_F(FenPrinTest, WithoutAnAudioDeviceTheWalkGoesOn)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1); // this test runs in a process of its own
    SdlSoundPlayer noDevice;
    window = std::make_unique<FenPrin>(*store, general, clock, noDevice);
    window->load();
    ASSERT_TRUE(waitForMaze());
    for (Qt::Key key : routeKeys(maze(), false))
        QTest::keyClick(window.get(), key);
    EXPECT_TRUE(maze().ExitReached);
    EXPECT_FALSE(noDevice.usable());
    window.reset();
}

TEST_F(FenPrinTest, TheSoundButtonSwitchesAndRemembers)
{
    store->setText(Setting::Sounds, QStringLiteral("oui"));
    start();
    EXPECT_FALSE(window->soundOn());
    EXPECT_EQ(c().CmdSons->picture().toImage(), c().CmdSons->disabledPicture().toImage());
    QTest::keyClick(window.get(), routeKeys(maze(), false).front());
    QTest::keyClick(window.get(), Qt::Key_Up); // back: still silent
    EXPECT_TRUE(sounds.clips.isEmpty()) << "sounds off plays and loads nothing";

    QTest::mouseClick(c().CmdSons, Qt::LeftButton);
    EXPECT_TRUE(window->soundOn());
    EXPECT_EQ(stored(Setting::Sounds), QStringLiteral("Oui"));
    EXPECT_EQ(c().CmdSons->picture().toImage(), c().CmdSons->downPicture().toImage());
    QTest::keyClick(window.get(), Qt::Key_Up); // the entrance: a bump
    ASSERT_EQ(sounds.clips.size(), 1);
    EXPECT_EQ(sounds.clips.front(), *LoadWavResource(BumpSound));

    QTest::mouseClick(c().CmdSons, Qt::LeftButton);
    EXPECT_EQ(stored(Setting::Sounds), QStringLiteral("Non"));
}

} // namespace
} // namespace orbivane
