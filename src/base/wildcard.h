#pragma once

#include <QString>

// Matches a whole text against a pattern in which "*" stands for any run of characters and "?" for one
// character.
bool BSWildcardMatch(const QString &pattern, const QString &text, Qt::CaseSensitivity cs);

// Matches a file name against a search pattern the way file searches read them: without regard to case,
// "*.*" and "*" match every name, a pattern ending in ".*" also matches the name without extension
// ("notes.*" matches "notes"), and a pattern ending in a single "." matches names without a dot only.
// An empty pattern matches nothing.
bool BSFileNameMatch(const QString &pattern, const QString &name);
