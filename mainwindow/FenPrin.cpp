#include "FenPrin.h"

#include "CommandPictures.h"
#include "KeyCodes.h"
#include "PathDrawing.h"
#include "SeedText.h"
#include "TimerDispatch.h"
#include "Walk.h"
#include "WavResources.h"
#include "ZibColors.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <numbers>

namespace orbivane {

namespace {

const QString Mark = QStringLiteral(" «");
const QString HoneycombMarked = QStringLiteral("Nid d'abeilles «");
const QString TooltipsCaption = QStringLiteral("Affichage des info-bulles");
const QString ToLargeCaption = QStringLiteral("Fenêtre en 1024x768");
const QString ToSmallCaption = QStringLiteral("Fenêtre en 800x600");

// The divisors of the eight hedge colour presets, in the order of their buttons.
constexpr std::array<RampDivisors, 8> PresetDivisors{{
    {2, 2, 1}, {2, 1, 1}, {1, 1, 1}, {1, 1, 3}, {1, 2, 1}, {1, 2, 4}, {1, 4, 4}, {2, 1, 3},
}};

constexpr std::array<Setting, InterfaceColourCount> ColourSettings{
    Setting::GradStart, Setting::GradEnd,    Setting::ButtonText, Setting::ButtonLight,
    Setting::OtherText, Setting::WindowBack, Setting::DisplayBack,
};

int px(int twips)
{
    return twips / static_cast<int>(TwipsPerPixel);
}

} // namespace

FenPrin::FenPrin(SettingsStore& store, General& general, SecondsClock& clock, SoundPlayer& sounds, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), store_(store), general_(general), clock_(clock),
      sounds_(sounds)
{
    setObjectName(QStringLiteral("FenPrin"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resize(1000, 750);
    surface_ = QImage(size(), QImage::Format_RGB32);
    surface_.fill(Qt::black);
    canvas_ = std::make_unique<QImageCanvas>(surface_, state_.Palette);
    timer1_.setSingleShot(true);
    timer1_.setInterval(1);
    connect(&timer1_, &QTimer::timeout, this, [this] { TimerTick(state_, *this); });
    c_ = BuildFenPrinControls(*this, this);
    connectCommands();
    connectMenus();
    connectWindowMove();
}

FenPrin::~FenPrin()
{
    timer1_.stop();
    canvas_->flush();
}

// --- start-up ---------------------------------------------------------------------------

void FenPrin::load(QWidget* startWindow)
{
    general_.AppTitle = QStringLiteral("Orbivane");
    setWindowTitle(general_.AppTitle);
    c_.CmdDeplaceFen->setCaption(general_.AppTitle);
    if (startWindow)
        startWindow->close();
    readInterfaceColours();
    ProcCoulDefUtil();
    readTooltips();
    readSounds();
    readMazeValues();
    applyDepth();
    markPreset();
    setStyleCaptions();
    resetDrawingState();
    applyStoredSize();

    show();
    state_.Maze.NewMazeWanted = true;
    state_.Palette = BuildSurfacePalette(state_.Divisors);
    state_.Maze.Sqrt3 = std::numbers::sqrt3;
}

void FenPrin::readInterfaceColours()
{
    for (std::size_t i = 0; i < InterfaceColourCount; ++i)
        general_.Colours[i].Value = store_.colour(ColourSettings[i]);
}

void FenPrin::readTooltips()
{
    general_.TooltipSetting = store_.text(Setting::Tooltips);
    general_.TooltipsOn = general_.TooltipSetting == QStringLiteral("Oui");
    c_.CmdBulAide->setCaption(general_.TooltipsOn ? TooltipsCaption + Mark : TooltipsCaption);
}

void FenPrin::readSounds()
{
    soundSetting_ = store_.text(Setting::Sounds);
    soundOn_ = soundSetting_ == QStringLiteral("Oui");
    showSoundPicture();
}

void FenPrin::showSoundPicture()
{
    c_.CmdSons->setPicture(soundOn_ ? c_.CmdSons->downPicture() : c_.CmdSons->disabledPicture());
    c_.CmdSons->setHoverPicture(CommandPicture(soundOn_ ? QStringLiteral("soundon-hover") : QStringLiteral("soundoff-hover")));
}

void FenPrin::readMazeValues()
{
    MazeState& m = state_.Maze;
    state_.Divisors = {store_.real(Setting::RampDivR), store_.real(Setting::RampDivG), store_.real(Setting::RampDivB)};
    // The parameters dialog writes nothing outside its sliders' ranges; a hand-edited value is
    // brought back into them rather than making no maze at all.
    m.HedgeHeight = std::clamp(store_.real(Setting::HedgeHeight), 0.2, 4.0);
    m.HedgeThickness = std::clamp(store_.real(Setting::HedgeThickness), 0.2, 0.5);
    m.CellSize = std::clamp(store_.real(Setting::CellSize), 0.2, 0.5);
    m.StyleCode = store_.text(Setting::Style).toStdString();
    m.PerspectiveValue = store_.integer(Setting::Perspective);
}

void FenPrin::applyDepth()
{
    // The bar limits the stored value to 30..60; a value other than the design position runs
    // the change handler, which stores it back.
    c_.VScroll1->setValue(state_.Maze.PerspectiveValue);
    state_.Maze.PerspectiveValue = static_cast<std::int16_t>(c_.VScroll1->value());
}

void FenPrin::markPreset()
{
    const RampDivisors& d = state_.Divisors;
    for (std::size_t i = 0; i < PresetDivisors.size(); ++i) {
        const RampDivisors& p = PresetDivisors[i];
        if (p.R != d.R || p.G != d.G || p.B != d.B)
            continue;
        for (std::size_t k = 0; k < c_.Presets.size(); ++k)
            c_.Presets[k]->setCaption(QString::fromLatin1(PresetNames[k]) + (k == i ? Mark : QString()));
        return;
    }
}

void FenPrin::setStyleCaptions()
{
    const bool classic = state_.Maze.StyleCode == "C";
    c_.CmdStyleItem[0]->setCaption(classic ? QStringLiteral("Nid d'abeilles") : HoneycombMarked);
    c_.CmdStyleItem[1]->setCaption(classic ? QStringLiteral("Classique") + Mark : QStringLiteral("Classique"));
}

void FenPrin::resetDrawingState()
{
    MazeState& m = state_.Maze;
    m.DrawingActive = false;
    m.SolutionShown = false;
    m.ExitReached = false;
    m.Phase = phase::Start;
}

void FenPrin::applyStoredSize()
{
    sizeSetting_ = store_.text(Setting::WindowSize);
    sizeToggleLarge_ = sizeSetting_ == QStringLiteral("Oui");
    c_.CmdChangeTaille->setCaption(sizeToggleLarge_ ? ToSmallCaption : ToLargeCaption);
    ToggleWindowSize();
}

// --- colours ----------------------------------------------------------------------------

void FenPrin::ProcCoulDefUtil()
{
    using zibpanel::ZibPanel;
    const auto start = general_.colour(InterfaceColour::GradStart);
    const auto end = general_.colour(InterfaceColour::GradEnd);
    const auto buttonText = general_.colour(InterfaceColour::ButtonText);
    const auto buttonLight = general_.colour(InterfaceColour::ButtonLight);
    const auto otherText = general_.colour(InterfaceColour::OtherText);
    const std::array<ZibBttn*, 6> startFirst{c_.CmdDeplaceFen, c_.CmdReduire, c_.CmdFermer, c_.Forme1, c_.Forme4, c_.Forme7};
    const std::array<ZibBttn*, 3> endFirst{c_.Forme3, c_.Forme5, c_.Forme6};
    const std::array<ZibPanel*, 4> panels{c_.Forme2, c_.PopUpInfos, c_.PopUpCoulLab, c_.PopUpStyle};
    for (ZibBttn* b : startFirst) {
        b->setGradientColorStart(start);
        b->setGradientColorEnd(end);
    }
    for (ZibBttn* b : endFirst) {
        b->setGradientColorEnd(start);
        b->setGradientColorStart(end);
    }
    for (ZibPanel* p : panels) {
        p->setPropertyById(ZibPanel::IdGradientColorEnd, start);
        p->setPropertyById(ZibPanel::IdGradientColorStart, end);
    }
    for (ZibBttn* b : {c_.CmdDeplaceFen, c_.CmdReduire, c_.CmdFermer}) {
        b->setForeColor(buttonText);
        b->setHighlightColor(buttonLight);
    }
    for (ZibPanel* p : {c_.PopUpInfos, c_.PopUpCoulLab, c_.PopUpStyle})
        p->setPropertyById(ZibPanel::IdForeColor, buttonText);
    for (ZibBttn* item : c_.menuItems()) {
        item->setHighlightColor(buttonLight);
        item->setForeColor(otherText);
    }
    const QColor other = zibpanel::TranslateColor(otherText);
    QPalette label = c_.LblChangerCoul->palette();
    label.setColor(QPalette::WindowText, other);
    c_.LblChangerCoul->setPalette(label);
    for (SeparatorLine* line : {c_.Line1, c_.Line2, c_.Line3})
        line->setColour(other);
    QPalette window = palette();
    window.setColor(QPalette::Window, zibpanel::TranslateColor(general_.colour(InterfaceColour::WindowBack)));
    setPalette(window);
}

Rgb FenPrin::windowBack() const
{
    const QColor c = zibpanel::TranslateColor(general_.colour(InterfaceColour::WindowBack));
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()), static_cast<std::uint8_t>(c.blue())};
}

// --- sizes ------------------------------------------------------------------------------

void FenPrin::ToggleWindowSize()
{
    const bool large = sizeToggleLarge_;
    sizeToggleLarge_ = !large;
    sizeSetting_ = large ? QStringLiteral("Oui") : QStringLiteral("Non");
    applyLayout(large ? LargeLayout : SmallLayout);
    largeApplied_ = large;
    store_.setText(Setting::WindowSize, sizeSetting_);
}

void FenPrin::applyLayout(const FrameLayout& l)
{
    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect screenArea = display ? display->geometry() : QRect(0, 0, 1024, 768);
    const QSize window(px(l.windowWidth), px(l.windowHeight));
    const QPoint centred(screenArea.x() + (screenArea.width() - window.width()) / 2,
                         screenArea.y() + (screenArea.height() - window.height()) / 2);
    setGeometry(QRect(centred, window));
    c_.CmdDeplaceFen->setWidth(px(l.titleWidth));
    c_.CmdReduire->setLeft(px(l.reduireLeft));
    c_.CmdFermer->setLeft(px(l.fermerLeft));
    c_.Forme3->setWidth(px(l.forme3Width));
    c_.Forme1->setHeight(px(l.forme1Height));
    c_.Forme4->setHeight(px(l.forme4Height));
    c_.Forme2->move(c_.Forme2->x(), px(l.forme2Top));
    c_.Forme5->setTop(px(l.forme5Top));
    c_.Forme4->setLeft(px(l.forme4Left));
    c_.Forme5->setLeft(px(l.forme5Left));
    c_.Forme7->setWidth(px(l.forme7Width));
    c_.Forme6->setWidth(px(l.forme6Width));
    c_.Forme7->setTop(px(l.forme7Top));
    c_.Forme6->setTop(px(l.forme6Top));
}

void FenPrin::changeSize()
{
    c_.CmdChangeTaille->setCaption(sizeToggleLarge_ ? ToSmallCaption : ToLargeCaption);
    c_.PopUpInfos->hide();
    ToggleWindowSize();
}

void FenPrin::runResizeHandler()
{
    MazeState& m = state_.Maze;
    if (m.Phase == phase::Closing)
        return;
    const int innerHeight = isMinimized() ? 0 : height();
    const float bars = static_cast<float>(c_.Forme7->height() + c_.Forme6->height());
    if (3.0f * bars > static_cast<float>(innerHeight)) {
        clearPicture();
        m.Phase = phase::Finished;
        m.DrawingActive = false;
        return;
    }
    m.ViewDirty = true;
    m.Phase = phase::Start;
    m.NewMazeWanted = true;
    m.ExitReached = false;
    m.SolutionShown = false;
    m.Seed = SeedFromSeconds(static_cast<float>(clock_.secondsSinceMidnight()));
    requestRepaint();
}

void FenPrin::resizeEvent(QResizeEvent*)
{
    if (surface_.size() != size()) {
        canvas_->flush();
        surface_ = QImage(size(), QImage::Format_RGB32);
        const Rgb back = windowBack();
        surface_.fill(QColor(back.r, back.g, back.b));
    }
    runResizeHandler();
}

void FenPrin::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
    if (isMinimized() || (old & Qt::WindowMinimized))
        runResizeHandler(); // minimising stops the drawing, restoring makes a new maze
}

