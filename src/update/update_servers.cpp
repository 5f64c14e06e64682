#include "update/update_servers.h"

#include "foundation/ini_file.h"

namespace veltrane {

std::array<UpdateServer, 2> DefaultUpdateServers() {
  return {{
      {"Main", "https://veltrane.example.org/update/", "https://veltrane.example.org/news.html",
       "https://veltrane.example.org/download/veltrane.deb"},
      {"Mirror", "https://mirror.veltrane.example.net/update/", "https://mirror.veltrane.example.net/news.html",
       "https://mirror.veltrane.example.net/download/veltrane.deb"},
  }};
}

std::array<UpdateServer, 2> ConfiguredUpdateServers(const std::string& settingsFile) {
  std::array<UpdateServer, 2> servers = DefaultUpdateServers();
  const IniFile ini(settingsFile);
  for (size_t i = 0; i < servers.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    servers[i].base = ini.Read("VerForm", "Base" + n, servers[i].base);
    servers[i].description = ini.Read("VerForm", "Description" + n, servers[i].description);
    servers[i].program = ini.Read("VerForm", "Program" + n, servers[i].program);
  }
  return servers;
}

std::string VersionFileAddress(const std::string& base) {
  if (!base.empty() && base.back() == '/') return base + "Veltrane.ini";
  return base + "/Veltrane.ini";
}

bool IsWebAddress(const std::string& address) {
  for (const std::string scheme : {"http://", "https://"}) {
    if (address.size() > scheme.size() && address.compare(0, scheme.size(), scheme) == 0 &&
        address[scheme.size()] != '/' && address.find_first_of(" \t\r\n") == std::string::npos)
      return true;
  }
  return false;
}

}  // namespace veltrane
