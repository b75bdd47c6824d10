// The system's sound player: the sound module is loaded on the first sound,
// and a game without it, or without a sound device, is silent, not broken.

#include "GameFixture.h"

#include "ui/SystemServices.h"

namespace {

class SoundTest : public GameFixture
{
};

TEST_F(SoundTest, LoadsTheSoundModuleOnTheFirstSoundAndKeepsPlaying)
{
    SystemSoundPlayer player(GameFolder(folder.path()), QStringLiteral(GAME_APP_DIR));
    EXPECT_FALSE(player.hasModule());
    player.play(QStringLiteral("sound\\atari.wav"));
    EXPECT_TRUE(player.hasModule());
    // A new sound cuts off the one playing; a missing one is no error.
    player.play(QStringLiteral("sound\\hazure.wav"));
    player.play(QStringLiteral("sound\\nothing.wav"));
    EXPECT_TRUE(player.hasModule());
}

TEST_F(SoundTest, WithoutTheModuleTheGameIsSilent)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows plays the sounds itself: there is no module to miss";
#endif
    SystemSoundPlayer player(GameFolder(folder.path()), path(QStringLiteral("no-such-folder")));
    player.play(QStringLiteral("sound\\atari.wav"));
    player.play(QStringLiteral("sound\\atari.wav"));
    EXPECT_FALSE(player.hasModule());
}

} // namespace
