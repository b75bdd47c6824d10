#pragma once

// The game's sounds on Windows, played by the system (the multimedia
// library every Windows has): each sound is a short WAV file, played while
// the game goes on, and a new sound stops the one still playing. Plain
// functions without Qt, so the file can be compile-checked on its own with
// a Windows cross compiler.
namespace WindowsSound {

// Starts the WAV file at `path`, stopping any sound of the game's still
// playing; a missing or unreadable file plays nothing. False when the
// system plays nothing.
bool play(const wchar_t *path);

} // namespace WindowsSound