void FenPrin::clearPicture()
{
    canvas_->clear(windowBack());
    canvas_->flush();
    update();
}

// --- drawing ----------------------------------------------------------------------------

void FenPrin::paintHandler()
{
    c_.CmdEffacer->setEnabled(false);
    c_.CmdSolution->setEnabled(false);
    MazeState& m = state_.Maze;
    m.ViewDirty = true;
    m.Phase = phase::Start;
    if (!m.DrawingActive) {
        m.DrawingActive = true;
        setTimerEnabled(true);
    }
}

void FenPrin::requestRepaint()
{
    paintHandler();
    update();
}

void FenPrin::paintEvent(QPaintEvent*)
{
    // The surface already holds the picture; a repaint the window system asks for only shows it.
    canvas_->flush();
    QPainter(this).drawImage(0, 0, surface_);
}

WindowGeometry FenPrin::geometry() const
{
    return {width(), height(), c_.Forme1->width(), c_.Forme6->height(), c_.Forme7->height()};
}

bool FenPrin::honeycombSelected() const
{
    return c_.CmdStyleItem[0]->caption() == HoneycombMarked;
}

void FenPrin::yield()
{
    // The slice ends here and the event loop runs before the next tick; the window shows
    // what the slice drew.
    canvas_->flush();
    update();
}

