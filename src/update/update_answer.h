#pragma once
// What a download server's "Veltrane.ini" announces. The text comes from the network and is
// untrusted: only key "Version" of section "Veltrane" is read, and only a version number is
// taken from it.
#include <optional>
#include <string>
#include <string_view>

#include "update/version.h"

namespace veltrane {

struct AnnouncedVersion {
  std::string text;  // as announced ("5.4.5.0", or "5.5")
  VersionNumber number;
};

// The first blank-separated field of "Version" in section "Veltrane" (sections and keys in any
// case, the first "Version" counts); nothing when the key is missing or the field is not a
// version number.
std::optional<AnnouncedVersion> ReadAnnouncedVersion(std::string_view iniText);

enum class UpdateOutcome { NoContact, NotAvailable, Available };

struct UpdateVerdict {
  UpdateOutcome outcome = UpdateOutcome::NoContact;
  std::optional<AnnouncedVersion> announced;
};

// The verdict on a download: no answer is no contact; a newer announced version is available.
UpdateVerdict JudgeUpdate(const std::optional<std::string>& answer, const VersionNumber& running);

}  // namespace veltrane
