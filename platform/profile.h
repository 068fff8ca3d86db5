#pragma once
// Private profile (INI) files: sections of "key=value" lines.
#include <QString>

namespace platform {

// Where a program keeps its profile file: $XDG_CONFIG_HOME (default ~/.config)
// joined with the bare file name.
QString profilePath(const QString& fileName);

// The value of `key` in `section` of `filePath`, or `defaultValue` when the
// file, section or key is missing; cut to bufferChars - 1 characters as a
// fixed buffer would. Section and key names compare case-insensitively.
QString readProfileString(const QString& filePath, const QString& section, const QString& key,
                          const QString& defaultValue, int bufferChars);

// Sets `key` in `section`, creating either when missing; every other line,
// comment and section is kept. The file is replaced atomically, so a failure
// (read-only folder, full disk) leaves the old file whole. False on failure.
bool writeProfileString(const QString& filePath, const QString& section, const QString& key,
                        const QString& value);

} // namespace platform
