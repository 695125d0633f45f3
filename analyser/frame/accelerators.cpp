#include "analyser/frame/accelerators.h"

#include "analyser/state/command_ids.h"

namespace {

using namespace CommandId;

// Every key is named after its item's text in the menu, except F1: "Aide du programme"
// does not show it.
constexpr Accelerator kAccelerators[] = {
    {"Ctrl+N", FileNew, true}, {"Ctrl+O", FileOpen, true}, {"Ctrl+S", FileSave, true},
    {"Ctrl+P", FilePrint, true}, {"F1", Help, false},
};

constexpr Accelerator kUnhandled[] = {
    {"Ctrl+C", EditCopy, false},       {"Ctrl+Insert", EditCopy, false},
    {"Ctrl+V", EditPaste, false},      {"Shift+Insert", EditPaste, false},
    {"Ctrl+X", EditCut, false},        {"Shift+Delete", EditCut, false},
    {"Ctrl+Z", EditUndo, false},       {"Alt+Backspace", EditUndo, false},
    {"F6", NextPane, false},           {"Shift+F6", PreviousPane, false},
};

}  // namespace

std::span<const Accelerator> Accelerators() { return kAccelerators; }
std::span<const Accelerator> UnhandledAccelerators() { return kUnhandled; }
