#include "quiz_window/phrase.h"

QString composePhrase(const QString &question, const QString &answer)
{
    const QChar blank = u' ';
    const qsizetype start = question.indexOf(u'_');
    if (start < 0)
        return question + blank + answer + blank;
    qsizetype end = start;
    while (end < question.size() && question.at(end) == u'_')
        ++end;
    QString tail = question.mid(end);
    if (tail.startsWith(blank))
        tail.remove(0, 1);
    return question.left(start) + blank + answer + blank + tail;
}
