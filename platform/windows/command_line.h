#pragma once
// A command line that Windows programs split back into exactly the arguments given: the
// C runtime's rules, which CommandLineToArgvW shares. No shell sees it, so nothing in an
// argument is interpreted.
#include <string>
#include <string_view>

// `program` is quoted when it holds a blank; each argument when it is empty or holds a
// blank or a quote, with the backslashes before a quote or the closing quote doubled.
std::wstring BuildCommandLine(std::wstring_view program, const std::wstring* arguments, int count);
