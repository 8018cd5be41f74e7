#include "FenPrin.h"
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
        window = std::make_unique<FenPrin>(*store, general, clock);
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

} // namespace
} // namespace orbivane
