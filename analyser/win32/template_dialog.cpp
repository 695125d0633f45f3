#include "analyser/win32/template_dialog.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/windows/wide_text.h"

namespace {

constexpr WORD kButtonClass = 0x0080, kStaticClass = 0x0082;

class TemplateWriter {
 public:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Text(const std::string& utf8) {
    for (wchar_t c : Utf8ToWide(utf8)) Word(static_cast<WORD>(c));
    Word(0);
  }
  void AlignToDword() {
    if (words_.size() % 2 != 0) Word(0);
  }
  // Items start on a DWORD boundary of the block, which starts on one.
  const WORD* Data() const { return words_.data(); }
  std::size_t Size() const { return words_.size(); }

 private:
  std::vector<WORD> words_;
};

struct ControlClass {
  WORD atom;
  DWORD style;
};

ControlClass ClassOf(const DialogControl& control) {
  switch (control.kind) {
    case ControlKind::Icon: return {kStaticClass, SS_ICON};
    case ControlKind::Picture: return {kStaticClass, SS_BITMAP | SS_CENTERIMAGE};
    case ControlKind::Frame: return {kStaticClass, SS_ETCHEDFRAME};
    case ControlKind::GroupBox: return {kButtonClass, BS_GROUPBOX};
    case ControlKind::Label: return {kStaticClass, SS_LEFT};
    case ControlKind::CentredLabel: return {kStaticClass, SS_CENTER};
    case ControlKind::PushButton: return {kButtonClass, BS_PUSHBUTTON | WS_TABSTOP};
    case ControlKind::DefaultPushButton: return {kButtonClass, BS_DEFPUSHBUTTON | WS_TABSTOP};
    case ControlKind::RadioButton: {
      // Not automatic: the marks follow the dialog's state alone.
      DWORD style = BS_RADIOBUTTON | WS_TABSTOP;
      if ((control.flags & ControlFlag::TextLeft) != 0) style |= BS_LEFTTEXT | BS_RIGHT;
      if ((control.flags & ControlFlag::FirstOfGroup) != 0) style |= WS_GROUP;
      return {kButtonClass, style};
    }
  }
  return {kStaticClass, SS_LEFT};
}

TemplateWriter Build(const DialogTemplate& layout) {
  TemplateWriter block;
  block.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER);
  block.Dword(0);
  block.Word(static_cast<WORD>(layout.controls.size()));
  block.Word(0);
  block.Word(0);
  block.Word(static_cast<WORD>(layout.width));
  block.Word(static_cast<WORD>(layout.height));
  block.Word(0);  // no menu
  block.Word(0);  // the dialog class
  block.Text(layout.title);
  block.Word(static_cast<WORD>(layout.fontPoints));
  block.Text(layout.fontFace);
  for (const DialogControl& control : layout.controls) {
    block.AlignToDword();
    const ControlClass kind = ClassOf(control);
    block.Dword(WS_CHILD | WS_VISIBLE | kind.style);
    block.Dword(0);
    block.Word(static_cast<WORD>(control.rect.x));
    block.Word(static_cast<WORD>(control.rect.y));
    block.Word(static_cast<WORD>(control.rect.width));
    block.Word(static_cast<WORD>(control.rect.height));
    block.Word(static_cast<WORD>(control.id));  // -1 becomes 0xFFFF, the static one
    block.Word(0xFFFF);
    block.Word(kind.atom);
    block.Text(control.text);  // an icon's or a picture's text names its resource
    block.Word(0);             // no creation data
  }
  return block;
}

struct Callbacks {
  const std::function<void(HWND)>& onInit;
  const std::function<void(HWND, int32_t)>& onCommand;
};

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    const auto* callbacks = reinterpret_cast<const Callbacks*>(lParam);
    if (callbacks->onInit) callbacks->onInit(dialog);
    return TRUE;
  }
  const auto* callbacks = reinterpret_cast<const Callbacks*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (callbacks == nullptr) return FALSE;
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    // Escape and the close box come as IDCANCEL: as Cancel does, they drop the changes.
    if (LOWORD(wParam) == IDCANCEL) {
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    }
    callbacks->onCommand(dialog, static_cast<int32_t>(LOWORD(wParam)));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

INT_PTR RunTemplateDialog(HWND owner, HINSTANCE instance, const DialogTemplate& layout,
                          const std::function<void(HWND)>& onInit,
                          const std::function<void(HWND, int32_t)>& onCommand) {
  const TemplateWriter block = Build(layout);
  // The template must be DWORD-aligned: a vector of WORDs is only WORD-aligned.
  std::vector<DWORD> aligned((block.Size() + 1) / 2);
  std::memcpy(aligned.data(), block.Data(), block.Size() * sizeof(WORD));
  const Callbacks callbacks{onInit, onCommand};
  return DialogBoxIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(aligned.data()),
                                 owner, &Procedure, reinterpret_cast<LPARAM>(&callbacks));
}
