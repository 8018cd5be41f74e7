// Times the main window as a user starts it: from the start-up sequence to the first maze
// fully drawn (small layout, the real 0.25 s chooser), and the longest drawing slice of the
// largest maze the program makes (large layout, cell 0.2 inch, thickness 0.2).
#include "FenPrin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

using namespace orbivane;

// Measures how long each timer event takes to handle: one tick is one drawing slice.
class TimingApplication final : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (event->type() != QEvent::Timer)
            return QApplication::notify(receiver, event);
        QElapsedTimer clock;
        clock.start();
        const bool handled = QApplication::notify(receiver, event);
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (ms > 100)
            chooserSlice = std::max(chooserSlice, ms); // the slice that makes a new maze
        else
            longestSlice = std::max(longestSlice, ms);
        ++slices;
        return handled;
    }

    double longestSlice = 0;
    double chooserSlice = 0;
    int slices = 0;
};

class Silence final : public SoundPlayer {
public:
    void play(std::span<const std::uint8_t>) override {}
};

bool finished(const FenPrin& window)
{
    const MazeState& m = window.mazeState().Maze;
    return m.Phase == phase::Finished && !m.DrawingActive;
}

double untilDrawn(FenPrin& window, QElapsedTimer& since)
{
    while (!finished(window))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return static_cast<double>(since.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TimingApplication app(argc, argv);
    QTemporaryDir dir;
    SystemSecondsClock clock;
    Silence silence;

    {
        SettingsStore store(dir.filePath(QStringLiteral("small.ini")));
        General general;
        QElapsedTimer since;
        since.start();
        FenPrin window(store, general, clock, silence);
        window.load();
        const double first = untilDrawn(window, since);
        std::printf("small layout: first maze fully drawn %.0f ms after start (%d x %d cells)\n", first,
                    window.mazeState().Maze.Dims.Cols, window.mazeState().Maze.Dims.Rows);
    }

    for (const char* style : {"C", "N"}) {
        SettingsStore store(dir.filePath(QStringLiteral("large-%1.ini").arg(QLatin1String(style))));
        store.setText(Setting::WindowSize, QStringLiteral("Oui"));
        store.setText(Setting::CellSize, QStringLiteral("0.2"));
        store.setText(Setting::HedgeThickness, QStringLiteral("0.2"));
        store.setText(Setting::Style, QString::fromLatin1(style));
        General general;
        FenPrin window(store, general, clock, silence);
        app.longestSlice = app.chooserSlice = 0;
        app.slices = 0;
        QElapsedTimer since;
        since.start();
        window.load();
        const double drawn = untilDrawn(window, since);
        std::printf("largest %s maze (%d x %d): drawn in %.0f ms over %d slices; longest slice %.2f ms; "
                    "new-maze slice with the chooser %.0f ms\n",
                    style[0] == 'C' ? "classic" : "honeycomb", window.mazeState().Maze.Dims.Cols,
                    window.mazeState().Maze.Dims.Rows, drawn, app.slices, app.longestSlice, app.chooserSlice);
    }
    return 0;
}
