#pragma once
// The two download servers of the update check. Each has a base address under which
// "Veltrane.ini" lies, a page describing the new version and the new program file.
#include <array>
#include <string>

namespace veltrane {

struct UpdateServer {
  std::string caption;      // of its radio button, stored as the chosen server
  std::string base;         // "Veltrane.ini" lies under it
  std::string description;  // page about the new version
  std::string program;      // the new program file
};

// The servers as the program ships them; "Settings.ini" may name others.
std::array<UpdateServer, 2> DefaultUpdateServers();
// The servers with the addresses "Settings.ini" names in section "VerForm" ("Base1",
// "Description1", "Program1", and the same with 2) in place of the shipped ones.
std::array<UpdateServer, 2> ConfiguredUpdateServers(const std::string& settingsFile);
// Base address + "Veltrane.ini", with the slash between them when the base lacks it.
std::string VersionFileAddress(const std::string& base);
// Only web addresses are fetched or opened: "http://" or "https://" followed by a host.
bool IsWebAddress(const std::string& address);

}  // namespace veltrane
