// What the game window needs from the desktop it runs on. The real host (qt/) drives a Qt
// window; the headless host (headless/) records every call for tests and the script runner.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace ossaric {

enum class MessageIcon { None, Exclamation, Information };

// The program cursors and the two system cursors.
enum class CursorId { Arrow, Wait, Pen, Hand, Roll, Next };

const char* CursorName(CursorId id);  // "arrow", "wait", "PenCursor", ...

class Host {
 public:
  virtual ~Host() = default;

  // A modal box with an OK button. `owned` is false for the boxes shown while the main window
  // is still being built. Returns when the box is closed.
  virtual void MessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                          bool owned) = 0;
  // The next box stands clear of the part (x, y, w, h) of the scene it speaks of, where the
  // screen has room beside it.
  virtual void KeepNextBoxClearOf(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
  virtual void SetCursor(CursorId cursor) = 0;
  virtual void StartTimer(int id, int periodMs) = 0;
  virtual void StopTimer(int id) = 0;
  // Check marks of the menu bar, by command identifier, and a redraw of the bar.
  virtual void CheckMenuItem(int command, bool checked) = 0;
  virtual void DrawMenuBar() = 0;
  // False while the computer plays: the presses, keys and menu commands that arrive meanwhile
  // are the player's impatience, not moves, and are dropped rather than handled afterwards.
  virtual void AcceptPlayerInput(bool /*accepted*/) {}
  // Ask for a full repaint (PaintScreen) once the running handler has returned.
  virtual void Invalidate() = 0;
  // Show the framebuffer's pixels on the screen now.
  virtual void Present() = 0;
  virtual void OpenHelp(const std::string& file) = 0;
  virtual void CloseHelp() = 0;
  // Milliseconds since some fixed point; wraps like a 32-bit counter.
  virtual uint32_t TickCount() = 0;
  // Called again and again while a handler waits, with the milliseconds still to wait: keep the
  // window alive and sleep until the next window-system event or until `remainingMs` have
  // passed, whichever comes first. Input is held back.
  virtual void PumpWhileBusy(int remainingMs) = 0;
  // The keyboard focus ring, drawn over the scene around a target's box (never into the
  // framebuffer, so the scene's pixels stay the game's); hidden while `shown` is false.
  virtual void ShowFocusRing(bool /*shown*/, int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
  // True once the program has been asked to end (a signal, the window closed while a handler
  // runs): pauses are passed over, no box is shown, and the computer's turn stops where it is.
  virtual bool Ending() const { return false; }
  // Something a screen reader follows changed: the screen, the focus, the board or what was told.
  virtual void SceneChanged() {}
  // Reserved system colours of the display (-1: the display has no palette) and its current
  // system palette as 0x00RRGGBB.
  virtual int ReservedSystemColours() { return -1; }
  virtual std::array<uint32_t, 256> SystemPalette() { return {}; }
  // The per-user data directory for the Top Ten file; false when none can be found.
  virtual bool UserDataDirectory(std::string& dir);
};

}  // namespace ossaric
