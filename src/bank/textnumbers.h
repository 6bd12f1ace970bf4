#pragma once

#include <QString>

// Numbers travel through the lists as text. These two readers are the only
// way back from text to a number.

// The leading decimal number of the text, with an optional sign; a text that
// does not begin with a number reads as 0. Values beyond the range of int are
// held at its limits rather than overflowing.
int leadingNumber(const QString &text);

// The value of a settings line: its last character read as a digit, any
// other character (or an empty line) 0.
int settingValue(const QString &line);
