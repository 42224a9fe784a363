#pragma once

#include <QStringList>

// Gives each caption of one menu level a keyboard accelerator of its own: the first digit or
// Latin letter (compared in upper case) not yet taken on that level. A caption with no such
// character gets none. Literal ampersands are escaped so that only the chosen one marks a key.
[[nodiscard]] QStringList withAccelerators(const QStringList& captions);
