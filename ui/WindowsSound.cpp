#include "ui/WindowsSound.h"

#include <windows.h>
#include <mmsystem.h>

namespace WindowsSound {

bool play(const wchar_t *path)
{
    // Playing asynchronously ends the sound before; without NODEFAULT a
    // missing file would play the system's "ding" instead.
    return PlaySoundW(path, nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

} // namespace WindowsSound
