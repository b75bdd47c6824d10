// The game's sound player, built as a module of its own that the game loads
// when it plays its first sound: the sound libraries then cost nothing at
// start-up.

#include "ui/Services.h"

#include <QSoundEffect>
#include <QUrl>

namespace {

class EffectPlayer : public SoundPlayer
{
public:
    // `gameFileName` arrives already turned into a local path.
    void play(const QString &localPath) override
    {
        m_effect.stop();
        m_effect.setSource(QUrl::fromLocalFile(localPath));
        m_effect.play();
    }

private:
    QSoundEffect m_effect;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundPlayer *sujinoshimaCreateSoundPlayer()
{
    return new EffectPlayer;
}
