#include "bank/textnumbers.h"

#include <limits>

int leadingNumber(const QString &text)
{
    qsizetype at = 0;
    bool negative = false;
    if (at < text.size() && (text.at(at) == u'-' || text.at(at) == u'+')) {
        negative = text.at(at) == u'-';
        ++at;
    }
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (; at < text.size() && text.at(at) >= u'0' && text.at(at) <= u'9'; ++at) {
        value = value * 10 + (text.at(at).unicode() - u'0');
        if (value > limit)
            value = limit;
    }
    if (negative)
        return static_cast<int>(std::max(-value, qint64(std::numeric_limits<int>::min())));
    return static_cast<int>(std::min(value, qint64(std::numeric_limits<int>::max())));
}

int settingValue(const QString &line)
{
    if (line.isEmpty())
        return 0;
    const QChar last = line.back();
    return (last >= u'0' && last <= u'9') ? last.unicode() - u'0' : 0;
}
