#pragma once

#include <QPlainTextEdit>
#include <QString>

// A read-only, multi-line text box with a vertical scroll bar. It keeps the
// text exactly as it was set: answers are compared with the key character
// by character, and the display alone must not change a blank or a line end.
class TextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

private:
    QString m_text;
};
