#pragma once

#include "DriverHost.h"
#include "FenPrinControls.h"
#include "General.h"
#include "MazeWindowState.h"
#include "QImageCanvas.h"
#include "SecondsClock.h"
#include "SettingsStore.h"
#include "SoundCues.h"
#include "SoundPlayer.h"
#include "WindowLayouts.h"
#include "ZibPanelHost.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace orbivane {

// The main window: a borderless frame of gradient buttons around the maze picture, the
// command column and three pop-up menus. It owns the maze state and draws the maze in timer
// slices into an off-screen surface, which it shows after every slice.
class FenPrin : public QWidget, public DriverHost, public zibpanel::ZibPanelHost, public SoundCues {
    Q_OBJECT

public:
    FenPrin(SettingsStore& store, General& general, SecondsClock& clock, SoundPlayer& sounds, QWidget* parent = nullptr);
    ~FenPrin() override;

    // The start-up sequence: settings, colours, captions, depth and size, then show. Closes
    // the start window first.
    void load(QWidget* startWindow = nullptr);

    void ProcCoulDefUtil();
    void HidePopUps();
    void ToggleWindowSize();
    // Runs after every size change: a usable size asks for a new maze, a window too small
    // (or minimised) stops the drawing.
    void runResizeHandler();
    // What every repaint the program asks for does: restart the drawing run from phase 0.
    void paintHandler();

    MazeWindowState& mazeState() { return state_; }
    const MazeWindowState& mazeState() const { return state_; }
    const FenPrinControls& controls() const { return c_; }
    const QImage& surface() const { return surface_; }
    bool largeLayoutApplied() const { return largeApplied_; }
    bool timerActive() const { return timer1_.isActive(); }

    // DriverHost
    Canvas& canvas() override { return *canvas_; }
    SecondsClock& clock() override { return clock_; }
    WindowGeometry geometry() const override;
    bool honeycombSelected() const override;
    void yield() override;
    void setTimerEnabled(bool enabled) override;
    void paletteOn() override {}
    void paletteOff() override {}
    void clearSurface() override;
    void replayPath(MazeStyle style) override;
    void drawSolution(MazeStyle style) override;
    void congratulate() override;
    void enableEraseAndSolution() override;

    // SoundCues: each plays its clip to the end when the sounds are on.
    void SonAvance() override;
    void SonStop() override;
    void SonFelicitations() override;
    bool soundOn() const { return soundOn_; }

    // ZibPanelHost: the window keeps the tooltips of its panels.
    QFont ambientFont() const override { return font(); }
    std::optional<QString> toolTipFor(const zibpanel::ZibPanel& panel) const override;
    bool setToolTipFor(zibpanel::ZibPanel& panel, const QString& text) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void connectCommands();
    void connectMenus();
    void connectWindowMove();
    void readInterfaceColours();
    void readTooltips();
    void readSounds();
    void readMazeValues();
    void applyDepth();
    void markPreset();
    void setStyleCaptions();
    void resetDrawingState();
    void applyStoredSize();
    void applyLayout(const FrameLayout& layout);
    void toggleMenu(zibpanel::ZibPanel* menu, int smallTop, int largeTop);
    void chooseStyle(int index);
    void newMaze();
    void switchTooltips();
    void changeSize();
    void uninstall();
    void closeProgram();
    void requestRepaint();
    void depthChanged(int value);
    void depthDragged(int value);
    void setDepth(int value);
    void clearPicture();
    void erasePath();
    void showSolution();
    void switchSounds();
    void showSoundPicture();
    MazeStyle currentStyle() const;
    Rgb windowBack() const;

    SettingsStore& store_;
    General& general_;
    SecondsClock& clock_;
    SoundPlayer& sounds_;
    MazeWindowState state_;
    QImage surface_;
    std::unique_ptr<QImageCanvas> canvas_;
    QTimer timer1_;
    FenPrinControls c_;

    QString sizeSetting_ = QStringLiteral("Non");
    bool sizeToggleLarge_ = false;
    bool largeApplied_ = false;
    QString soundSetting_ = QStringLiteral("Oui");
    bool soundOn_ = true;

    bool movingByHand_ = false;
    QPoint grabAt_;
    QPoint windowAt_;
};

} // namespace orbivane
