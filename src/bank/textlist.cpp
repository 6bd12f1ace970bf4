#include "bank/textlist.h"

#include <utility>

TextList::TextList(QStringList rows)
    : m_rows(std::move(rows))
{
}

QString TextList::row(int index) const
{
    if (index < 0 || index >= rowCount())
        return {};
    return m_rows.at(index);
}

void TextList::clear()
{
    m_rows.clear();
    m_cursor.reset();
}

void TextList::append(const QString &text)
{
    m_rows.append(text);
}

void TextList::setRow(int index, const QString &text)
{
    if (index >= 0 && index < rowCount())
        m_rows[index] = text;
}

void TextList::removeRow(int index)
{
    if (index < 0 || index >= rowCount())
        return;
    m_rows.removeAt(index);
    if (m_cursor && *m_cursor >= rowCount())
        m_cursor.reset();
}

void TextList::setCursor(int index)
{
    if (index >= 0 && index < rowCount())
        m_cursor = index;
}
