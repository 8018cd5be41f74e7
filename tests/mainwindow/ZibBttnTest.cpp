#include "ZibBttn.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace orbivane {
namespace {

QColor bgr(std::uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF), static_cast<int>(value >> 16));
}

bool near(const QColor& a, const QColor& b, int tolerance = 3)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

int countPixels(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

void hover(ZibBttn& button)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&button, &enter);
}

// A window with a line edit holding the focus and a button beside it.
struct Window {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    ZibBttn* button = new ZibBttn(&window);

    Window()
    {
        window.resize(300, 100);
        edit->setGeometry(0, 0, 100, 30);
        button->setGeometry(120, 10, 150, 40);
        button->setCaption(QStringLiteral("Nouveau"));
        window.show();
        edit->setFocus();
        QApplication::processEvents();
    }
};

TEST(ZibBttn, GradientRunsFromStartToEndColour)
{
    ZibBttn button;
    button.resize(200, 30);
    button.setGradientColorStart(0x0000FF); // red
    button.setGradientColorEnd(0xFF0000);   // blue
    const QImage image = button.grab().toImage();
    EXPECT_TRUE(near(image.pixelColor(0, 2), QColor(255, 0, 0))) << image.pixelColor(0, 2).name().toStdString();
    EXPECT_TRUE(near(image.pixelColor(199, 2), QColor(0, 0, 255))) << image.pixelColor(199, 2).name().toStdString();
}

TEST(ZibBttn, CaptionTakesTheHighlightColourUnderTheMouse)
{
    ZibBttn button;
    button.resize(200, 60);
    QFont big = button.font();
    big.setPixelSize(40);
    big.setBold(true);
    button.setFont(big);
    button.setCaption(QStringLiteral("MM"));
    button.setGradientColorStart(0x000000);
    button.setGradientColorEnd(0x000000);
    button.setForeColor(0x00FF00);
    button.setHighlightColor(0xFFFF00);
    const QColor fore = bgr(0x00FF00);
    const QColor light = bgr(0xFFFF00);

    QImage image = button.grab().toImage();
    EXPECT_GT(countPixels(image, fore), 50);
    EXPECT_EQ(countPixels(image, light), 0);

    hover(button);
    ASSERT_TRUE(button.underMouse());
    image = button.grab().toImage();
    EXPECT_GT(countPixels(image, light), 50);
    EXPECT_EQ(countPixels(image, fore), 0);
}

TEST(ZibBttn, DisabledFramePieceShowsOnlyItsGradient)
{
    ZibBttn piece;
    piece.resize(100, 40);
    piece.setGradientColorStart(0x404040);
    piece.setGradientColorEnd(0x404040);
    piece.setForeColor(0xFFFFFF);
    piece.setCaption(QStringLiteral("X"));
    piece.setEnabled(false);
    const QImage image = piece.grab().toImage();
    EXPECT_EQ(countPixels(image, bgr(0x404040)), 100 * 40);
}

TEST(ZibBttn, MenuItemLookUnderTheMouse)
{
    ZibBttn item(nullptr, ZibBttn::Look::MenuItem);
    item.resize(150, 20);
    item.setCaption(QStringLiteral("Nid d'abeilles «"));
    EXPECT_EQ(item.grab().toImage().pixelColor(140, 2), bgr(0x808000));
    hover(item);
    EXPECT_EQ(item.grab().toImage().pixelColor(140, 2), bgr(0xD2D200));
    EXPECT_EQ(item.font().family(), QStringLiteral("Verdana"));
}

TEST(ZibBttn, CaptionReadsBackExactly)
{
    ZibBttn button;
    const QString caption = QStringLiteral("Nid d'abeilles «");
    button.setCaption(caption);
    EXPECT_EQ(button.caption(), caption);
    EXPECT_EQ(button.property("Caption").toString(), caption);
}

TEST(ZibBttn, NeverTakesTheFocus)
{
    Window w;
    ASSERT_TRUE(w.edit->hasFocus());
    QTest::mouseClick(w.button, Qt::LeftButton);
    EXPECT_FALSE(w.button->hasFocus());
    EXPECT_TRUE(w.edit->hasFocus());
    EXPECT_EQ(w.button->focusPolicy(), Qt::NoFocus);
}

TEST(ZibBttn, MouseEventsCarryButtonShiftAndPosition)
{
    Window w;
    QSignalSpy down(w.button, &ZibBttn::MouseDown);
    QSignalSpy move(w.button, &ZibBttn::MouseMove);
    QSignalSpy click(w.button, &ZibBttn::Click);

    QTest::mousePress(w.button, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down.at(0), (QList<QVariant>{ZibBttn::LeftButton, ZibBttn::ShiftMask, 5, 6}));
    QTest::mouseMove(w.button, QPoint(20, 7));
    ASSERT_GE(move.count(), 1);
    EXPECT_EQ(move.last().at(2).toInt(), 20);
    EXPECT_EQ(move.last().at(3).toInt(), 7);
    QTest::mouseRelease(w.button, Qt::LeftButton, Qt::ShiftModifier, QPoint(20, 7));
    EXPECT_EQ(click.count(), 1);

    QTest::mousePress(w.button, Qt::RightButton, Qt::ControlModifier, QPoint(3, 4));
    EXPECT_EQ(down.last(), (QList<QVariant>{ZibBttn::RightButton, ZibBttn::CtrlMask, 3, 4}));
    QTest::mouseRelease(w.button, Qt::RightButton, Qt::NoModifier, QPoint(3, 4));
    EXPECT_EQ(click.count(), 1) << "only the left button clicks";
}

TEST(ZibBttn, ADisabledButtonRaisesNoClick)
{
    Window w;
    QSignalSpy click(w.button, &ZibBttn::Click);
    w.button->setEnabled(false);
    QTest::mouseClick(w.button, Qt::LeftButton);
    EXPECT_EQ(click.count(), 0);
    w.button->setEnabled(true);
    QTest::mouseClick(w.button, Qt::LeftButton);
    EXPECT_EQ(click.count(), 1);
}

TEST(ZibBttn, PictureLookShowsTheHoverAndDisabledPictures)
{
    auto filled = [](QColor colour) {
        QPixmap pixmap(20, 20);
        pixmap.fill(colour);
        return pixmap;
    };
    ZibBttn button(nullptr, ZibBttn::Look::Picture);
    button.resize(20, 20);
    button.setPicture(filled(Qt::red));
    button.setHoverPicture(filled(Qt::green));
    button.setDisabledPicture(filled(Qt::blue));
    EXPECT_EQ(button.grab().toImage().pixelColor(10, 10), QColor(Qt::red));
    hover(button);
    EXPECT_EQ(button.grab().toImage().pixelColor(10, 10), QColor(Qt::green));
    button.setEnabled(false);
    EXPECT_EQ(button.grab().toImage().pixelColor(10, 10), QColor(Qt::blue));
}

} // namespace
} // namespace orbivane
