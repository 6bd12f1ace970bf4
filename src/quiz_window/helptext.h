#pragma once

#include <QString>

// What the info box says until the pupil asks for something else.
QString helpText();
