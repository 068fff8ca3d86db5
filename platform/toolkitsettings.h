#pragma once
// The toolkit's own per-user settings file, kept from ever being made.

namespace platform {

// Qt's colour and file dialogs keep what they remember (custom colours,
// recent folders) in a settings file of their own, "QtProject.conf" in the
// config folder. A program of ours keeps its settings in its own file and
// leaves no other, so this points the toolkit's per-user settings at a
// folder that can never exist: they read as empty and their writes fail
// silently. Call it before the first dialog; calling it again does nothing.
void keepToolkitSettingsUnwritten();

} // namespace platform
