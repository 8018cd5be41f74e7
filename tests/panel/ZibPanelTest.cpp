#include "LoopbackHttpServer.h"
#include "ZibPanel.h"
#include "ZibPanelFactory.h"
#include "ZibPanelHost.h"
#include "ZibPropertyBag.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QLineEdit>
#include <QMetaEnum>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <memory>

namespace zibpanel {
namespace {

// Remembers the keys read and written, in order.
class RecordingBag final : public ZibPropertyBag {
public:
    std::optional<QVariant> readProperty(const QString& name) const override
    {
        reads.push_back(name);
        return inner.readProperty(name);
    }
    void writeProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) override
    {
        writes.push_back(name);
        inner.writeProperty(name, value, defaultValue);
    }

    VariantMapPropertyBag inner;
    mutable QStringList reads;
    QStringList writes;
};

class RecordingHost final : public ZibPanelHost {
public:
    bool userMode() const override { return runMode; }
    std::optional<QString> toolTipFor(const ZibPanel&) const override
    {
        return keepsToolTips ? std::optional<QString>(hostTip) : std::nullopt;
    }
    bool setToolTipFor(ZibPanel&, const QString& text) override
    {
        if (keepsToolTips)
            hostTip = text;
        return keepsToolTips;
    }
    void propertyChanged(ZibPanel&, const QString& name) override { changes.push_back(name); }

