#include "Demarrer.h"
#include "InstanceLock.h"
#include "SecondCopyQuestion.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace orbivane {
namespace {

TEST(Demarrer, BlackToBlueBandsThenHandsOverAtTheFirstTick)
{
    int loads = 0;
    Demarrer start([&](Demarrer& window) {
        ++loads;
        window.close();
    });
    EXPECT_EQ(start.size(), QSize(471, 130));
    EXPECT_EQ(start.windowTitle(), QStringLiteral("Démarrage"));
    EXPECT_TRUE(start.windowFlags() & Qt::FramelessWindowHint);
    const QImage picture = start.grab().toImage();
    // 256 bands of half a pixel each: black at the top, pure blue at the bottom (the outermost
    // rows are under the grey outline; the column right of the labels).
    int previousBlue = -1;
    for (int y = 2; y < 128; ++y) {
        const QColor c = picture.pixelColor(463, y);
        ASSERT_EQ(c.red(), 0);
        ASSERT_EQ(c.green(), 0);
        ASSERT_GE(c.blue(), previousBlue) << y;
        previousBlue = c.blue();
    }
    EXPECT_LE(picture.pixelColor(463, 2).blue(), 5);
    EXPECT_GE(picture.pixelColor(463, 127).blue(), 250);
    EXPECT_EQ(picture.pixelColor(0, 60), QColor(0xE0, 0xE0, 0xE0)) << "the outline";
    start.show();
    EXPECT_EQ(loads, 0) << "nothing before the event loop runs";
    EXPECT_TRUE(QTest::qWaitFor([&] { return loads == 1; }, 2000));
    EXPECT_FALSE(start.isVisible());
}

class InstanceLockTest : public testing::Test {
protected:
    QString lockPath() const { return dir.filePath(QStringLiteral("orbivane.lock")); }

    void startHolder(QProcess& holder)
    {
        holder.start(QStringLiteral(LOCK_HOLDER), {lockPath()});
        ASSERT_TRUE(holder.waitForStarted());
        ASSERT_TRUE(holder.waitForReadyRead(5000));
        ASSERT_EQ(holder.readAllStandardOutput().trimmed(), QByteArray("locked"));
    }

    QTemporaryDir dir;
};

TEST_F(InstanceLockTest, TheFirstCopyHoldsTheLock)
{
    InstanceLock first(lockPath());
    EXPECT_TRUE(first.acquire());
}

TEST_F(InstanceLockTest, ASecondProcessSeesTheFirstAndTakesOverWhenItCrashed)
{
    QProcess holder;
    startHolder(holder);
    {
        InstanceLock second(lockPath());
        EXPECT_FALSE(second.acquire());
    }
    holder.kill(); // the first copy dies without cleaning up
    holder.waitForFinished();
    InstanceLock afterCrash(lockPath());
    EXPECT_TRUE(afterCrash.acquire()) << "a stale lock never blocks the program";
}

TEST(SecondCopyQuestion, AsksWithNoAsTheDefault)
{
    for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Orbivane"));
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            EXPECT_EQ(box->text(), QStringLiteral("Orbivane est déjà en cours d'exécution.\nSouhaitez-vous exécuter "
                                                  "une nouvelle instance ?"));
            EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));
            checked = true;
            box->button(answer)->click();
        });
        EXPECT_EQ(ConfirmSecondCopy(), answer == QMessageBox::Yes);
        EXPECT_TRUE(checked);
    }
}

} // namespace
} // namespace orbivane
