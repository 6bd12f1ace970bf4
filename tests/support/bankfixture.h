#pragma once

#include "bank/bankfile.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Small banks for tests, written as a teacher would write them.
namespace Fixture {

// Settings rows with the given phrase, guessing-check, explanation and
// review-button values; the title is "Тест".
QStringList settings(
    char phrase = '0', char guessing = '0', char explanations = '0', char reviewButtons = '0');

// A question whose answers are "a1" … "ak" and whose key is the answer of
// row keyRow (1-based).
BankQuestion question(const QString &text, int answers, int keyRow);

// A bank of n questions with four answers each, the key on answer row 2.
BankFile bank(int n, const QStringList &settingsRows = settings());

// Writes a bank folder (bank.json only) into a fresh temporary folder.
class Folder
{
public:
    explicit Folder(const BankFile &bank);
    explicit Folder(const QByteArray &json);
    QString path() const { return m_dir.path(); }
    // Adds a figure file beside bank.json.
    void addImage(const QString &name, const QImage &image);

private:
    QTemporaryDir m_dir;
};

QByteArray toJson(const BankFile &bank);

} // namespace Fixture
