#include "installer/operations/uninstall_log.h"

namespace {

constexpr std::string_view LineEnd = "\r\n";

}  // namespace

void CUninstallLog::Start(std::string_view productName, std::string_view language,
                          std::string_view destinationKey) {
  text_.clear();
  text_.append("CRV").append(LineEnd).append(LineEnd);
  text_.append("This file was created by Corvane.").append(LineEnd);
  text_.append("Do not modify this file. It contains information about the uninstallation of a "
               "program.")
      .append(LineEnd)
      .append(LineEnd);
  for (std::string_view entry :
       {productName, language, std::string_view("UNINSTAL"), destinationKey})
    text_.append("<").append(entry).append(">").append(LineEnd);
  for (int i = 0; i < 3; ++i) text_.append("<..>").append(LineEnd);
  text_.append("<SCRIPT>");
}

void CUninstallLog::AppendRemovalRecord(std::string_view path) {
  text_.append(LineEnd).append("<DELETE><").append(path).append(">");
}

void CUninstallLog::Close() { text_.append("\r\n<ENDSCRIPT>\r\n\r\n\r\n\r\n"); }