    bool runMode = true;
    bool keepsToolTips = false;
    QString hostTip;
    QStringList changes;
};

QImage solidImage(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray png(const QImage& image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

bool sameImage(const QImage& a, const QImage& b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

struct PanelTest : testing::Test {
    RecordingHost host;
    std::unique_ptr<ZibPanel> panel = std::make_unique<ZibPanel>(nullptr, &host);
};

TEST(ZibPanelFactory, CreatesByTypeNameWithTheValuesOfANewInstance)
{
    std::unique_ptr<QWidget> widget(CreateControl(QStringLiteral("ZibPanelControl6.ZibPanel"), nullptr, QStringLiteral("ZibPanel1")));
    auto* panel = qobject_cast<ZibPanel*>(widget.get());
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->caption(), QStringLiteral("ZibPanel1"));
    EXPECT_EQ(panel->size(), QSize(98, 39));
    EXPECT_EQ(panel->backColor(), 0x8000000Fu);
    EXPECT_EQ(panel->gradientColorStart(), 0x808080u);
    EXPECT_EQ(panel->gradientColorEnd(), 0xE0E0E0u);
    EXPECT_EQ(panel->maskColor(), 0xC0C0C0u);
    EXPECT_TRUE(panel->useMaskColor());
    EXPECT_EQ(panel->borderStyle(), Raised);
    EXPECT_EQ(CreateControl(QStringLiteral("ZibButton6.ZibBttn"), nullptr), nullptr);
}

TEST_F(PanelTest, MembersById)
{
    EXPECT_TRUE(panel->setPropertyById(ZibPanel::IdGradientColorStart, 0x123456));
    EXPECT_EQ(panel->gradientColorStart(), 0x123456u);
    EXPECT_TRUE(panel->setPropertyById(ZibPanel::IdForeColor, 0xFFFFFF));
    EXPECT_EQ(panel->foreColor(), 0xFFFFFFu);
    EXPECT_TRUE(panel->setPropertyById(ZibPanel::IdCaption, QStringLiteral("Style")));
    EXPECT_EQ(panel->propertyById(ZibPanel::IdCaption).toString(), QStringLiteral("Style"));
    EXPECT_TRUE(panel->setPropertyById(ZibPanel::IdBorderStyle, 3));
    EXPECT_EQ(panel->borderStyle(), bump);
    EXPECT_FALSE(panel->setPropertyById(12345, 1));
    EXPECT_TRUE(host.changes.contains(QStringLiteral("GradientColorStart")));
}

TEST(ZibPanelMetadata, EnumerationNamesAndDesignerDescriptions)
{
    const QMetaEnum borders = QMetaEnum::fromType<frameBorderStyleConstants>();
    EXPECT_STREQ(borders.valueToKey(3), "bump");
    EXPECT_STREQ(QMetaEnum::fromType<CaptionAlignConstants>().valueToKey(8), "CaptionRightBottom");
    EXPECT_EQ(ZibPanel::memberDescription("Caption"), QStringLiteral("Renvoie ou définit le texte affiché dans le contrôle."));
    const QString enabled = ZibPanel::memberDescription("Enabled");
    const QString first = QStringLiteral("Renvoie ou définit si le contrôle répond aux actions de l'utilisateur.");
    EXPECT_TRUE(enabled.startsWith(first));
    EXPECT_NE(enabled.at(first.size()), QLatin1Char(' ')) << "the second sentence follows without a space";
    EXPECT_TRUE(ZibPanel::memberDescription("Refresh").isEmpty());
}

TEST_F(PanelTest, LoadsInItsOrderWithTheDefaults)
{
    panel->setCaption(QStringLiteral("before"));
    panel->setGradientColorStart(1);
    RecordingBag bag;
    panel->readProperties(bag);
    const QStringList expected{
        "MaskColor",          "UseMaskColor",     "URLPicture",  "Picture",      "BackColor",   "ForeColor",  "Enabled",
        "Font",               "BorderStyle",      "Caption",     "CaptionAlign", "GradientBackColor",
        "GradientColorStart", "GradientColorEnd", "GradientSens", "ToolTipText", "OLEDropMode", "MouseIcon",
        "MousePointer",       "CaptionSens"};
    EXPECT_EQ(bag.reads, expected);
    EXPECT_EQ(panel->caption(), QString()) << "a loaded instance without a caption shows none";
    EXPECT_EQ(panel->gradientColorStart(), 0x808080u);
}

TEST_F(PanelTest, SavesInItsOrderLeavingOutDefaults)
{
    RecordingBag empty;
    panel->readProperties(empty);
    RecordingBag bag;
    panel->writeProperties(bag);
    const QStringList expected{"BackColor",        "ForeColor",          "Enabled",          "Font",        "BorderStyle",
                               "Caption",          "CaptionAlign",       "Picture",          "GradientBackColor",
                               "GradientColorStart", "GradientColorEnd", "GradientSens",     "ToolTipText", "URLPicture",
                               "MouseIcon",        "MousePointer",       "CaptionSens",      "MaskColor",   "UseMaskColor",
                               "OLEDropMode"};
    EXPECT_EQ(bag.writes, expected);
    EXPECT_TRUE(bag.inner.values().isEmpty()) << bag.inner.toJson().toStdString();

    panel->setGradientColorEnd(0x0000FF);
    panel->setCaption(QStringLiteral("&Fichier"));
    panel->setBorderStyle(Single);
    VariantMapPropertyBag changed;
    panel->writeProperties(changed);
    EXPECT_EQ(changed.values().keys(), (QStringList{"BorderStyle", "Caption", "GradientColorEnd"}));
}

TEST_F(PanelTest, ALayoutRoundTripsThroughJson)
{
    panel->setCaption(QStringLiteral("Menu"));
    panel->setCaptionAlign(CaptionRightBottom);
    panel->setCaptionSens(CaptionVertical);
    panel->setGradientBackColor(true);
    panel->setGradientSens(Vertical);
    panel->setBackColor(0x80000005);
    panel->setPicture(solidImage(4, 3, Qt::red));
    panel->setToolTipText(QStringLiteral("Aide"));
    VariantMapPropertyBag saved;
    panel->writeProperties(saved);

    const auto restored = VariantMapPropertyBag::fromJson(saved.toJson());
    ASSERT_TRUE(restored);
    ZibPanel copy;
    copy.readProperties(*restored);
    EXPECT_EQ(copy.caption(), QStringLiteral("Menu"));
    EXPECT_EQ(copy.captionAlign(), CaptionRightBottom);
    EXPECT_EQ(copy.captionSens(), CaptionVertical);
    EXPECT_TRUE(copy.gradientBackColor());
    EXPECT_EQ(copy.gradientSens(), Vertical);
    EXPECT_EQ(copy.backColor(), 0x80000005u);
    EXPECT_TRUE(sameImage(copy.picture(), solidImage(4, 3, Qt::red)));
    EXPECT_EQ(copy.toolTipText(), QStringLiteral("Aide"));
    EXPECT_FALSE(VariantMapPropertyBag::fromJson("[1, 2]"));
}

TEST_F(PanelTest, KeysAreCaseInsensitiveAndABadKeyLeavesItsProperty)
{
    panel->setBorderStyle(Single);
    VariantMapPropertyBag bag({{"borderstyle", "épais"}, {"CAPTION", "Suivant"}, {"GradientColorEnd", QVariantList{1, 2}},
                               {"Enabled", "peut-être"}});
    panel->setGradientColorEnd(0x00FF00);
    panel->readProperties(bag);
    EXPECT_EQ(panel->borderStyle(), Single);
    EXPECT_EQ(panel->caption(), QStringLiteral("Suivant"));
    EXPECT_EQ(panel->gradientColorEnd(), 0x00FF00u);
    EXPECT_TRUE(panel->isEnabled());
}

TEST_F(PanelTest, AccessKeysFromTheCaption)
{
    panel->setCaption(QStringLiteral("A&b&c"));
    EXPECT_EQ(panel->accessKey(), QChar(u'c'));
    panel->setCaption(QStringLiteral("&&x"));
    EXPECT_FALSE(panel->accessKey());
    panel->setCaption(QStringLiteral("&Fichier"));
    EXPECT_EQ(panel->accessKey(), QChar(u'f'));
}

// --- pictures -------------------------------------------------------------------------

struct PictureTest : PanelTest {
    QTemporaryDir dir;
    LoopbackHttpServer server;

    QString fileUrl(const QImage& image, const char* name)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        image.save(path, "PNG");
        return QUrl::fromLocalFile(path).toString();
    }

    bool waitForPicture(const QImage& expected, int ms = 5000)
    {
        return QTest::qWaitFor([&] { return sameImage(panel->picture(), expected); }, ms);
    }
};

TEST_F(PictureTest, SettingThePictureEmptiesTheAddress)
{
    const QImage blue = solidImage(5, 5, Qt::blue);
    panel->setURLPicture(fileUrl(blue, "blue.png"));
    ASSERT_TRUE(waitForPicture(blue));
    host.changes.clear();
    panel->setPicture(solidImage(2, 2, Qt::red));
    EXPECT_EQ(panel->urlPicture(), QString());
    EXPECT_EQ(host.changes, (QStringList{"URLPicture", "Picture"}));
}

TEST_F(PictureTest, SettingTheSameAddressDoesNothing)
{
    const QImage green = solidImage(3, 3, Qt::green);
    server.route("/green.png", {"200 OK", png(green), {}, 0});
    panel->setURLPicture(server.url("/green.png"));
    ASSERT_TRUE(waitForPicture(green));
    host.changes.clear();
    const int requests = server.requests;
    panel->setURLPicture(server.url("/green.png"));
    QTest::qWait(100);
    EXPECT_TRUE(host.changes.isEmpty());
    EXPECT_EQ(server.requests, requests);
}

TEST_F(PictureTest, ADownloadFinishingAfterThePictureWasSetStillSetsIt)
{
    const QImage late = solidImage(6, 4, Qt::magenta);
    server.route("/late.png", {"200 OK", png(late), {}, 300});
    panel->setURLPicture(server.url("/late.png"));
    panel->setPicture(solidImage(2, 2, Qt::red));
    EXPECT_EQ(panel->urlPicture(), QString());
    ASSERT_TRUE(waitForPicture(late));
    EXPECT_EQ(panel->urlPicture(), QString());
}

TEST_F(PictureTest, ASavedLayoutWithBothLoadsTheAddress)
{
    const QImage fromUrl = solidImage(7, 7, Qt::cyan);
    VariantMapPropertyBag layout;
    ZibPanel source;
    source.setPicture(solidImage(2, 2, Qt::red));
    source.writeProperties(layout);
    QVariantMap values = layout.values();
    values.insert(QStringLiteral("URLPicture"), fileUrl(fromUrl, "cyan.png"));
    RecordingBag bag;
    bag.inner = VariantMapPropertyBag(values);
    panel->readProperties(bag);
    EXPECT_FALSE(bag.reads.contains(QStringLiteral("Picture")));
    ASSERT_TRUE(waitForPicture(fromUrl));
}

TEST_F(PictureTest, UntrustedAddressesAndDataLeaveThePictureAlone)
{
    const QImage before = solidImage(2, 2, Qt::red);
    server.route("/huge-image.png", {"200 OK", png(QImage(5000, 8, QImage::Format_Mono)), {}, 0});
    server.route("/huge-body", {"200 OK", QByteArray(6 * 1024 * 1024, 'x'), {}, 0});
    server.route("/not-an-image", {"200 OK", "hello", {}, 0});
    server.route("/hop", {"302 Found", {}, "Location: /hop\r\n", 0}); // redirects for ever
    for (const QString& url : {QStringLiteral("ftp://127.0.0.1/x.png"), server.url("/huge-image.png"),
                               server.url("/huge-body"), server.url("/not-an-image"), server.url("/missing"),
                               server.url("/hop"), QStringLiteral("http://127.0.0.1:1/closed.png")}) {
        panel->setPicture(before);
        panel->setURLPicture(url);
        QTest::qWait(url.contains(QLatin1String("huge-body")) ? 600 : 200);
        EXPECT_TRUE(sameImage(panel->picture(), before)) << url.toStdString();
    }
    EXPECT_LE(server.requests, 20) << "redirects stop after five";
}

TEST_F(PictureTest, ADestroyedPanelCancelsItsDownload)
{
    server.route("/slow.png", {"200 OK", png(solidImage(2, 2, Qt::blue)), {}, 300});
    panel->setURLPicture(server.url("/slow.png"));
    QTest::qWait(50);
    panel.reset();
    QTest::qWait(500); // a completion reaching a deleted panel would crash here
    SUCCEED();
}

// --- events ---------------------------------------------------------------------------

TEST_F(PanelTest, ClickFollowsMouseUpOnlyForTheLeftButton)
{
    QStringList log;
    QObject::connect(panel.get(), &ZibPanel::MouseUp, [&](short* button, short*, float* x, float* y) {
        log << QStringLiteral("MouseUp %1 %2 %3").arg(*button).arg(*x).arg(*y);
    });
    QObject::connect(panel.get(), &ZibPanel::Click, [&] { log << QStringLiteral("Click"); });
    panel->show();
    QTest::mouseClick(panel.get(), Qt::RightButton, {}, QPoint(4, 5));
    EXPECT_EQ(log, (QStringList{"MouseUp 2 4 5"}));
    log.clear();
    QTest::mouseClick(panel.get(), Qt::MiddleButton, {}, QPoint(4, 5));
    QTest::mouseClick(panel.get(), Qt::LeftButton, {}, QPoint(6, 7));
    EXPECT_EQ(log, (QStringList{"MouseUp 4 4 5", "MouseUp 1 6 7", "Click"}));
}

TEST_F(PanelTest, KeysReachThePanelBeforeItsChildren)
{
    auto* edit = new QLineEdit(panel.get());
    panel->show();
    edit->setFocus();
    QStringList log;
    QObject::connect(panel.get(), &ZibPanel::KeyDown, [&](short* code, short* shift) {
        log << QStringLiteral("KeyDown %1 %2 %3").arg(*code).arg(*shift).arg(edit->text());
    });
    QObject::connect(panel.get(), &ZibPanel::KeyPress, [&](short* ascii) { log << QStringLiteral("KeyPress %1").arg(*ascii); });
    QTest::keyClick(edit, 'A', Qt::ShiftModifier); // Shift goes down first
    const auto at = log.indexOf(QStringLiteral("KeyDown 65 1 "));
    ASSERT_GE(at, 0) << "raised before the line edit took the key: " << log.join(QStringLiteral(", ")).toStdString();
    EXPECT_EQ(log.value(at + 1), QStringLiteral("KeyPress 65"));
    EXPECT_EQ(edit->text(), QStringLiteral("A")) << "the child still gets the key";
}

TEST_F(PanelTest, AKeyIsRaisedOnceAndGoesOnToTheHostWindow)
{
    QWidget window;
    struct KeyCatcher : QWidget {
        using QWidget::QWidget;
        int keys = 0;
        void keyPressEvent(QKeyEvent*) override { ++keys; }
    };
    auto* host = new KeyCatcher(&window);
    host->resize(200, 100);
    auto* onHost = new ZibPanel(host);
    auto* child = new QWidget(onHost); // a child that takes the focus but no keys
    child->setFocusPolicy(Qt::StrongFocus);
    window.show();
    child->setFocus();
    int downs = 0;
    QObject::connect(onHost, &ZibPanel::KeyDown, [&](short*, short*) { ++downs; });
    QTest::keyClick(child, Qt::Key_Down);
    EXPECT_EQ(downs, 1) << "seen by the preview, not again when it bubbles up";
    EXPECT_EQ(host->keys, 1) << "the panel does not swallow it";
}

TEST_F(PanelTest, EveryChildHearsOneMoveOnAColourChange)
{
    struct MoveCounter : QObject {
        int moves = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            moves += e->type() == QEvent::Move;
            return false;
        }
    };
    auto* first = new QWidget(panel.get());
    auto* second = new QWidget(panel.get());
    auto* nested = new QWidget(second);
    MoveCounter a, b, c;
    first->installEventFilter(&a);
    second->installEventFilter(&b);
    nested->installEventFilter(&c);
    panel->setGradientColorEnd(0x123456);
    EXPECT_EQ(a.moves, 1);
    EXPECT_EQ(b.moves, 1);
    EXPECT_EQ(c.moves, 1);
}

TEST_F(PanelTest, DropTargetInManualMode)
{
    panel->setOLEDropMode(1);
    EXPECT_TRUE(panel->acceptDrops());
    QStringList log;
    QObject::connect(panel.get(), &ZibPanel::OLEDragOver,
                     [&](const QMimeData** data, int* effect, short*, short*, float*, float*, short* state) {
                         log << QStringLiteral("Over %1 %2").arg(*state).arg((*data)->text());
                         *effect = ZibPanel::DropEffectCopy;
                     });
    QObject::connect(panel.get(), &ZibPanel::OLEDragDrop, [&](const QMimeData** data, int*, short*, short*, float* x, float*) {
        log << QStringLiteral("Drop %1 %2").arg((*data)->text()).arg(*x);
    });
    QMimeData data;
    data.setText(QStringLiteral("texte"));
    QDragEnterEvent enter(QPoint(3, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(panel.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(8, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(panel.get(), &drop);
    EXPECT_EQ(log, (QStringList{"Over 0 texte", "Drop texte 8"}));
}

TEST_F(PanelTest, TooltipTextRules)
{
    ZibPanel alone;
    alone.setToolTipText(QStringLiteral("Aide"));
    EXPECT_EQ(alone.toolTipText(), QStringLiteral("Aide"));

    host.keepsToolTips = true;
    panel->setToolTipText(QStringLiteral("Menu"));
    EXPECT_EQ(host.hostTip, QStringLiteral("Menu"));
    host.hostTip = QStringLiteral("Changé par l'hôte");
    EXPECT_EQ(panel->toolTipText(), QStringLiteral("Changé par l'hôte"));

    host.runMode = false; // a design surface shows no tooltip
    panel->show();
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), panel->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(panel.get(), &help);
    EXPECT_FALSE(QToolTip::isVisible());
}

// --- painting -------------------------------------------------------------------------

TEST_F(PanelTest, GradientEndsAndTheFlatAndSingleBorders)
{
    panel->resize(100, 40);
    panel->setBackColor(0x00FFFF);
    panel->setGradientBackColor(true);
    panel->setGradientColorStart(0x0000FF);
    panel->setGradientColorEnd(0xFF0000);
    panel->setBorderStyle(Flat);
    const QImage& surface = panel->hdc();
    // The first strip is one step (of 50) past the start, the last one step past the end.
    EXPECT_EQ(surface.pixelColor(0, 20), QColor(250, 0, 5));
    EXPECT_EQ(surface.pixelColor(99, 20), QColor(0, 0, 255));

    panel->setBorderStyle(Single);
    const QColor line = surface.pixelColor(0, 20);
    EXPECT_EQ(surface.pixelColor(99, 20), line);
    EXPECT_EQ(surface.pixelColor(50, 0), line);
    EXPECT_EQ(surface.pixelColor(50, 39), line);
    EXPECT_NE(surface.pixelColor(1, 20), line) << "one pixel wide";
    EXPECT_NE(line, QColor(250, 0, 5));
}

TEST_F(PanelTest, TheMaskColourShowsTheGradientBeneath)
{
    panel->resize(60, 40);
    panel->setBorderStyle(Flat);
    panel->setGradientBackColor(true);
    panel->setGradientColorStart(0x00FF00);
    panel->setGradientColorEnd(0x00FF00);
    QImage tile = solidImage(30, 20, Qt::blue);
    tile.setPixelColor(0, 0, QColor(0xC0, 0xC0, 0xC0));
    panel->setPicture(tile);
    const QImage& surface = panel->hdc();
    EXPECT_EQ(surface.pixelColor(0, 0), QColor(0, 255, 0));
    EXPECT_EQ(surface.pixelColor(30, 20), QColor(0, 255, 0)) << "every tile";
    EXPECT_EQ(surface.pixelColor(5, 5), QColor(Qt::blue));
    panel->setUseMaskColor(false);
    EXPECT_EQ(surface.pixelColor(0, 0), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(PanelTest, AVerticalCaptionRunsUpwardsAndIsNeverGreyed)
{
    panel->resize(60, 160);
    panel->setBorderStyle(Flat);
    panel->setBackColor(0xFFFFFF);
    QFont big = panel->font();
    big.setPixelSize(20);
    panel->setPanelFont(big);
    panel->setCaption(QStringLiteral("MMMMM"));
    panel->setCaptionSens(CaptionVertical);
    auto inkBox = [&] {
        QRect box;
        const QImage& s = panel->hdc();
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                if (s.pixelColor(x, y) == QColor(Qt::black))
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect box = inkBox();
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GT(box.height(), 2 * box.width()) << "the text runs along the height";
    EXPECT_LT(box.left(), 30) << "left-top: against the left edge";
    EXPECT_GE(box.top(), 4);
    panel->setPanelEnabled(false);
    EXPECT_EQ(inkBox(), box);
}

TEST_F(PanelTest, ADisabledHorizontalCaptionIsEmbossed)
{
    panel->resize(120, 40);
    panel->setBorderStyle(Flat);
    panel->setBackColor(0x808080);
    QFont big = panel->font();
    big.setPixelSize(20);
    big.setStyleStrategy(QFont::NoAntialias); // whole pixels in the two colours
    panel->setPanelFont(big);
    panel->setCaption(QStringLiteral("MMM"));
    panel->setPanelEnabled(false);
    const QImage& s = panel->hdc();
    const QColor light = panel->palette().color(QPalette::Light);
    const QColor dark = panel->palette().color(QPalette::Dark);
    int lights = 0, darks = 0, blacks = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            lights += s.pixelColor(x, y) == light;
            darks += s.pixelColor(x, y) == dark;
            blacks += s.pixelColor(x, y) == QColor(Qt::black);
        }
    EXPECT_GT(lights, 10);
    EXPECT_GT(darks, 10);
    EXPECT_EQ(blacks, 0);
}

} // namespace
} // namespace zibpanel
