// What Windows' own shell makes of files, for the end-to-end test of setup.exe:
//   shell_probe.exe short PATH...  the short path the system gives each file
//   shell_probe.exe link LINK...   for each shortcut: "loaded" or "refused" by IShellLink,
//                                  then the path its item list resolves to
#include <windows.h>
// Needs the types of windows.h.
#include <shlobj.h>

#include <cstdio>
#include <string>

#include "platform/windows/wide_text.h"

namespace {

void PrintLine(const std::wstring& line) { std::puts(WideToUtf8(line).c_str()); }

void PrintShortPath(const wchar_t* path) {
  wchar_t shortPath[MAX_PATH] = L"";
  PrintLine(GetShortPathNameW(path, shortPath, MAX_PATH) != 0 ? shortPath : L"none");
}

void PrintLink(const wchar_t* path) {
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&link))) ||
      FAILED(link->QueryInterface(IID_PPV_ARGS(&file)))) {
    PrintLine(L"no shell link service");
    return;
  }
  const bool loaded = SUCCEEDED(file->Load(path, STGM_READ));
  PIDLIST_ABSOLUTE items = nullptr;
  wchar_t target[MAX_PATH] = L"";
  if (SUCCEEDED(link->GetIDList(&items)) && items != nullptr) {
    SHGetPathFromIDListW(items, target);
    CoTaskMemFree(items);
  }
  PrintLine(std::wstring(loaded ? L"loaded " : L"refused ") + target);
  file->Release();
  link->Release();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring what = argv[1];
  if (FAILED(CoInitialize(nullptr))) return 1;
  for (int i = 2; i < argc; ++i) (what == L"link" ? PrintLink : PrintShortPath)(argv[i]);
  CoUninitialize();
  return 0;
}
