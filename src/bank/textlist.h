#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// An ordered list of text rows with a cursor. Every list of the bank and of
// the run state is one of these: reading past the last row gives the empty
// text, so a short list never turns into a crash.
class TextList
{
public:
    TextList() = default;
    explicit TextList(QStringList rows);

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    QString row(int index) const;
    const QStringList &rows() const { return m_rows; }

    void clear();
    void append(const QString &text);
    // Replacing or removing a row that does not exist changes nothing.
    void setRow(int index, const QString &text);
    void removeRow(int index);

    std::optional<int> cursor() const { return m_cursor; }
    void setCursor(int index);

private:
    QStringList m_rows;
    std::optional<int> m_cursor;
};
