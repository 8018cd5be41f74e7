#include "SettingsStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace orbivane {
namespace {

class SettingsStoreTest : public testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Orbivane.ini")); }

    void writeFile(const QByteArray& contents) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QTemporaryDir dir;
};

TEST_F(SettingsStoreTest, FirstRunGivesEveryDefault)
{
    SettingsStore store(path());
    EXPECT_EQ(store.colour(Setting::GradStart), 0x808000u);
    EXPECT_EQ(store.colour(Setting::GradEnd), 0xE0E0E0u);
    EXPECT_EQ(store.colour(Setting::ButtonText), 0x808000u);
    EXPECT_EQ(store.colour(Setting::ButtonLight), 0xDEFF6Cu);
    EXPECT_EQ(store.colour(Setting::OtherText), 0xFFFFFFu);
    EXPECT_EQ(store.colour(Setting::WindowBack), 0x808000u);
    EXPECT_EQ(store.colour(Setting::DisplayBack), 0xD2D200u);
    EXPECT_TRUE(store.flag(Setting::Tooltips));
    EXPECT_TRUE(store.flag(Setting::Sounds));
    EXPECT_EQ(store.real(Setting::RampDivR), 2.0);
    EXPECT_EQ(store.real(Setting::RampDivG), 1.0);
    EXPECT_EQ(store.real(Setting::RampDivB), 3.0);
    EXPECT_EQ(store.real(Setting::HedgeHeight), 4.0);
    EXPECT_EQ(store.real(Setting::HedgeThickness), 0.3);
    EXPECT_EQ(store.real(Setting::CellSize), 0.3);
    EXPECT_EQ(store.text(Setting::Style), QStringLiteral("C"));
    EXPECT_EQ(store.integer(Setting::Perspective), 30);
    EXPECT_FALSE(store.flag(Setting::WindowSize));
    EXPECT_EQ(store.text(Setting::WindowSize), QStringLiteral("Non"));
    EXPECT_FALSE(QFile::exists(path())) << "reading writes nothing";
}