void FenPrin::setTimerEnabled(bool enabled)
{
    if (enabled)
        timer1_.start();
    else
        timer1_.stop();
}

void FenPrin::clearSurface()
{
    canvas_->clear(windowBack());
}

void FenPrin::replayPath(MazeStyle style)
{
    const MazeState& m = state_.Maze;
    if (m.Trail.empty())
        return;
    if (style == MazeStyle::Classic)
        ReplaySquarePath(*canvas_, state_.ViewParams, m.Trail, m.Dims, m.HedgeThickness, m.ExitReached);
    else
        ReplayHexPath(*canvas_, state_.ViewParams, m.Trail, m.Dims, m.ExitReached);
    yield();
}

void FenPrin::drawSolution(MazeStyle style)
{
    const MazeState& m = state_.Maze;
    if (m.Page.empty())
        return;
    if (style == MazeStyle::Classic)
        DrawSquareSolution(*canvas_, state_.ViewParams, m.Page, m.Dims, m.HedgeThickness);
    else
        DrawHexSolution(*canvas_, state_.ViewParams, m.Page, m.Dims);
    yield();
}

void FenPrin::congratulate()
{
    SonFelicitations();
}

void FenPrin::SonAvance()
{
    if (soundOn_)
        PlayWavResource(sounds_, StepSound);
}

