#pragma once

#include <QString>

// A fault's message as the user reads it: with a full stop appended when its last character
// sorts after '.', so that "Unable to insert a line" reads as a sentence but "Done!" is left be.
[[nodiscard]] QString withFullStop(const QString& message);
