#include "app/batch_platform.h"

#include <QPrinter>
#include <iostream>

namespace veltrane {

namespace {

void Say(const std::string& text) {
  std::string line;
  for (char c : text) line += (c == '\n' || c == '\r') ? ' ' : c;
  std::cerr << "veltrane: " << line << std::endl;
}

}  // namespace

void BatchPlatform::Message(const std::string& text) {
  ++messages_;
  Say(text);
}

Answer BatchPlatform::Confirm(const std::string& text, bool withCancel) {
  ++messages_;
  Say(text + (withCancel ? " (cancelled)" : " (no)"));
  return withCancel ? Answer::Cancel : Answer::No;
}

std::optional<std::string> BatchPlatform::OpenFileName(const std::string&, const std::string&, const std::string&) {
  return std::nullopt;
}

std::optional<std::string> BatchPlatform::SaveFileName(const std::string&, const std::string&, const std::string&) {
  return std::nullopt;
}

std::unique_ptr<QPrinter> BatchPlatform::BeginPrint(QWidget*) { return nullptr; }

std::optional<FindRequest> BatchPlatform::AskFind(const FindRequest&) { return std::nullopt; }

void BatchPlatform::OpenUrl(const std::string&) {}

void BatchPlatform::ShowHelp(const std::string&) {}

}  // namespace veltrane