TEST_F(SettingsStoreTest, WritesSectionsAndKeysAsTheyAreNamed)
{
    {
        SettingsStore store(path());
        store.setColour(Setting::DisplayBack, 0x123456);
        store.setFlag(Setting::Tooltips, false);
        store.setReal(Setting::HedgeThickness, 0.25);
        store.setReal(Setting::RampDivR, 4);
        store.setInteger(Setting::Perspective, 45);
    }
    QSettings raw(path(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Couleurs de l'interface/Visualisation, dossiers, etc.")).toString(),
              QStringLiteral("1193046"));
    EXPECT_EQ(raw.value(QStringLiteral("Affichage des info-bulles/Valeur")).toString(), QStringLiteral("Non"));
    EXPECT_EQ(raw.value(QStringLiteral("Paramètres/EpaisseurDesTroenes")).toString(), QStringLiteral("0.25"));
    EXPECT_EQ(raw.value(QStringLiteral("Paramètres/CouleurDesTroenesR")).toString(), QStringLiteral("4"));
    EXPECT_EQ(raw.value(QStringLiteral("Perspective/Perspective")).toString(), QStringLiteral("45"));
}

struct StoredCase {
    const char* name;
    Setting setting;
    const char* stored;
    double expected; // the value the typed read gives
};

class StoredValueTest : public SettingsStoreTest, public testing::WithParamInterface<StoredCase> {};

TEST_P(StoredValueTest, ReadsWhatConvertsAndFallsBackOtherwise)
{
    const auto& c = GetParam();
    SettingsStore store(path());
    store.setText(c.setting, QString::fromUtf8(c.stored));
    switch (specOf(c.setting).form) {
    case SettingForm::Colour:
        EXPECT_EQ(store.colour(c.setting), static_cast<std::uint32_t>(c.expected));
        break;
    case SettingForm::Flag:
        EXPECT_EQ(store.flag(c.setting), c.expected != 0);
        break;
    case SettingForm::Real:
        EXPECT_DOUBLE_EQ(store.real(c.setting), c.expected);
        break;
    case SettingForm::Integer:
        EXPECT_EQ(store.integer(c.setting), static_cast<int>(c.expected));
        break;
    case SettingForm::Letter:
        FAIL();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, StoredValueTest,
    testing::Values(StoredCase{"HexColour", Setting::WindowBack, "&H808000", 8421376},
                    StoredCase{"DecimalColour", Setting::WindowBack, "8421376", 8421376},
                    StoredCase{"LowerCaseHexColour", Setting::GradEnd, "&h00ff", 255},
                    StoredCase{"ColourNotANumber", Setting::GradEnd, "vert", 0xE0E0E0},
                    StoredCase{"TruncatedHexColour", Setting::GradEnd, "&H", 0xE0E0E0},
                    StoredCase{"FlagExactlyOui", Setting::Sounds, "Oui", 1},
                    StoredCase{"LowerCaseOuiIsOff", Setting::Sounds, "oui", 0},
                    StoredCase{"LowerCaseOuiTooltips", Setting::Tooltips, "oui", 0},
                    StoredCase{"LowerCaseOuiWindowSize", Setting::WindowSize, "oui", 0},
                    StoredCase{"FrenchCommaReal", Setting::CellSize, "0,25", 0.25},
                    StoredCase{"RealWithFullStop", Setting::CellSize, "0.45", 0.45},
                    StoredCase{"RealNotANumber", Setting::HedgeHeight, "haute", 4},
                    StoredCase{"RealEmpty", Setting::HedgeHeight, "", 4},
                    StoredCase{"Integer", Setting::Perspective, "52", 52},
                    StoredCase{"IntegerPast16Bits", Setting::Perspective, "40000", 30},
                    StoredCase{"IntegerWithFraction", Setting::Perspective, "45.5", 30}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsStoreTest, AHandWrittenListGivesTheDefault)
{
    writeFile("[Couleurs%20de%20l'interface]\nFin%20du%20d%E9grad%E9=1,2\n[Param%E8tres]\nHauteurDesTroenes=3,5\n");
    SettingsStore store(path());
    EXPECT_EQ(store.colour(Setting::GradEnd), 0xE0E0E0u);
    EXPECT_EQ(store.real(Setting::HedgeHeight), 4.0);
}

TEST_F(SettingsStoreTest, UnknownStyleLetterReadsAsStored)
{
    SettingsStore store(path());
    store.setText(Setting::Style, QStringLiteral("c"));
    EXPECT_EQ(store.text(Setting::Style), QStringLiteral("c"));
}

TEST_F(SettingsStoreTest, UninstallThenEveryDefaultAgain)
{
    SettingsStore store(path());
    store.setFlag(Setting::Sounds, false);
    store.setText(Setting::Style, QStringLiteral("N"));
    store.setColour(Setting::GradStart, 42);
    store.DeleteAllSettings();
    EXPECT_TRUE(store.flag(Setting::Sounds));
    EXPECT_EQ(store.text(Setting::Style), QStringLiteral("C"));
    SettingsStore restarted(path());
    EXPECT_EQ(restarted.colour(Setting::GradStart), 0x808000u);
    EXPECT_FALSE(restarted.failed());
}

TEST_F(SettingsStoreTest, UninstallOnAnEmptyStoreIsQuiet)
{
    SettingsStore store(path());
    testing::internal::CaptureStderr();
    store.DeleteAllSettings();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(store.failed());
}

TEST_F(SettingsStoreTest, AnUnwritableStoreKeepsValuesInMemoryAndSaysSoOnce)
{
    // A file where the store's folder should be: no one, root included, can create it.
    QFile blocker(dir.filePath(QStringLiteral("config")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore store(dir.filePath(QStringLiteral("config/Orbivane/Orbivane.ini")));
    testing::internal::CaptureStderr();
    store.setFlag(Setting::Sounds, false);
    store.setText(Setting::Style, QStringLiteral("N"));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(store.failed());
    EXPECT_FALSE(store.flag(Setting::Sounds));
    EXPECT_EQ(store.text(Setting::Style), QStringLiteral("N"));
    EXPECT_NE(err.find("cannot save"), std::string::npos);
    EXPECT_EQ(err.find("cannot save"), err.rfind("cannot save")) << "reported once: " << err;
}

TEST_F(SettingsStoreTest, ACorruptFileStillYieldsItsReadableKeys)
{
    writeFile("[Style]\nStyle=N\n[Sons\n\x01garbage without an equals sign\n[Perspective]\nPerspective=50\n"
              "[Param%E8tres]\nHauteurDesTroenes=");
    SettingsStore store(path());
    EXPECT_EQ(store.text(Setting::Style), QStringLiteral("N"));
    EXPECT_EQ(store.integer(Setting::Perspective), 50);
    EXPECT_TRUE(store.flag(Setting::Sounds));
    EXPECT_EQ(store.real(Setting::HedgeHeight), 4.0); // truncated: the default
}

} // namespace
} // namespace orbivane