void FenPrin::SonStop()
{
    if (soundOn_)
        PlayWavResource(sounds_, BumpSound);
}

void FenPrin::SonFelicitations()
{
    if (soundOn_)
        PlayWavResource(sounds_, CongratulationSound);
}

MazeStyle FenPrin::currentStyle() const
{
    return honeycombSelected() ? MazeStyle::Honeycomb : MazeStyle::Classic;
}

void FenPrin::keyPressEvent(QKeyEvent* event)
{
    const int key = VirtualKeyFromQt(event->key(), event->modifiers());
    const KeyOutcome outcome =
        key == 0 ? KeyOutcome::Ignored : HandleWalkKey(state_.Maze, state_.ViewParams, currentStyle(), key, *canvas_, *this);
    switch (outcome) {
    case KeyOutcome::Ignored:
        QWidget::keyPressEvent(event);
        return;
    case KeyOutcome::Beep:
        QApplication::beep();
        break;
    case KeyOutcome::Consumed:
        yield(); // the new line shows at once
        break;
    }
    event->accept();
}

void FenPrin::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    setFocus(); // the window takes every key press; none of its controls takes the focus
}

void FenPrin::erasePath()
{
    HidePopUps();
    EraseWalk(state_.Maze, currentStyle());
    requestRepaint();
}

void FenPrin::showSolution()
{
    HidePopUps();
    state_.Maze.SolutionShown = true;
    drawSolution(currentStyle());
}

