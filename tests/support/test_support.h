// Helpers for tests that run under Wine: temporary folders, files, waiting, and the
// folder of test helper programs (the stand-in exp).
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace velmora::test {

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return FPath; }  // without trailing backslash
  std::string operator/(const std::string& name) const { return FPath + "\\" + name; }

 private:
  std::string FPath;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// Polls `done` until it holds or `timeout` passes; pumps this thread's messages.
bool WaitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(15));

// Moves the cursor and waits until the system reports it there (Wine applies a move
// later, and a stale pointer event can still put it back once).
bool MoveCursorTo(int x, int y);

// Real mouse input, queued like a user's: a button or wheel event at the cursor, and a
// move to a screen point (queued after the input before it, unlike MoveCursorTo). Safe
// from another thread, so a modal loop a press starts can see what follows.
void MouseButton(DWORD flags, DWORD data = 0);
void MouseMoveTo(POINT to);
// The X pointer itself moved to a screen point with xdotool, as a user's hand moves it
// (a window appearing under the pointer reports where the X pointer is, so a move of
// input alone can be undone); true when xdotool ran.
bool MovePointerTo(POINT to);
// A key pressed or released, queued like the mouse's events.
void KeyInput(WORD virtualKey, bool down);

// The text of the balloon the shell shows at a tray icon (a visible balloon tooltip of
// any process, in the ANSI code page with line breaks as they are), or empty.
std::string VisibleBalloonText();
// Waits for the balloon to be gone (the shell hides it after its time or with its icon).
bool WaitForNoBalloon(std::chrono::milliseconds timeout = std::chrono::seconds(40));

// Windows path of the folder holding the helper programs built for the tests.
std::string HelpersFolder();

// A Unix path as Wine's Z: drive shows it.
std::string WindowsPathOfUnixPath(const std::string& unixPath);

}  // namespace velmora::test
