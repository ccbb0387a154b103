// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where neither the layout's Windows gothic nor IPA P Gothic is installed: the face
// that keeps the layout best, and the one line that says so.

#include <optional>
#include <string>

namespace orbalune {

// The installed Japanese face that stands in: proportional before monospaced (a
// monospaced name runs into the next Row's), then a gothic before a mincho; never a
// Chinese face, which would draw the kanji in Chinese shapes. None where no face is
// Japanese. Asks fontconfig and reads the candidates' font files: call it only where
// the face is missing.
[[nodiscard]] std::optional<std::string> InstalledStandIn();

// Says on stderr, in one line, that IPA P Gothic is missing, which Debian package
// gives it, and what is used instead (or that the Japanese texts cannot be shown properly:
// in boxes, or in a Chinese face's shapes).
void AnnounceMissingGothic(const std::optional<std::string>& standIn);

}  // namespace orbalune
