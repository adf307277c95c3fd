#pragma once

#include <QString>

// True when the pattern matches the text from its first to its last character. A trailing
// newline does not pass for the end of the text, as it would with a bare "$".
bool matchesWhole(const QString& pattern, const QString& text);