void FenPrin::switchSounds()
{
    HidePopUps();
    soundOn_ = !soundOn_;
    soundSetting_ = soundOn_ ? QStringLiteral("Oui") : QStringLiteral("Non");
    showSoundPicture();
    store_.setText(Setting::Sounds, soundSetting_);
}

void FenPrin::enableEraseAndSolution()
{
    c_.CmdEffacer->setEnabled(true);
    c_.CmdSolution->setEnabled(true);
}

// --- depth ------------------------------------------------------------------------------

void FenPrin::setDepth(int value)
{
    MazeState& m = state_.Maze;
    m.PerspectiveValue = static_cast<std::int16_t>(value);
    m.ViewDirty = true;
    m.DepthAngleDeg = 92 - value;
    m.Phase = phase::Start;
}

void FenPrin::depthChanged(int value)
{
    HidePopUps();
    setDepth(value);
    if (!state_.Maze.DrawingActive)
        requestRepaint();
    store_.setInteger(Setting::Perspective, static_cast<std::int16_t>(value));
}

void FenPrin::depthDragged(int value)
{
    HidePopUps();
    if (state_.Maze.DrawingActive)
        setDepth(value);
    store_.setInteger(Setting::Perspective, static_cast<std::int16_t>(value));
}

// --- commands and menus -----------------------------------------------------------------

void FenPrin::HidePopUps()
{
    c_.PopUpCoulLab->hide();
    c_.PopUpStyle->hide();
    c_.PopUpInfos->hide();
}

void FenPrin::toggleMenu(zibpanel::ZibPanel* menu, int smallTop, int largeTop)
{
    if (menu->isVisible()) {
        HidePopUps();
        return;
    }
    menu->move(MenuLeft, largeApplied_ ? largeTop : smallTop);
    menu->show();
    menu->raise();
}

void FenPrin::chooseStyle(int index)
{
    const bool honeycomb = index == 0;
    c_.CmdStyleItem[0]->setCaption(honeycomb ? HoneycombMarked : QStringLiteral("Nid d'abeilles"));
    c_.CmdStyleItem[1]->setCaption(honeycomb ? QStringLiteral("Classique") : QStringLiteral("Classique") + Mark);
    state_.Maze.StyleCode = std::string(1, honeycomb ? 'N' : 'C');
    state_.Maze.SolutionShown = false;
    c_.PopUpStyle->hide();
    runResizeHandler();
    store_.setText(Setting::Style, QString::fromStdString(state_.Maze.StyleCode));
}

void FenPrin::newMaze()
{
    state_.Maze.SolutionShown = false;
    HidePopUps();
    runResizeHandler();
}

void FenPrin::switchTooltips()
{
    c_.PopUpInfos->hide();
    general_.TooltipsOn = !general_.TooltipsOn;
    general_.TooltipSetting = general_.TooltipsOn ? QStringLiteral("Oui") : QStringLiteral("Non");
    c_.CmdBulAide->setCaption(general_.TooltipsOn ? TooltipsCaption + Mark : TooltipsCaption);
    store_.setText(Setting::Tooltips, general_.TooltipSetting);
}

