#include "installer/win32/destination_dialog.h"

#include <vector>

#include "installer/operations/install_operations.h"
#include "installer/win32/box_placement.h"
#include "installer/window/destination_dialog_layout.h"
#include "platform/windows/wide_text.h"

namespace {

using DestinationDialog::ControlKind;
using DestinationDialog::DialogControl;

// The system's predefined control classes, by atom.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
// Where the dialog finds the application's icon among the program's resources.
constexpr wchar_t kIconName[] = L"corvane";

// An in-memory dialog template: WORDs, with each control aligned on a DWORD.
class DialogTemplate {
 public:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Text(std::wstring_view text) {
    for (const wchar_t c : text) Word(static_cast<WORD>(c));
    Word(0);
  }
  void Box(const DestinationDialog::DialogBox& box) {
    for (const int32_t value : {box.x, box.y, box.width, box.height})
      Word(static_cast<WORD>(static_cast<int16_t>(value)));
  }
  void AlignToDword() {
    if (words_.size() % 2 != 0) Word(0);
  }
  const DLGTEMPLATE* Data() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  std::vector<WORD> words_;
};

struct ControlClass {
  WORD atom;
  DWORD style;
};

ControlClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::EtchedFrame:
      return {kStaticClass, SS_ETCHEDFRAME};
    case ControlKind::Icon:
      return {kStaticClass, SS_ICON};
    case ControlKind::PromptField:
      return {kEditClass, ES_MULTILINE | ES_READONLY | ES_CENTER};
    case ControlKind::DestinationField:
      return {kEditClass, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP};
    case ControlKind::DefaultButton:
      return {kButtonClass, BS_DEFPUSHBUTTON | WS_TABSTOP};
    case ControlKind::Button:
      return {kButtonClass, BS_PUSHBUTTON | WS_TABSTOP};
  }
  return {kStaticClass, 0};
}

DialogTemplate BuildTemplate() {
  DialogTemplate dialog;
  dialog.Dword(DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  dialog.Dword(0);
  dialog.Word(static_cast<WORD>(DestinationDialog::Controls.size()));
  dialog.Box({0, 0, DestinationDialog::WidthDu, DestinationDialog::HeightDu});
  dialog.Word(0);  // no menu
  dialog.Word(0);  // the system's dialog class
  dialog.Text(Utf8ToWide(DestinationDialog::Title));
  dialog.Word(static_cast<WORD>(DestinationDialog::Font.pointSize));
  dialog.Text(Utf8ToWide(DestinationDialog::Font.face));
  for (const DialogControl& control : DestinationDialog::Controls) {
    const ControlClass kind = ClassOf(control.kind);
    dialog.AlignToDword();
    dialog.Dword(WS_CHILD | WS_VISIBLE | kind.style);
    dialog.Dword(0);
    dialog.Box(control.box);
    dialog.Word(static_cast<WORD>(control.id));  // NoId is the system's IDC_STATIC
    dialog.Word(0xFFFF);
    dialog.Word(kind.atom);
    dialog.Text(control.kind == ControlKind::Icon ? std::wstring(kIconName)
                                                  : Utf8ToWide(control.text));
    dialog.Word(0);  // no creation data
  }
  return dialog;
}

struct DialogState {
  std::wstring prompt;
  std::wstring destination;
  HWND owner;
};

std::wstring FieldText(HWND field) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
  return text;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* state = reinterpret_cast<DialogState*>(lParam);
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    SetDlgItemTextW(dialog, DestinationDialog::PromptId, state->prompt.c_str());
    const HWND field = GetDlgItem(dialog, DestinationDialog::DestinationId);
    SendMessageW(field, EM_LIMITTEXT, MaxDestinationChars, 0);
    SetWindowTextW(field, state->destination.c_str());
    if (state->owner != nullptr) PlaceAboveStatusLine(state->owner, dialog);
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    return FALSE;  // the focus is set
  }
  if (message == WM_COMMAND) {
    auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (LOWORD(wParam)) {
      case DestinationDialog::OkId:
        state->destination = FieldText(GetDlgItem(dialog, DestinationDialog::DestinationId));
        EndDialog(dialog, IDOK);
        return TRUE;
      case DestinationDialog::CancelId:  // also Escape and the close box
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      default:
        break;
    }
  }
  return FALSE;
}

}  // namespace

DestinationAnswer AskDestinationDialog(HINSTANCE instance, HWND owner, std::string_view prompt,
                                       std::string& destination) {
  const DialogTemplate dialog = BuildTemplate();
  DialogState state{Utf8ToWide(prompt), Utf8ToWide(destination), owner};
  const INT_PTR result = DialogBoxIndirectParamW(instance, dialog.Data(), owner, &DialogProc,
                                                 reinterpret_cast<LPARAM>(&state));
  if (result == IDOK) {
    destination = WideToUtf8(state.destination);
    return DestinationAnswer::Ok;
  }
  if (result == IDCANCEL) return DestinationAnswer::Cancel;
  return DestinationAnswer::Other;  // the dialog could not be shown: the proposal stays
}
