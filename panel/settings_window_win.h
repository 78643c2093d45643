#pragma once

// The settings window over Win32: draws the designed controls, forwards clicks to the
// ControlPanel and mirrors its boxes. It speaks the Windows user's language; translated captions
// get room where they need it.

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "common/unique_handle_win.h"
#include "common/window_look_win.h"
#include "panel/caption_fit.h"
#include "panel/control_panel.h"

namespace quillmere {

class SettingsWindow final : public PanelWindow {
 public:
  SettingsWindow(HINSTANCE instance, SettingsStore& store, AddInInstaller& installer,
                 std::vector<PolicySource> policies = {});
  SettingsWindow(const SettingsWindow&) = delete;
  SettingsWindow& operator=(const SettingsWindow&) = delete;
  ~SettingsWindow() override;

  // Creates the window, runs set-up, shows it and runs the message loop until it closes.
  int Run(int showCommand);

  // PanelWindow
  void ApplySkin() override;
  void SetTitle(std::string_view title) override;
  void SetProductIcon() override;
  void SetTitleLabel(std::string_view text) override;
  void SetVersionLabel(std::string_view text) override;
  void CenterOnScreen() override;
  bool HandCursorFileExists() override;
  void LoadHandCursor() override;
  void ShowBox(int index, bool checked) override;
  void LockBox(int index, PolicyLock why) override;
  void ShowError(std::string_view title, std::string_view message) override;
  void ShowNotice(std::string_view message) override;
  void StartPowerPoint() override;
  void Close() override;

 private:
  // Windows calls these: nothing may leave them by exception.
  static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  static LRESULT CALLBACK StaticFrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR self) noexcept;
  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

  bool Create();
  void CreateFonts();
  layout::PixelSize MeasureCaption(layout::CaptionControl control, std::string_view text);
  void CreateControls();
  HWND AddControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, const TwipsRect& rect,
                  int id, HFONT font);
  void OnCommand(int id, int code);
  void OnTabChanged();
  bool SwitchTabByKey(const MSG& message);
  bool OnSetCursor(HWND over, int hitTest);
  HBRUSH OnControlColor(HDC dc, HWND control);
  void PaintFrame(HWND frame);
  int Pixels(int twips) const { return TwipsToPixels(twips, dpi_); }

  HINSTANCE instance_;
  UiLanguage language_;
  layout::PanelCaptions captions_;
  layout::SettingsLayout layout_;
  ControlPanel panel_;
  HWND window_ = nullptr;
  HWND tabs_ = nullptr;
  HWND powerPointFrame_ = nullptr;
  HWND aboutFrame_ = nullptr;
  HWND titleLabel_ = nullptr;
  HWND versionLabel_ = nullptr;
  HWND linkLabel_ = nullptr;
  HWND lastFocus_ = nullptr;
  HWND tooltip_ = nullptr;  // owned by the window, destroyed with it
  std::array<HWND, kBoxCount> boxes_{};
  int dpi_ = kDefaultDpi;
  bool saving_ = false;
  UniqueFont windowFont_, titleFont_, versionFont_;
  WindowLook look_;
};

}  // namespace quillmere
