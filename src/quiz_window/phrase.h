#pragma once

#include <QString>

// The question text with its first run of underscores replaced by the
// answer, a blank on either side. A blank that followed the run gives way
// to the inserted one; any other character stays, so «Start ___.» keeps its
// full stop. A text without an underscore gets the answer appended.
QString composePhrase(const QString &question, const QString &answer);