void FenPrin::uninstall()
{
    c_.PopUpInfos->hide();
    QMessageBox question(QMessageBox::Critical, QStringLiteral("DÉSINSTALLATION"),
                         QStringLiteral("Cette opération ne devrait être effectuée que si vous souhaitez désinstaller "
                                        "le programme.\nEtes-vous sûr(e) de vouloir supprimer la clé "
                                        "d'enregistrement des données d'initialisation dans la base du Registre ?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() == QMessageBox::Yes)
        store_.DeleteAllSettings();
}

void FenPrin::closeProgram()
{
    MazeState& m = state_.Maze;
    m.Phase = phase::Closing;
    timer1_.stop();
    m.Stack.clear();
    m.Trail.clear();
    m.Page.clear();
    // Every window closes, newest first; the program ends with the last one.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        if ((*it)->isVisible())
            (*it)->close();
}

void FenPrin::closeEvent(QCloseEvent* event)
{
    if (state_.Maze.Phase != phase::Closing) {
        event->ignore();
        closeProgram(); // closed by the window system: the same as the close button
        return;
    }
    event->accept();
}

void FenPrin::connectCommands()
{
    connect(c_.CmdNouveau, &ZibBttn::Click, this, &FenPrin::newMaze);
    connect(c_.CmdReduire, &ZibBttn::Click, this, &QWidget::showMinimized);
    connect(c_.CmdFermer, &ZibBttn::Click, this, &FenPrin::closeProgram);
    connect(c_.CmdEffacer, &ZibBttn::Click, this, &FenPrin::erasePath);
    connect(c_.CmdSolution, &ZibBttn::Click, this, &FenPrin::showSolution);
    connect(c_.CmdSons, &ZibBttn::Click, this, &FenPrin::switchSounds);
    // The dialogs come with their own features; until then a click only closes the menus.
    for (ZibBttn* b : {c_.CmdParam, c_.CmdAide})
        connect(b, &ZibBttn::Click, this, &FenPrin::HidePopUps);
    connect(c_.VScroll1, &QScrollBar::valueChanged, this, &FenPrin::depthChanged);
    connect(c_.VScroll1, &QScrollBar::sliderMoved, this, &FenPrin::depthDragged);
    for (const auto& [b, text] : c_.tooltips())
        connect(b, &ZibBttn::MouseMove, this, [this, b = b, text = text] { b->setToolTip(general_.TooltipsOn ? text : QString()); });
}

void FenPrin::connectMenus()
{
    connect(c_.CmdStyle, &ZibBttn::Click, this, [this] { toggleMenu(c_.PopUpStyle, SmallLayout.popUpStyleTop, LargeLayout.popUpStyleTop); });
    connect(c_.CmdCoulLaby, &ZibBttn::Click, this,
            [this] { toggleMenu(c_.PopUpCoulLab, SmallLayout.popUpCoulLabTop, LargeLayout.popUpCoulLabTop); });
    connect(c_.CmdApropos, &ZibBttn::Click, this, [this] { toggleMenu(c_.PopUpInfos, SmallLayout.popUpInfosTop, LargeLayout.popUpInfosTop); });
    connect(c_.CmdStyleItem[0], &ZibBttn::Click, this, [this] { chooseStyle(0); });
    connect(c_.CmdStyleItem[1], &ZibBttn::Click, this, [this] { chooseStyle(1); });
    connect(c_.CmdBulAide, &ZibBttn::Click, this, &FenPrin::switchTooltips);
    connect(c_.CmdChangeTaille, &ZibBttn::Click, this, &FenPrin::changeSize);
    connect(c_.CmdSupprCle, &ZibBttn::Click, this, &FenPrin::uninstall);
    auto hides = [](ZibBttn* item, zibpanel::ZibPanel* menu) { QObject::connect(item, &ZibBttn::Click, menu, &QWidget::hide); };
    hides(c_.CmdFerMnu, c_.PopUpInfos);
    hides(c_.CmdFerMnuCoulLab, c_.PopUpCoulLab);
    // The presets, the colour commands and the about box come with their own features; until
    // then a click only closes the menu.
    for (ZibBttn* preset : c_.Presets)
        hides(preset, c_.PopUpCoulLab);
    for (ZibBttn* item : {c_.CmdApropos2, c_.CmdCoulDeb, c_.CmdCoulFin, c_.CmdCoulTxt, c_.CmdLumiere, c_.CmdAutrTxt,
                          c_.CmdCoulFondFen, c_.CmdCoulVisu, c_.CmdReset})
        hides(item, c_.PopUpInfos);
}

void FenPrin::connectWindowMove()
{
    connect(c_.CmdDeplaceFen, &ZibBttn::MouseDown, this, [this] {
        if (windowHandle() && windowHandle()->startSystemMove())
            return;
        // No window manager to move it: follow the mouse by hand while a button is held.
        movingByHand_ = true;
        grabAt_ = QCursor::pos();
        windowAt_ = pos();
    });
    connect(c_.CmdDeplaceFen, &ZibBttn::MouseMove, this, [this](int button) {
        if (!movingByHand_)
            return;
        if (button == 0) {
            movingByHand_ = false;
            return;
        }
        move(windowAt_ + QCursor::pos() - grabAt_);
    });
}

std::optional<QString> FenPrin::toolTipFor(const zibpanel::ZibPanel& panel) const
{
    return panel.toolTip();
}

bool FenPrin::setToolTipFor(zibpanel::ZibPanel& panel, const QString& text)
{
    panel.setToolTip(text);
    return true;
}

} // namespace orbivane
